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

// Move sequences of `depth` moves on the engine's board.
std::uint64_t boardPerft(SearchBoard& b, int depth) {
    std::vector<FastMove> moves;
    b.generate(Mover::Computer, moves);
    if (depth == 1) return moves.size();
    std::uint64_t n = 0;
    for (const FastMove& f : moves) {
        b.doMove(f);
        n += boardPerft(b, depth - 1);
        b.undoMove(f);
    }
    return n;
}

// The fast generator against the rules' on longer seeded games to their end,
// the captures alone too, and the published counts from the standard start.
TEST(StandardSearchBoard, FastGeneratorMatchesTheRulesToTheEndAndThePerftCounts) {
    int positions = 0, lionTakes = 0;
    for (std::uint32_t seed = 100; seed < 130; ++seed) {
        std::mt19937 rng(seed);
        Position p = Position::initial(RuleSet::Standard);
        for (int ply = 0; ply < 400; ++ply) {
            ++positions;
            SearchBoard b(p);
            std::vector<FastMove> fast, captures;
            b.generate(Mover::Computer, fast);
            b.generate(Mover::Computer, captures, true);
            std::vector<Move> all, taking;
            for (const FastMove& f : fast) all.push_back(toMove(f));
            for (const FastMove& f : captures) taking.push_back(toMove(f));
            const std::vector<Move> rules = legalMoves(p, Mover::Computer);
            std::vector<Move> rulesTaking;
            for (const Move& m : rules)
                if (!m.captured.isEmpty() || !m.capturedMid.isEmpty()) rulesTaking.push_back(m);
            ASSERT_EQ(sortedMoves(all), sortedMoves(rules)) << "seed " << seed << " ply " << ply;
            ASSERT_EQ(sortedMoves(taking), sortedMoves(rulesTaking)) << "seed " << seed;
            for (const Move& m : rulesTaking)
                lionTakes += m.captured.kind() == 33 || m.captured.kind() == 34;
            if (rules.empty()) break;
            std::vector<Move> pick = rng() % 3 ? rulesTaking : rules;
            if (pick.empty()) pick = rules;
            apply(p, pick[rng() % pick.size()]);
        }
    }
    EXPECT_GT(positions, 3000);
    EXPECT_GT(lionTakes, 20);

    SearchBoard start(Position::initial(RuleSet::Standard));
    EXPECT_EQ(boardPerft(start, 1), 36u);
    EXPECT_EQ(boardPerft(start, 2), 1296u);
    EXPECT_EQ(boardPerft(start, 3), 52599u);
}

}  // namespace
}  // namespace zk::engine
