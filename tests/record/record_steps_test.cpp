// Taking back and replaying the record's moves on a game with no platform:
// the entries handed back for the play layer to show, the board, the move
// number and the turn.
#include "record_steps.h"

#include <gtest/gtest.h>

#include "pieces.h"

namespace zk {
namespace {

// A game with no window (ui stays null) and three moves recorded: a pawn, a
// pawn, and a lion that goes on after its first step.
struct ThreeMoves {
    Game s;
    BoardGrid start, end;
    ThreeMoves() {
        初期配置(s.Board);
        s.turnPlayer = Game::firstPlayer;
        start = s.Board;
        step(5, 9, 5, 8);
        endMove();
        step(8, 4, 8, 5);
        endMove();
        step(6, 10, 6, 9);
        step(6, 9, 7, 8);
        endMove();
        end = s.Board;
    }
    void step(int fx, int fy, int tx, int ty) {
        手順保存(s.record, s.Board, fx, fy, tx, ty, s.Board[fx][fy], s.Board[fx][fy]);
        s.Board[tx][ty] = s.Board[fx][fy];
        s.Board[fx][fy] = 0;
    }
    void endMove() {
        s.moveCount += 1;
        s.turnPlayer = -s.turnPlayer;
    }
};

TEST(RecordSteps, TakeBackAndReplayHandBackTheEntriesInTheOrderTheyAreShown) {
    ThreeMoves g;
    Game& s = g.s;
    const GameRecord full = s.record;

    const std::vector<MoveRecord> lion = takeBackMove(s);
    EXPECT_EQ(lion, (std::vector<MoveRecord>{full.at(4), full.at(3)}));
    EXPECT_EQ(s.record.recordCount, 2);
    EXPECT_EQ(s.moveCount, 2);
    EXPECT_EQ(s.turnPlayer, Game::firstPlayer);
    EXPECT_EQ(takeBackMove(s), std::vector<MoveRecord>{full.at(2)});
    EXPECT_EQ(takeBackMove(s), std::vector<MoveRecord>{full.at(1)});
    EXPECT_EQ(s.Board, g.start);
    EXPECT_EQ(s.moveCount, 0);
    EXPECT_EQ(s.record.recordCount, 0);
    EXPECT_EQ(s.record.recordEnd, 4);

    EXPECT_EQ(replayMove(s), std::vector<MoveRecord>{full.at(1)});
    EXPECT_EQ(replayMove(s), std::vector<MoveRecord>{full.at(2)});
    EXPECT_EQ(replayMove(s), (std::vector<MoveRecord>{full.at(3), full.at(4)}));
    EXPECT_EQ(s.Board, g.end);
    EXPECT_EQ(s.moveCount, 3);
    EXPECT_EQ(s.turnPlayer, Game::secondPlayer);
    EXPECT_EQ(s.record.entries, full.entries);
}

TEST(RecordSteps, ReversingTurnsEverySquareAndSwapsTheSides) {
    ThreeMoves g;
    BoardGrid b = g.end;
    reverseBoard(b);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(b[13 - x][13 - y], -g.end[x][y]) << x << "," << y;
    reverseBoard(b);
    EXPECT_EQ(b, g.end);

    clearRecord(g.s.record);
    EXPECT_EQ(g.s.record.entries, std::vector<MoveRecord>(1));
    EXPECT_EQ(g.s.record.recordCount, 0);
    EXPECT_EQ(g.s.record.recordEnd, 0);
}

}  // namespace
}  // namespace zk
