// 検討 through the headless front end, whose searches run at once and whose
// reports wait for the event loop: under both rule sets the analysis follows
// the position on the board as 戻 and the move list step through a game, its
// best line starts with a legal move there, a report of a position left
// behind is dropped, and it waits while the computer thinks and goes on when
// the computer's search ends or is stopped.
#include "analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine.h"
#include "engine_turn.h"
#include "form1.h"
#include "script_fixture.h"
#include "share.h"
#include "standard_moves.h"
#include "standard_play.h"

namespace zk {
namespace {

const char* const kRules[] = {"rules zenkoru", "rules standard"};

class Analysis : public ScriptTest, public ::testing::WithParamInterface<const char*> {
protected:
    // A game of two humans, a dozen random moves in.
    void playSomeMoves() {
        run({GetParam(), "menu START", "seed 7"});
        for (int i = 0; i < 12; ++i) run("random-move");
        ASSERT_GE(s().game.record.recordCount, 8);
    }
    // The position on the board as the rules read it.
    Position onBoard() {
        if (s().game.rules == RuleSet::Standard) return 標準局面(s().game);
        return 現局面(s().game);
    }
    // Is `m` one of the legal moves of `p`?
    static bool legal(const Position& p, const Move& m) {
        std::vector<Move> moves;
        if (p.rules == RuleSet::Standard)
            standardLegalMoves(p, moves);
        else
            moves = legalMoves(p, p.mover > 0 ? Mover::Computer : Mover::Presses);
        return std::find(moves.begin(), moves.end(), m) != moves.end();
    }
    // A LEVEL4 game whose human's first move is made by presses alone: the
    // computer's search is out, its move waiting in the queue.
    void humanMovesAndTheComputerThinks() {
        run({GetParam(), "engine nodes 3000", "menu LEVEL4", "analyse on 3000", "menu SENTE"});
        for (const auto& [x, y] : {std::pair{6, 9}, {6, 8}})
            Form_MouseDown(s(), 1, 0, ScriptRunner::squareCentreX(x),
                           ScriptRunner::squareCentreY(y));
        while (!思考中(s()) && !ui().posted.empty()) {
            std::function<void()> next = std::move(ui().posted.front());
            ui().posted.pop_front();
            next();
        }
    }
    // The latest report is of the position on the board, its search done and
    // its line starting with a legal move.
    void expectReportOfBoard() {
        const AnalysisReport* r = latestAnalysis(s());
        ASSERT_NE(r, nullptr);
        const Position here = onBoard();
        EXPECT_EQ(r->position.Board, here.Board);
        EXPECT_EQ(r->position.mover, here.mover);
        EXPECT_TRUE(r->finished);
        ASSERT_TRUE(r->found);
        ASSERT_FALSE(r->pv.empty());
        EXPECT_TRUE(legal(r->position, r->pv.front()));
        EXPECT_GE(r->depth, 1);
        EXPECT_EQ(r->pvTexts.size(), r->pv.size());
    }
};

TEST_P(Analysis, FollowsStepsBackAndTheMoveListAndStopsWhenClosed) {
    playSomeMoves();
    EXPECT_EQ(run("analysis"), Lines{"analysis none"});
    run("analyse on 3000");
    expectReportOfBoard();
    const Position end = latestAnalysis(s())->position;
    const Lines shown = run("analysis");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("analysis 深さ ", 0), 0u) << shown[0];

    run("menu REPLAY");
    expectReportOfBoard();
    EXPECT_NE(latestAnalysis(s())->position.Board, end.Board);
    run("goto 2");
    expectReportOfBoard();
    run("menu AFTER");
    expectReportOfBoard();

    run("analyse off");
    EXPECT_EQ(latestAnalysis(s()), nullptr);
    EXPECT_FALSE(analysisSearching(s()));
    run("menu REPLAY");
    EXPECT_EQ(latestAnalysis(s()), nullptr);
}

TEST_P(Analysis, AReportOfAPositionLeftBehindIsDropped) {
    playSomeMoves();
    std::vector<Position> delivered;
    setAnalysisListener(s(), [&delivered](const AnalysisReport* r) {
        if (r) delivered.push_back(r->position);
    });
    setAnalysisBound(s(), {.depth = 20, .millis = 0, .nodes = 3000});
    startAnalysis(s());
    // Only the search's start: it runs, and its reports wait in the queue.
    ASSERT_EQ(ui().posted.size(), 1u);
    std::function<void()> first = std::move(ui().posted.front());
    ui().posted.pop_front();
    first();
    ASSERT_GE(ui().posted.size(), 2u);  // an iteration or more, and the end
    const Position left = onBoard();
    棋譜_手へ(s(), 3);  // a click in the move list before they arrive
    EXPECT_EQ(latestAnalysis(s()), nullptr);
    ui().runPosted();
    ASSERT_FALSE(delivered.empty());
    for (const Position& p : delivered) EXPECT_NE(p.Board, left.Board);
    expectReportOfBoard();
}

TEST_P(Analysis, WaitsWhileTheComputerThinks) {
    humanMovesAndTheComputerThinks();
    ASSERT_TRUE(思考中(s()));
    // A change of the position now waits: its search does not start.
    analysisPositionChanged(s());
    std::function<void()> restart = std::move(ui().posted.back());
    ui().posted.pop_back();
    const std::size_t queued = ui().posted.size();
    restart();
    EXPECT_FALSE(analysisSearching(s()));
    EXPECT_EQ(ui().posted.size(), queued);
    // The computer's move played, the analysis looks at the position it leaves.
    ui().runPosted();
    EXPECT_FALSE(思考中(s()));
    EXPECT_EQ(s().game.record.recordCount, 2);
    expectReportOfBoard();
}

TEST_P(Analysis, GoesOnWhenTheComputersSearchIsStopped) {
    humanMovesAndTheComputerThinks();
    ASSERT_TRUE(思考中(s()));
    思考中止(s());
    ui().runPosted();
    EXPECT_EQ(s().game.record.recordCount, 1);  // the computer's move was dropped
    expectReportOfBoard();
}

INSTANTIATE_TEST_SUITE_P(BothRules, Analysis, ::testing::ValuesIn(kRules));

TEST(AnalysisScoreText, SaysTheScoreFromTheFirstMoversView) {
    // The first mover is the bottom side (-1) here.
    EXPECT_EQ(analysisScoreText(0, -1, -1), "互角");
    EXPECT_EQ(analysisScoreText(29, 1, -1), "互角");
    EXPECT_EQ(analysisScoreText(125, -1, -1), "先手 +1.25");
    EXPECT_EQ(analysisScoreText(125, 1, -1), "後手 +1.25");
    EXPECT_EQ(analysisScoreText(-80, 1, -1), "先手 +0.80");
    EXPECT_EQ(analysisScoreText(engine::kWin - 7, -1, -1), "先手の勝ち (7手)");
    EXPECT_EQ(analysisScoreText(-(engine::kWin - 4), -1, -1), "後手の勝ち (4手)");
    EXPECT_EQ(analysisScoreText(engine::kWin - 3, 1, 1), "先手の勝ち (3手)");
}

}  // namespace
}  // namespace zk
