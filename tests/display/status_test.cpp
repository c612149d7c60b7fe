#include "display_fixture.h"

namespace zk::test {
namespace {

using MoveNumber = DisplayTest;
using MoveReport = DisplayTest;

TEST_F(MoveNumber, ShortNumbersStartFurtherRight) {
    struct Case {
        int n;
        double baseX;
    };
    // The strip the number is cleared in.
    const int stripLeft = cellX(14.7), stripRight = cellX(14.8) + 1250;
    for (const Case& k :
         std::vector<Case>{{9, 14.9}, {10, 14.8}, {99, 14.8}, {100, 14.7}, {1000, 14.7}}) {
        描画_手数(s.screen, k.n, 3, s.game.record);
        const ScreenItem* top = textAt(cellX(k.baseX), cellY(3.3));
        ASSERT_NE(top, nullptr) << k.n;
        EXPECT_EQ(top->text, std::to_string(k.n));
        EXPECT_EQ(top->colour, Screen::textWhite);  // whatever the colour argument
        EXPECT_EQ(top->fontSize, 12);
        EXPECT_GE(top->x, stripLeft);
        EXPECT_LE(top->x + top->w, stripRight) << k.n;
        const ScreenItem* shadow = textAt(cellX(k.baseX + 0.1), cellY(3.4));
        ASSERT_NE(shadow, nullptr) << k.n;
        EXPECT_EQ(shadow->colour, Screen::textBlack);

        const ScreenItem* label = textAt(cellX(15.8) + 120, cellY(3.1) + 160);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text, "手目");
        EXPECT_EQ(label->fontSize, 10);
    }
}

TEST_F(MoveNumber, ShorterNumberLeavesNoDigitsOfTheLongerOne) {
    描画_手数(s.screen, 1000, 15, s.game.record);
    描画_手数(s.screen, 9, 15, s.game.record);
    EXPECT_EQ(allTexts(), (std::vector<std::string>{"9", "9", "手目", "手目"}));
}

TEST_F(MoveReport, CoordinatesAndPieceOfAMove) {
    const double wx = Screen::manReportX, wy = Screen::manReportY;
    描画_移動結果(s.screen, wx, wy, 5, 3, code::MAN_龍_R, 14);
    // Column 13 - 5 = 8 in full-width digits, row 三, piece 龍 (promoted rook).
    const ScreenItem* col = textAt(cellX(wx), cellY(wy));
    const ScreenItem* row = textAt(cellX(wx + 0.4), cellY(wy));
    const ScreenItem* piece = textAt(cellX(wx + 1.0), cellY(wy));
    ASSERT_TRUE(col && row && piece);
    EXPECT_EQ(col->text, "８");
    EXPECT_EQ(row->text, "三");
    EXPECT_EQ(piece->text, "龍");
    for (const ScreenItem* it : {col, row, piece}) {
        EXPECT_EQ(it->colour, 14);
        EXPECT_EQ(it->fontSize, 12);
    }
    const ScreenItem* shadow = textAt(cellX(wx + 1.1), cellY(wy + 0.1));
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->colour, Screen::textBlack);
    EXPECT_EQ(allTexts().size(), 6u);
}

TEST_F(MoveReport, RowsElevenAndTwelvePushThePieceRight) {
    const double wx = Screen::comReportX, wy = Screen::comReportY;
    for (int row : {11, 12}) {
        描画_移動結果(s.screen, wx, wy, 2, row, code::COM_獅_R, 15);
        const ScreenItem* piece = textAt(cellX(wx + 1.6), cellY(wy));
        ASSERT_NE(piece, nullptr) << row;
        EXPECT_EQ(piece->text, "獅");
        EXPECT_EQ(textAt(cellX(wx + 1.0), cellY(wy)), nullptr);
        EXPECT_NE(textAt(cellX(wx + 1.7), cellY(wy + 0.1)), nullptr);
        EXPECT_EQ(textAt(cellX(wx + 0.4), cellY(wy))->text, row == 11 ? "十一" : "十二");
    }
    描画_移動結果(s.screen, wx, wy, 2, 10, code::COM_獅_R, 15);
    ASSERT_NE(textAt(cellX(wx + 1.0), cellY(wy)), nullptr);
    EXPECT_EQ(textAt(cellX(wx + 1.6), cellY(wy)), nullptr);
}

TEST_F(MoveReport, NewReportReplacesTheOldOne) {
    const double wx = Screen::comReportX, wy = Screen::comReportY;
    描画_移動結果(s.screen, wx, wy, 1, 12, code::COM_王, 15);
    描画_移動結果(s.screen, wx, wy, 8, 4, code::COM_歩, 15);
    EXPECT_EQ(allTexts(), (std::vector<std::string>{"５", "５", "四", "四", "歩", "歩"}));
}

TEST_F(MoveReport, TwoDigitColumnsStartFurtherLeft) {
    struct Case {
        int value;
        const char* text;
        int shift;
    };
    for (const Case& k : std::vector<Case>{{1, "１", 0},
                                           {9, "９", 0},
                                           {10, "10", 100},
                                           {12, "12", 100},
                                           {1001, "一", 0},
                                           {1012, "十二", 0}}) {
        描画_移動数値(s.screen, 15, 8, k.value, 5);
        const ScreenItem* it = textAt(cellX(15) - k.shift, cellY(8));
        ASSERT_NE(it, nullptr) << k.value;
        EXPECT_EQ(it->text, k.text);
        EXPECT_EQ(it->colour, 5);
    }
    screen().clear();
    for (int v : {0, 13, 1000, 1013, -1}) 描画_移動数値(s.screen, 15, 8, v, 5);
    EXPECT_TRUE(allTexts().empty());
}

TEST_F(MoveReport, PieceKanjiIsTheSameForBothSidesAndBothCodesOfAKind) {
    struct Case {
        int code;
        const char* kanji;
    };
    for (const Case& k : std::vector<Case>{
             {6, "横"}, {-7, "横"}, {-16, "龍"}, {17, "龍"}, {2, "と"}, {-38, "太"}, {39, "王"}}) {
        screen().clear();
        描画_移動駒種類(s.screen, 16, 9, PieceCode(k.code), 15);
        EXPECT_EQ(allTexts(), std::vector<std::string>{k.kanji}) << k.code;
    }
    screen().clear();
    描画_移動駒種類(s.screen, 16, 9, code::EMPTY, 15);
    描画_移動駒種類(s.screen, 16, 9, code::COM_鷲_1, 15);
    EXPECT_TRUE(allTexts().empty());
}

TEST_F(MoveReport, EraseClearsTheReportArea) {
    描画_移動結果(s.screen, 15.6, 6, 1, 11, code::MAN_獅_B, 15);
    消去_移動結果(s.screen, 15.6, 6);
    EXPECT_TRUE(allTexts().empty());
    bool filled = false;
    for (const auto& it : screen().items())
        filled |= it.kind == ScreenItem::Kind::FillRect && it.x == cellX(15.3) &&
                  it.y == cellY(6) && it.w == 1250 && it.h == 400 &&
                  it.colour == Screen::boardColour;
    EXPECT_TRUE(filled);
}

}  // namespace
}  // namespace zk::test
