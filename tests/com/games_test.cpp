#include <gtest/gtest.h>

#include <random>

#include "com_fixture.h"
#include "com_move.h"
#include "game_end.h"
#include "move_check.h"

namespace zk::test {
namespace {

struct Move {
    int x, y, tx, ty;
};

// Every legal single move of the human side.
std::vector<Move> humanMoves(State& s) {
    std::vector<Move> out;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (!(s.Board[x][y] <= -1)) continue;
            for (int tx = 1; tx <= 12; ++tx)
                for (int ty = 1; ty <= 12; ++ty)
                    if (移動チェック(s, x, y, tx, ty, s.Board[x][y]) == 1) out.push_back({x, y, tx, ty});
        }
    return out;
}

// Play a human move as the board click does: promotion asked before the
// move, recorded, put on the board. Returns what it captured.
PieceCode playHuman(State& s, const Move& m) {
    const PieceCode piece = s.Board[m.x][m.y];
    PieceCode after = piece;
    if (調査_駒成(s, m.x, m.y, m.tx, m.ty, piece) == 1) after = s.promotedPiece;
    const PieceCode captured = s.Board[m.tx][m.ty];
    手順保存(s, m.x, m.y, m.tx, m.ty, piece, after);
    s.Board[m.tx][m.ty] = after;
    s.Board[m.x][m.y] = code::EMPTY;
    s.moveCount += 1;
    return captured;
}

// After each computer move the board equals the one before with exactly the
// recorded step(s) applied, and no mid-move code is left anywhere.
TEST(Games, EveryComputerMoveChangesTheBoardByExactlyTheMovePlayed) {
    int comMoves = 0, twoStepMoves = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        // Mostly level 3, where second steps happen.
        ComFixture f(seed % 4 == 0 ? 1 : seed % 4 == 1 ? 2 : 3);
        初期配置(f.s);
        std::mt19937 rng(seed);
        for (int ply = 0; ply < 80; ++ply) {
            std::vector<Move> moves = humanMoves(f.s);
            if (moves.empty()) break;
            const PieceCode captured = playHuman(f.s, moves[rng() % moves.size()]);
            if (終局判定_対COM(f.s, captured).ended) break;

            const BoardGrid before = f.s.Board;
            const int firstEntry = f.s.record.recordCount + 1;
            const ComOutcome out = com_ban(f.s);
            const int entries = f.s.record.recordCount - firstEntry + 1;
            ASSERT_TRUE(entries == 1 || entries == 2) << "seed " << seed << " ply " << ply;
            ++comMoves;
            if (entries == 2) ++twoStepMoves;
            BoardGrid expected = before;
            for (int n = firstEntry; n <= f.s.record.recordCount; ++n) {
                const MoveRecord& e = f.s.record.at(n);
                EXPECT_EQ(e.capturedPiece, expected[e.toX][e.toY]) << "seed " << seed;
                expected[e.fromX][e.fromY] = code::EMPTY;
                expected[e.toX][e.toY] = e.pieceAfter;
            }
            ASSERT_EQ(f.s.Board, expected) << "seed " << seed << " ply " << ply;
            for (int x = 0; x <= 12; ++x)
                for (int y = 0; y <= 12; ++y)
                    ASSERT_FALSE(f.s.Board[x][y].isMidMove()) << x << "," << y;
            if (out.ended) break;
            ASSERT_EQ(f.s.turnPlayer, f.s.manPlayer);
        }
    }
    EXPECT_GT(comMoves, 300);
    EXPECT_GT(twoStepMoves, 0);
}

}  // namespace
}  // namespace zk::test
