#include "display_fixture.h"

namespace zk::test {
namespace {

using Captions = DisplayTest;

TEST(CaptionTexts, EveryValueOfTheTable) {
    const std::vector<std::pair<int, std::string>> table = {{-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"},
                                                            {-9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"},
                                                            {-8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"},
                                                            {-7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"},
                                                            {-6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"},
                                                            {-5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"},
                                                            {-4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"},
                                                            {-3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
                                                            {-2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},
                                                            {-1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"},
                                                            {0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},
                                                            {1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
                                                            {2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},
                                                            {3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},
                                                            {4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"},
                                                            {5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"},
                                                            {6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"},
                                                            {7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"},
                                                            {8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"},
                                                            {9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"},
                                                            {10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"},
                                                            {99, "手目"},
                                                            {11, ""},
                                                            {-11, ""},
                                                            {98, ""},
                                                            {100, ""}};
    for (const auto& [value, text] : table) EXPECT_EQ(文字列テキスト(value), text) << value;
}

TEST_F(Captions, LabelSitsInsideItsCell) {
    描画_文字列(s.screen, 14, 2, 1, 15, 10);
    描画_文字列(s.screen, 14, 2, 42, 15, 10);  // no label: nothing drawn
    ASSERT_EQ(screen().items().size(), 1u);
    const ScreenItem& it = screen().items()[0];
    EXPECT_EQ(it.x, cellX(14) + 120);
    EXPECT_EQ(it.y, cellY(2) + 160);
    EXPECT_EQ(it.text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
    EXPECT_EQ(it.colour, 15);
    EXPECT_EQ(it.fontSize, 10);
}

TEST_F(Captions, HandicapRankIsShadowedOnAClearedBox) {
    描画_ハンデレベル(s.screen, 3);
    描画_ハンデレベル(s.screen, -2);
    const auto& items = screen().items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].kind, ScreenItem::Kind::FillRect);
    EXPECT_EQ(items[0].x, cellX(14));
    EXPECT_EQ(items[0].y, cellY(2));
    EXPECT_EQ(items[0].w, 2200);
    EXPECT_EQ(items[0].h, 560);
    EXPECT_EQ(items[0].colour, Screen::boardGridColour);
    const ScreenItem* shadow = textAt(cellX(14.1) + 120, cellY(2.1) + 160);
    const ScreenItem* top = textAt(cellX(14) + 120, cellY(2) + 160);
    ASSERT_TRUE(shadow && top);
    EXPECT_EQ(shadow->colour, Screen::textBlack);
    EXPECT_EQ(top->colour, Screen::textWhite);
    EXPECT_EQ(top->text, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
}

TEST_F(Captions, LevelCaptionWithItsNumber) {
    描画_レベル(s.screen, 2);
    描画_レベル(s.screen, 1);
    const ScreenItem* word = textAt(cellX(-0.35), cellY(1.0));
    const ScreenItem* wordShadow = textAt(cellX(-0.25), cellY(1.1));
    const ScreenItem* number = textAt(cellX(0.05), cellY(1.4));
    const ScreenItem* numberShadow = textAt(cellX(0.15), cellY(1.5));
    ASSERT_TRUE(word && wordShadow && number && numberShadow);
    EXPECT_EQ(word->text, "LEVEL");
    EXPECT_EQ(word->fontSize, 9);
    EXPECT_EQ(word->colour, Screen::textWhite);
    EXPECT_EQ(wordShadow->colour, Screen::textBlack);
    EXPECT_EQ(number->text, "1");
    EXPECT_EQ(number->fontSize, 12);
    EXPECT_EQ(number->colour, Screen::textWhite);
    EXPECT_EQ(numberShadow->text, "1");
    EXPECT_EQ(screen().items().size(), 4u);
    // The whole caption lies in the window, left of the board's first column.
    for (const ScreenItem& it : screen().items()) {
        EXPECT_GE(it.x, 0);
        EXPECT_GE(it.y, 0);
        EXPECT_LT(it.x, cellX(1));
    }
}

}  // namespace
}  // namespace zk::test
