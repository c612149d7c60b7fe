// The facts a game's end is decided on, for either side.
#include "game_end.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace zk {
namespace {

TEST(PieceCount, CountsBothSidesRoyalsIncluded) {
    test::TestGame s = test::initialState();
    Census c = 調査_駒数(s.Board);
    EXPECT_EQ(c.pieces[0], 46);
    EXPECT_EQ(c.pieces[1], 46);
    EXPECT_EQ(c.royals[0], 2);
    EXPECT_EQ(c.royals[1], 2);
    s.Board[6][6] = code::MAN_鷲_1;  // a mid-move code counts by its sign
    s.Board[1][1] = code::EMPTY;
    c = 調査_駒数(s.Board);
    EXPECT_EQ(c.pieces[0], 47);
    EXPECT_EQ(c.pieces[1], 45);
}

}  // namespace
}  // namespace zk
