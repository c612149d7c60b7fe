// LEVEL4 in the real window: the search runs on a worker thread while the
// window goes on painting and answering, its move and the hint come back
// through the event loop, and Esc or closing the window while it thinks
// stops it and ends the program (a search left running would hang the
// window's destructor, which waits for the thread).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>

#include "draw.h"
#include "engine_turn.h"
#include "main_window.h"
#include "platform.h"
#include "screenshot.h"
#include "state.h"
#include "window_actions.h"

namespace {

using zkqt::MainWindow;
using zkqt::trigger;

// The deepest iteration the " 思考中" caption shows, 0 when none.
int depthShown(MainWindow& w) {
    int depth = 0;
    for (const zk::ScreenItem& item : w.state().screen.ui->screen().items())
        if (item.kind == zk::ScreenItem::Kind::Text && item.text.rfind(" 思考中 ", 0) == 0)
            depth = std::max(depth, std::stoi(item.text.substr(std::string(" 思考中 ").size())));
    return depth;
}

int hintOutlines(MainWindow& w) {
    int n = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            n += w.state().screen.ui->screen().outlineColour(zk::cellX(x), zk::cellY(y),
                                                             zk::Screen::squareWidth,
                                                             zk::Screen::squareHeight) == 11;
    return n;
}

// A search without end: only a stop ends it.
void startEndlessThinking(MainWindow& w) {
    trigger(w, "LEVEL4");
    zk::思考ノード数設定(w.state(), std::uint64_t{1} << 60);
    trigger(w, "SENTE");
    zkqt::pressSquare(w, 5, 9);
    zkqt::pressSquare(w, 5, 8);
}

TEST(Level4Window, TheWindowAnswersWhileItThinksAndEscapeStopsIt) {
    MainWindow w(/*instantWaits=*/true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    startEndlessThinking(w);
    ASSERT_TRUE(zk::思考中(w.state()));
    // Progress arrives through the event loop and is painted.
    ASSERT_TRUE(QTest::qWaitFor([&] { return depthShown(w) >= 2; }, 20000));
    w.resize(900, 800);
    zkqt::pressSquare(w, 6, 9);
    EXPECT_TRUE(answerer.seen.contains(QStringLiteral("思考中|思考中はできません")));
    trigger(w, "REPLAY");
    EXPECT_EQ(w.state().game.moveCount, 1);
    trigger(w, "SIDOU");  // an option is not the position
    EXPECT_TRUE(w.action(QStringLiteral("SIDOU"))->isChecked());
    QTest::keyClick(&w, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(zk::思考中(w.state()));
}

TEST(Level4Window, ClosingTheWindowStopsTheSearch) {
    auto w = std::make_unique<MainWindow>(true);
    zkqt::BoxAnswerer answerer;
    w->show();
    w->start();
    startEndlessThinking(*w);
    ASSERT_TRUE(zk::思考中(w->state()));
    w->close();
    QApplication::processEvents();
    EXPECT_FALSE(w->isVisible());
    w.reset();  // waits for the worker thread
}

TEST(Level4Window, TheMoveAndTheHintComeBackThroughTheEventLoop) {
    MainWindow w(/*instantWaits=*/true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    zk::State& s = w.state();
    trigger(w, "LEVEL4");
    zk::思考ノード数設定(s, 3000);
    trigger(w, "SENTE");
    zkqt::pressSquare(w, 5, 9);
    zkqt::pressSquare(w, 5, 8);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !zk::思考中(s); }, 20000));
    EXPECT_EQ(s.game.moveCount, 2);
    EXPECT_EQ(s.game.turnPlayer, s.game.manPlayer);
    EXPECT_GE(s.game.record.at(s.game.record.recordCount).movedPiece, 1);

    trigger(w, "HINT");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !zk::思考中(s); }, 20000));
    EXPECT_GE(hintOutlines(w), 2);
    EXPECT_EQ(s.game.moveCount, 2);
    zkqt::pressSquare(w, 1, 6);
    EXPECT_EQ(hintOutlines(w), 0);
}

}  // namespace
