// Stepping through the record with 戻 and 進, and turning the board with 反転:
// the board, the screen, the sounds, the move number, the turn and the
// refusals.
#include "replay.h"

#include <gtest/gtest.h>

#include "board_screen.h"
#include "draw.h"
#include "record_file.h"
#include "record_fixture.h"

namespace zk {
namespace {

using Strings = std::vector<std::string>;

class Replay : public ::testing::Test {
protected:
    testing::HeadlessGame g;
    State& s = g.s;

    void SetUp() override {
        s.game.turnPlayer = Game::firstPlayer;
        画面_再描画(s);
        g.transcript();
    }

    // One step as the game makes it: recorded first, then put on the board.
    void step(int fx, int fy, int tx, int ty, PieceCode after) {
        手順保存(s.game.record, s.game.Board, fx, fy, tx, ty, s.game.Board[fx][fy], after);
        s.game.Board[tx][ty] = after;
        s.game.Board[fx][fy] = 0;
    }
    void step(int fx, int fy, int tx, int ty) { step(fx, fy, tx, ty, s.game.Board[fx][fy]); }
    // The second entry of a declined two-step move, made after the step.
    void declined(int fx, int fy, int tx, int ty) {
        PieceCode c = s.game.Board[tx][ty];
        手順保存(s.game.record, s.game.Board, fx, fy, tx, ty, c, c);
    }
    void endMove() {
        s.game.moveCount += 1;
        s.game.turnPlayer = -s.game.turnPlayer;
    }

    // Every square of the screen shows what the board holds.
    void expectScreenShowsBoard() {
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const std::string want =
                    s.game.Board[x][y].isEmpty() ? "KARA_MASU" : 駒画像名(s.game.Board[x][y]);
                EXPECT_EQ(g.ui.screen().imageAt(cellX(x) + 400, cellY(y) + 400), want)
                    << x << "," << y;
            }
    }
    Strings reportTexts(double line) {
        return g.ui.screen().textsIn(cellX(15.3), cellY(line), 1250, 400);
    }
    Strings moveNumberTexts() { return g.ui.screen().textsIn(cellX(14.7), cellY(3.3), 500, 300); }
};

struct Snapshot {
    BoardGrid board;
    GameRecord record;
    int moveCount, turnPlayer, clickPhase, isReversed;
    explicit Snapshot(const State& s)
        : board(s.game.Board),
          record(s.game.record),
          moveCount(s.game.moveCount),
          turnPlayer(s.game.turnPlayer),
          clickPhase(s.press.clickPhase),
          isReversed(s.game.isReversed) {}
    void expectSame(const State& s) const {
        EXPECT_EQ(s.game.Board, board);
        EXPECT_EQ(s.game.record.entries, record.entries);
        EXPECT_EQ(s.game.record.recordCount, record.recordCount);
        EXPECT_EQ(s.game.record.recordEnd, record.recordEnd);
        EXPECT_EQ(s.game.moveCount, moveCount);
        EXPECT_EQ(s.game.turnPlayer, turnPlayer);
        EXPECT_EQ(s.press.clickPhase, clickPhase);
        EXPECT_EQ(s.game.isReversed, isReversed);
    }
};

TEST_F(Replay, StepsBackToTheStartAndForwardToTheEnd) {
    const BoardGrid start = s.game.Board;
    step(5, 9, 5, 8);
    endMove();
    const BoardGrid afterOne = s.game.Board;
    step(8, 4, 8, 5);
    endMove();
    step(5, 8, 5, 7);
    endMove();
    const BoardGrid end = s.game.Board;
    s.press.clickPhase = 1;

    棋譜_戻(s);
    EXPECT_EQ(g.transcript(), Strings{"sound 駒打音.wav"});
    EXPECT_EQ(s.game.record.recordCount, 2);
    EXPECT_EQ(s.game.record.recordEnd, 3);
    EXPECT_EQ(s.game.moveCount, 2);
    EXPECT_EQ(s.game.turnPlayer, Game::firstPlayer);
    EXPECT_EQ(s.press.clickPhase, 0);
    EXPECT_EQ(moveNumberTexts(), Strings({"2", "2"}));
    EXPECT_EQ(reportTexts(Screen::manReportY), Strings{});
    棋譜_戻(s);
    EXPECT_EQ(s.game.Board, afterOne);
    棋譜_戻(s);
    EXPECT_EQ(s.game.Board, start);
    EXPECT_EQ(s.game.moveCount, 0);
    EXPECT_EQ(s.game.turnPlayer, Game::firstPlayer);
    expectScreenShowsBoard();
    g.transcript();

    Snapshot atStart(s);
    棋譜_戻(s);
    EXPECT_EQ(g.transcript(), Strings({"sound 禁止.wav", "box [戻る] できません"}));
    atStart.expectSame(s);

    for (int i = 0; i < 3; ++i) {
        棋譜_進(s);
        EXPECT_EQ(g.transcript(), Strings{"sound 駒打音.wav"});
    }
    EXPECT_EQ(s.game.Board, end);
    EXPECT_EQ(s.game.record.recordCount, 3);
    EXPECT_EQ(s.game.moveCount, 3);
    EXPECT_EQ(s.game.turnPlayer, Game::secondPlayer);
    expectScreenShowsBoard();
    // The last move (MAN's pawn to column 8 from the right, row 7) is reported.
    EXPECT_EQ(reportTexts(Screen::manReportY), Strings({"８", "８", "七", "七", "と", "と"}));
    EXPECT_EQ(moveNumberTexts(), Strings({"3", "3"}));

    Snapshot atEnd(s);
    棋譜_進(s);
    EXPECT_EQ(g.transcript(), Strings({"sound 禁止.wav", "box [進む] できません"}));
    atEnd.expectSame(s);
    s.game.recordMode = Game::flagOn;
    棋譜_進(s);
    EXPECT_EQ(g.transcript(), Strings{"box [進む] 終わり"});
    atEnd.expectSame(s);
}

TEST_F(Replay, TakesBackACaptureWithPromotion) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) s.game.Board[x][y] = 0;
    s.game.Board[5][5] = code::MAN_飛_R;
    s.game.Board[5][2] = code::COM_と;
    s.game.Board[9][9] = code::MAN_王;
    画面_再描画(s);
    step(5, 5, 5, 2, code::MAN_金);
    endMove();

    棋譜_戻(s);
    EXPECT_EQ(s.game.Board[5][2], code::COM_と);
    EXPECT_EQ(s.game.Board[5][5], code::MAN_飛_R);
    expectScreenShowsBoard();
    棋譜_進(s);
    EXPECT_EQ(s.game.Board[5][2], code::MAN_金);
    EXPECT_EQ(s.game.Board[5][5], code::EMPTY);
    expectScreenShowsBoard();
}

TEST_F(Replay, ATwoStepMoveIsOneMoveBothWays) {
    step(6, 9, 6, 8);
    endMove();
    step(7, 4, 7, 5);
    endMove();
    const BoardGrid before = s.game.Board;
    step(6, 10, 6, 9);  // lion, first step
    step(6, 9, 7, 8);   // and on
    endMove();
    const BoardGrid after = s.game.Board;
    画面_再描画(s);
    g.transcript();

    棋譜_戻(s);
    EXPECT_EQ(g.transcript(), Strings({"sound 駒打音.wav", "sound 駒打音.wav"}));
    EXPECT_EQ(s.game.Board, before);
    EXPECT_EQ(s.game.record.recordCount, 2);
    EXPECT_EQ(s.game.moveCount, 2);
    EXPECT_EQ(s.game.turnPlayer, Game::firstPlayer);
    expectScreenShowsBoard();

    棋譜_進(s);
    EXPECT_EQ(g.transcript(), Strings({"sound 駒打音.wav", "sound 駒打音.wav"}));
    EXPECT_EQ(s.game.Board, after);
    EXPECT_EQ(s.game.record.recordCount, 4);
    EXPECT_EQ(s.game.moveCount, 3);
    EXPECT_EQ(reportTexts(Screen::manReportY), Strings({"６", "６", "八", "八", "獅", "獅"}));
}

TEST_F(Replay, ADeclinedSecondStepIsTakenBackByOneCommand) {
    // The lion steps onto an enemy piece and stops there.
    s.game.Board[6][9] = code::COM_と;
    画面_再描画(s);
    const BoardGrid before = s.game.Board;
    step(6, 10, 6, 9);
    declined(6, 10, 6, 9);
    endMove();
    ASSERT_EQ(s.game.record.at(2).capturedPiece, code::MAN_獅_B);
    const BoardGrid after = s.game.Board;

    棋譜_戻(s);
    EXPECT_EQ(s.game.Board, before);
    EXPECT_EQ(s.game.Board[6][9], code::COM_と);
    EXPECT_EQ(s.game.record.recordCount, 0);
    EXPECT_EQ(s.game.moveCount, 0);
    expectScreenShowsBoard();
    棋譜_進(s);
    EXPECT_EQ(s.game.Board, after);
    EXPECT_EQ(s.game.record.recordCount, 2);
    EXPECT_EQ(s.game.moveCount, 1);
}

// A step that promotes the piece must not split its move in either direction.
TEST_F(Replay, ATwoStepMoveWithAPromotionStaysOneMove) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) s.game.Board[x][y] = 0;
    s.game.Board[7][7] = code::COM_獅_R;
    s.game.Board[7][9] = code::MAN_と;
    s.game.Board[3][3] = code::COM_鷲;
    画面_再描画(s);
    const BoardGrid start = s.game.Board;
    step(7, 7, 7, 8);                // first step
    step(7, 8, 7, 9, code::COM_麒);  // second step promotes
    endMove();
    step(3, 3, 4, 4);                  // an eagle: first step
    step(4, 4, 5, 5, code::COM_龍_B);  // the second promotes
    endMove();
    const BoardGrid end = s.game.Board;

    for (int round = 0; round < 2; ++round) {
        棋譜_戻(s);
        棋譜_戻(s);
        EXPECT_EQ(s.game.Board, start);
        EXPECT_EQ(s.game.moveCount, 0);
        EXPECT_EQ(s.game.record.recordCount, 0);
        棋譜_進(s);
        EXPECT_EQ(s.game.record.recordCount, 2);
        棋譜_進(s);
        EXPECT_EQ(s.game.Board, end);
        EXPECT_EQ(s.game.moveCount, 2);
        EXPECT_EQ(s.game.record.recordCount, 4);
    }
}

TEST_F(Replay, PairsOnlyTwoStepsOfOnePiece) {
    struct Case {
        MoveRecord a, b;
        int pair;
    };
    auto e = [](int fx, int fy, int tx, int ty, int after, int moved, int captured) {
        MoveRecord m;
        m.fromX = fx, m.fromY = fy, m.toX = tx, m.toY = ty;
        m.pieceAfter = after, m.movedPiece = moved, m.capturedPiece = captured;
        return m;
    };
    const Case cases[] = {
        {e(6, 10, 6, 9, -34, -34, 0), e(6, 9, 7, 8, -34, -34, 0), 1},     // went on
        {e(6, 10, 6, 9, -34, -34, 0), e(6, 10, 6, 9, -34, -34, -34), 1},  // declined
        {e(7, 7, 7, 8, 32, 33, 0), e(7, 8, 7, 9, 32, 32, -2), 1},         // promoted first
        {e(4, 3, 4, 4, 24, 24, 0), e(4, 4, 4, 5, 23, 24, 0), 1},          // falcon
        {e(6, 10, 6, 9, -34, -34, 0), e(7, 3, 7, 4, 34, 34, 0), 0},       // the other lion
        {e(6, 10, 6, 9, -34, -34, 0), e(6, 8, 6, 7, -34, -34, 0), 0},     // not from there
        {e(5, 9, 5, 8, -2, -2, 0), e(5, 8, 5, 7, -2, -2, 0), 0},          // a pawn
        {e(3, 3, 4, 4, 18, 18, 0), e(4, 4, 5, 5, 18, 18, 0), 1},          // eagle
        {e(3, 3, 4, 4, 18, 18, 0), e(4, 4, 5, 5, -18, -18, 0), 0},
    };
    for (const auto& c : cases) {
        GameRecord r;
        r.slot(1) = c.a;
        r.slot(2) = c.b;
        r.recordEnd = 2;
        EXPECT_EQ(調査_二手組(r, 1), c.pair) << formatEntry(c.a) << " / " << formatEntry(c.b);
    }
}

TEST_F(Replay, NothingMovesWhileASecondStepIsAwaited) {
    step(5, 9, 5, 8);
    endMove();
    step(6, 10, 6, 9);
    s.press.moveStep = 2;
    s.press.clickPhase = 1;
    g.transcript();
    Snapshot before(s);
    棋譜_戻(s);
    棋譜_進(s);
    盤_反転(s);
    EXPECT_EQ(g.transcript(), Strings({"sound 禁止.wav", "box [戻る] 2手目移動中はできません！",
                                       "sound 禁止.wav", "box [進む] 2手目移動中はできません！",
                                       "sound 禁止.wav", "box [反転] 2手目移動中はできません！"}));
    before.expectSame(s);
}

TEST_F(Replay, ReversingTurnsTheBoardAndEmptiesTheRecord) {
    step(5, 9, 5, 8);
    endMove();
    step(8, 4, 8, 5);
    endMove();
    step(6, 10, 6, 9);
    step(6, 9, 7, 8);
    endMove();
    const BoardGrid before = s.game.Board;
    g.transcript();

    盤_反転(s);
    EXPECT_EQ(g.transcript(), Strings({"sound 駒打音.wav", "sound 駒打音.wav"}));
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(s.game.Board[13 - x][13 - y], -before[x][y]);
    EXPECT_EQ(s.game.isReversed, Game::flagOn);
    EXPECT_EQ(s.game.turnPlayer, Game::firstPlayer);  // was the second player's turn
    EXPECT_EQ(s.game.moveCount, 3);
    EXPECT_EQ(s.game.record.recordCount, 0);
    EXPECT_EQ(s.game.record.recordEnd, 0);
    EXPECT_EQ(s.game.record.entries, std::vector<MoveRecord>(1));
    expectScreenShowsBoard();
    EXPECT_EQ(moveNumberTexts(), Strings({"3", "3"}));

    Snapshot reversed(s);
    棋譜_戻(s);
    棋譜_進(s);
    EXPECT_EQ(g.transcript(), Strings({"sound 禁止.wav", "box [戻る] できません", "sound 禁止.wav",
                                       "box [進む] できません"}));
    reversed.expectSame(s);

    // Turning twice gives back the position.
    盤_反転(s);
    EXPECT_EQ(s.game.Board, before);
}

TEST_F(Replay, ReversingNegatesAChosenHandicap) {
    s.game.turnPlayer = Game::noPlayer;
    s.game.handicapChanged = Game::flagOn;
    s.game.handicapLevel = 2;
    盤_反転(s);
    EXPECT_EQ(s.game.handicapLevel, -2);
    EXPECT_EQ(g.ui.screen().textsIn(cellX(14), cellY(2), 2300, 600),
              Strings({"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"}));
    EXPECT_EQ(s.game.turnPlayer, Game::noPlayer);

    s.game.handicapChanged = Game::flagOff;
    盤_反転(s);
    EXPECT_EQ(s.game.handicapLevel, -2);
}

TEST_F(Replay, ReversingIsRefusedInRecordMode) {
    step(5, 9, 5, 8);
    endMove();
    s.game.recordMode = Game::flagOn;
    g.transcript();
    Snapshot before(s);
    盤_反転(s);
    EXPECT_EQ(g.transcript(), Strings({"sound 禁止.wav", "box [反転] 棋譜ﾓｰﾄﾞではできません"}));
    before.expectSame(s);
}

}  // namespace
}  // namespace zk
