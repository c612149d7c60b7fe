#include "engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "game_end.h"
#include "pieces.h"
#include "seeded_positions.h"

namespace zk::engine {
namespace {

using namespace zk::code;

// A board with the given pieces on it and `mover` to move.
Position board(std::initializer_list<std::tuple<int, int, PieceCode>> pieces, int mover) {
    BoardGrid b{};
    for (const auto& [x, y, c] : pieces) b[x][y] = c;
    return Position::fromBoard(b, mover);
}

Result searchDepth(const Position& p, int computerSide, int depth) {
    Engine e(1);
    Limits l;
    l.depth = depth;
    return e.search(p, computerSide, l);
}

TEST(Engine, TakesTheLastRoyalPieceAtOnceAndForcesItInThreePlies) {
    // The rook takes the human's only king.
    const Position one = board({{7, 1, COM_王},
                                {6, 3, COM_飛_B},
                                {2, 2, COM_金},
                                {6, 10, MAN_王},
                                {9, 8, MAN_歩},
                                {10, 8, MAN_歩}},
                               1);
    const Result r1 = searchDepth(one, 1, 2);
    ASSERT_TRUE(r1.found);
    EXPECT_EQ(r1.best.captured, MAN_王);
    EXPECT_EQ(r1.score, kWin - 1);

    // King in the corner: one rook watches file 2, one row 11; the third
    // checks along row 12 or file 1 and every reply loses the king.
    const Position three = board({{7, 1, COM_王},
                                  {2, 2, COM_飛_B},
                                  {12, 11, COM_飛_B},
                                  {5, 3, COM_飛_B},
                                  {1, 12, MAN_王},
                                  {8, 8, MAN_歩},
                                  {9, 8, MAN_歩},
                                  {10, 8, MAN_歩}},
                                 1);
    const Result r3 = searchDepth(three, 1, 3);
    ASSERT_TRUE(r3.found);
    EXPECT_EQ(r3.score, kWin - 3);
    ASSERT_EQ(r3.pv.size(), 3u);
    EXPECT_EQ(r3.pv[2].captured, MAN_王);
    // One ply and the captures after it cannot prove it; the search must not claim it.
    EXPECT_LT(searchDepth(three, 1, 1).score, kWinBound);
}

TEST(Engine, LionTakesTwoPiecesInOneTurn) {
    const Position p = board({{1, 1, COM_王},
                              {2, 1, COM_歩},
                              {6, 5, COM_獅_B},
                              {6, 6, MAN_金},
                              {6, 7, MAN_飛_B},
                              {12, 12, MAN_王},
                              {11, 12, MAN_歩},
                              {12, 11, MAN_歩}},
                             1);
    const Result r = searchDepth(p, 1, 3);
    ASSERT_TRUE(r.found);
    ASSERT_TRUE(r.best.isTwoStep());
    int kinds[2] = {r.best.captured.kind(), r.best.capturedMid.kind()};
    std::sort(kinds, kinds + 2);
    EXPECT_EQ(kinds[0], MAN_金.kind());
    EXPECT_EQ(kinds[1], MAN_飛_B.kind());
}

TEST(Engine, BarePiecesEndTheGameAsTheWindowJudgesThem) {
    // The human baring the computer wins; found as a hint for the human.
    const Position human = board(
        {{7, 1, COM_王}, {3, 5, COM_金}, {3, 10, MAN_飛_B}, {7, 12, MAN_王}, {9, 9, MAN_歩}}, -1);
    const Result hint = searchDepth(human, 1, 2);
    ASSERT_TRUE(hint.found);
    EXPECT_EQ(hint.best.captured, COM_金);
    EXPECT_EQ(hint.score, kWin - 1);

    // The computer baring the human is only a draw.
    Position bared = board({{7, 1, COM_王}, {3, 5, COM_飛_B}, {5, 5, COM_金}, {7, 12, MAN_王}}, -1);
    EXPECT_EQ(outcomeAfter(bared, 1), Outcome::Draw);
    // Equal single pieces after a human move: no bare ending.
    EXPECT_EQ(outcomeAfter(board({{7, 1, COM_王}, {7, 12, MAN_王}}, 1), -1), Outcome::None);
    // A king whose crown prince is still on the board lives on.
    EXPECT_EQ(
        outcomeAfter(
            board({{7, 1, COM_太}, {3, 3, COM_金}, {7, 12, MAN_王}, {3, 9, MAN_金}, {4, 9, MAN_金}},
                  1),
            -1),
        Outcome::None);
    EXPECT_EQ(
        outcomeAfter(
            board({{3, 3, COM_金}, {4, 3, COM_金}, {7, 12, MAN_王}, {3, 9, MAN_金}, {4, 9, MAN_金}},
                  1),
            -1),
        Outcome::BottomWins);
}

TEST(Engine, MateOfTheComputerAfterAHumanMoveEndsTheGame) {
    // The computer's lone king boxed in by its own pieces, with no capture
    // anywhere that it could make: the window calls that mate.
    const Position boxed = board({{1, 1, COM_王},
                                  {2, 1, COM_歩},
                                  {1, 2, COM_歩},
                                  {2, 2, COM_歩},
                                  {7, 12, MAN_王},
                                  {9, 12, MAN_金}},
                                 1);
    EXPECT_EQ(outcomeAfter(boxed, -1), Outcome::BottomWins);
    // With a step free it is not.
    const Position free = board(
        {{1, 1, COM_王}, {2, 1, COM_歩}, {1, 2, COM_歩}, {7, 12, MAN_王}, {9, 12, MAN_金}}, 1);
    EXPECT_EQ(outcomeAfter(free, -1), Outcome::None);
}

TEST(Engine, EveryMoveItReturnsIsLegal) {
    Engine e(4);
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        const Position p = bench::randomGamePosition(seed, 20 + static_cast<int>(seed * 7 % 90));
        // The computer to move, then a hint for the human side.
        for (int computer : {p.mover, -p.mover}) {
            Limits l;
            l.depth = 3;
            l.nodes = 300;
            const Result r = e.search(p, computer, l);
            const auto legal =
                legalMoves(p, computer == p.mover ? Mover::Computer : Mover::Presses);
            ASSERT_EQ(r.found, !legal.empty()) << seed;
            if (!r.found) continue;
            EXPECT_NE(std::find(legal.begin(), legal.end(), r.best), legal.end())
                << "seed " << seed;
            EXPECT_EQ(r.pv.front(), r.best);
        }
    }
    // Stopped before it starts, it still answers with a legal move.
    const std::atomic<bool> stop{true};
    Limits l;
    l.stop = &stop;
    const Position p = bench::randomGamePosition(3, 50);
    const Result r = e.search(p, p.mover, l);
    const auto legal = legalMoves(p, Mover::Computer);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.depth, 0);
    EXPECT_LT(r.nodes, 1000u);
    EXPECT_NE(std::find(legal.begin(), legal.end(), r.best), legal.end());
}

TEST(Engine, FixedDepthSearchIsReproducible) {
    const Position p = bench::randomGamePosition(7, 40);
    const Result a = searchDepth(p, p.mover, 3);
    const Result b = searchDepth(p, p.mover, 3);
    ASSERT_TRUE(a.found);
    EXPECT_EQ(a.best, b.best);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.nodes, b.nodes);
    EXPECT_EQ(a.depth, 3);
    // A warm table may change the path, never the legality of the answer.
    Engine warm(1);
    Limits l;
    l.depth = 3;
    warm.search(p, p.mover, l);
    const Result c = warm.search(p, p.mover, l);
    EXPECT_EQ(c.depth, 3);
}

}  // namespace
}  // namespace zk::engine

namespace zk::engine {
namespace {

// The position turned by 180 degrees with every code negated: the other side
// in the same situation.
Position turned(const Position& p) {
    Position t = p;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) t.Board[13 - x][13 - y] = -p.Board[x][y];
    t.mover = -p.mover;
    t.history = {-p.history.lastCaptured, -p.history.lastAfter, -p.history.previousAfter};
    return t;
}

Outcome swapped(Outcome o) {
    if (o == Outcome::BottomWins) return Outcome::TopWins;
    if (o == Outcome::TopWins) return Outcome::BottomWins;
    return o;
}

// Between two programs the rules are the same for both sides: where the
// window makes baring the human a draw and only announces the human's mate,
// they end the game; and every verdict over seeded games to their end is the
// turned position's verdict with the sides exchanged.
TEST(EngineOutcome, SymmetricEndRulesJudgeBothSidesAlike) {
    const Position bared =
        board({{7, 1, COM_王}, {3, 5, COM_飛_B}, {5, 5, COM_金}, {7, 12, MAN_王}}, -1);
    EXPECT_EQ(outcomeAfter(bared, 1), Outcome::Draw);
    EXPECT_EQ(outcomeAfter(bared, 1, EndRules::Symmetric), Outcome::TopWins);
    const Position boxed = board({{1, 12, MAN_王},
                                  {2, 12, MAN_歩},
                                  {1, 11, MAN_歩},
                                  {2, 11, MAN_歩},
                                  {7, 1, COM_王},
                                  {9, 1, COM_金}},
                                 -1);
    EXPECT_EQ(outcomeAfter(boxed, 1), Outcome::None);
    EXPECT_EQ(outcomeAfter(boxed, 1, EndRules::Symmetric), Outcome::TopWins);

    int ended = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        Position p = Position::initial();
        for (int ply = 0; ply < 600; ++ply) {
            const auto moves = legalMoves(p, Mover::Computer);
            if (moves.empty()) break;
            std::vector<Move> captures;
            for (const Move& m : moves)
                if (!m.captured.isEmpty()) captures.push_back(m);
            const auto& from = captures.empty() || rng() % 2 ? moves : captures;
            Position next = p;
            apply(next, from[rng() % from.size()]);
            const Outcome mine = outcomeAfter(next, p.mover, EndRules::Symmetric);
            ASSERT_EQ(mine, swapped(outcomeAfter(turned(next), -p.mover, EndRules::Symmetric)))
                << "seed " << seed << " ply " << ply;
            if (mine != Outcome::None) {
                ++ended;
                break;
            }
            p = next;
        }
    }
    EXPECT_GT(ended, 30);
}

}  // namespace
}  // namespace zk::engine

