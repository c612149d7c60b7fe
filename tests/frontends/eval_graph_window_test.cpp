// 形勢グラフ in the real window: a recorded game analysed with a small node
// count, a point per position, a click on the graph goes to that move, the
// move list marks the moves that lost much, 中止 stops it at once, and the
// game opened again shows its kept analysis.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "eval_graph.h"
#include "game_analysis.h"
#include "main_window.h"
#include "move_list_panel.h"
#include "screenshot.h"
#include "share.h"
#include "window_actions.h"

namespace {

using zkqt::MainWindow;
using zkqt::trigger;

void waitForAnalysis(MainWindow& w) {
    const QDeadlineTimer until(120000);
    while (zk::棋譜解析状況(w.state()).running && !until.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    QApplication::processEvents();
}

TEST(EvalGraphWindow, AnalysesARecordedGameClickGoesToTheMoveAndListMarksMoves) {
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
    ASSERT_EQ(w.moveList()->rows().size(), 35);
    zkqt::EvalGraphPanel* graph = w.evalGraph();
    EXPECT_FALSE(graph->isVisible());

    // 中止 drops the analysis at once, and the graph goes.
    w.deliver([&w] { zk::棋譜解析開始(w.state(), 1500); });
    EXPECT_TRUE(graph->isVisible());
    EXPECT_TRUE(graph->progress()->isVisible());
    EXPECT_EQ(graph->progress()->maximum(), 35);
    QTest::mouseClick(graph->cancelButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(zk::棋譜解析状況(w.state()).analysis, nullptr);
    EXPECT_FALSE(graph->isVisible());

    w.deliver([&w] { zk::棋譜解析開始(w.state(), 1500); });
    waitForAnalysis(w);
    const zk::AnalysisStatus status = zk::棋譜解析状況(w.state());
    ASSERT_NE(status.analysis, nullptr);
    ASSERT_FALSE(status.running);
    EXPECT_FALSE(graph->progress()->isVisible());
    zkqt::EvalPlot* plot = graph->plot();
    ASSERT_EQ(plot->pointCount(), 35);
    // Points run left to right, each at its score's height.
    for (int n = 1; n < 35; ++n) EXPECT_GT(plot->pointAt(n).x(), plot->pointAt(n - 1).x());

    // A click on the graph's point of move 10 goes there.
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, plot->pointAt(10).toPoint());
    QApplication::processEvents();
    EXPECT_EQ(zk::現在手(w.state()), 10);
    EXPECT_EQ(w.moveList()->list()->currentRow(), 10);
    EXPECT_TRUE(graph->caption()->text().startsWith(QStringLiteral("10手 ")))
        << graph->caption()->text().toStdString();

    // The list marks the moves the analysis marks, naming the better move.
    const std::vector<zk::MoveMark> marks = zk::moveMarks(*status.analysis);
    const QStringList rows = w.moveList()->rows();
    int marked = 0;
    for (int n = 1; n <= 34; ++n) {
        const zk::MoveMark m = marks[n - 1];
        const QString tail = m == zk::MoveMark::Bad       ? QStringLiteral(" ??")
                             : m == zk::MoveMark::Dubious ? QStringLiteral(" ?!")
                                                          : QString();
        EXPECT_EQ(
            rows[n].endsWith(QStringLiteral(" ??")) || rows[n].endsWith(QStringLiteral(" ?!")),
            !tail.isEmpty())
            << rows[n].toStdString();
        if (tail.isEmpty()) continue;
        ++marked;
        EXPECT_TRUE(rows[n].endsWith(tail));
        EXPECT_EQ(w.moveList()->list()->item(n)->toolTip(),
                  QString::fromStdString(zk::markText(m) + " 最善 " +
                                         status.analysis->positions[n - 1].best));
    }
    // The human loses the game by moves the engine sees as losing.
    EXPECT_GT(marked, 0);

    // Opened again in a window of its own, the game shows its kept analysis at once.
    MainWindow again(true);
    again.resize(1400, 900);
    again.show();
    again.start();
    QApplication::processEvents();
    again.presetFileName(file);
    trigger(again, "SFEN_READ");
    const zk::AnalysisStatus kept = zk::棋譜解析状況(again.state());
    ASSERT_NE(kept.analysis, nullptr);
    EXPECT_FALSE(kept.running);
    EXPECT_TRUE(again.evalGraph()->isVisible());
    EXPECT_EQ(again.evalGraph()->plot()->pointCount(), 35);
    EXPECT_EQ(again.moveList()->rows(), w.moveList()->rows());
    // Closed, the graph comes back with 棋譜解析, which has nothing left to search.
    again.evalGraph()->close();
    QApplication::processEvents();
    trigger(again, "KIFU_KAISEKI");
    EXPECT_TRUE(again.evalGraph()->isVisible());
    EXPECT_FALSE(zk::棋譜解析状況(again.state()).running);
}

}  // namespace
