// Saving a game through the window's file panel and loading it again.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "board_view.h"
#include "main_window.h"
#include "screenshot.h"
#include "state.h"
#include "window_actions.h"

namespace {

using zkqt::MainWindow;
using zkqt::trigger;

TEST(RecordWindow, SavesThroughTheFilePanelAndLoadsTheFileAgain) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    w.setDirPath(dir.path());
    w.setFilePath(dir.path());

    trigger(w, "START");
    zkqt::pressSquare(w, 5, 9);
    zkqt::pressSquare(w, 5, 8);
    zkqt::pressSquare(w, 8, 4);
    zkqt::pressSquare(w, 8, 5);
    ASSERT_EQ(w.state().game.record.recordEnd, 2);

    trigger(w, "KIFU_WRITE");
    EXPECT_TRUE(w.text1()->isVisible());
    EXPECT_TRUE(w.dir1()->isVisible());
    EXPECT_FALSE(w.file1()->isVisible());
    w.text1()->setText(QStringLiteral("対局一"));
    QTest::mouseClick(w.command1(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(answerer.seen.contains(QStringLiteral("  |棋譜を書き込みました")));
    QFile saved(dir.filePath(QStringLiteral("対局一.棋譜")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("\r\n\r\n\r\n"
                                          " 5 9 5 8 -2 -2  0\r\n"
                                          " 8 4 8 5  2  2  0\r\n"));

    trigger(w, "KIFU_READ");
    ASSERT_TRUE(w.file1()->isVisible());
    const auto items = w.file1()->findItems(QStringLiteral("対局一.棋譜"), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    const QRect r = w.file1()->visualItemRect(items.first());
    QTest::mouseClick(w.file1()->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QApplication::processEvents();
    EXPECT_TRUE(answerer.seen.contains(QStringLiteral("棋譜| 読み込みました")));
    const zk::State& s = w.state();
    EXPECT_EQ(s.game.recordMode, zk::Game::flagOn);
    EXPECT_EQ(s.game.record.recordEnd, 2);
    EXPECT_EQ(s.game.Board[5][9], zk::code::MAN_と);  // back at the start, ready for 進

    trigger(w, "AFTER");
    trigger(w, "AFTER");
    EXPECT_EQ(s.game.Board[5][8], zk::code::MAN_と);
    EXPECT_EQ(s.game.Board[8][5], zk::code::COM_と);
    EXPECT_EQ(s.game.moveCount, 2);
}

}  // namespace
