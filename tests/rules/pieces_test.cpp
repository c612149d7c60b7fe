#include "pieces.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace zk {
namespace {

TEST(InitialPosition, IsPointSymmetricWithFortySixPiecesASide) {
    test::TestGame s;
    初期配置(s.Board);
    int man = 0, com = 0, sum = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            EXPECT_EQ(s.Board[13 - x][13 - y], -s.Board[x][y]) << x << "," << y;
            if (s.Board[x][y] >= 1) ++com;
            if (s.Board[x][y] <= -1) ++man;
            sum += s.Board[x][y].whole();
        }
    EXPECT_EQ(man, 46);
    EXPECT_EQ(com, 46);
    EXPECT_EQ(sum, 0);
}

TEST(InitialPosition, RowsFourAndNineHoldTokinsAndMiddleRowsAreEmpty) {
    test::TestGame s;
    初期配置(s.Board);
    for (int x = 1; x <= 12; ++x) {
        EXPECT_EQ(s.Board[x][4], code::COM_と);
        EXPECT_EQ(s.Board[x][9], code::MAN_と);
        EXPECT_TRUE(s.Board[x][6].isEmpty());
        EXPECT_TRUE(s.Board[x][7].isEmpty());
    }
    for (int i = 0; i <= 12; ++i) {
        EXPECT_TRUE(s.Board[0][i].isEmpty());
        EXPECT_TRUE(s.Board[i][0].isEmpty());
    }
}

TEST(InitialPosition, RoyalsAndLionsStandWhereTheGameSetsThem) {
    test::TestGame s;
    初期配置(s.Board);
    EXPECT_EQ(s.Board[7][1], code::COM_王);
    EXPECT_EQ(s.Board[6][1], code::COM_太);
    EXPECT_EQ(s.Board[6][12], code::MAN_王);
    EXPECT_EQ(s.Board[7][12], code::MAN_太);
    EXPECT_EQ(s.Board[7][2], code::COM_獅_R);
    EXPECT_EQ(s.Board[7][3], code::COM_獅_B);
    EXPECT_EQ(s.Board[6][11], code::MAN_獅_R);
    EXPECT_EQ(s.Board[6][10], code::MAN_獅_B);
    EXPECT_EQ(s.Board[4][5], code::COM_象_R);
    EXPECT_EQ(s.Board[9][8], code::MAN_象_R);
}

TEST(PieceCode, MidMoveCodesAreDistinctAndCutToTheirPiece) {
    EXPECT_NE(code::COM_鷲_1, code::COM_鷲_2);
    EXPECT_NE(code::COM_鷲_1, code::COM_鷲);
    EXPECT_EQ(code::COM_鷲_1.whole(), 18);
    EXPECT_EQ(code::MAN_鷹_1.whole(), -24);
    EXPECT_TRUE(code::COM_鷲_1 >= 1);
    EXPECT_TRUE(code::MAN_獅_B_1 <= -1);
    EXPECT_FALSE(PieceCode(0) >= 1);
    EXPECT_FALSE(PieceCode(0) <= -1);
    EXPECT_EQ(-code::COM_鷲_2, code::MAN_鷲_2);
}

}  // namespace
}  // namespace zk
