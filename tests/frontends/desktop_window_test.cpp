// The window as a desktop program: its size on the screen, letters that are
// antialiased at any size, images held for one size only, and no game lost
// when the program ends in the middle of one.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "board_view.h"
#include "main_window.h"
#include "move_list_panel.h"
#include "screenshot.h"
#include "state.h"
#include "window_actions.h"

namespace {

using zkqt::MainWindow;
using zkqt::trigger;

// Pixels of the middle of square (x, y) that are fully inked, and those
// partly inked (the soft edge of an antialiased letter).
void inkOnSquare(MainWindow& w, int x, int y, int& full, int& partial) {
    const QImage img = zkqt::grabWindow(w);
    const zkqt::BoardView& v = *w.view();
    const QRect sq = v.toPixels(QRect(zk::Screen::originX + x * zk::Screen::squareWidth,
                                      zk::Screen::originY + y * zk::Screen::squareHeight,
                                      zk::Screen::squareWidth, zk::Screen::squareHeight))
                         .translated(v.mapTo(&w, QPoint(0, 0)));
    const QRect inner =
        sq.adjusted(sq.width() / 5, sq.height() / 5, -sq.width() / 5, -sq.height() / 5);
    full = partial = 0;
    for (int py = inner.top(); py <= inner.bottom(); ++py)
        for (int px = inner.left(); px <= inner.right(); ++px) {
            const int l = img.pixelColor(px, py).lightness();
            if (l < 40)
                ++full;
            else if (l < 130)
                ++partial;
        }
}

TEST(DesktopWindow, OpensAtFourFifthsOfTheScreenInTheBoardsProportions) {
    MainWindow w;
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(w.height(), avail.height() * 0.8, avail.height() * 0.02);
    const QSize view = MainWindow::defaultViewSize(w.menuBar()->sizeHint().height());
    EXPECT_NEAR(double(view.width()) / view.height(), 9400.0 / 8500.0, 0.01);
}

TEST(DesktopWindow, LettersAreAntialiasedAndImagesAreHeldForOneSizeOnly) {
    MainWindow w(true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    // The sizes are the board's own: 棋譜一覧 takes none of them.
    w.moveList()->toggleViewAction()->trigger();
    int held = -1;
    for (int step : {0, 1, 2, 3, 4, 5, 6, 7, 0}) {
        w.resize(700 + 90 * step, 650 + 80 * step);
        QApplication::processEvents();
        int full = 0, partial = 0;
        inkOnSquare(w, 6, 12, full, partial);  // 王将, black letters
        EXPECT_GT(full, 3) << w.size().width();
        EXPECT_GT(partial, full / 3) << "hard-edged letters at width " << w.size().width();
        if (held < 0) held = w.view()->cachedImages();
    }
    // Back at the first size, only its own images are held.
    EXPECT_EQ(w.view()->cachedImages(), held);
    EXPECT_GT(held, 10);
}

TEST(DesktopWindow, WithoutSoundItSaysSoOnceOverThePaintedBoard) {
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    MainWindow w(true);
    w.show();
    // When the box opens the board must already be on the screen.
    QStringList boxes;
    int piecesShown = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        boxes << box->text();
        if (piecesShown < 0) {
            int full = 0, partial = 0;
            inkOnSquare(w, 6, 12, full, partial);
            piecesShown = full + partial;
        }
        box->buttons().first()->click();
    });
    poll.start(20);
    w.start();
    EXPECT_EQ(boxes, QStringList{QStringLiteral("Direct Soundインターフェースが作成できません。")});
    EXPECT_GT(piecesShown, 10);

    // Loading a record starts the program again but does not ask again.
    QTemporaryDir dir;
    QFile record(dir.filePath(QStringLiteral("a.棋譜")));
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.write("\r\n\r\n\r\n 5 9 5 8 -2 -2  0\r\n");
    record.close();
    w.setDirPath(dir.path());
    w.setFilePath(dir.path());
    trigger(w, "KIFU_READ");
    const auto items = w.file1()->findItems(QStringLiteral("a.棋譜"), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(w.file1()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      w.file1()->visualItemRect(items.first()).center());
    QApplication::processEvents();
    EXPECT_EQ(w.state().game.recordMode, zk::Game::flagOn);
    EXPECT_EQ(boxes.count(QStringLiteral("Direct Soundインターフェースが作成できません。")), 1);
    qputenv("SDL_AUDIODRIVER", driver);
}

TEST(DesktopWindow, EscInTheMiddleOfAGameLeavesItsRecordInTheDataFolder) {
    zk::BoardGrid board;
    QString file;
    {
        MainWindow w(true);
        zkqt::BoxAnswerer answerer;
        w.show();
        w.start();
        trigger(w, "SENTE");
        zkqt::pressSquare(w, 5, 9);
        zkqt::pressSquare(w, 5, 8);
        zkqt::pressSquare(w, 3, 9);
        zkqt::pressSquare(w, 3, 8);
        QApplication::processEvents();
        ASSERT_EQ(w.state().game.record.recordEnd, 4);  // two moves each
        board = w.state().game.Board;
        QTest::keyClick(&w, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(w.isVisible());
        file = QString::fromStdString(w.state().game.savedGame.file);
    }
    const QFileInfo info(file);
    EXPECT_EQ(info.absolutePath(), qEnvironmentVariable("XDG_DATA_HOME") + "/zenkoru/棋譜");
    EXPECT_TRUE(info.fileName().endsWith(QStringLiteral("_先手-COM.棋譜"))) << file.toStdString();
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().count("\r\n"), 3 + 4);

    // Offered by the file panel and loaded back to the same position.
    MainWindow w(true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    const int place = w.drive1()->findText(info.absolutePath());
    ASSERT_GE(place, 0);
    trigger(w, "KIFU_READ");
    w.drive1()->setCurrentIndex(place);
    QApplication::processEvents();
    const auto items = w.file1()->findItems(info.fileName(), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    QTest::mouseClick(w.file1()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      w.file1()->visualItemRect(items.first()).center());
    QApplication::processEvents();
    for (int i = 0; i < 4; ++i) trigger(w, "AFTER");
    EXPECT_EQ(w.state().game.Board, board);
}

}  // namespace
