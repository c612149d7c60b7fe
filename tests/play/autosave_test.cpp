// No game is lost: every way of throwing a game away saves it first, as a
// record file (or, for a game a record file cannot start, a game text) that
// loads back to the same position.
#include "autosave.h"

#include <fstream>

#include "record_file.h"
#include "script_fixture.h"
#include "sfen.h"

namespace zk {
namespace {

namespace fs = std::filesystem;

class Autosave : public ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        ui().autosaveDir = (dir_ / "data" / "棋譜").string();
    }
    // Two moves of a two-human game.
    void playTwoMoves() { run({"menu START", "press 5 9", "press 5 8", "press 8 4", "press 8 5"}); }
    std::vector<fs::path> saved() const {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir_ / "data" / "棋譜", ec))
            files.push_back(e.path());
        std::sort(files.begin(), files.end());
        return files;
    }
    std::vector<fs::path> recordFiles() const {
        std::vector<fs::path> files = saved();
        std::erase_if(files, [](const fs::path& p) { return p.extension() != ".棋譜"; });
        return files;
    }
    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

const std::string kTwoMoves = "\r\n\r\n\r\n 5 9 5 8 -2 -2  0\r\n 8 4 8 5  2  2  0\r\n";

TEST_F(Autosave, EveryWayOfThrowingAGameAwaySavesItFirst) {
    for (const char* way : {"menu CANCEL", "menu REVERSE", "key 27", "menu OWARI", "unload"}) {
        SCOPED_TRACE(way);
        run("reload");
        playTwoMoves();
        const Lines out = run(way);
        EXPECT_TRUE(out.empty() || out[0].rfind("box", 0) != 0) << out[0];  // saved silently
        ASSERT_EQ(saved().size(), 1u);
        EXPECT_EQ(contents(saved()[0]), kTwoMoves);
        EXPECT_NE(saved()[0].filename().string().find("_先手-後手.棋譜"), std::string::npos);
        fs::remove(saved()[0]);
        ui().quitRequested = false;
    }
    // Loading a record over the game.
    run("reload");
    std::ofstream(dir_ / "other.棋譜", std::ios::binary) << "\r\n\r\n\r\n 5 9 5 8 -2 -2  0\r\n";
    playTwoMoves();
    run({"path " + dir_.string(), "file other.棋譜"});
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(contents(saved()[0]), kTwoMoves);
}

TEST_F(Autosave, TheEndOfAGameSavesItBeforeAskingForAnother) {
    // The bottom king takes the top side's only royal piece.
    run({"clear-board", "put 6 1 39", "put 6 3 -39", "put 1 12 -1", "put 1 1 1", "menu START",
         "press 6 3", "press 6 2", "press 1 1", "press 1 2", "answer yes"});
    const Lines out = run({"press 6 2", "press 6 1"});
    EXPECT_TRUE(has(out, "ask [再ゲーム] 続けますか？ -> yes")) << ::testing::PrintToString(out);
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(contents(saved()[0]),
              "\r\n\r\n\r\n 6 3 6 2-39-39  0\r\n 1 1 1 2  1  1  0\r\n 6 2 6 1-39-39 39\r\n");
}

TEST_F(Autosave, OnlyWhatIsInNoFileYetIsSaved) {
    // No move, or a game that the record cannot replay from the start.
    run({"menu START", "menu CANCEL"});
    run({"menu LBEL_UP", "menu START", "press 5 9", "press 5 8", "menu CANCEL"});
    playTwoMoves();
    run({"menu REVERSE", "menu START", "press 5 8", "press 5 7", "menu CANCEL"});
    // Only the game before 反転 is a record file; the others are game texts.
    ASSERT_EQ(saved().size(), 3u);
    EXPECT_EQ(recordFiles().size(), 1u);
    for (const fs::path& p : saved()) fs::remove(p);

    // A game saved by the user, or loaded and replayed, is in its file.
    playTwoMoves();
    run({"path " + dir_.string(), "save mine", "menu CANCEL"});
    run({"file mine.棋譜", "menu AFTER", "menu AFTER", "key 27"});
    EXPECT_TRUE(saved().empty());
}

TEST_F(Autosave, AFailedSaveSaysSoOnceAndLosesNothingElse) {
    std::ofstream(dir_ / "data") << "a file where the folder should be";
    playTwoMoves();
    Lines out = run("menu CANCEL");
    ASSERT_EQ(out.size(), 2u) << ::testing::PrintToString(out);
    EXPECT_EQ(
        out[0].rfind(
            "box [自動保存] 対局を「" + ui().autosaveDir + "」に自動保存できませんでした（", 0),
        0u)
        << out[0];
    EXPECT_EQ(s().game.record.recordEnd, 0);  // 最初 went on
    playTwoMoves();
    out = run("key 27");
    EXPECT_TRUE(runner().ended());
    EXPECT_TRUE(out.empty() || out[0].find("自動保存") == std::string::npos);
}

TEST_F(Autosave, AMoveAfterTakingBackSavesTheLineItCutsOff) {
    playTwoMoves();
    const BoardGrid last = s().game.Board;
    run({"menu REPLAY", "press 7 4", "press 7 5"});  // the top side plays another move
    ASSERT_EQ(saved().size(), 1u);
    const fs::path cut = saved()[0];
    EXPECT_EQ(contents(cut), kTwoMoves);
    run({"press 5 8", "press 5 7"});  // an ordinary move saves nothing
    EXPECT_EQ(saved().size(), 1u);

    // The new line goes to a file of its own; the one cut off loads to its end.
    run({"path " + cut.parent_path().string(), "file " + cut.filename().string(), "menu AFTER",
         "menu AFTER"});
    ASSERT_EQ(saved().size(), 2u);
    EXPECT_EQ(contents(cut), kTwoMoves);
    EXPECT_EQ(s().game.Board, last);
}

TEST_F(Autosave, TheComputerPlayingOnAfterTakingBackSavesTheLineOnce) {
    run({"menu SENTE", "press 5 9", "press 5 8"});
    const std::string before = formatRecordFile(s().game.record, s().game.record.recordEnd);
    ASSERT_EQ(s().game.record.recordEnd, 2);
    // Back over the computer's reply: 先手 lets it play again.
    run({"menu REPLAY", "menu SENTE"});
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(contents(saved()[0]), before);
    fs::remove(saved()[0]);
    // Back over both moves: the human's new move saves, the reply does not.
    const std::string again = formatRecordFile(s().game.record, s().game.record.recordEnd);
    run({"menu REPLAY", "menu REPLAY", "press 6 9", "press 6 8"});
    ASSERT_EQ(s().game.record.recordEnd, 2);
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(contents(saved()[0]), again);
}

TEST_F(Autosave, GamesARecordFileCannotHoldAreSavedAsGameTexts) {
    playTwoMoves();
    run({"menu REVERSE", "menu START", "press 5 8", "press 5 7"});
    for (const fs::path& p : saved()) fs::remove(p);
    const BoardGrid reversed = s().game.Board;
    run("menu CANCEL");
    ASSERT_EQ(saved().size(), 1u);
    const fs::path turned = saved()[0];
    EXPECT_EQ(turned.extension(), ".usi");
    run({"filename " + turned.string(), "menu SFEN_READ"});
    EXPECT_EQ(s().game.Board, reversed);
    EXPECT_EQ(s().game.moveCount, 1);
    run("menu CANCEL");  // read and not played on: in its file already
    EXPECT_EQ(saved().size(), 1u);

    // A game read from a start of its own and played on.
    Position start = Position::initial();
    start.Board[1][4] = code::EMPTY;
    std::ofstream("start.usi") << "position sfen " + formatSfen(start) + " moves 8i8h 5d5e\n";
    run({"filename start.usi", "menu SFEN_READ", "menu START", "press 6 9", "press 6 8"});
    ASSERT_EQ(s().game.moveCount, 3);
    const BoardGrid played = s().game.Board;
    fs::remove(turned);
    run("menu CANCEL");
    ASSERT_EQ(saved().size(), 1u);
    EXPECT_EQ(saved()[0].extension(), ".usi");
    run({"filename " + saved()[0].string(), "menu SFEN_READ"});
    EXPECT_EQ(s().game.Board, played);
    EXPECT_EQ(s().game.moveCount, 3);
    EXPECT_EQ(s().game.importedStart, Game::flagOn);
}

TEST(AutosaveName, NamesTheTimeAndBothSides) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 9;
    t.tm_hour = 15;
    t.tm_min = 30;
    t.tm_isdst = -1;
    const std::time_t when = std::mktime(&t);
    State s;
    s.game.gameMode = Game::modeCom;
    s.game.manPlayer = Game::firstPlayer;
    EXPECT_EQ(autosaveFileName(s, when), "2026-12-09_1530_先手-COM.棋譜");
    s.game.manPlayer = Game::secondPlayer;
    EXPECT_EQ(autosaveFileName(s, when), "2026-12-09_1530_COM-後手.棋譜");
    s.game.gameMode = Game::modeHumans;
    EXPECT_EQ(autosaveFileName(s, when), "2026-12-09_1530_先手-後手.棋譜");
}

}  // namespace
}  // namespace zk
