#include "sfen_standard.h"

#include <gtest/gtest.h>

namespace zk {
namespace {

// The standard letters land on the codes docs/rules.md gives, and a move is
// named in USI: files counted from the right, rows by letter from the top.
TEST(StandardSfen, ReadsTheLettersOntoTheirCodesAndNamesMoves) {
    const auto p = readStandardSfen("+o10n/12/12/12/12/12/12/12/12/12/12/K10+E w - 5");
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->Board[1][1], PieceCode(33));
    EXPECT_EQ(p->Board[12][1], PieceCode(34));
    EXPECT_EQ(p->Board[1][12], PieceCode(-39));
    EXPECT_EQ(p->Board[12][12], PieceCode(-38));
    EXPECT_EQ(p->mover, 1);
    EXPECT_EQ(p->rules, RuleSet::Standard);
    EXPECT_EQ(writeStandardSfen(*p), "+o10n/12/12/12/12/12/12/12/12/12/12/K10+E w - 1");
    // Not a position: a short row, an unknown letter, no side to move.
    EXPECT_FALSE(readStandardSfen("11/12/12/12/12/12/12/12/12/12/12/12 b - 1"));
    EXPECT_FALSE(readStandardSfen("+q11/12/12/12/12/12/12/12/12/12/12/12 b - 1"));
    EXPECT_FALSE(readStandardSfen("12/12/12/12/12/12/12/12/12/12/12/12"));

    Move m;
    m.fromX = 7, m.fromY = 6, m.midX = 8, m.midY = 5, m.toX = 9, m.toY = 4;
    m.piece = m.after = PieceCode(-34);
    EXPECT_EQ(standardUsi(m), "6f5e4d");
    Move single;
    single.fromX = 6, single.fromY = 9, single.toX = 6, single.toY = 8;
    single.piece = PieceCode(-1);
    single.after = PieceCode(-2);
    EXPECT_EQ(standardUsi(single), "7i7h+");
}

}  // namespace
}  // namespace zk
