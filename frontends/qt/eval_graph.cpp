#include "eval_graph.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "analysis.h"
#include "engine.h"
#include "game_analysis.h"
#include "share.h"

namespace zkqt {

namespace {

constexpr double kMargin = 6;
const QColor kBackground(250, 250, 246);
const QColor kAreaColour(60, 90, 160, 70);
const QColor kLineColour(40, 60, 140);
const QColor kDubiousColour(230, 150, 0);
const QColor kBadColour(210, 30, 30);
const QColor kCurrentColour(0, 150, 60);

int markCode(zk::MoveMark m) {
    return m == zk::MoveMark::Bad ? 2 : m == zk::MoveMark::Dubious ? 1 : 0;
}

}  // namespace

EvalPlot::EvalPlot(std::function<void(int)> goTo, QWidget* parent)
    : QWidget(parent), goTo_(std::move(goTo)) {
    setObjectName(QStringLiteral("EVAL_PLOT"));
    setMinimumHeight(150);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void EvalPlot::setScores(std::vector<int> scores, std::vector<int> marks, int total, int current) {
    if (scores == scores_ && marks == marks_ && total == total_ && current == current_) return;
    scores_ = std::move(scores);
    marks_ = std::move(marks);
    total_ = total;
    current_ = current;
    layoutPoints();
    update();
}

QPointF EvalPlot::pointAt(int n) const {
    const double w = std::max(1.0, width() - 2 * kMargin);
    const double half = std::max(1.0, height() / 2.0 - kMargin);
    const double x = kMargin + (total_ > 1 ? w * n / (total_ - 1) : 0);
    const double score = n < pointCount() ? scores_[n] : 0;
    return {x, height() / 2.0 - half * score / zk::kGraphLimit};
}

int EvalPlot::positionAt(double x) const {
    if (total_ <= 1) return 0;
    const double w = std::max(1.0, width() - 2 * kMargin);
    const int n = static_cast<int>(std::lround((x - kMargin) * (total_ - 1) / w));
    return std::clamp(n, 0, total_ - 1);
}

void EvalPlot::layoutPoints() {
    line_.clear();
    area_.clear();
    dubious_.clear();
    bad_.clear();
    if (scores_.empty()) return;
    const double middle = height() / 2.0;
    area_ << QPointF(pointAt(0).x(), middle);
    for (int n = 0; n < pointCount(); ++n) {
        const QPointF p = pointAt(n);
        line_ << p;
        area_ << p;
        if (n >= 1 && n - 1 < static_cast<int>(marks_.size()) && marks_[n - 1])
            (marks_[n - 1] == 2 ? bad_ : dubious_).push_back(p);
    }
    area_ << QPointF(line_.back().x(), middle);
}

void EvalPlot::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    layoutPoints();
}

void EvalPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    const double middle = height() / 2.0;
    p.setPen(QColor(160, 160, 160));
    p.drawLine(QPointF(0, middle), QPointF(width(), middle));
    p.setPen(QColor(120, 120, 120));
    p.drawText(QPointF(kMargin, 14), QStringLiteral("先手"));
    p.drawText(QPointF(kMargin, height() - 4), QStringLiteral("後手"));
    if (current_ >= 0 && total_ > 0) {
        const double x = pointAt(current_).x();
        p.setPen(QPen(kCurrentColour, 2));
        p.drawLine(QPointF(x, 0), QPointF(x, height()));
    }
    if (line_.isEmpty()) return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kAreaColour);
    p.drawPolygon(area_);
    p.setPen(QPen(kLineColour, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line_);
    p.setPen(Qt::NoPen);
    p.setBrush(kDubiousColour);
    for (const QPointF& d : dubious_) p.drawEllipse(d, 3.5, 3.5);
    p.setBrush(kBadColour);
    for (const QPointF& b : bad_) p.drawEllipse(b, 4, 4);
}

void EvalPlot::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || total_ == 0) return;
    goTo_(positionAt(e->position().x()));
}

EvalGraphPanel::EvalGraphPanel(const zk::State& state, std::function<void(int)> goTo,
                               std::function<void()> cancel, QWidget* parent)
    : QDockWidget(QStringLiteral("形勢グラフ"), parent), state_(state) {
    setObjectName(QStringLiteral("EVAL_GRAPH"));
    setFeatures(QDockWidget::DockWidgetClosable);
    auto* title = new QLabel(QStringLiteral(" 形勢グラフ"), this);
    title->setContentsMargins(2, 2, 2, 2);
    setTitleBarWidget(title);
    auto* body = new QWidget(this);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(2, 2, 2, 2);
    caption_ = new QLabel(body);
    caption_->setWordWrap(true);
    plot_ = new EvalPlot(std::move(goTo), body);
    progress_ = new QProgressBar(body);
    progress_->setFormat(QStringLiteral("%v / %m"));
    cancel_ = new QPushButton(QStringLiteral("中止"), body);
    auto* row = new QHBoxLayout;
    row->addWidget(progress_, 1);
    row->addWidget(cancel_);
    column->addWidget(caption_);
    column->addWidget(plot_, 1);
    column->addLayout(row);
    setWidget(body);
    connect(cancel_, &QPushButton::clicked, this, [cancel = std::move(cancel)] { cancel(); });
    progress_->hide();
    cancel_->hide();
}

void EvalGraphPanel::reopen() {
    had_ = false;
    refresh();
}

void EvalGraphPanel::refresh() {
    const zk::AnalysisStatus status = zk::棋譜解析状況(state_);
    const bool shown = status.analysis != nullptr;
    // Shown as an analysis appears, hidden as it goes; closed meanwhile it stays closed.
    if (shown != had_) setVisible(shown);
    had_ = shown;
    progress_->setVisible(status.running);
    cancel_->setVisible(status.running);
    if (!shown) {
        plot_->setScores({}, {}, 0, -1);
        caption_->clear();
        return;
    }
    const zk::GameAnalysis& a = *status.analysis;
    progress_->setRange(0, status.total);
    progress_->setValue(status.done);
    std::vector<int> scores, marks;
    for (const zk::PositionEval& e : a.positions) scores.push_back(zk::graphScore(e.score));
    const std::vector<zk::MoveMark> moveMarks = zk::moveMarks(a);
    for (zk::MoveMark m : moveMarks) marks.push_back(markCode(m));
    const int current = std::min(zk::現在手(state_), status.total - 1);
    plot_->setScores(std::move(scores), std::move(marks), status.total, current);
    // The move on the board: its score, and its mark with the better move.
    QString text = current == 0 ? QStringLiteral("開始局面")
                                : QStringLiteral("%1手 %2").arg(current).arg(
                                      QString::fromStdString(a.played[current - 1]));
    if (current < static_cast<int>(a.positions.size())) {
        // The same words as the 検討 pane; the graph's scores are 先手's already.
        text += QStringLiteral("  評価 ") +
                QString::fromStdString(zk::analysisScoreText(a.positions[current].score, 1, 1));
        const zk::MoveMark m = current >= 1 ? moveMarks[current - 1] : zk::MoveMark::None;
        if (m != zk::MoveMark::None)
            text += QStringLiteral("  %1 最善 %2")
                        .arg(QString::fromStdString(zk::markText(m)),
                             QString::fromStdString(a.positions[current - 1].best));
    } else {
        text += QStringLiteral("  解析中");
    }
    caption_->setText(text);
}

}  // namespace zkqt
