// Mate tests of both sides and the human king's escape squares.
#include <gtest/gtest.h>

#include "com_fixture.h"
#include "com_mate.h"
#include "influence.h"

namespace zk {
namespace {

using Pieces = std::vector<std::tuple<int, int, int>>;

ComState position(const Pieces& pieces) {
    ComState s = test::emptyComState();
    for (auto [x, y, k] : pieces) s.Board[x][y] = PieceCode(k);
    勢力調査_MAN(s);
    勢力調査_COM(s);
    return s;
}

// The human king on (1, 12) with its three neighbours taken.
const Pieces kBoxedKing = {{1, 12, -39}, {1, 11, -1}, {2, 11, -1}, {2, 12, -1}};

Pieces with(Pieces base, const Pieces& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

struct MateCase {
    const char* what;
    Pieces pieces;
    int expected;
};

TEST(MateMan, Cases) {
    const std::vector<MateCase> cases = {
        {"boxed, unattacked, no capture anywhere", kBoxedKing, 1},
        {"boxed, attacked by a kirin's jump", with(kBoxedKing, {{3, 12, 32}}), 1},
        {"a far capture that leaves the jump in place",
         with(kBoxedKing, {{3, 12, 32}, {12, 6, -15}, {12, 1, 1}}), 1},
        {"the attacker can be taken", with(kBoxedKing, {{3, 12, 32}, {3, 1, -15}}), 0},
        {"unattacked, any capture anywhere saves", with(kBoxedKing, {{12, 12, -15}, {12, 1, 1}}),
         0},
        {"a free step, even onto an attacked square",
         {{1, 12, -39}, {1, 11, -1}, {2, 12, -1}, {2, 1, 15}, {3, 12, 32}},
         0},
        {"both royal pieces on the board are never mated",
         with(kBoxedKing, {{3, 12, 32}, {12, 12, -38}, {11, 12, -1}, {11, 11, -1}, {12, 11, -1}}),
         0},
        {"no royal piece at all", {{5, 5, -1}}, 0},
        // The king takes the gold on (2, 11) and would stand safe there, but a
        // phoenix still reaches the square it left, which is the one asked.
        {"the king's own capture is judged on its old square",
         {{1, 12, -39}, {1, 11, -1}, {2, 12, -21}, {2, 11, 13}, {3, 10, 25}},
         1},
        {"the king's own capture saves it",
         {{1, 12, -39}, {1, 11, -1}, {2, 12, -21}, {2, 11, 13}},
         0},
    };
    for (const MateCase& c : cases) {
        ComState s = position(c.pieces);
        const BoardGrid before = s.Board;
        EXPECT_EQ(詰めかMAN(s), c.expected) << c.what;
        EXPECT_EQ(s.Board, before) << c.what;
    }
}

TEST(MateMan, TheCrownPrinceAloneAndTheKingTakesNoPart) {
    // The prince boxed on (1, 12); only the king could take the attacker.
    ComState s =
        position({{1, 12, -38}, {1, 11, -1}, {2, 11, -1}, {2, 12, -1}, {3, 12, 32}, {4, 12, -39}});
    ASSERT_EQ(s.manKingX, 4);
    s.manKingX = 0;  // the king is not counted as a royal piece here
    EXPECT_EQ(詰めかMAN(s), 1);
    EXPECT_EQ(詰めかMAN_太(s), 1);
    // A gold in the king's place may take the kirin.
    s.Board[4][12] = PieceCode(-13);
    EXPECT_EQ(詰めかMAN_太(s), 0);
}

TEST(MateCom, TheComputerKingDoesNotCaptureButTheHumanKingDoes) {
    // COM king boxed on (12, 1) by a pawn and a bishop, attacked by a human
    // gold on (11, 2) that only the king could take.
    ComState c = position({{12, 1, 39}, {12, 2, 1}, {11, 1, 21}, {11, 2, -13}});
    const BoardGrid before = c.Board;
    EXPECT_EQ(詰めかCOM(c), 1);
    EXPECT_EQ(c.Board, before);

    ComState m = test::turnedComState(c);
    勢力調査_MAN(m);
    勢力調査_COM(m);
    EXPECT_EQ(詰めかMAN(m), 0);
}

TEST(MateCom, CasesAndTheLeftoverMapsOfTheLastTry) {
    // A rook that can take a far pawn without lifting the attack: mated, and
    // the MAN maps show the board with that pawn gone.
    ComState s =
        position({{12, 1, 39}, {12, 2, 1}, {11, 1, 21}, {11, 2, -13}, {1, 1, 15}, {1, 6, -1}});
    ASSERT_EQ(s.manInfluence[1][5], 1);
    const BoardGrid before = s.Board;
    EXPECT_EQ(詰めかCOM(s), 1);
    EXPECT_EQ(s.Board, before);
    EXPECT_EQ(s.manInfluence[1][5], 0);
    EXPECT_EQ(s.manInfluence[1][6], 0);
    勢力調査_MAN(s);
    EXPECT_EQ(s.manInfluence[1][5], 1);

    // Taking the gold itself saves the king.
    ComState t = position({{12, 1, 39}, {12, 2, 1}, {11, 1, 21}, {11, 2, -13}, {11, 12, 15}});
    EXPECT_EQ(詰めかCOM(t), 0);

    // Both royals: never mated. The prince alone: neither royal captures.
    ComState both = position({{12, 1, 39}, {12, 2, 1}, {11, 1, 21}, {11, 2, -13}, {5, 5, 38}});
    EXPECT_EQ(詰めかCOM(both), 0);
    ComState prince = position({{12, 1, 38}, {12, 2, 1}, {11, 1, 21}, {11, 2, -13}, {10, 3, 39}});
    prince.comKingX = 0;
    EXPECT_EQ(詰めかCOM(prince), 1);
    EXPECT_EQ(詰めかCOM_太(prince), 1);
}

TEST(MateTests, AStaleRoyalSquareThatIsEmptyIsNoMate) {
    ComState s = position(kBoxedKing);
    s.Board[1][12] = code::EMPTY;
    EXPECT_EQ(詰めかMAN_王(s), 0);
    s.manKingX = 0;
    EXPECT_EQ(詰めかMAN_王(s), 0);
    ComState c = test::emptyComState();
    c.comKingX = 3, c.comKingY = 3;
    EXPECT_EQ(詰めかCOM_王(c), 0);
}

struct EscapeCase {
    const char* what;
    Pieces pieces;
    int kx, ky;
    std::vector<test::Square> escapes;
};

TEST(KingEscape, CountsEmptyUnreachedNeighbours) {
    const std::vector<EscapeCase> cases = {
        {"open board",
         {{6, 6, -39}},
         6,
         6,
         {{5, 5}, {6, 5}, {7, 5}, {5, 6}, {7, 6}, {5, 7}, {6, 7}, {7, 7}}},
        {"a rook sweeps row 5, pieces stand on two squares",
         {{6, 6, -39}, {1, 5, 15}, {5, 7, -1}, {7, 7, 1}},
         6,
         6,
         {{5, 6}, {7, 6}, {6, 7}}},
        {"corner", {{1, 12, -39}}, 1, 12, {{1, 11}, {2, 11}, {2, 12}}},
        {"an enemy the king could take is no escape", {{12, 1, -39}, {11, 1, 1}}, 12, 1, {{12, 2}}},
        // With the king gone its column reads 0: column 0 counts as it comes.
        {"king off the board", {{1, 12, -1}}, 0, 12, {{0, 11}, {1, 11}}},
        {"king never placed", {}, 0, 0, {{0, 1}, {1, 1}, {1, 0}}},
    };
    for (const EscapeCase& c : cases) {
        ComState s = position(c.pieces);
        s.manKingX = c.kx;
        s.manKingY = c.ky;
        s.kingEscapeMap = IntGrid{};
        const BoardGrid before = s.Board;
        EXPECT_EQ(調査_自王逃道(s), static_cast<int>(c.escapes.size())) << c.what;
        IntGrid want{};
        for (auto [x, y] : c.escapes) want[x][y] = 1;
        EXPECT_EQ(s.kingEscapeMap, want) << c.what;
        EXPECT_EQ(s.Board, before) << c.what;
    }
}

}  // namespace
}  // namespace zk
