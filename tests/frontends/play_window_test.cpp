// Two humans play a few moves in the real window, through mouse presses at
// pixel positions of a window that is not at its default size.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include "board_view.h"
#include "main_window.h"
#include "screenshot.h"
#include "state.h"
#include "window_actions.h"

namespace {

using zkqt::MainWindow;
using zkqt::trigger;

// Presses the centre of square (x, y) with QTest at the pixel the view shows it.
void press(MainWindow& w, int x, int y) {
    zkqt::BoardView* v = w.view();
    const QRect sq = v->toPixels(QRect(zk::Screen::originX + x * zk::Screen::squareWidth,
                                       zk::Screen::originY + y * zk::Screen::squareHeight,
                                       zk::Screen::squareWidth, zk::Screen::squareHeight));
    QTest::mouseClick(v, Qt::LeftButton, Qt::NoModifier, sq.center());
    QApplication::processEvents();
}

TEST(PlayWindow, TwoHumansMoveByPressingSquaresOfAResizedWindow) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    w.resize(1100, 1000);
    QApplication::processEvents();
    const zk::State& s = w.state();

    trigger(w, "START");
    EXPECT_TRUE(answerer.seen.contains(QStringLiteral(" |先手の番です")));
    EXPECT_EQ(s.game.turnPlayer, zk::Game::firstPlayer);

    // Bottom tokin 5 squares from the left steps forward; the top replies.
    press(w, 5, 9);
    press(w, 5, 8);
    EXPECT_EQ(s.game.Board[5][8], zk::code::MAN_と);
    EXPECT_TRUE(s.game.Board[5][9].isEmpty());
    EXPECT_EQ(s.game.moveCount, 1);
    EXPECT_EQ(s.game.turnPlayer, zk::Game::secondPlayer);

    press(w, 8, 4);
    press(w, 8, 5);
    EXPECT_EQ(s.game.Board[8][5], zk::code::COM_と);
    EXPECT_EQ(s.game.moveCount, 2);
    EXPECT_EQ(s.game.turnPlayer, zk::Game::firstPlayer);

    // A lion's one-square step asks for a second step; answering no ends the move.
    answerer.answers << QStringLiteral("no");
    press(w, 6, 10);
    press(w, 5, 9);
    EXPECT_TRUE(answerer.seen.contains(QStringLiteral("２手移動|もう一手移動しますか？")));
    EXPECT_EQ(s.game.Board[5][9], zk::code::MAN_獅_B);
    EXPECT_TRUE(s.game.Board[6][10].isEmpty());
    EXPECT_EQ(s.game.moveCount, 3);
    EXPECT_EQ(s.game.record.recordEnd, 4);  // the declined two-step move leaves two entries
}

TEST(PlayWindow, APressBeforeAnyGameAsksToStartOne) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    press(w, 5, 9);
    EXPECT_TRUE(answerer.seen.contains(QStringLiteral("開始|「対局」で始めて下さい")));
    EXPECT_EQ(w.state().game.Board[5][9], zk::code::MAN_と);
}

}  // namespace

// The standard game chosen from the menu: pawns race to the far rows, and
// the capture there asks "成りますか？"; yes promotes the pawn to a tokin.
TEST(PlayWindow, TheStandardGameAsksBeforeItPromotes) {
    MainWindow w;
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    QApplication::processEvents();
    const zk::State& s = w.state();
    trigger(w, "RULE_STD");
    EXPECT_EQ(s.game.rules, zk::RuleSet::Standard);
    EXPECT_TRUE(w.action(QStringLiteral("RULE_STD"))->isChecked());
    trigger(w, "START");
    const int presses[][2] = {{3, 9}, {3, 8}, {1, 4},  {1, 5},  {3, 8},  {3, 7},
                              {1, 5}, {1, 6}, {3, 7},  {3, 6},  {12, 4}, {12, 5},
                              {3, 6}, {3, 5}, {12, 5}, {12, 6}, {3, 5}};
    for (const auto& p : presses) press(w, p[0], p[1]);
    EXPECT_EQ(s.game.moveCount, 8);
    answerer.answers << QStringLiteral("yes");
    press(w, 3, 4);
    EXPECT_TRUE(answerer.seen.contains(QStringLiteral("成り|成りますか？")));
    EXPECT_EQ(s.game.Board[3][4], zk::code::MAN_と);
    EXPECT_EQ(s.game.moveCount, 9);
    trigger(w, "RULE_ZK");  // the settings file as the other tests expect it
    EXPECT_EQ(s.game.Board, zk::Position::initial().Board);
}
