// The game clock in the real window: the window's own timer drives it, and
// the side to move's time shown beside the board goes down.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <algorithm>

#include "main_window.h"
#include "platform.h"
#include "screenshot.h"
#include "state.h"
#include "window_actions.h"

namespace {

using zkqt::MainWindow;
using zkqt::trigger;

// How many times the window's picture shows exactly `text` (a shadowed text
// is two items: the text and its shadow).
long shown(MainWindow& w, const std::string& text) {
    const std::vector<std::string> all =
        w.state().screen.ui->screen().textsIn(-2000, -2000, 30000, 20000);
    return std::count(all.begin(), all.end(), text) / 2;
}

TEST(ClockWindow, TheWindowsTicksCountTheSideToMoveDown) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    QApplication::processEvents();
    for (const char* m : {"MOCHI5", "BYO0", "KASAN0", "START"}) trigger(w, m);
    EXPECT_TRUE(w.state().clocks.ticking);
    EXPECT_EQ(shown(w, "5:00"), 2);
    // No assertion on how long it takes: only that the window's timer gets there.
    QDeadlineTimer deadline(20000);
    while (shown(w, "4:59") == 0 && !deadline.hasExpired()) QTest::qWait(50);
    EXPECT_EQ(shown(w, "4:59"), 1);
    EXPECT_EQ(shown(w, "5:00"), 1);  // the top side's time does not run
    trigger(w, "CANCEL");
    EXPECT_FALSE(w.state().clocks.ticking);
    EXPECT_EQ(shown(w, "5:00"), 0);
    trigger(w, "MOCHI0");
}

}  // namespace
