// Whole games against the computer at each level (LEVEL4 on its thread), played through the real
// window by pressing squares, until the game's own end.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <random>
#include <vector>

#include "engine_turn.h"
#include "main_window.h"
#include "move_check.h"
#include "screenshot.h"
#include "state.h"

namespace {

using zkqt::MainWindow;

struct Move {
    int x, y, tx, ty;
};

// Every legal single move of the human's pieces that does not take a lion
// (taking a lion may be refused with a box, which a random mover need not meet).
std::vector<Move> humanMoves(zk::State& s) {
    std::vector<Move> out;
    for (const zk::Move& m : zk::legalMoves(zk::現局面(s.game))) {
        const int target = m.captured.kind();
        if (!m.isTwoStep() && target != 33 && target != 34)
            out.push_back({m.fromX, m.fromY, m.toX, m.toY});
    }
    return out;
}

class ComputerWindow : public ::testing::TestWithParam<int> {};

TEST_P(ComputerWindow, AHumanPlaysAWholeGameToItsEnd) {
    const int level = GetParam();
    MainWindow w(/*instantWaits=*/true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    zk::State& s = w.state();
    // LEVEL4 thinks off the window's thread: a node count keeps the game the same.
    if (level == 4) zk::思考ノード数設定(s, 2000);
    w.action(QStringLiteral("LEVEL%1").arg(level))->trigger();
    w.action(QStringLiteral("SENTE"))->trigger();
    QApplication::processEvents();
    ASSERT_EQ(s.game.comLevel, level);
    ASSERT_EQ(s.game.turnPlayer, s.game.manPlayer);

    std::mt19937 rng(1000 + level);
    bool ended = false;
    for (int ply = 0; ply < 400 && !ended; ++ply) {
        const std::vector<Move> moves = humanMoves(s);
        ASSERT_FALSE(moves.empty());
        const Move m = moves[rng() % moves.size()];
        const int before = s.game.moveCount;
        zkqt::pressSquare(w, m.x, m.y);
        // Decline a second step; at the end of the game, decline another game.
        answerer.answers = QStringList{QStringLiteral("no")};
        zkqt::pressSquare(w, m.tx, m.ty);
        QApplication::processEvents();
        while (zk::思考中(s)) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ended = !w.isVisible() || s.game.turnPlayer == zk::Game::noPlayer;
        if (!ended) {
            // The human's move and the computer's reply were both played.
            ASSERT_EQ(s.game.moveCount, before + 2) << "ply " << ply;
            ASSERT_EQ(s.game.turnPlayer, s.game.manPlayer);
        }
    }
    ASSERT_TRUE(ended) << "no end within 400 moves at level " << level;
    bool announced = false;
    for (const QString& box : answerer.seen)
        if (box.startsWith(QStringLiteral("終了|"))) announced = true;
    EXPECT_TRUE(announced);
    EXPECT_TRUE(answerer.seen.contains(QStringLiteral("再ゲーム|続けますか？")));
    zkqt::grabWindow(w).save(
        QDir::temp().filePath(QStringLiteral("zenkoru-level%1-end.png").arg(level)));
}

INSTANTIATE_TEST_SUITE_P(Levels, ComputerWindow, ::testing::Values(1, 2, 3, 4));

}  // namespace
