#include <set>

#include "display_fixture.h"

namespace zk::test {
namespace {

using PieceDrawing = DisplayTest;

TEST(PieceFaces, EachCodeAndSideHasItsOwnFace) {
    struct Case {
        int code;
        const char* face;
    };
    for (const Case& k : std::vector<Case>{{1, "UE_HU"},
                                           {-1, "SITA_HU"},
                                           {6, "UE_YOKO_R"},
                                           {7, "UE_YOKO_B"},
                                           {-10, "SITA_TATE_R"},
                                           {-11, "SITA_TATE_B"},
                                           {14, "UE_SYA_R"},
                                           {-15, "SITA_SYA_B"},
                                           {18, "UE_WASI"},
                                           {-24, "SITA_TAKA"},
                                           {29, "UE_KUJIRA"},
                                           {-33, "SITA_SISI_R"},
                                           {34, "UE_SISI_B"},
                                           {-36, "SITA_ZOU_R"},
                                           {38, "UE_TAISI"},
                                           {-39, "SITA_OU"}})
        EXPECT_EQ(駒画像名(PieceCode(k.code)), k.face) << k.code;

    std::set<std::string> faces;
    for (int k = 1; k <= 39; ++k) {
        faces.insert(駒画像名(PieceCode(k)));
        faces.insert(駒画像名(PieceCode(-k)));
    }
    EXPECT_EQ(faces.size(), 78u);
}

TEST(PieceFaces, EmptyAndMidMoveCodesHaveNoFace) {
    for (PieceCode c : {code::EMPTY, code::COM_鷲_1, code::COM_鷲_2, code::MAN_鷹_1,
                        code::COM_獅_R_1, code::MAN_獅_B_1, PieceCode(40), PieceCode(-40)})
        EXPECT_EQ(駒画像名(c), "") << c.tenths();
}

TEST_F(PieceDrawing, PieceIsPaintedAndOutlinedInTheBoardColour) {
    描画_桝輪郭(s.screen, Screen::selectColour, 3, 9);
    描画_駒(s.screen, code::MAN_と, 3, 9);
    EXPECT_EQ(imageOn(3, 9), "SITA_TO");
    EXPECT_EQ(outlineOf(3, 9), Screen::boardColour);
}

TEST_F(PieceDrawing, CodeWithoutFaceKeepsWhatWasThereAndOutlines) {
    描画_桝(s.screen, 5, 5);
    描画_桝輪郭(s.screen, Screen::selectColour, 5, 5);
    描画_駒(s.screen, code::COM_鷹_1, 5, 5);
    EXPECT_EQ(imageOn(5, 5), "KARA_MASU");
    EXPECT_EQ(outlineOf(5, 5), Screen::boardColour);
}

// Remembers what square (x, y) showed at every flush.
class FlushRecorder : public HeadlessPlatform {
public:
    void flush() override {
        HeadlessPlatform::flush();
        shown.push_back(screen().imageAt(cellX(x) + 5, cellY(y) + 5));
        outlines.push_back(
            screen().outlineColour(cellX(x), cellY(y), Screen::squareWidth, Screen::squareHeight));
        times.push_back(now);
    }
    int x = 0, y = 0;
    std::vector<std::string> shown;
    std::vector<int> outlines;
    std::vector<double> times;
};

TEST(PieceBlink, AlternatesEmptyAndPieceEveryQuarterSecond) {
    FlushRecorder ui;
    State s;
    s.screen.ui = &ui;
    ui.x = 4;
    ui.y = 10;
    double start = ui.now;
    描画_駒点滅(s.screen, code::COM_龍_R, 4, 10, 2);
    EXPECT_EQ(ui.shown,
              (std::vector<std::string>{"KARA_MASU", "UE_RYUU_R", "KARA_MASU", "UE_RYUU_R"}));
    EXPECT_EQ(ui.outlines, std::vector<int>(4, Screen::boardColour));
    ASSERT_EQ(ui.times.size(), 4u);
    EXPECT_NEAR(ui.times[0], start, 1e-9);
    EXPECT_NEAR(ui.times[1] - ui.times[0], 0.25, 1e-6);
    EXPECT_NEAR(ui.now - start, 1.0, 1e-6);
}

TEST(PieceBlink, MidMoveCodeShowsAnEmptyOutlinedSquareTwicePerRound) {
    FlushRecorder ui;
    State s;
    s.screen.ui = &ui;
    ui.x = 7;
    ui.y = 3;
    ui.screen().image(cellX(7), cellY(3), "UE_SISI_B");
    描画_駒点滅(s.screen, code::COM_獅_B_1, 7, 3, 1);
    EXPECT_EQ(ui.shown, (std::vector<std::string>{"KARA_MASU", "KARA_MASU"}));
    EXPECT_EQ(ui.outlines, std::vector<int>(2, Screen::boardColour));
}

TEST_F(PieceDrawing, BlinkCountZeroDrawsNothingAndDoesNotWait) {
    初期配置(s.game.Board);
    画面_再描画(s);
    auto before = screen().generation();
    double t = ui.now;
    描画_駒点滅(s.screen, code::COM_王, 7, 1, 0);
    EXPECT_EQ(screen().generation(), before);
    EXPECT_EQ(ui.flushes, 0);
    EXPECT_EQ(ui.now, t);
}

TEST_F(PieceDrawing, WaitEndsOnTimeAcrossMidnight) {
    for (double start : {1000.0, 86399.9, 86399.999}) {
        ui.now = start;
        待ち時間(s.screen, 0.25);
        EXPECT_GE(ui.now - start, 0.25 - 1e-6) << start;
        EXPECT_LE(ui.now - start, 0.25 + 0.011) << start;
    }
    ui.now = 5;
    待ち時間(s.screen, 0);
    EXPECT_EQ(ui.now, 5);
}

// A clock whose sleeps overshoot: the wait still ends after one late slice.
class LateSleeper : public HeadlessPlatform {
public:
    void sleepSeconds(double seconds) override {
        ++sleeps;
        largest = std::max(largest, seconds);
        now += seconds * 1.5;
    }
    int sleeps = 0;
    double largest = 0;
};

TEST(Wait, SleepsInShortSlices) {
    LateSleeper ui;
    State s;
    s.screen.ui = &ui;
    double start = ui.now;
    待ち時間(s.screen, 0.25);
    EXPECT_LE(ui.largest, 0.01 + 1e-12);
    EXPECT_LE(ui.now - start, 0.25 + 0.015);
    EXPECT_GE(ui.now - start, 0.25);
}

}  // namespace
}  // namespace zk::test
