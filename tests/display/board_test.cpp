#include "display_fixture.h"

namespace zk::test {
namespace {

using BoardDrawing = DisplayTest;

TEST(CellPosition, MapsCellsToTwipsRounded) {
    struct Case {
        double c;
        int x, y;
    };
    for (const Case& k : std::vector<Case>{{1, 710, 300},
                                           {13, 6830, 7500},
                                           {14.2, 7442, 8220},
                                           {0.1, 251, -240},
                                           {-1.5, -565, -1200},
                                           {0.001, 201, -299}}) {
        EXPECT_EQ(cellX(k.c), k.x) << k.c;
        EXPECT_EQ(cellY(k.c), k.y) << k.c;
    }
}

TEST_F(BoardDrawing, RedrawOfInitialPositionShowsEveryPieceAndEmptySquare) {
    初期配置(s.game.Board);
    画面_再描画(s);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            PieceCode c = s.game.Board[x][y];
            std::string want = c.isEmpty() ? "KARA_MASU" : 駒画像名(c);
            EXPECT_EQ(imageOn(x, y), want) << x << "," << y;
            EXPECT_EQ(outlineOf(x, y), Screen::boardColour) << x << "," << y;
        }
    EXPECT_EQ(imageOn(7, 1), "UE_OU");
    EXPECT_EQ(imageOn(6, 12), "SITA_OU");
    EXPECT_EQ(imageOn(6, 6), "KARA_MASU");
    EXPECT_EQ(screen().imageAt(cellX(14.2) + 10, cellY(1) + 10), "TITLE");
}

TEST_F(BoardDrawing, LabelsCountColumnsFromTheRightAndRowsInKanji) {
    画面_再描画(s);
    const char* rows[] = {"一", "二", "三", "四", "五",   "六",
                          "七", "八", "九", "十", "十一", "十二"};
    for (int i = 1; i <= 12; ++i) {
        std::string col = std::to_string(13 - i);
        // Shadow first, then the white text, both on the column's patch.
        EXPECT_EQ(screen().textsIn(cellX(i + 0.1), cellY(0.6), 210, 400),
                  (std::vector<std::string>{col, col}))
            << i;
        const ScreenItem* top = textAt(cellX(i + 0.1), cellY(0.6));
        ASSERT_NE(top, nullptr);
        EXPECT_EQ(top->colour, Screen::textWhite);
        EXPECT_TRUE(top->bold);
        const ScreenItem* shadow = textAt(cellX(i + 0.2), cellY(0.7));
        ASSERT_NE(shadow, nullptr);
        EXPECT_EQ(shadow->colour, Screen::textBlack);

        EXPECT_EQ(screen().textsIn(cellX(13.1), cellY(i + 0.3), 210, 400),
                  (std::vector<std::string>{rows[i - 1], rows[i - 1]}))
            << i;
    }
}

TEST_F(BoardDrawing, MidMoveCodeOnTheBoardShowsOnlyAnOutlinedEmptySquare) {
    s.game.Board[5][3] = code::COM_鷲_1;
    s.game.Board[6][3] = code::MAN_獅_B_1;
    描画_盤(s.screen, s.game.Board);
    EXPECT_EQ(imageOn(5, 3), "KARA_MASU");
    EXPECT_EQ(imageOn(6, 3), "KARA_MASU");
    EXPECT_EQ(outlineOf(5, 3), Screen::boardColour);
}

TEST_F(BoardDrawing, RedrawnSquareLosesAGuidanceMark) {
    描画_桝輪郭(s.screen, Screen::textWhite, 4, 4);
    描画_桝(s.screen, 4, 4);
    描画_駒(s.screen, code::MAN_金, 4, 4);
    EXPECT_EQ(outlineOf(4, 4), Screen::boardColour);
    EXPECT_EQ(imageOn(4, 4), "SITA_KIN");
}

TEST_F(BoardDrawing, GridRedrawWipesEveryMarkButKeepsPieces) {
    初期配置(s.game.Board);
    画面_再描画(s);
    描画_桝輪郭(s.screen, Screen::selectColour, 1, 1);
    描画_桝輪郭(s.screen, Screen::textWhite, 12, 12);
    描画_将棋盤桝(s.screen);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(outlineOf(x, y), Screen::boardGridColour);
    EXPECT_EQ(imageOn(1, 1), "UE_SIRO");
}

TEST_F(BoardDrawing, RedrawClearsTheSidePanel) {
    描画_移動結果(s.screen, Screen::comReportX, Screen::comReportY, 3, 4, code::COM_飛_R, 15);
    描画_手数(s.screen, 12, 15, s.game.record);
    ASSERT_FALSE(screen().textsIn(cellX(14), cellY(2), 2000, 4000).empty());
    画面_再描画(s);
    EXPECT_TRUE(screen().textsIn(cellX(14), cellY(2), 2000, 4000).empty());
}

TEST_F(BoardDrawing, RepeatedRedrawsKeepTheDisplayListTheSameSize) {
    初期配置(s.game.Board);
    画面_再描画(s);
    std::size_t once = screen().items().size();
    for (int i = 0; i < 20; ++i) 画面_再描画(s);
    EXPECT_EQ(screen().items().size(), once);
}

TEST_F(BoardDrawing, KanjiNumeralsAndDigits) {
    EXPECT_EQ(漢数字(1), "一");
    EXPECT_EQ(漢数字(10), "十");
    EXPECT_EQ(漢数字(12), "十二");
    EXPECT_EQ(漢数字(0), "");
    EXPECT_EQ(漢数字(13), "");
    描画_数値(s.screen, 2, 2, 13, 15, 1, 10);  // no numeral: nothing drawn
    EXPECT_TRUE(allTexts().empty());
    描画_数値(s.screen, 2, 2, 123, 15, 0, 10);
    EXPECT_EQ(allTexts(), std::vector<std::string>{"123"});
}

}  // namespace
}  // namespace zk::test
