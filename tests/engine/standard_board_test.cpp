// The engine's board under the standard rules: its generator gives the rule
// set's moves, and making and unmaking them keeps the board in step with the
// position, over seeded games from the standard start that prefer captures.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "engine_board.h"
#include "engine_internal.h"

namespace zk::engine {
namespace {

// The moves in one order, to compare two generators.
std::vector<Move> sortedMoves(std::vector<Move> moves) {
    const auto key = [](const Move& m) {
        return std::make_tuple(m.fromX, m.fromY, m.midX, m.midY, m.toX, m.toY, m.after.tenths(),
                               m.captured.tenths(), m.capturedMid.tenths(), m.piece.tenths());
    };
    std::sort(moves.begin(), moves.end(),
              [&](const Move& a, const Move& b) { return key(a) < key(b); });
    return moves;
}

TEST(StandardSearchBoard, GeneratesTheStandardMovesOverSeededGames) {
    int positions = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 rng(seed);
        Position p = Position::initial(RuleSet::Standard);
        SearchBoard b(p);
        for (int ply = 0; ply < 80; ++ply) {
            ++positions;
            std::vector<FastMove> fast;
            b.generate(Mover::Presses, fast);
            std::vector<Move> mine;
            for (const FastMove& f : fast) mine.push_back(toMove(f));
            ASSERT_EQ(sortedMoves(mine), sortedMoves(legalMoves(p, Mover::Presses)))
                << "seed " << seed << " ply " << ply;
            for (const FastMove& f : fast) {
                b.doMove(f);
                Position next = p;
                apply(next, toMove(f));
                ASSERT_EQ(b.position(), next);
                EXPECT_EQ(b.key(), positionKey(next));
                b.undoMove(f);
            }
            ASSERT_EQ(b.position(), p);
            std::vector<FastMove> pick;
            for (const FastMove& f : fast)
                if (f.isCapture()) pick.push_back(f);
            if (pick.empty() || rng() % 3 == 0) pick = fast;
            if (pick.empty()) break;
            const FastMove chosen = pick[rng() % pick.size()];
            apply(p, toMove(chosen));
            b.doMove(chosen);
        }
    }
    EXPECT_GT(positions, 300);
}

}  // namespace
}  // namespace zk::engine
