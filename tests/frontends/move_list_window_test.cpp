// 棋譜一覧 in the real window: its rows follow the game, a click goes to a
// move, it hides without shrinking the board, and the 棋譜 menu's SFEN/USI
// entries go through the window's file dialog and clipboard.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QTemporaryDir>

#include "board_view.h"
#include "main_window.h"
#include "move_list_panel.h"
#include "screenshot.h"
#include "state.h"
#include "window_actions.h"

namespace {

using zkqt::MainWindow;
using zkqt::trigger;

TEST(MoveListWindow, FollowsTheGameGoesToAClickedMoveAndSharesIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MainWindow w(true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    QApplication::processEvents();
    trigger(w, "START");
    // A pawn each, the lion's two steps, a pawn.
    for (auto [x, y] :
         {std::pair{6, 9}, {6, 8}, {6, 4}, {6, 5}, {6, 10}, {6, 9}, {7, 8}, {1, 4}, {1, 5}}) {
        zkqt::pressSquare(w, x, y);
        QApplication::processEvents();
    }
    const zkqt::MoveListPanel* panel = w.moveList();
    const QStringList rows = panel->rows();
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0], QStringLiteral("   0 開始局面"));
    EXPECT_EQ(rows[3], QStringLiteral("   3 ▲７九・６八獅"));
    EXPECT_EQ(panel->list()->currentRow(), 4);

    zkqt::clickMoveListRow(w, 1);
    QApplication::processEvents();
    EXPECT_EQ(w.state().game.record.recordCount, 1);
    EXPECT_EQ(panel->list()->currentRow(), 1);
    EXPECT_EQ(panel->rows(), rows);  // the moves ahead stay listed for 進

    // Hidden from the 棋譜 menu, the window narrows and the board keeps its size.
    const QSize board = w.view()->size();
    const int width = w.width();
    panel->toggleViewAction()->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_LT(w.width(), width);
    EXPECT_EQ(w.view()->size(), board);

    panel->toggleViewAction()->trigger();
    QApplication::processEvents();
    EXPECT_EQ(w.width(), width);
    EXPECT_EQ(w.view()->size(), board);

    trigger(w, "SFEN_COPY");
    // One move on the board: the top side plays the second.
    EXPECT_TRUE(QApplication::clipboard()->text().endsWith(QStringLiteral(" w - 2")));

    const QString file = dir.filePath(QStringLiteral("game.usi"));
    w.presetFileName(file);
    trigger(w, "SFEN_WRITE");
    trigger(w, "CANCEL");
    EXPECT_EQ(panel->rows(), QStringList{QStringLiteral("   0 開始局面")});
    w.presetFileName(file);
    trigger(w, "SFEN_READ");
    EXPECT_EQ(w.state().game.recordMode, zk::Game::flagOn);
    EXPECT_EQ(panel->rows(), rows);
    EXPECT_EQ(panel->list()->currentRow(), 4);
}

}  // namespace
