#include "display_fixture.h"
#include "move_check.h"

namespace zk::test {
namespace {

using PieceMove = DisplayTest;
using ReachMarks = DisplayTest;

TEST_F(PieceMove, MovesThePieceOnBoardAndScreen) {
    初期配置(s.Board);
    画面_再描画(s);
    描画_桝輪郭(s, State::textWhite, 3, 8);  // a guidance mark left from the selection
    駒移動(s, 3, 9, 3, 8, code::MAN_と);
    EXPECT_EQ(s.Board[3][9], 0);
    EXPECT_EQ(s.Board[3][8], code::MAN_と);
    EXPECT_EQ(imageOn(3, 9), "KARA_MASU");
    EXPECT_EQ(imageOn(3, 8), "SITA_TO");
    EXPECT_EQ(outlineOf(3, 8), State::boardColour);
    EXPECT_EQ(outlineOf(3, 9), State::boardColour);
}

TEST_F(PieceMove, OnlyTheTwoSquaresAreLeftToRepaint) {
    初期配置(s.Board);
    画面_再描画(s);
    // The column numbers' text boxes reach into row 1, so the first wipe
    // after a repaint puts row 1's outlines back on top of them.
    描画_将棋盤桝(s);
    描画_桝輪郭(s, State::textWhite, 3, 8);
    screen().takeDirty();
    駒移動(s, 3, 9, 3, 8, code::MAN_と);
    EXPECT_EQ(screen().takeDirty(),
              (TwipRect{cellX(3), cellY(8), State::squareWidth, 2 * State::squareHeight}));
    // Wiping marks from a board that has none changes nothing.
    const auto generation = screen().generation();
    描画_将棋盤桝(s);
    EXPECT_EQ(screen().generation(), generation);
    EXPECT_TRUE(screen().dirty().empty());
}

TEST_F(PieceMove, CaptureOverwritesAndPromotionWritesTheGivenCode) {
    s.Board[5][5] = code::MAN_と;
    s.Board[5][4] = code::COM_金;
    描画_盤(s);
    駒移動(s, 5, 5, 5, 4, code::MAN_歩);
    EXPECT_EQ(s.Board[5][4], code::MAN_歩);
    EXPECT_EQ(s.Board[5][5], 0);
    EXPECT_EQ(imageOn(5, 4), "SITA_HU");
}

TEST_F(PieceMove, MoveOntoItsOwnSquareKeepsThePiece) {
    s.Board[6][6] = code::COM_獅_B;
    駒移動(s, 6, 6, 6, 6, code::COM_獅_B);
    EXPECT_EQ(s.Board[6][6], code::COM_獅_B);
    EXPECT_EQ(imageOn(6, 6), "UE_SISI_B");
}

TEST_F(PieceMove, WipesTheMarksOfTheMovingPiece) {
    s.Board[6][6] = code::MAN_獅_B;
    描画_移動可能桝色(s, 6, 6, State::textWhite, code::MAN_獅_B);
    ASSERT_EQ(outlineOf(6, 4), State::textWhite);
    駒移動(s, 6, 6, 6, 5, code::MAN_獅_B);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(outlineOf(x, y), State::boardGridColour);
}

TEST_F(ReachMarks, LionShowsItsRangeAndRedFirstSteps) {
    s.Board[6][6] = code::MAN_獅_B;
    描画_移動可能桝色(s, 6, 6, State::textWhite, code::MAN_獅_B);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            int dx = std::abs(x - 6), dy = std::abs(y - 6);
            int want = State::boardGridColour;
            if (dx <= 1 && dy <= 1 && (dx || dy))
                want = State::selectColour;
            else if (dx <= 2 && dy <= 2 && (dx || dy))
                want = State::textWhite;
            EXPECT_EQ(outlineOf(x, y), want) << x << "," << y;
        }
}

TEST_F(ReachMarks, GridColourOnlyErasesAndShowsNoRedMarks) {
    s.Board[6][6] = code::MAN_獅_B;
    描画_移動可能桝色(s, 6, 6, State::textWhite, code::MAN_獅_B);
    描画_移動可能桝色(s, 6, 6, State::boardGridColour, code::MAN_獅_B);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(outlineOf(x, y), State::boardGridColour);
    描画_移動可能桝色(s, 0, 0, State::boardGridColour, code::EMPTY);
    EXPECT_EQ(outlineOf(1, 1), State::boardGridColour);
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
        s.Board = {};
        s.Board[k.x][k.y] = k.piece;
        screen().clear();
        描画_移動可能桝色(s, k.x, k.y, State::textWhite, k.piece);
        std::vector<std::pair<int, int>> red;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y)
                if (outlineOf(x, y) == State::selectColour) red.push_back({x, y});
        EXPECT_EQ(red, k.red) << k.piece.tenths();
    }
}

TEST_F(ReachMarks, MarksFollowTheMoveCheck) {
    初期配置(s.Board);
    画面_再描画(s);
    s.Board[5][5] = code::MAN_と;
    描画_移動可能桝色(s, 5, 5, State::textWhite, code::MAN_と);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            bool reach = moveCheck(s.Board, lionHistoryOf(s.record, s.record.recordCount),
                                   s.moveStep == 2, 5, 5, x, y, code::MAN_と) == 1;
            EXPECT_EQ(outlineOf(x, y) == 15, reach) << x << "," << y;
        }
}

TEST_F(PieceMove, DisplayListStaysBoundedOverALongGame) {
    初期配置(s.Board);
    画面_再描画(s);
    描画_手数(s, 0, 15);
    const std::size_t start = screen().items().size();
    for (int i = 0; i < 500; ++i) {
        描画_移動結果(s, State::comReportX, State::comReportY, 1 + i % 12, 1 + (i / 12) % 12,
                      PieceCode(1 + i % 39), 15);
        描画_移動結果(s, State::manReportX, State::manReportY, 12 - i % 12, 12 - (i / 7) % 12,
                      PieceCode(-(1 + i % 39)), 15);
        描画_手数(s, i + 1, 15);
    }
    // A lion walking round the empty middle rows.
    s.Board[1][6] = code::MAN_獅_B;
    int x = 1, y = 6;
    for (int i = 0; i < 500; ++i) {
        int nx = x == 12 ? 1 : x + 1, ny = y == 6 ? 7 : 6;
        描画_移動可能桝色(s, x, y, State::textWhite, code::MAN_獅_B);
        描画_桝輪郭(s, State::selectColour, x, y);
        駒移動(s, x, y, nx, ny, code::MAN_獅_B);
        描画_駒点滅(s, code::MAN_獅_B, nx, ny, 1);
        x = nx;
        y = ny;
    }
    EXPECT_LE(screen().items().size(), start + 40);
}

}  // namespace
}  // namespace zk::test
