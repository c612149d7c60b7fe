// The window repaints only what a move changed, and what it shows then is
// what a repaint of the whole window would show.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "board_view.h"
#include "main_window.h"
#include "screenshot.h"
#include "state.h"

namespace {

using zkqt::MainWindow;

void press(MainWindow& w, int x, int y) {
    zkqt::pressSquare(w, x, y);
    QApplication::processEvents();
}

// What the window shows: its backing store, not a fresh rendering.
QImage shown(MainWindow& w) {
    return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(PaintWindow, AMoveRepaintsPartOfTheViewAndLeavesTheWholePicture) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    w.resize(1101, 997);  // a scale at which twips fall between pixels
    QApplication::processEvents();
    w.action(QStringLiteral("START"))->trigger();
    QApplication::processEvents();
    zkqt::BoardView* v = w.view();
    v->repaint();

    QRect painted;
    QObject::connect(v, &zkqt::BoardView::painted, v, [&painted](const QRect& r) { painted |= r; });
    // A tokin steps forward: select, then move (the selection blinks and the
    // captions change too).
    press(w, 5, 9);
    press(w, 5, 8);
    ASSERT_EQ(w.state().game.Board[5][8], zk::code::MAN_と);
    EXPECT_FALSE(painted.isEmpty());
    EXPECT_LT(painted.width() * painted.height(), v->width() * v->height() * 3 / 4)
        << "a move repainted " << painted.width() << "x" << painted.height();

    const QImage afterMove = shown(w);
    painted = {};
    v->repaint();
    EXPECT_EQ(painted, v->rect());
    const QImage whole = shown(w);
    ASSERT_EQ(afterMove.size(), whole.size());
    ASSERT_FALSE(whole.isNull());
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            differing += afterMove.pixel(x, y) != whole.pixel(x, y);
    EXPECT_EQ(differing, 0) << "pixels the partial repaint left stale";
}

}  // namespace
