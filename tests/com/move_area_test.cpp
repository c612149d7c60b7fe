// The rectangle the computer searches for each of its pieces.
#include <gtest/gtest.h>

#include <array>

#include "com_fixture.h"
#include "com_search.h"
#include "move_check.h"

namespace zk {
namespace {

TEST(MoveArea, RectanglesOfComputerPieces) {
    struct Row {
        PieceCode c;
        int x, y, x1, x2, y1, y2;
    };
    for (const Row& r : std::vector<Row>{
             {PieceCode(1), 5, 5, 5, 5, 6, 6},
             {PieceCode(1), 5, 12, 5, 5, 12, 12},
             {PieceCode(3), 5, 5, 5, 5, 6, 12},
             {PieceCode(35), 5, 1, 5, 5, 1, 2},
             {PieceCode(6), 5, 5, 1, 12, 4, 6},
             {PieceCode(7), 5, 12, 1, 12, 11, 12},
             {PieceCode(28), 5, 5, 5, 5, 1, 12},
             {PieceCode(11), 1, 5, 1, 2, 1, 12},
             {PieceCode(13), 12, 12, 11, 12, 11, 12},
             {PieceCode(39), 6, 1, 5, 7, 1, 2},
             {PieceCode(25), 2, 2, 1, 4, 1, 4},
             {PieceCode(33), 11, 6, 9, 12, 4, 8},
             {PieceCode(15), 5, 5, 1, 12, 1, 12},
             {code::COM_鷲_1, 5, 5, 1, 12, 1, 12},
             {code::COM_獅_R_1, 5, 5, 1, 12, 1, 12},
             {PieceCode(-1), 5, 5, 1, 12, 1, 12},
             {PieceCode(-39), 5, 5, 1, 12, 1, 12},
         }) {
        int x1 = -9, x2 = -9, y1 = -9, y2 = -9;
        取得_駒移動座標(r.c, r.x, r.y, x1, x2, y1, y2);
        EXPECT_EQ((std::array{x1, x2, y1, y2}), (std::array{r.x1, r.x2, r.y1, r.y2}))
            << r.c.tenths() << " at " << r.x << "," << r.y;
    }
}

// The computer only looks inside its rectangle, so every legal destination of
// every computer piece must lie in it.
TEST(MoveArea, HoldsEveryLegalDestinationInRandomPositions) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        ComState s = test::emptyComState();
        s.Board = test::randomBoard(seed, 35, [](int) { return true; });
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode c = s.Board[x][y];
                if (!(c >= 1)) continue;
                int x1, x2, y1, y2;
                取得_駒移動座標(c, x, y, x1, x2, y1, y2);
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty)
                        if (移動チェック(s, false, x, y, tx, ty, c) == 1) {
                            ASSERT_TRUE(tx >= x1 && tx <= x2 && ty >= y1 && ty <= y2)
                                << "seed " << seed << " code " << c.whole() << " " << x << "," << y
                                << " -> " << tx << "," << ty;
                        }
            }
    }
}

}  // namespace
}  // namespace zk
