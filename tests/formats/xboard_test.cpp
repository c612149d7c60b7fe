// XBoard's move and position texts against the rules' own moves: every
// legal move of seeded random games under both rule sets reads back as itself.
#include "xboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "position.h"
#include "sfen.h"

namespace {

// Squares from the first player's side, and the standard start written out.
TEST(XboardNotation, SquaresAndTheStandardStart) {
    EXPECT_EQ(zk::xboardSquare(1, 12), "a1");
    EXPECT_EQ(zk::xboardSquare(12, 1), "l12");
    EXPECT_EQ(zk::xboardSquare(5, 3), "e10");
    const zk::Position start = zk::Position::initial(zk::RuleSet::Standard);
    EXPECT_EQ(zk::formatXboardFen(start),
              "lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/"
              "PPPPPPPPPPPP/MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL w - - 0 1");
    // The side to move is XBoard's: white is the bottom side, the first to move.
    zk::Position p;
    int number = 0;
    ASSERT_TRUE(zk::parseXboardFen(zk::formatXboardFen(start, 0, 7), p, number).ok);
    EXPECT_EQ(p, start);
    EXPECT_EQ(number, 7);
    // Holdings and short forms are read; a bad board, side or count is refused.
    EXPECT_TRUE(
        zk::parseXboardFen(zk::formatXboardFen(start).substr(0, 121) + "[-] w 0 1", p, number).ok);
    for (const char* bad : {"", "12/12 w - - 0 1"})
        EXPECT_FALSE(zk::parseXboardFen(bad, p, number).ok) << bad;
    EXPECT_EQ(zk::parseXboardFen(zk::formatXboardFen(start) + " 9", p, number).field, 4);
}

// Seeded random games under each rule set: every legal move's text is its
// own, reads back as the same move, and every position's FEN reads back.
TEST(XboardNotation, MovesAndPositionsOfRandomGamesRoundTrip) {
    int twoStep = 0, promotions = 0, returns = 0, positions = 0;
    for (const zk::RuleSet rules : {zk::RuleSet::Standard, zk::RuleSet::Zenkoru}) {
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            std::mt19937 rng(seed);
            zk::Position p = zk::Position::initial(rules);
            for (int ply = 0; ply < 120; ++ply) {
                const std::vector<zk::Move> moves = zk::legalMoves(p, zk::Mover::Computer);
                if (moves.empty()) break;
                ++positions;
                std::set<std::string> texts;
                std::vector<zk::Move> distinct;
                for (const zk::Move& m : moves) {
                    const std::string t = zk::xboardMove(m);
                    const auto back = zk::parseXboardMove(p, t);
                    ASSERT_TRUE(back.has_value()) << t;
                    EXPECT_EQ(*back, m) << t << " in " << zk::formatSfen(p);
                    texts.insert(t);
                    if (std::find(distinct.begin(), distinct.end(), m) == distinct.end())
                        distinct.push_back(m);
                    twoStep += m.isTwoStep();
                    promotions += m.promotes();
                    returns += m.isTwoStep() && m.toX == m.fromX && m.toY == m.fromY;
                }
                EXPECT_EQ(texts.size(), distinct.size()) << zk::formatSfen(p);
                zk::Position read;
                int number = 0;
                const std::string fen = zk::formatXboardFen(p, ply % 50, ply / 2 + 1);
                const zk::NotationError e = zk::parseXboardFen(fen, read, number, rules);
                ASSERT_TRUE(e.ok) << fen << ": " << e.detail;
                EXPECT_EQ(read.Board, p.Board) << fen;
                EXPECT_EQ(read.mover, p.mover) << fen;
                EXPECT_EQ(read.rules, rules);
                EXPECT_EQ(number, ply / 2 + 1);
                zk::apply(p, moves[rng() % moves.size()]);
            }
        }
    }
    // The games met every kind of text.
    EXPECT_GT(positions, 500);
    EXPECT_GT(twoStep, 0);
    EXPECT_GT(promotions, 0);
    EXPECT_GT(returns, 0);
}

// A text that is no legal move is refused, and "=" reads as no promotion.
TEST(XboardNotation, RefusedAndDeclinedTexts) {
    const zk::Position start = zk::Position::initial(zk::RuleSet::Standard);
    const zk::Move first = zk::legalMoves(start, zk::Mover::Computer).front();
    EXPECT_EQ(zk::parseXboardMove(start, zk::xboardMove(first) + "="), first);
    for (const char* bad : {"", "a1a1", "a4a5,a5a6", "e5e6+", "m1m2", "a4"})
        EXPECT_FALSE(zk::parseXboardMove(start, bad).has_value()) << bad;
}

}  // namespace
