// Blocking, jumps, own pieces, the board's edge and the line procedures.
#include "move_check.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rules_fixture.h"

namespace zk {
namespace {

struct Case {
    const char* what;
    std::vector<std::tuple<int, int, int>> pieces;  // x, y, code
    int fx, fy, tx, ty;
    PieceCode code;
    int expected;
};

void runCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        test::TestGame s = test::emptyState();
        for (auto [x, y, k] : c.pieces) s.Board[x][y] = PieceCode(k);
        const BoardGrid before = s.Board;
        EXPECT_EQ(移動チェック(s, c.fx, c.fy, c.tx, c.ty, c.code), c.expected) << c.what;
        EXPECT_EQ(s.Board, before) << c.what;
    }
}

TEST(MoveCheck, LinesStopAtTheFirstPieceAndJumpsDoNot) {
    runCases({
        {"lance reaches the enemy piece", {{1, 3, 3}, {1, 8, -1}}, 1, 3, 1, 8, 3, 1},
        {"lance stops before the enemy piece's far side",
         {{1, 3, 3}, {1, 8, -1}},
         1,
         3,
         1,
         9,
         3,
         0},
        {"lance may not land on its own piece", {{1, 3, 3}, {1, 8, 1}}, 1, 3, 1, 8, 3, 0},
        {"lance goes as far as the square before its own piece",
         {{1, 3, 3}, {1, 8, 1}},
         1,
         3,
         1,
         7,
         3,
         1},
        {"rook blocked along the rank", {{6, 6, -15}, {8, 6, 5}}, 6, 6, 9, 6, -15, 0},
        {"rook blocked along the file", {{6, 6, -15}, {6, 4, -5}}, 6, 6, 6, 3, -15, 0},
        {"bishop blocked on the diagonal", {{6, 6, -21}, {4, 4, 5}}, 6, 6, 3, 3, -21, 0},
        {"bishop takes the blocker", {{6, 6, -21}, {4, 4, 5}}, 6, 6, 4, 4, -21, 1},
        {"whale's back diagonal blocked", {{6, 6, -29}, {7, 7, 1}}, 6, 6, 8, 8, -29, 0},
        {"eagle jumps over a piece diagonally forward",
         {{5, 3, 18}, {6, 4, -1}},
         5,
         3,
         7,
         5,
         18,
         1},
        {"eagle has no third square forward diagonally", {{5, 3, 18}}, 5, 3, 8, 6, 18, 0},
        {"eagle's back diagonal is a line", {{5, 8, 18}}, 5, 8, 1, 4, 18, 1},
        {"eagle's back diagonal is blocked", {{5, 8, 18}, {3, 6, -1}}, 5, 8, 1, 4, 18, 0},
        {"falcon two forward over an empty square", {{4, 3, 24}}, 4, 3, 4, 5, 24, 1},
        {"falcon two forward over a piece", {{4, 3, 24}, {4, 4, -1}}, 4, 3, 4, 5, 24, 0},
        {"falcon never three forward", {{4, 3, 24}}, 4, 3, 4, 6, 24, 0},
        {"falcon any distance back", {{4, 9, 24}}, 4, 9, 4, 1, 24, 1},
        {"falcon any distance sideways", {{4, 9, 24}}, 4, 9, 12, 9, 24, 1},
        {"phoenix jumps a diagonal piece", {{6, 6, -25}, {5, 5, 1}}, 6, 6, 4, 4, -25, 1},
        {"kirin jumps an orthogonal piece", {{6, 6, -32}, {6, 5, 1}}, 6, 6, 6, 4, -32, 1},
        {"lion jumps a ring of pieces",
         {{6, 6, -34}, {5, 5, -1}, {6, 5, -1}, {7, 5, -1}},
         6,
         6,
         6,
         4,
         -34,
         1},
        {"the code comes from the argument, not the square", {{6, 6, -1}}, 6, 6, 6, 1, -15, 1},
        {"an empty origin moves the code given", {}, 6, 6, 1, 6, -15, 1},
    });
}

TEST(MoveCheck, OwnPiecesOriginItselfAndOffBoardAreAlwaysRefused) {
    for (PieceCode c : test::allCodes()) {
        test::TestGame s = test::emptyState();
        const int side = c >= 1 ? 1 : -1;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) s.Board[x][y] = PieceCode(side);
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y)
                ASSERT_EQ(移動チェック(s, 6, 6, x, y, c), 0) << c.tenths() << " onto own " << x;

        test::TestGame empty = test::emptyState();
        EXPECT_EQ(移動チェック(empty, 6, 6, 6, 6, c), 0) << c.tenths();
        for (auto [x, y] : std::vector<test::Square>{
                 {0, 6}, {13, 6}, {6, 0}, {6, 13}, {-1, 6}, {6, -2}, {100, 100}, {0, 0}})
            EXPECT_EQ(移動チェック(empty, 1 + (x > 6), 1 + (y > 6), x, y, c), 0) << c.tenths();
        // An origin outside the board answers 0 rather than walking off the grid.
        EXPECT_EQ(移動チェック(empty, 14, 6, 6, 6, c), 0) << c.tenths();
        EXPECT_EQ(移動チェック(empty, -3, -3, 1, 1, c), 0) << c.tenths();
    }
}

TEST(MoveCheck, CodesOutsideTheTableMoveNowhere) {
    test::TestGame s = test::emptyState();
    for (PieceCode c : {PieceCode(0), PieceCode(40), PieceCode(-40), PieceCode::fromTenths(185),
                        PieceCode::fromTenths(-15)})
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y)
                EXPECT_EQ(移動チェック(s, 6, 6, x, y, c), 0) << c.tenths();
}

TEST(MoveCheck, LineProceduresNeedAStraightClearPath) {
    test::TestGame s = test::emptyState();
    s.Board[6][4] = PieceCode(1);
    struct Line {
        int (*fn)(const BoardGrid&, int, int, int, int);
        int fx, fy, tx, ty, expected;
        const char* what;
    };
    for (const Line& l : std::vector<Line>{
             {移動チェック上下, 6, 6, 6, 5, 1, "file, next square"},
             {移動チェック上下, 6, 6, 6, 4, 1, "file, onto the piece"},
             {移動チェック上下, 6, 6, 6, 3, 0, "file, past the piece"},
             {移動チェック上下, 6, 6, 6, 6, 0, "file, no move"},
             {移動チェック上下, 6, 6, 7, 5, 0, "file, not a file"},
             {移動チェック左右, 1, 4, 5, 4, 1, "rank"},
             {移動チェック左右, 1, 4, 7, 4, 0, "rank, past the piece"},
             {移動チェック左右, 6, 6, 6, 6, 0, "rank, no move"},
             {移動チェック飛車, 6, 12, 6, 5, 1, "rook along the file"},
             {移動チェック飛車, 1, 4, 12, 4, 0, "rook along the blocked rank"},
             {移動チェック飛車, 1, 1, 2, 2, 0, "rook, not a line"},
             {移動チェック角, 8, 2, 5, 5, 0, "diagonal through the piece"},
             {移動チェック角, 8, 2, 6, 4, 1, "diagonal onto the piece"},
             {移動チェック角, 1, 1, 12, 12, 1, "long diagonal"},
             {移動チェック角, 1, 1, 3, 2, 0, "not a diagonal"},
             {移動チェック角, 6, 6, 6, 6, 0, "diagonal, no move"},
             {移動チェック角, 0, 0, 3, 3, 0, "diagonal from off the board"},
             {移動チェック上下, 6, 6, 6, 13, 0, "file to off the board"},
         })
        EXPECT_EQ(l.fn(s.Board, l.fx, l.fy, l.tx, l.ty), l.expected) << l.what;
}

// The computer asks the move check only about a piece's empty-board steps:
// from every square of an empty board they are exactly the destinations the
// move check accepts, in destination order, and on random boards (either
// step of a two-step move) no accepted destination lies outside them.
TEST(MoveArea, EmptyBoardStepsHoldEveryDestination) {
    for (int code = -39; code <= 39; ++code) {
        if (code == 0) continue;
        const PieceCode c(code);
        test::TestGame s = test::emptyState();
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                std::vector<std::pair<int, int>> accepted, listed;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty)
                        if (移動チェック(s, x, y, tx, ty, c) == 1) accepted.emplace_back(tx, ty);
                for (const auto& [dx, dy] : emptyBoardSteps(c))
                    if (onBoard(x + dx, y + dy)) listed.emplace_back(x + dx, y + dy);
                ASSERT_EQ(listed, accepted) << "code " << code << " from " << x << "," << y;
            }
    }
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        test::TestGame s = test::randomPosition(seed, 35, [](int) { return true; });
        s.moveStep = 1 + static_cast<int>(seed % 2);
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode c = s.Board[x][y];
                if (c.isEmpty()) continue;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty) {
                        if (移動チェック(s, x, y, tx, ty, c) != 1) continue;
                        const auto& steps = emptyBoardSteps(c);
                        const std::pair<std::int8_t, std::int8_t> step(tx - x, ty - y);
                        ASSERT_NE(std::find(steps.begin(), steps.end(), step), steps.end())
                            << "seed " << seed << " code " << c.whole() << " " << x << "," << y
                            << " -> " << tx << "," << ty;
                    }
            }
    }
}

}  // namespace
}  // namespace zk
