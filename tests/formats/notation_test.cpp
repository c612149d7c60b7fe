// The game's notation of squares and moves, as the move report and the move
// list show them.
#include "notation.h"

#include <gtest/gtest.h>

namespace zk {
namespace {

TEST(MoveText, NamesColumnFromTheRightRowInKanjiAndBothSquaresOfATwoStepMove) {
    EXPECT_EQ(升目表記(12, 12), "１十二");
    EXPECT_EQ(升目表記(1, 1), "12一");
    Move m;
    m.fromX = 6;
    m.fromY = 9;
    m.toX = 6;
    m.toY = 8;
    m.after = code::MAN_と;
    EXPECT_EQ(指し手表記(m), "７八と");
    m.midX = 6;
    m.midY = 8;
    m.toX = 5;
    m.toY = 7;
    m.after = code::MAN_獅_R;
    EXPECT_EQ(指し手表記(m), "７八・８七獅");
}

}  // namespace
}  // namespace zk
