// The standard repetition rule on hand-made games: a shuffle drawn at the
// fourth occurrence, and lost by the side that checked with every move.
#include "repetition.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zk {
namespace {

// Kings in the corners, a gold beside the top king and a rook of the bottom
// side on (rx, ry); the bottom side to move, standard rules.
Position start(int rx, int ry) {
    BoardGrid b{};
    b[12][12] = PieceCode(-39);
    b[11][12] = PieceCode(-13);
    b[1][1] = PieceCode(39);
    b[2][1] = PieceCode(13);
    b[rx][ry] = PieceCode(-15);
    Position p = Position::fromBoard(b, -1);
    p.rules = RuleSet::Standard;
    return p;
}

using Step = std::tuple<int, int, int, int>;

// Play the steps over and over (each must be a legal single move without
// promotion), keeping every position, and return the verdict after each.
std::vector<RepetitionVerdict> play(Position p, const std::vector<Step>& cycle, int count) {
    std::vector<Position> positions{p};
    std::vector<Move> moves;
    std::vector<RepetitionVerdict> verdicts;
    for (int i = 0; i < count; ++i) {
        const auto [fx, fy, tx, ty] = cycle[i % cycle.size()];
        const Move* found = nullptr;
        const std::vector<Move> legal = legalMoves(p);
        for (const Move& m : legal)
            if (m.fromX == fx && m.fromY == fy && m.toX == tx && m.toY == ty && !m.isTwoStep() &&
                !m.promotes())
                found = &m;
        EXPECT_NE(found, nullptr) << "move " << i;
        if (found == nullptr) return verdicts;
        apply(p, *found);
        moves.push_back(*found);
        positions.push_back(p);
        verdicts.push_back(repetitionVerdict(positions, moves));
    }
    return verdicts;
}

TEST(Repetition, FourthOccurrenceDrawsOrLosesForTheCheckingSide) {
    // A quiet rook against a gold shuffling: drawn at the twelfth move, when
    // the start comes back for the fourth time, and not before.
    const std::vector<RepetitionVerdict> quiet =
        play(start(6, 6), {{6, 6, 6, 7}, {2, 1, 2, 2}, {6, 7, 6, 6}, {2, 2, 2, 1}}, 12);
    ASSERT_EQ(quiet.size(), 12u);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(quiet[i], RepetitionVerdict::None) << i;
    EXPECT_EQ(quiet[11], RepetitionVerdict::Draw);

    // The rook checks the top king down the first column with every move:
    // the bottom side, which checked, loses.
    const std::vector<RepetitionVerdict> checks =
        play(start(1, 6), {{1, 6, 1, 7}, {2, 1, 2, 2}, {1, 7, 1, 6}, {2, 2, 2, 1}}, 12);
    ASSERT_EQ(checks.size(), 12u);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(checks[i], RepetitionVerdict::None) << i;
    EXPECT_EQ(checks[11], RepetitionVerdict::BottomLoses);
}

}  // namespace
}  // namespace zk
