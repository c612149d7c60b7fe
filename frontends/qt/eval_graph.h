// 形勢グラフ: the game's analysis as a graph below 棋譜一覧: 先手's score over
// the moves (先手 above the middle line, 後手 below), the move on the board
// marked, 疑問手 and 悪手 as dots; a click goes to that move. While the
// analysis runs, a progress bar with a cancel button shows how far it is.
#pragma once

#include <QDockWidget>
#include <QPolygonF>
#include <QWidget>
#include <functional>
#include <vector>

#include "state.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace zkqt {

// The graph itself: the polyline is made when the analysis or the size
// changes, so a paint only draws what is ready.
class EvalPlot : public QWidget {
    Q_OBJECT
public:
    EvalPlot(std::function<void(int)> goTo, QWidget* parent);
    // The scores (先手's view, already clamped) of the positions analysed so
    // far out of `total`, the marks of the moves into them (0 none, 1
    // 疑問手, 2 悪手), and the position on the board.
    void setScores(std::vector<int> scores, std::vector<int> marks, int total, int current);
    int pointCount() const { return static_cast<int>(scores_.size()); }
    // The pixel of position n in the widget, for tests.
    QPointF pointAt(int n) const;
    // The position a press at x goes to.
    int positionAt(double x) const;
    QSize sizeHint() const override { return {200, 160}; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void layoutPoints();
    std::function<void(int)> goTo_;
    std::vector<int> scores_, marks_;
    int total_ = 0, current_ = -1;
    QPolygonF line_, area_;
    std::vector<QPointF> dubious_, bad_;
};

class EvalGraphPanel : public QDockWidget {
    Q_OBJECT
public:
    // `goTo(n)` goes to move n, `cancel()` stops the analysis.
    EvalGraphPanel(const zk::State& state, std::function<void(int)> goTo,
                   std::function<void()> cancel, QWidget* parent);
    // Follow the analysis and the move on the board; shown while there is one.
    void refresh();
    // 棋譜解析 chosen again: a graph closed meanwhile shows again.
    void reopen();
    EvalPlot* plot() const { return plot_; }
    QProgressBar* progress() const { return progress_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* caption() const { return caption_; }

private:
    const zk::State& state_;
    EvalPlot* plot_ = nullptr;
    QLabel* caption_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool had_ = false;  // an analysis was shown at the last refresh
};

}  // namespace zkqt
