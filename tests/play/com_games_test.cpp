#include "com_games.h"

#include <gtest/gtest.h>

#include <random>

#include "com_turn.h"
#include "com_turn_fixture.h"
#include "game_end.h"
#include "move_check.h"

namespace zk::test {
namespace {

using bench::Move;
using bench::playHuman;

// A uniformly random legal single move of the human side; false when there is none.
bool randomHumanMove(State& s, std::mt19937& rng, Move& out) {
    const std::vector<Move> moves = bench::legalMoves(s, -1);
    if (moves.empty()) return false;
    out = moves[rng() % moves.size()];
    return true;
}

// The board before a computer move with the recorded steps from `firstEntry`
// on applied.
BoardGrid applyEntries(const State& s, BoardGrid board, int firstEntry) {
    for (int n = firstEntry; n <= s.game.record.recordCount; ++n) {
        const MoveRecord& e = s.game.record.at(n);
        EXPECT_EQ(e.capturedPiece, board[e.toX][e.toY]) << "entry " << n;
        board[e.fromX][e.fromY] = code::EMPTY;
        board[e.toX][e.toY] = e.pieceAfter;
    }
    return board;
}

bool anyMidMoveCode(const State& s) {
    for (int x = 0; x <= 12; ++x)
        for (int y = 0; y <= 12; ++y)
            if (s.game.Board[x][y].isMidMove()) return true;
    return false;
}

// After each computer move the board equals the one before with exactly the
// recorded step(s) applied, and no mid-move code is left anywhere.
TEST(Games, EveryComputerMoveChangesTheBoardByExactlyTheMovePlayed) {
    int comMoves = 0;
    for (std::uint32_t seed = 1; seed <= 9; ++seed) {
        ComTurnFixture f(1 + static_cast<int>(seed % 3));
        初期配置(f.s.game.Board);
        std::mt19937 rng(seed);
        for (int ply = 0; ply < 80; ++ply) {
            Move m{};
            if (!randomHumanMove(f.s, rng, m)) break;
            const PieceCode captured = playHuman(f.s, m);
            if (終局判定_対COM(f.s, captured).ended) break;

            const BoardGrid before = f.s.game.Board;
            const int firstEntry = f.s.game.record.recordCount + 1;
            const ComOutcome out = com_ban(f.s);
            const int entries = f.s.game.record.recordCount - firstEntry + 1;
            ASSERT_TRUE(entries == 1 || entries == 2) << "seed " << seed << " ply " << ply;
            ++comMoves;
            ASSERT_EQ(f.s.game.Board, applyEntries(f.s, before, firstEntry))
                << "seed " << seed << " ply " << ply;
            ASSERT_FALSE(anyMidMoveCode(f.s));
            if (out.ended) break;
            ASSERT_EQ(f.s.game.turnPlayer, f.s.game.manPlayer);
        }
    }
    EXPECT_GT(comMoves, 100);
}

// Scattered positions around a computer lion, eagle or falcon with human
// pieces in reach: at level 3 many of its captures ask for a second step,
// and the board must still change by exactly the two recorded steps.
TEST(Games, TwoStepMovesChangeTheBoardByBothStepsOnly) {
    const int twoStepKinds[] = {33, 34, 18, 24};
    const int victims[] = {-1, -2, -5, -9, -13, -19, -22, -30};
    int twoStepMoves = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        ComTurnFixture f(3);
        f.put(1 + static_cast<int>(rng() % 12), 1, 39);
        f.put(1 + static_cast<int>(rng() % 12), 12, -39);
        const int px = 3 + static_cast<int>(rng() % 6), py = 3 + static_cast<int>(rng() % 5);
        f.put(px, py, twoStepKinds[rng() % 4]);
        for (int i = 0; i < 6; ++i) {
            const int x = px - 2 + static_cast<int>(rng() % 5);
            const int y = py - 1 + static_cast<int>(rng() % 4);
            if (f.s.game.Board[x][y].isEmpty()) f.put(x, y, victims[rng() % 8]);
        }
        const BoardGrid before = f.s.game.Board;
        const ComOutcome out = com_ban(f.s);
        const int entries = f.s.game.record.recordCount;
        ASSERT_TRUE(entries == 1 || entries == 2) << "seed " << seed;
        if (entries == 2) ++twoStepMoves;
        ASSERT_EQ(f.s.game.Board, applyEntries(f.s, before, 1)) << "seed " << seed;
        ASSERT_FALSE(anyMidMoveCode(f.s)) << "seed " << seed;
        if (!out.ended) {
            EXPECT_EQ(f.s.game.turnPlayer, f.s.game.manPlayer);
        }
    }
    EXPECT_GE(twoStepMoves, 10);
}

}  // namespace
}  // namespace zk::test
