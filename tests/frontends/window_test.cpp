// The real window on Qt's offscreen platform: what a user would see.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "board_view.h"
#include "main_window.h"
#include "screenshot.h"
#include "state.h"

namespace {

using zkqt::MainWindow;

// Ink pixels (the letters of a piece) in the middle of square (x, y).
int darkPixelsOnSquare(const QImage& img, const zkqt::BoardView& v, QPoint viewOrigin, int x,
                       int y) {
    const QRect sq = v.toPixels(QRect(zk::Screen::originX + x * zk::Screen::squareWidth,
                                      zk::Screen::originY + y * zk::Screen::squareHeight,
                                      zk::Screen::squareWidth, zk::Screen::squareHeight));
    const QRect inner =
        sq.adjusted(sq.width() / 4, sq.height() / 4, -sq.width() / 4, -sq.height() / 4)
            .translated(viewOrigin);
    int dark = 0;
    for (int py = inner.top(); py <= inner.bottom(); ++py)
        for (int px = inner.left(); px <= inner.right(); ++px) {
            // Black or red lettering; the wood and its grain are light and yellow.
            const QColor c = img.pixelColor(px, py);
            if (c.lightness() < 90 || (c.red() > 140 && c.green() < 90 && c.blue() < 90)) ++dark;
        }
    return dark;
}

int whitePixelsIn(const QImage& img, QRect r) {
    int n = 0;
    for (int py = r.top(); py <= r.bottom(); ++py)
        for (int px = r.left(); px <= r.right(); ++px)
            if (img.pixelColor(px, py).lightness() > 230) ++n;
    return n;
}

void expectWholePicture(MainWindow& w) {
    QApplication::processEvents();
    const QImage img = zkqt::grabWindow(w);
    ASSERT_FALSE(img.isNull());
    const zkqt::BoardView& v = *w.view();
    const QPoint origin = v.mapTo(&w, QPoint(0, 0));
    const zk::State& s = w.state();
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const int dark = darkPixelsOnSquare(img, v, origin, x, y);
            if (s.game.Board[x][y].isEmpty())
                EXPECT_EQ(dark, 0) << "empty square " << x << "," << y << " shows letters";
            else
                EXPECT_GT(dark, 3) << "piece on " << x << "," << y << " not shown";
        }
    // Column labels above the board and row labels to its right are white text.
    const QRect top = v.toPixels(QRect(710, 0, 6120, 290)).translated(origin);
    const QRect right = v.toPixels(QRect(6850, 300, 400, 7200)).translated(origin);
    EXPECT_GT(whitePixelsIn(img, top), 20);
    EXPECT_GT(whitePixelsIn(img, right), 20);
    // The background around the board is the green of the board colour.
    const QColor corner =
        img.pixelColor(v.toPixels(QRect(300, 7700, 10, 10)).translated(origin).center());
    EXPECT_EQ(corner, QColor(0, 128, 0));
}

TEST(Window, ShowsTheInitialPositionAndKeepsItWholeWhenResized) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Zenkoru"));
    expectWholePicture(w);
    w.resize(w.width() * 2, w.height() * 2);
    expectWholePicture(w);
}

TEST(Window, MenuBarHasEveryEntryInOrder) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    QStringList captions;
    for (QAction* a : w.menuBar()->actions()) captions << a->text();
    EXPECT_EQ(captions, (QStringList{"対局", "局面", "戻", "進", "△", "▽", "棋譜", "ｵﾌﾟｼｮﾝ",
                                     "移動ﾍﾙﾌﾟ", "ヒント", "その他"}));
    QStringList levels;
    for (QAction* a : w.action("LEVEL")->menu()->actions()) levels << a->text();
    EXPECT_EQ(levels, (QStringList{"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "思考時間"}));
    QStringList times;
    for (QAction* a : w.action("THINK")->menu()->actions())
        times << a->text() + (a->isChecked() ? "*" : "");
    EXPECT_EQ(times, (QStringList{"1秒", "5秒*", "15秒"}));
    ASSERT_NE(w.action("LEVEL3"), nullptr);
    EXPECT_TRUE(w.action("LEVEL3")->isChecked());
    EXPECT_FALSE(w.action("LEVEL1")->isChecked());
}

TEST(Window, EscapeEndsTheProgramAfterFreeingTheSounds) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    QTest::keyClick(&w, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.state().sounds.soundPiece, 0);
    EXPECT_EQ(w.state().sounds.soundBgm, 0);
    EXPECT_EQ(w.state().sounds.soundLibraryHandle, 0);
}

TEST(Window, ClosingEndsTheProgramAfterFreeingTheSounds) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    w.close();
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.state().sounds.soundOther, 0);
    EXPECT_EQ(w.state().sounds.soundLibraryHandle, 0);
}

// A logout or `kill` ends the program as Esc does, also while a box is open.
TEST(Window, TerminationSignalsEndTheProgramAsEscapeDoes) {
    for (int sig : {SIGTERM, SIGINT, SIGTERM}) {
        MainWindow w;
        w.show();
        w.start();
        ASSERT_NE(w.state().sounds.soundLibraryHandle, 0);
        ::raise(sig);
        for (int i = 0; i < 200 && w.isVisible(); ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_FALSE(w.isVisible()) << sig;
        EXPECT_EQ(w.state().sounds.soundPiece, 0);
        EXPECT_EQ(w.state().sounds.soundLibraryHandle, 0);
    }

    MainWindow w;
    w.show();
    w.start();
    QObject scope;  // no timer outlives the test
    QTimer::singleShot(50, &scope, [] { ::raise(SIGTERM); });
    // Should the signal not close the box, this does, and the check fails.
    QTimer::singleShot(5000, &scope, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    zkqt::pressSquare(w, 5, 9);  // "「対局」で始めて下さい" waits for OK
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.state().sounds.soundLibraryHandle, 0);
}

// A signal while start-up waits on a box (a sound file that is a folder)
// still ends the program, although its event loop has not begun yet.
TEST(Window, ASignalDuringTheStartUpBoxEndsTheProgram) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("禁止.wav")));
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    QStringList seen;
    QObject scope;  // no timer outlives the test
    {
        MainWindow w;
        w.show();
        QTimer::singleShot(50, &scope, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                seen << box->windowTitle() + QLatin1Char('|') + box->text();
            ::raise(SIGTERM);
        });
        QTimer::singleShot(5000, &scope, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        w.start();
        EXPECT_FALSE(w.isVisible());
        // What main() does next: the event loop must end at once.
        QTimer::singleShot(5000, &scope, [] { QApplication::exit(1); });
        EXPECT_EQ(QApplication::exec(), 0) << "the program's quit was lost";
    }
    QDir::setCurrent(old);
    EXPECT_EQ(seen, QStringList{"ｻｳﾝﾄﾞ|ｻｳﾝﾄﾞﾌｧｲﾙ「禁止.wav」を読み込めません（ﾌｫﾙﾀﾞです）\r\n"
                                "この音なしで続けます"});
}

}  // namespace
