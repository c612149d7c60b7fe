// 検討 in the real window, under both rule sets: opened from the 局面 menu on
// a game of a few moves, its search runs off the window's thread and the pane
// shows the depth, the score in the game's terms and a best line whose first
// move is legal on the board; 戻 starts it again on the new position, and
// hiding the pane or closing the window stops it; on a recorded game it
// follows the evaluation graph's clicks.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "analysis.h"
#include "analysis_pane.h"
#include "board_view.h"
#include "eval_graph.h"
#include "game_analysis.h"
#include "main_window.h"
#include "move_list_panel.h"
#include "notation.h"
#include "screenshot.h"
#include "share.h"
#include "standard_moves.h"
#include "standard_play.h"
#include "state.h"
#include "window_actions.h"

namespace {

using zkqt::MainWindow;
using zkqt::trigger;

// The position on the board as the rules read it.
zk::Position onBoard(zk::State& s) {
    if (s.game.rules == zk::RuleSet::Standard) return zk::標準局面(s.game);
    return zk::現局面(s.game);
}

// The legal moves of the board as the move list writes them.
std::vector<std::string> legalTexts(const zk::Position& p) {
    std::vector<zk::Move> moves;
    if (p.rules == zk::RuleSet::Standard)
        zk::standardLegalMoves(p, moves);
    else
        moves = zk::legalMoves(p, p.mover > 0 ? zk::Mover::Computer : zk::Mover::Presses);
    std::vector<std::string> out;
    for (const zk::Move& m : moves) out.push_back(zk::指し手表記(m));
    return out;
}

// A game of two humans: pawns forward on both sides.
void playAFewMoves(MainWindow& w, bool standard) {
    trigger(w, standard ? "RULE_STD" : "RULE_ZK");
    trigger(w, "START");
    const int bottom = 9, top = 4;
    for (auto [x, y, to] : {std::tuple{6, bottom, bottom - 1},
                            {7, top, top + 1},
                            {5, bottom, bottom - 1},
                            {8, top, top + 1}}) {
        zkqt::pressSquare(w, x, y);
        zkqt::pressSquare(w, x, to);
        QApplication::processEvents();
    }
    ASSERT_EQ(w.state().game.record.recordCount, 4);
}

// Wait for the pane's finished report of the board's position and check
// what the pane shows of it.
void expectPaneShowsTheBoard(MainWindow& w) {
    zk::State& s = w.state();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const zk::AnalysisReport* r = zk::latestAnalysis(s);
            return r && r->finished;
        },
        60000));
    const zk::AnalysisReport& r = *zk::latestAnalysis(s);
    const zk::Position here = onBoard(s);
    EXPECT_EQ(r.position.Board, here.Board);
    const zkqt::AnalysisPane* pane = w.analysisPane();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+/\\d+ \\(終了\\)$"))
                    .match(pane->depthText())
                    .hasMatch())
        << pane->depthText().toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^(互角|[先後]手 \\+\\d+\\.\\d\\d|[先後]手の勝ち "
                                                  "\\(\\d+手\\))$"))
                    .match(pane->scoreText())
                    .hasMatch())
        << pane->scoreText().toStdString();
    EXPECT_EQ(pane->scoreText().toStdString(), r.scoreText);
    const QStringList line = pane->lineText().split(QLatin1Char('\n'));
    ASSERT_FALSE(line.isEmpty());
    // The side to move makes the first move of the line.
    const QString first = line.front();
    ASSERT_TRUE(first.startsWith(QStringLiteral("▲")) || first.startsWith(QStringLiteral("△")));
    const std::vector<std::string> legal = legalTexts(here);
    EXPECT_NE(std::find(legal.begin(), legal.end(), first.mid(1).toStdString()), legal.end())
        << first.toStdString();
}

class AnalysisWindow : public ::testing::TestWithParam<bool> {};

TEST_P(AnalysisWindow, ThinksAboutTheBoardFollowsStepsAndStopsWhenHidden) {
    auto w = std::make_unique<MainWindow>(true);
    zkqt::BoxAnswerer answerer;
    w->show();
    w->start();
    QApplication::processEvents();
    playAFewMoves(*w, GetParam());
    zk::State& s = w->state();
    // Nodes, not time: the same on a slow machine, and soon over.
    zk::setAnalysisBound(s, {.depth = 20, .millis = 0, .nodes = 30000});

    zkqt::AnalysisPane* pane = w->analysisPane();
    ASSERT_FALSE(pane->isVisible());  // hidden until asked for
    trigger(*w, "ANALYSIS");
    EXPECT_TRUE(pane->isVisible());
    EXPECT_TRUE(w->action(QStringLiteral("ANALYSIS"))->isChecked());
    expectPaneShowsTheBoard(*w);

    trigger(*w, "REPLAY");
    EXPECT_EQ(s.game.record.recordCount, 3);
    expectPaneShowsTheBoard(*w);

    trigger(*w, "ANALYSIS");
    EXPECT_FALSE(pane->isVisible());
    EXPECT_FALSE(zk::analysisOpen(s));
    EXPECT_FALSE(zk::analysisSearching(s));
    EXPECT_EQ(zk::latestAnalysis(s), nullptr);

    // Without 棋譜一覧 the pane takes its place: the window grows and shrinks
    // by it, and the board keeps its size.
    const QSize board = w->view()->size();
    QAction* list = w->moveList()->toggleViewAction();
    list->trigger();
    QApplication::processEvents();
    ASSERT_FALSE(w->moveList()->isVisible());
    const int narrow = w->width();
    trigger(*w, "ANALYSIS");
    EXPECT_GT(w->width(), narrow);
    EXPECT_EQ(w->view()->size(), board);
    trigger(*w, "ANALYSIS");
    EXPECT_EQ(w->width(), narrow);
    list->trigger();
    QApplication::processEvents();
    EXPECT_EQ(w->view()->size(), board);

    // Closing the window with an endless analysis out stops it.
    zk::setAnalysisBound(s, {.depth = 64, .millis = 0, .nodes = 0});
    trigger(*w, "ANALYSIS");
    ASSERT_TRUE(QTest::qWaitFor([&] { return zk::latestAnalysis(s) != nullptr; }, 60000));
    EXPECT_TRUE(zk::analysisSearching(s));
    w->close();
    QApplication::processEvents();
    w.reset();  // waits for the worker thread
}

// On a recorded game with its 形勢グラフ: a click on the graph moves the
// board, and the pane follows it to that move.
TEST(AnalysisWindow, FollowsTheGraphOnARecordedGame) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("game.usi"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(zkqt::kRecordedGame);
    out.close();
    MainWindow w(true);
    zkqt::BoxAnswerer answerer;
    w.resize(1400, 900);
    w.show();
    w.start();
    QApplication::processEvents();
    w.presetFileName(file);
    trigger(w, "SFEN_READ");
    zk::State& s = w.state();
    zk::setAnalysisBound(s, {.depth = 20, .millis = 0, .nodes = 20000});
    trigger(w, "ANALYSIS");
    expectPaneShowsTheBoard(w);
    w.deliver([&w] { zk::棋譜解析開始(w.state(), 1500); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !zk::棋譜解析状況(s).running; }, 120000));
    zkqt::EvalPlot* plot = w.evalGraph()->plot();
    ASSERT_EQ(plot->pointCount(), 35);
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, plot->pointAt(10).toPoint());
    QApplication::processEvents();
    EXPECT_EQ(zk::現在手(s), 10);
    expectPaneShowsTheBoard(w);
}

INSTANTIATE_TEST_SUITE_P(BothRules, AnalysisWindow, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Standard" : "Zenkoru"; });

}  // namespace
