// 棋譜解析: the marks' thresholds, a seeded game analysed through the script
// runner under both rule sets, and the analysis kept and read back by the
// game's key, another game's file ignored.
#include "game_analysis.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine.h"
#include "script_fixture.h"

namespace zk {
namespace {

TEST(GameAnalysisMarks, ThresholdsForEitherMoverAndNoMarkWhenDecidedOrBest) {
    // 先手 (+1) loses when the score falls, 後手 (-1) when it rises.
    EXPECT_EQ(classifyMove(100, 100 - kDubiousLoss + 1, 1, false), MoveMark::None);
    EXPECT_EQ(classifyMove(100, 100 - kDubiousLoss, 1, false), MoveMark::Dubious);
    EXPECT_EQ(classifyMove(100, 100 - kBadLoss + 1, 1, false), MoveMark::Dubious);
    EXPECT_EQ(classifyMove(100, 100 - kBadLoss, 1, false), MoveMark::Bad);
    EXPECT_EQ(classifyMove(100, 100 - kBadLoss, -1, false), MoveMark::None);
    EXPECT_EQ(classifyMove(-100, -100 + kDubiousLoss, -1, false), MoveMark::Dubious);
    EXPECT_EQ(classifyMove(-100, -100 + kBadLoss, -1, false), MoveMark::Bad);
    // Into a lost game counts as the graph's limit, not as thousands.
    EXPECT_EQ(classifyMove(0, -engine::kWin + 3, 1, false), MoveMark::Bad);
    EXPECT_EQ(classifyMove(kGraphLimit - kBadLoss + 1, -engine::kWin, 1, false), MoveMark::Bad);
    // Already decided, or the engine's own move: no mark.
    EXPECT_EQ(classifyMove(engine::kWin - 5, 0, 1, false), MoveMark::None);
    EXPECT_EQ(classifyMove(-engine::kWin + 5, -engine::kWin + 3, -1, false), MoveMark::None);
    EXPECT_EQ(classifyMove(100, -900, 1, true), MoveMark::None);
    EXPECT_EQ(graphScore(engine::kWin), kGraphLimit);
    EXPECT_EQ(graphScore(-engine::kWin), -kGraphLimit);
}

TEST(GameAnalysisFile, RoundTripsAndRefusesOtherText) {
    GameAnalysis a;
    a.key = 0x0123456789abcdefULL;
    a.nodes = 5000;
    a.positions = {{14, "８八と"}, {-632, "６七・７八獅"}, {-engine::kWin, ""}};
    GameAnalysis back;
    ASSERT_TRUE(readAnalysisText(analysisText(a), back));
    EXPECT_EQ(back.key, a.key);
    EXPECT_EQ(back.nodes, a.nodes);
    ASSERT_EQ(back.positions.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.positions[i].score, a.positions[i].score);
        EXPECT_EQ(back.positions[i].best, a.positions[i].best);
    }
    std::string other = analysisText(a);
    other.replace(other.find("analysis 1"), 10, "analysis 2");
    EXPECT_FALSE(readAnalysisText(other, back));
    EXPECT_FALSE(readAnalysisText(analysisText(a).substr(0, 60), back));
}

class GameAnalysisRun : public ScriptTest, public ::testing::WithParamInterface<const char*> {
protected:
    std::string settings() const override { return "移動指導=OFF\r\nBGM=OFF\r\n"; }
    void SetUp() override {
        ScriptTest::SetUp();
        ui().autosaveDir = (dir_ / "saved").string();
    }
    // A seeded game of two humans, 24 moves.
    void playGame() {
        run({GetParam(), "seed 11", "menu START"});
        for (int i = 0; i < 24; ++i) run("random-move");
        ASSERT_EQ(s().game.moveCount, 24);
    }
};

// Every position gets a line; each move's printed mark is what the
// thresholds make of the printed scores, and the better move named is the
// engine's move before it.
TEST_P(GameAnalysisRun, EveryPositionScoredAndMarksFollowTheScores) {
    playGame();
    const Lines out = run({"analyse-game 2000", "graph"});
    ASSERT_EQ(out.size(), 26u);
    EXPECT_EQ(out[0], "graph 25/25 nodes 2000");
    const AnalysisStatus status = 棋譜解析状況(s());
    ASSERT_NE(status.analysis, nullptr);
    const GameAnalysis& a = *status.analysis;
    int marked = 0;
    for (std::size_t i = 1; i < a.positions.size(); ++i) {
        const int before = a.positions[i - 1].score, after = a.positions[i].score;
        const int mover = i % 2 ? 1 : -1;
        const int loss = mover * (graphScore(before) - graphScore(after));
        const bool best = a.positions[i - 1].best == a.played[i - 1];
        std::string expected;
        if (!best && std::abs(before) <= engine::kWinBound && loss >= kDubiousLoss)
            expected = (loss >= kBadLoss ? " ?? 悪手 (最善 " : " ?! 疑問手 (最善 ") +
                       a.positions[i - 1].best + ")";
        const PositionEval& here = a.positions[i];
        EXPECT_EQ(out[i + 1], std::to_string(i) + " " + a.played[i - 1] + " " +
                                  (here.score >= 0 ? "+" : "") + std::to_string(here.score) +
                                  " 最善 " + (here.best.empty() ? "-" : here.best) + expected);
        if (!expected.empty()) ++marked;
        std::cout << out[i + 1] << '\n';
    }
    // Random moves lose material: some are marked.
    EXPECT_GT(marked, 0);
}

// The finished analysis is in the autosave folder by the game's key: read
// back as it was when the game is on the board again, and another game's
// file under this game's name is ignored.
TEST_P(GameAnalysisRun, KeptByTheGamesKeyAndAnotherGamesFileIgnored) {
    playGame();
    const Lines first = run({"analyse-game 2000", "graph"});
    const std::uint64_t key = analysisKey(s().game);
    const std::string path = analysisPath(s(), key);
    ASSERT_TRUE(std::filesystem::exists(path)) << path;
    // Stepping through the game keeps its analysis; a fresh run reads the file.
    run({"goto 5"});
    EXPECT_EQ(analysisKey(s().game), key);
    s().analysisSession.reset();
    EXPECT_EQ(run("graph"), first);

    // One more move is another game: nothing until it is analysed.
    run({"goto 24", "random-move"});
    EXPECT_EQ(run("graph"), Lines{"graph none"});
    // A file of another game under this game's key is not its analysis.
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    const std::string otherPath = analysisPath(s(), analysisKey(s().game));
    std::ofstream(otherPath) << text.str();
    s().analysisSession.reset();
    EXPECT_EQ(run("graph"), Lines{"graph none"});
}

INSTANTIATE_TEST_SUITE_P(BothRules, GameAnalysisRun,
                         ::testing::Values("rules zenkoru", "rules standard"),
                         [](const auto& info) {
                             return std::string(info.index == 0 ? "Zenkoru" : "Standard");
                         });

}  // namespace
}  // namespace zk
