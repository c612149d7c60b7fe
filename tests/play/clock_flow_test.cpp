// The clocks, 投了, 中断 and 再開 in the window, through the script runner on
// its fake time: a flag falls for either side in either time mode and ends
// the game with the right winner; 秒読み starts afresh with each move; the
// searching computer takes its time from its own clock; resigning ends the
// game for the side that resigned; an interrupted game comes back with its
// board and clocks. Both rule sets.
#include "clock_flow.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "script_fixture.h"

namespace zk {
namespace {

class Clocks : public ScriptTest {
protected:
    // Lines that start with `prefix`.
    static int count(const Lines& lines, const std::string& prefix) {
        int n = 0;
        for (const auto& l : lines) n += l.rfind(prefix, 0) == 0;
        return n;
    }
    std::string clockText() { return run("clock").back(); }
};

const char* const kRules[] = {"rules zenkoru", "rules standard"};

TEST_F(Clocks, AFlagFallsForEitherSideInEitherModeAndTheOtherWins) {
    for (const char* rules : kRules) {
        // Sudden death, 秒読み alone, and an increment (given before the first move too).
        const std::pair<const char*, double> modes[] = {
            {"clock 1 0 0", 60}, {"clock 0 10 0", 10}, {"clock 1 0 10", 70}};
        for (const auto& [mode, limit] : modes) {
            SCOPED_TRACE(std::string(rules) + " / " + mode);
            // The bottom side (先手) lets its time run out.
            run({rules, mode, "menu START"});
            Lines out = run("advance " + std::to_string(limit - 0.2));
            EXPECT_EQ(count(out, "box [終局]"), 0);
            out = run("advance 0.3");
            EXPECT_TRUE(has(out, "box [終局] 時間切れです"));
            EXPECT_TRUE(has(out, "box [終了] 後手の勝ちです"));
            EXPECT_EQ(clockText(), "clock none");  // 続けますか？ -> a fresh board
            // The top side (後手) after the bottom side's move.
            run({"menu START", "advance 3", "random-move"});
            EXPECT_NE(clockText().find("top ▶"), std::string::npos);
            out = run("advance " + std::to_string(limit + 0.1));
            EXPECT_TRUE(has(out, "box [終局] 時間切れです"));
            EXPECT_TRUE(has(out, "box [終了] 先手の勝ちです"));
            // Against the computer the human's flag is the computer's win.
            run({"menu SENTE"});
            out = run("advance " + std::to_string(limit + 0.1));
            EXPECT_TRUE(has(out, "box [終了] ｺﾝﾋﾟｭｰﾀの勝ちです"));
        }
    }
}

TEST_F(Clocks, ByoyomiStartsAfreshWithEachMove) {
    for (const char* rules : kRules) {
        SCOPED_TRACE(rules);
        run({rules, "clock 0 10 0", "menu START"});
        Lines out;
        for (int move = 0; move < 6; ++move) {
            const Lines part = run({"advance 9.5", "random-move"});
            out.insert(out.end(), part.begin(), part.end());
        }
        EXPECT_EQ(count(out, "box [終局]"), 0);
        out = run("advance 5");
        // Counted aloud second by second: 9, 8, 7, 6, 5.
        EXPECT_EQ(count(out, "sound その他.wav"), 5);
        EXPECT_EQ(clockText(), "clock top 秒読み 10 bottom ▶秒読み 5");
        run({"advance 5.1", "menu CANCEL"});
    }
}

// A command outside the move holds the clock while its boxes are open: time
// passing meanwhile is nobody's, and 秒読み keeps what was used of it.
TEST_F(Clocks, ABoxOutsideTheMoveHoldsTheClock) {
    run({"clock 0 10 0", "menu START", "advance 4"});
    const std::string before = clockText();
    EXPECT_EQ(before, "clock top 秒読み 10 bottom ▶秒読み 6");
    時計_保留(s());
    EXPECT_EQ(count(run("advance 100"), "box [終局]"), 0);
    時計_保留解除(s());
    EXPECT_EQ(clockText(), before);
    EXPECT_EQ(count(run("advance 5.9"), "box [終局]"), 0);
    EXPECT_TRUE(has(run("advance 0.2"), "box [終局] 時間切れです"));
}

// A box of the move keeps the ticks away (the window drops them while a box
// is open): a move made after the flag fell meanwhile does not save the side.
TEST_F(Clocks, AMoveAfterTheFlagFellDoesNotSaveTheSide) {
    for (const char* rules : kRules) {
        SCOPED_TRACE(rules);
        run({rules, "clock 0 10 0", "menu START", "advance 9.95"});
        ui().now += 1;  // time passes with no tick, as under a box
        EXPECT_EQ(count(run("random-move"), "box [終局]"), 0);
        const Lines out = run("advance 0.1");
        EXPECT_TRUE(has(out, "box [終局] 時間切れです"));
        EXPECT_TRUE(has(out, "box [終了] 後手の勝ちです"));
        // In time, the same move passes the clock on.
        run({"menu START", "advance 9.85", "random-move"});
        EXPECT_EQ(clockText(), "clock top ▶秒読み 10 bottom 秒読み 10");
        run("menu CANCEL");
    }
}

TEST_F(Clocks, TheSearchingComputerPlansFromItsOwnClock) {
    for (const char* rules : kRules) {
        SCOPED_TRACE(rules);
        // Without a clock the thinking time of the menu bounds it.
        run({rules, "menu LEVEL4", "engine nodes 3000", "menu SENTE", "random-move"});
        EXPECT_EQ(s().clocks.lastThinkMillis, 0);
        run({"menu CANCEL", "clock 1 0 0", "menu SENTE", "advance 5", "random-move"});
        EXPECT_EQ(s().clocks.lastThinkMillis, clockTimeBudget(60, 0, 0).hard);
        // Low on time, it plans from what is left of it, not the menu's 5 s.
        s().clocks.clock.setMainLeft(+1, 3);
        run("random-move");
        EXPECT_EQ(s().clocks.lastThinkMillis, clockTimeBudget(3, 0, 0).hard);
        EXPECT_LT(s().clocks.lastThinkMillis, 3000);
        run({"menu CANCEL", "clock 0 30 0", "menu SENTE", "random-move"});
        EXPECT_EQ(s().clocks.lastThinkMillis, clockTimeBudget(0, 30, 0).hard);
        EXPECT_LT(s().clocks.lastThinkMillis, 30000);
        run({"menu CANCEL", "clock 0 0 0"});
    }
}

TEST_F(Clocks, ResigningEndsTheGameForTheSideThatResigned) {
    ui().autosaveDir = (dir_ / "saved").string();
    for (const char* rules : kRules) {
        SCOPED_TRACE(rules);
        run({rules, "menu START", "random-move"});
        Lines out = run("resign");  // the top side (後手) is to move
        EXPECT_TRUE(has(out, "ask [投了] 投了しますか？ -> yes"));
        EXPECT_TRUE(has(out, "box [終局] 後手が投了しました"));
        EXPECT_TRUE(has(out, "box [終了] 先手の勝ちです"));
        run({"menu START", "random-move", "random-move"});
        out = run("resign");
        EXPECT_TRUE(has(out, "box [終了] 後手の勝ちです"));
        // Against the computer the human resigns; "no" takes it back.
        run({"menu SENTE", "random-move", "answer no"});
        out = run("resign");
        EXPECT_EQ(count(out, "box [終了]"), 0);
        out = run("resign");
        EXPECT_TRUE(has(out, "box [終局] あなたが投了しました"));
        EXPECT_TRUE(has(out, "box [終了] ｺﾝﾋﾟｭｰﾀの勝ちです"));
    }
    // A record file keeps the ending in its first header line.
    bool kept = false;
    for (const auto& f : std::filesystem::directory_iterator(dir_ / "saved")) {
        std::ifstream in(f.path(), std::ios::binary);
        std::string first;
        std::getline(in, first);
        if (first.rfind("投了 ", 0) == 0) kept = true;
    }
    EXPECT_TRUE(kept);
    // No game, nothing to resign.
    EXPECT_TRUE(has(run("resign"), "box [投了] 対局中に使えます"));
}

TEST_F(Clocks, AnInterruptedGameComesBackWithItsBoardAndClocks) {
    ui().autosaveDir = (dir_ / "saved").string();
    for (const char* rules : kRules) {
        for (const char* start : {"menu SENTE", "menu GOTE", "menu START"}) {
            SCOPED_TRACE(std::string(rules) + " / " + start);
            run({rules, "clock 5 30 0", start, "seed 7", "advance 12", "random-move", "advance 4",
                 "random-move", "advance 2.5"});
            if (std::string(start) == "menu START") run({"advance 1", "random-move"});
            const BoardGrid board = s().game.Board;
            const GameRecord record = s().game.record;
            const int mode = s().game.gameMode, turn = s().game.turnPlayer;
            const std::string clocks = clockText();
            Lines out = run("menu CHUDAN");
            EXPECT_TRUE(has(out, "box [中断] 対局を中断しました。「再開」で続きを指せます"));
            EXPECT_EQ(clockText(), "clock none");
            EXPECT_TRUE(std::filesystem::exists(中断ファイル(s())));
            // Some time later, maybe after another run of the program.
            run({"reload", "advance 100"});
            out = run("menu SAIKAI");
            EXPECT_TRUE(has(out, "box [再開] 中断した対局を再開します"));
            EXPECT_EQ(s().game.Board, board);
            EXPECT_EQ(s().game.record.recordCount, record.recordCount);
            EXPECT_EQ(s().game.gameMode, mode);
            EXPECT_EQ(s().game.turnPlayer, turn);
            EXPECT_EQ(s().game.recordMode, Game::flagOff);
            EXPECT_EQ(clockText(), clocks);
            EXPECT_FALSE(std::filesystem::exists(中断ファイル(s())));
            // The game goes on: moves are taken and the clock switches.
            run("random-move");
            EXPECT_NE(s().game.record.recordCount, record.recordCount);
            EXPECT_TRUE(has(run("menu SAIKAI"), "box [再開] 中断した対局はありません"));
            run({"menu CANCEL", "clock 0 0 0"});
        }
    }
}

}  // namespace
}  // namespace zk
