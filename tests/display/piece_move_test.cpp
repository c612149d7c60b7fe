#include "display_fixture.h"
#include "move_check.h"

namespace zk::test {
namespace {

using PieceMove = DisplayTest;
using ReachMarks = DisplayTest;

TEST_F(PieceMove, MovesThePieceOnBoardAndScreen) {
    初期配置(s.game.Board);
    画面_再描画(s);
    描画_桝輪郭(s.screen, Screen::textWhite, 3, 8);  // a guidance mark left from the selection
    駒移動(s, 3, 9, 3, 8, code::MAN_と);
    EXPECT_EQ(s.game.Board[3][9], 0);
    EXPECT_EQ(s.game.Board[3][8], code::MAN_と);
    EXPECT_EQ(imageOn(3, 9), "KARA_MASU");
    EXPECT_EQ(imageOn(3, 8), "SITA_TO");
    EXPECT_EQ(outlineOf(3, 8), Screen::boardColour);
    EXPECT_EQ(outlineOf(3, 9), Screen::boardColour);
}

TEST_F(PieceMove, OnlyTheTwoSquaresAreLeftToRepaint) {
    初期配置(s.game.Board);
    画面_再描画(s);
    // The column numbers' text boxes reach into row 1, so the first wipe
    // after a repaint puts row 1's outlines back on top of them.
    描画_将棋盤桝(s.screen);
    描画_桝輪郭(s.screen, Screen::textWhite, 3, 8);
    screen().takeDirty();
    駒移動(s, 3, 9, 3, 8, code::MAN_と);
    EXPECT_EQ(screen().takeDirty(),
              (TwipRect{cellX(3), cellY(8), Screen::squareWidth, 2 * Screen::squareHeight}));
    // Wiping marks from a board that has none changes nothing.
    const auto generation = screen().generation();
    描画_将棋盤桝(s.screen);
    EXPECT_EQ(screen().generation(), generation);
    EXPECT_TRUE(screen().dirty().empty());
}

TEST_F(PieceMove, CaptureOverwritesAndPromotionWritesTheGivenCode) {
    s.game.Board[5][5] = code::MAN_と;
    s.game.Board[5][4] = code::COM_金;
    描画_盤(s.screen, s.game.Board);
    駒移動(s, 5, 5, 5, 4, code::MAN_歩);
    EXPECT_EQ(s.game.Board[5][4], code::MAN_歩);
    EXPECT_EQ(s.game.Board[5][5], 0);
    EXPECT_EQ(imageOn(5, 4), "SITA_HU");
}

TEST_F(PieceMove, MoveOntoItsOwnSquareKeepsThePiece) {
    s.game.Board[6][6] = code::COM_獅_B;
    駒移動(s, 6, 6, 6, 6, code::COM_獅_B);
    EXPECT_EQ(s.game.Board[6][6], code::COM_獅_B);
    EXPECT_EQ(imageOn(6, 6), "UE_SISI_B");
}

TEST_F(PieceMove, WipesTheMarksOfTheMovingPiece) {
    s.game.Board[6][6] = code::MAN_獅_B;
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, 6, 6, Screen::textWhite,
                      code::MAN_獅_B);
    ASSERT_EQ(outlineOf(6, 4), Screen::textWhite);
    駒移動(s, 6, 6, 6, 5, code::MAN_獅_B);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(outlineOf(x, y), Screen::boardGridColour);
}

TEST_F(ReachMarks, LionShowsItsRangeAndRedFirstSteps) {
    s.game.Board[6][6] = code::MAN_獅_B;
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, 6, 6, Screen::textWhite,
                      code::MAN_獅_B);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            int dx = std::abs(x - 6), dy = std::abs(y - 6);
            int want = Screen::boardGridColour;
            if (dx <= 1 && dy <= 1 && (dx || dy))
                want = Screen::selectColour;
            else if (dx <= 2 && dy <= 2 && (dx || dy))
                want = Screen::textWhite;
            EXPECT_EQ(outlineOf(x, y), want) << x << "," << y;
        }
}

TEST_F(ReachMarks, GridColourOnlyErasesAndShowsNoRedMarks) {
    s.game.Board[6][6] = code::MAN_獅_B;
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, 6, 6, Screen::textWhite,
                      code::MAN_獅_B);
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, 6, 6,
                      Screen::boardGridColour, code::MAN_獅_B);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(outlineOf(x, y), Screen::boardGridColour);
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, 0, 0,
                      Screen::boardGridColour, code::EMPTY);
    EXPECT_EQ(outlineOf(1, 1), Screen::boardGridColour);
}

TEST_F(ReachMarks, TwoStepStopsOfEagleAndFalcon) {
    struct Case {
        PieceCode piece;
        int x, y;
        std::vector<std::pair<int, int>> red;
    };
    const std::vector<Case> cases = {
        {code::COM_鷲, 5, 3, {{4, 4}, {6, 4}}},
        {code::MAN_鷲, 5, 10, {{4, 9}, {6, 9}}},
        {code::COM_鷹, 4, 3, {{4, 4}}},
        {code::MAN_鷹, 4, 10, {{4, 9}}},
        {code::MAN_飛_B, 4, 10, {}},
    };
    for (const Case& k : cases) {
        s.game.Board = {};
        s.game.Board[k.x][k.y] = k.piece;
        screen().clear();
        描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, k.x, k.y,
                          Screen::textWhite, k.piece);
        std::vector<std::pair<int, int>> red;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y)
                if (outlineOf(x, y) == Screen::selectColour) red.push_back({x, y});
        EXPECT_EQ(red, k.red) << k.piece.tenths();
    }
}

TEST_F(ReachMarks, MarksFollowTheMoveCheck) {
    初期配置(s.game.Board);
    画面_再描画(s);
    s.game.Board[5][5] = code::MAN_と;
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, 5, 5, Screen::textWhite,
                      code::MAN_と);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            bool reach =
                moveCheck(s.game.Board, lionHistoryOf(s.game.record, s.game.record.recordCount),
                          s.press.moveStep == 2, 5, 5, x, y, code::MAN_と) == 1;
            EXPECT_EQ(outlineOf(x, y) == 15, reach) << x << "," << y;
        }
}

TEST_F(PieceMove, DisplayListStaysBoundedOverALongGame) {
    初期配置(s.game.Board);
    画面_再描画(s);
    描画_手数(s.screen, 0, 15, s.game.record);
    const std::size_t start = screen().items().size();
    for (int i = 0; i < 500; ++i) {
        描画_移動結果(s.screen, Screen::comReportX, Screen::comReportY, 1 + i % 12,
                      1 + (i / 12) % 12, PieceCode(1 + i % 39), 15);
        描画_移動結果(s.screen, Screen::manReportX, Screen::manReportY, 12 - i % 12,
                      12 - (i / 7) % 12, PieceCode(-(1 + i % 39)), 15);
        描画_手数(s.screen, i + 1, 15, s.game.record);
    }
    // A lion walking round the empty middle rows.
    s.game.Board[1][6] = code::MAN_獅_B;
    int x = 1, y = 6;
    for (int i = 0; i < 500; ++i) {
        int nx = x == 12 ? 1 : x + 1, ny = y == 6 ? 7 : 6;
        描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, x, y, Screen::textWhite,
                          code::MAN_獅_B);
        描画_桝輪郭(s.screen, Screen::selectColour, x, y);
        駒移動(s, x, y, nx, ny, code::MAN_獅_B);
        描画_駒点滅(s.screen, code::MAN_獅_B, nx, ny, 1);
        x = nx;
        y = ny;
    }
    EXPECT_LE(screen().items().size(), start + 40);
}

}  // namespace
}  // namespace zk::test
