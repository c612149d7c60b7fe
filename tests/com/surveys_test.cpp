#include <gtest/gtest.h>

#include <random>

#include "com_fixture.h"
#include "com_surveys.h"
#include "move_check.h"

namespace zk::test {
namespace {

TEST(MovableSquares, LionOfEitherSideCountsOneEvenWhenBoxedIn) {
    for (int lion : {33, 34, -33, -34}) {
        ComFixture f;
        const int own = lion > 0 ? 1 : -1;
        for (int x = 4; x <= 8; ++x)
            for (int y = 4; y <= 8; ++y) f.put(x, y, own * 2);
        f.put(6, 6, lion);
        blankMaps(f.s);
        EXPECT_EQ(調査_移動可場所数(f.s, 6, 6, PieceCode(lion)), 1) << lion;
    }
}

TEST(MovableSquares, CountsLegalDestinationsTheOtherSideDoesNotReach) {
    ComFixture f;
    f.put(6, 6, -13);  // a human gold: six steps
    blankMaps(f.s);
    EXPECT_EQ(調査_移動可場所数(f.s, 6, 6, PieceCode(-13)), 6);
    f.s.comInfluence[6][5] = 1;
    f.s.comInfluence[7][6] = 2;
    f.s.manInfluence[5][5] = 3;  // the human's own reach does not matter
    EXPECT_EQ(調査_移動可場所数(f.s, 6, 6, PieceCode(-13)), 4);
    for (auto [x, y] : {std::pair{5, 5}, {7, 5}, {5, 6}, {6, 7}}) f.s.comInfluence[x][y] = 1;
    EXPECT_EQ(調査_移動可場所数(f.s, 6, 6, PieceCode(-13)), 0);

    // A computer gold looks at the human's reach instead.
    ComFixture g;
    g.put(6, 6, 13);
    blankMaps(g.s);
    g.s.comInfluence[6][7] = 1;
    g.s.manInfluence[6][7] = 1;
    EXPECT_EQ(調査_移動可場所数(g.s, 6, 6, PieceCode(13)), 5);
}

TEST(StraightGuard, FindsAHumanLanceRookOrDragonBelowInTheColumn) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> pieces;  // (row, code) in column 5
        int square;                               // row asked about
        int expected;
    };
    const std::vector<Case> cases = {
        {"lance below", {{10, -3}}, 6, 1},
        {"rook below", {{12, -15}}, 6, 1},
        {"promoted-form rook", {{9, -14}}, 6, 1},
        {"dragon below", {{8, -17}}, 6, 1},
        {"promoted-form dragon", {{8, -16}}, 6, 1},
        {"computer piece first", {{8, 1}, {10, -3}}, 6, 0},
        {"own piece between blocks the move", {{8, -1}, {10, -3}}, 6, 0},
        {"eagle is no straight guard", {{8, -18}}, 6, 0},
        {"square itself occupied is lifted", {{6, 5}, {10, -15}}, 6, 1},
        {"nothing below row 12", {{12, -3}}, 12, 0},
        {"a lance above does not count", {{3, -3}}, 6, 0},
    };
    for (const Case& c : cases) {
        ComFixture f;
        for (auto [row, code] : c.pieces) f.put(5, row, code);
        const BoardGrid before = f.s.Board;
        EXPECT_EQ(調査_自守駒MAN_直進駒(f.s, 5, c.square), c.expected) << c.name;
        EXPECT_EQ(f.s.Board, before) << c.name;
    }
}

TEST(Surroundings, CountsBigComputerPiecesOnlyInsideColumnsAndRowsOneToNine) {
    ComFixture f;
    for (int x = 9; x <= 11; ++x)
        for (int y = 9; y <= 11; ++y) f.put(x, y, 27);
    EXPECT_EQ(調査_周辺状況(f.s, 10, 10), -1);

    ComFixture g;
    g.put(4, 4, 20);   // counted
    g.put(5, 4, 19);   // below 20
    g.put(6, 4, -25);  // a human piece
    g.put(4, 6, 39);   // counted
    g.put(6, 6, 18);   // below 20
    g.put(5, 5, 39);   // the square itself
    EXPECT_EQ(調査_周辺状況(g.s, 5, 5), -2);
}

TEST(PinnedPieces, AHumanPieceShieldingItsKingFromABishopIsPinned) {
    ComFixture f;
    f.put(8, 10, -39);  // human king
    f.put(6, 8, -13);   // between the bishop and the king
    f.put(3, 5, 21);    // computer bishop on the diagonal
    f.put(2, 10, -2);   // not on the line
    f.put(1, 1, 39);
    f.s.manKingX = 8;
    f.s.manKingY = 10;
    f.s.comKingX = 1;
    f.s.comKingY = 1;
    const BoardGrid before = f.s.Board;
    調査_移動不可駒(f.s);
    EXPECT_EQ(f.s.manPinned[6][8], 1);
    EXPECT_EQ(f.s.manPinned[2][10], 0);
    EXPECT_EQ(f.s.manPinned[8][10], 0);
    EXPECT_EQ(f.s.comPinFlag, 0);
    EXPECT_EQ(f.s.Board, before);
}

TEST(PinnedPieces, AKingAlreadyInCheckOnALineMarksEveryPieceOfItsSide) {
    ComFixture f;
    f.put(5, 10, -39);
    f.put(5, 2, 15);  // computer rook giving check down the file
    f.put(1, 12, -3);
    f.put(12, 9, -18);
    f.s.manKingX = 5;
    f.s.manKingY = 10;
    調査_移動不可駒(f.s);
    EXPECT_EQ(f.s.manPinned[1][12], 1);
    EXPECT_EQ(f.s.manPinned[12][9], 1);
    EXPECT_EQ(f.s.manPinned[5][10], 1);
}

TEST(PinnedPieces, ComputerFlagIsSetByLanceButNotByOtherRangingKinds) {
    for (int pinner : {-3, -28, -26, -12}) {
        ComFixture f;
        f.put(4, 2, 39);
        f.put(4, 4, 13);
        f.put(4, 9, pinner);
        f.s.comKingX = 4;
        f.s.comKingY = 2;
        f.s.comPinFlag = 7;
        調査_移動不可駒(f.s);
        EXPECT_EQ(f.s.comPinFlag, pinner == -3 ? 1 : 0) << pinner;
    }
}

// The pins are asked only where lifting a piece can matter; on crowded random
// boards they equal lifting every piece and asking every pinner.
TEST(PinnedPieces, EqualLiftingEveryPieceOnRandomBoards) {
    auto pinnerKind = [](PieceCode c) {
        const int k = c.kind();
        return !c.isMidMove() && (k == 3 || (k >= 14 && k <= 17) || (k >= 20 && k <= 23));
    };
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        ComFixture f;
        std::mt19937 rng(seed);
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y)
                if (rng() % 100 < 35) {
                    const int kind = 1 + static_cast<int>(rng() % 37);
                    f.put(x, y, rng() % 2 ? kind : -kind);
                }
        ComState& s = f.s;
        s.manKingX = 1 + static_cast<int>(rng() % 12);
        s.manKingY = 1 + static_cast<int>(rng() % 12);
        s.comKingX = 1 + static_cast<int>(rng() % 12);
        s.comKingY = 1 + static_cast<int>(rng() % 12);
        f.put(s.manKingX, s.manKingY, -39);
        if (s.comKingX != s.manKingX || s.comKingY != s.manKingY) f.put(s.comKingX, s.comKingY, 39);
        IntGrid expected{};
        int expectedFlag = 0;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode c = s.Board[x][y];
                if (c.isEmpty()) continue;
                s.Board[x][y] = code::EMPTY;
                for (int px = 1; px <= 12; ++px)
                    for (int py = 1; py <= 12; ++py) {
                        const PieceCode p = s.Board[px][py];
                        if (!pinnerKind(p) || (p >= 1) == (c >= 1)) continue;
                        const int kx = c >= 1 ? s.comKingX : s.manKingX;
                        const int ky = c >= 1 ? s.comKingY : s.manKingY;
                        if (移動チェック(s, false, px, py, kx, ky, p) != 1) continue;
                        if (c >= 1)
                            expectedFlag = 1;
                        else
                            expected[x][y] = 1;
                    }
                s.Board[x][y] = c;
            }
        調査_移動不可駒(s);
        EXPECT_EQ(s.manPinned, expected) << "seed " << seed;
        EXPECT_EQ(s.comPinFlag, expectedFlag) << "seed " << seed;
    }
}

TEST(PieceValue, IndexesByMagnitudeIncludingMidMoveCodes) {
    ComState s = test::emptyComState();
    EXPECT_EQ(s.pieceValue[0], 0);
    EXPECT_EQ(s.pieceValue[code::COM_鷲_1.kind()], 25);
    EXPECT_EQ(s.pieceValue[code::MAN_鷲_1.kind()], 25);
    EXPECT_EQ(s.pieceValue[code::MAN_王.kind()], 30);
    EXPECT_EQ(s.pieceValue[code::COM_歩.kind()], 1);
    // Paired kinds share one value.
    const int pairs[][2] = {{6, 7},   {10, 11}, {14, 15}, {16, 17}, {20, 21},
                            {22, 23}, {26, 27}, {33, 34}, {36, 37}};
    for (auto& p : pairs) EXPECT_EQ(s.pieceValue[p[0]], s.pieceValue[p[1]]) << p[0];
}

}  // namespace
}  // namespace zk::test
