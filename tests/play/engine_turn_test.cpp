// LEVEL4 and ヒント through the headless front end, whose searches run at
// once and whose results wait for the event loop (runPosted): the engine's
// moves are played as the record and the rules expect, commands that would
// change the position are refused while a search is out, a stopped search
// plays nothing, and the hint outlines a move without playing it.
#include "engine_turn.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "com_turn.h"
#include "com_turn_fixture.h"
#include "form1.h"
#include "notation.h"
#include "record_commands.h"
#include "script_fixture.h"
#include "sfen.h"
#include "share.h"

namespace zk {
namespace {

const Lines kRefused = {"sound 禁止.wav", "box [思考中] 思考中はできません"};

class Level4 : public ScriptTest {
protected:
    // The squares outlined in the hint's colour.
    std::vector<std::pair<int, int>> hintSquares() {
        std::vector<std::pair<int, int>> out;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y)
                if (outline(x, y) == 11) out.emplace_back(x, y);
        return out;
    }
};

// Every move the engine may choose for the computer, from positions of seeded
// games, played through com_指し手: the board, the lion history and the record
// entries are what apply and the record's own mapping give.
TEST_F(Level4, EveryComputerMovePlaysAsApplyPutsIt) {
    int twoStep = 0, promoting = 0, played = 0;
    for (int seed : {3, 11, 29}) {
        run({"menu CANCEL", "menu START", "seed " + std::to_string(seed)});
        for (int i = 0; i < 2 * seed + 1; ++i) run("random-move");
        if (s().game.turnPlayer != s().game.comPlayer) continue;  // the game ended
        s().game.gameMode = Game::modeCom;
        const Position p = 現局面(s().game);
        ASSERT_EQ(p.mover, 1);
        for (const Move& m : legalMoves(p, Mover::Computer)) {
            SCOPED_TRACE(指し手表記(m));
            State t = s();
            const int before = t.game.record.recordCount;
            const ComOutcome out = com_指し手(t, m);
            Position want = p;
            apply(want, m);
            EXPECT_EQ(t.game.Board, want.Board);
            EXPECT_EQ(lionHistoryOf(t.game.record, t.game.record.recordCount), want.history);
            const std::vector<MoveRecord> entries = recordEntriesOf(m);
            ASSERT_EQ(t.game.record.recordCount, before + int(entries.size()));
            for (std::size_t i = 0; i < entries.size(); ++i)
                EXPECT_EQ(t.game.record.at(before + 1 + int(i)), entries[i]) << i;
            if (!out.ended) {
                EXPECT_EQ(t.game.turnPlayer, t.game.manPlayer);
            }
            EXPECT_EQ(t.game.moveCount, s().game.moveCount + 1);
            twoStep += m.isTwoStep();
            promoting += m.promotes();
            ++played;
        }
        ui().takeTranscript();
    }
    EXPECT_GT(played, 200);
    EXPECT_GT(twoStep, 0);
    EXPECT_GT(promoting, 0);
}

// A few moves of a game at a fixed node count: each human move is answered
// by one legal computer move, and the human has the turn again.
TEST_F(Level4, PlaysAGameAtAFixedNodeCount) {
    run({"engine nodes 1500", "menu LEVEL4", "seed 7"});
    EXPECT_TRUE(ui().menuChecked("LEVEL4"));
    EXPECT_FALSE(ui().menuChecked("LEVEL3"));
    run("menu SENTE");
    for (int move = 1; move <= 4; ++move) {
        run("random-move");
        ASSERT_EQ(s().game.turnPlayer, s().game.manPlayer);
        ASSERT_EQ(s().game.moveCount, 2 * move);
        ASSERT_FALSE(思考中(s()));
    }
    // Replaying the record gives the board: every entry was a legal move.
    const Position replayed = Position::fromRecord(Position::initial().Board, -1, s().game.record,
                                                   s().game.record.recordCount);
    EXPECT_EQ(replayed.Board, s().game.Board);
    // The computer moved its own pieces, the top side's.
    int computerEntries = 0;
    for (int i = 1; i <= s().game.record.recordCount; ++i)
        computerEntries += s().game.record.at(i).movedPiece >= 1;
    EXPECT_GE(computerEntries, 4);

    // As 後手 the computer opens at once.
    run({"menu CANCEL", "menu GOTE"});
    EXPECT_EQ(s().game.moveCount, 1);
    EXPECT_EQ(s().game.turnPlayer, s().game.manPlayer);
}

// While the computer thinks, what would change the position is refused with
// the forbidden sound and a box; other commands still work; the move comes
// when the event loop gets to it.
TEST_F(Level4, CommandsThatChangeThePositionAreRefusedWhileItThinks) {
    run({"engine nodes 1500", "menu LEVEL4"});
    runMenuCommand(s(), "GOTE");  // the result waits in the event loop
    ASSERT_TRUE(思考中(s()));
    ui().takeTranscript();
    const BoardGrid board = s().game.Board;
    for (const char* control :
         {"REPLAY", "AFTER", "CANCEL", "REVERSE", "SENTE", "GOTE", "START", "LEVEL1", "LEVEL4",
          "LBEL_UP", "LEBEL_DOWN", "KIFU_READ", "SFEN_READ", "IDOU_HLP"}) {
        SCOPED_TRACE(control);
        runMenuCommand(s(), control);
        EXPECT_EQ(ui().takeTranscript(), kRefused);
    }
    Form_MouseDown(s(), 1, 0, ScriptRunner::squareCentreX(5), ScriptRunner::squareCentreY(9));
    EXPECT_EQ(ui().takeTranscript(), kRefused);
    File1_Click(s(), "any.棋譜");
    EXPECT_EQ(ui().takeTranscript(), kRefused);
    棋譜_手へ(s(), 1);  // a click in 棋譜一覧
    EXPECT_EQ(ui().takeTranscript(), kRefused);
    runMenuCommand(s(), "HINT");
    EXPECT_EQ(ui().takeTranscript(), (Lines{"sound 禁止.wav", "box [ﾋﾝﾄ] 思考中はできません"}));
    EXPECT_EQ(s().game.Board, board);
    EXPECT_EQ(s().game.record.recordCount, 0);
    EXPECT_EQ(s().game.comLevel, 4);

    runMenuCommand(s(), "THINK15");  // not the position: allowed
    EXPECT_EQ(思考時間(s()), 15);
    ui().runPosted();
    EXPECT_FALSE(思考中(s()));
    EXPECT_EQ(s().game.record.recordCount, 1);
    EXPECT_EQ(s().game.turnPlayer, s().game.manPlayer);
}

// A stopped search plays nothing, also when its result arrives afterwards;
// Esc stops it and ends the program.
TEST_F(Level4, AStoppedSearchPlaysNothing) {
    run({"engine nodes 1500", "menu LEVEL4"});
    runMenuCommand(s(), "GOTE");
    思考中止(s());
    EXPECT_FALSE(思考中(s()));
    ui().runPosted();
    EXPECT_EQ(s().game.record.recordCount, 0);
    EXPECT_EQ(s().game.turnPlayer, s().game.comPlayer);

    runMenuCommand(s(), "CANCEL");
    runMenuCommand(s(), "GOTE");
    Form_KeyPress(s(), 27);
    EXPECT_FALSE(思考中(s()));
    EXPECT_TRUE(ui().quitRequested);
    ui().quitRequested = false;  // even delivered, the result is dropped
    ui().runPosted();
    EXPECT_EQ(s().game.record.recordCount, 0);
}

// The depth reached shows in the computer's move report as each iteration
// ends, before the move.
TEST(Level4Progress, TheCaptionCountsTheDepthsUp) {
    test::ComTurnFixture f(4);
    初期配置(f.s.game.Board);
    f.ui.keepSnapshots = true;
    思考ノード数設定(f.s, 4000);
    COM手番_探索(f.s);
    f.ui.runPosted();
    std::vector<std::string> captions;
    for (const auto& shot : f.ui.snapshots)
        for (const ScreenItem& item : shot)
            if (item.kind == ScreenItem::Kind::Text && item.colour == Screen::reportColour &&
                item.text.find("思考中") != std::string::npos &&
                (captions.empty() || captions.back() != item.text))
                captions.push_back(item.text);
    ASSERT_GE(captions.size(), 3u);
    EXPECT_EQ(captions[0], " 思考中");
    for (std::size_t i = 1; i < captions.size(); ++i)
        EXPECT_EQ(captions[i], " 思考中 " + std::to_string(i));
    EXPECT_GE(f.s.game.record.recordCount, 1);
    EXPECT_EQ(f.s.game.turnPlayer, f.s.game.manPlayer);
}

// A lion of the computer that takes the human's king on either of its two
// steps wins, whichever step it was.
TEST(Level4Move, AKingTakenOnEitherStepEndsTheGame) {
    for (const int kingY : {6, 7}) {
        SCOPED_TRACE(kingY);
        test::ComTurnFixture f(4);
        f.put(6, 1, 39);
        f.put(1, 4, 1);
        f.put(2, 4, 1);
        f.put(6, 5, 33);
        f.put(6, kingY, -39);
        for (int x = 1; x <= 3; ++x) f.put(x, 9, -1);
        f.put(12, 12, -13);
        const Position p = 現局面(f.s.game);
        ASSERT_EQ(p.mover, 1);
        const std::vector<Move> moves = legalMoves(p, Mover::Computer);
        const auto m = std::find_if(moves.begin(), moves.end(), [](const Move& c) {
            return c.fromX == 6 && c.fromY == 5 && c.midX == 6 && c.midY == 6 && c.toX == 6 &&
                   c.toY == 7;
        });
        ASSERT_NE(m, moves.end());
        const ComOutcome out = com_指し手(f.s, *m);
        EXPECT_TRUE(out.ended);
        EXPECT_EQ(out.winner, "ｺﾝﾋﾟｭｰﾀ");
    }
}

// The engine keeps its last limits; the session that owns the engine must
// still go when the game's state lets go of it (the 64 MB table with it).
TEST(Level4Session, GoesWithTheState) {
    test::ComTurnFixture f(4);
    初期配置(f.s.game.Board);
    思考ノード数設定(f.s, 500);
    COM手番_探索(f.s);
    f.ui.runPosted();
    ASSERT_GE(f.s.game.record.recordCount, 1);
    const std::weak_ptr<void> held = f.s.playSession;
    f.s.playSession.reset();
    EXPECT_TRUE(held.expired());
}

// ヒント outlines a legal move of the human without playing it; the next press
// takes the outline away. Outside the human's turn against the computer it
// is refused.
TEST_F(Level4, HintOutlinesAMoveUntilTheNextPress) {
    const Lines refused = {"sound 禁止.wav", "box [ﾋﾝﾄ] COM対局のあなたの番に使えます"};
    EXPECT_EQ(run("menu HINT"), refused);  // no game
    run("menu START");
    EXPECT_EQ(run("menu HINT"), refused);  // two humans
    run({"menu CANCEL", "engine nodes 1500", "menu SENTE", "press 5 9", "press 5 8"});
    const BoardGrid board = s().game.Board;
    auto allOutlines = [this] {
        std::vector<int> out;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) out.push_back(outline(x, y));
        return out;
    };
    // The human's report line, where the hint's move shows meanwhile.
    auto manReport = [this] {
        const int left = cellX(Screen::manReportX - 0.3), top = cellY(Screen::manReportY);
        return ui().screen().textsIn(left, top, 1250, 400);
    };
    const std::vector<std::string> lastMove = manReport();
    EXPECT_EQ(run("menu HINT"), Lines{});
    EXPECT_NE(manReport(), lastMove);
    EXPECT_EQ(s().game.Board, board);
    EXPECT_EQ(s().game.record.recordCount, 2);
    const auto squares = hintSquares();
    ASSERT_GE(squares.size(), 2u);
    ASSERT_LE(squares.size(), 3u);
    bool legal = false;
    for (const Move& m : legalMoves(現局面(s().game))) {
        std::vector<std::pair<int, int>> want = {{m.fromX, m.fromY}, {m.toX, m.toY}};
        if (m.isTwoStep()) want.emplace_back(m.midX, m.midY);
        std::sort(want.begin(), want.end());
        want.erase(std::unique(want.begin(), want.end()), want.end());
        legal = legal || want == squares;
    }
    EXPECT_TRUE(legal);
    press(1, 6);  // an empty square out of reach
    EXPECT_TRUE(hintSquares().empty());
    EXPECT_EQ(manReport(), lastMove);

    // With the hinted piece selected (its outline and the guidance's), the
    // hint's outline goes and theirs come back.
    for (const auto& [x, y] : squares)
        if (s().game.Board[x][y] <= -1) press(x, y);
    ASSERT_EQ(s().press.clickPhase, 1);
    const std::vector<int> before = allOutlines();
    run("menu HINT");
    EXPECT_FALSE(hintSquares().empty());
    press(1, 6);
    EXPECT_TRUE(hintSquares().empty());
    EXPECT_EQ(allOutlines(), before);
}

}  // namespace
}  // namespace zk
