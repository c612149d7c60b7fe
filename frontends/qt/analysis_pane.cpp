#include "analysis_pane.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QStringList>

namespace zkqt {

AnalysisPane::AnalysisPane(zk::State& state, QWidget* parent)
    : QDockWidget(QStringLiteral("検討"), parent) {
    setObjectName(QStringLiteral("ANALYSIS"));
    // As 棋譜一覧: shown and hidden from the menu, the plain title has no close button.
    setFeatures(QDockWidget::DockWidgetClosable);
    auto* title = new QLabel(QStringLiteral(" 検討"), this);
    title->setContentsMargins(2, 2, 2, 2);
    setTitleBarWidget(title);

    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    depth_ = new QLabel(body);
    score_ = new QLabel(body);
    nodes_ = new QLabel(body);
    line_ = new QLabel(body);
    // A move a line, as in 棋譜一覧: kanji would wrap inside a move.
    line_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    line_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    const QString captions[] = {QStringLiteral("深さ"), QStringLiteral("評価"),
                                QStringLiteral("局面数"), QStringLiteral("読み筋")};
    QLabel* const values[] = {depth_, score_, nodes_, line_};
    for (int row = 0; row < 4; ++row) {
        auto* caption = new QLabel(captions[row], body);
        for (QLabel* l : {caption, values[row]}) {
            QFont f = l->font();
            f.setPixelSize(16);
            l->setFont(f);
        }
        values[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(caption, row, 0, Qt::AlignTop | Qt::AlignLeft);
        grid->addWidget(values[row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    QFont bold = score_->font();
    bold.setBold(true);
    score_->setFont(bold);
    setWidget(body);
    showReport(nullptr);

    // The play layer's reports arrive on the window's thread.
    zk::setAnalysisListener(state, [this](const zk::AnalysisReport* r) { showReport(r); });
    connect(this, &QDockWidget::visibilityChanged, this, [&state](bool visible) {
        // Tabbed away or hidden alike: nothing to see, nothing to think.
        if (visible)
            zk::startAnalysis(state);
        else
            zk::stopAnalysis(state);
    });
}

void AnalysisPane::showReport(const zk::AnalysisReport* r) {
    if (!r) {
        depth_->setText(QStringLiteral("-"));
        score_->setText(QStringLiteral("考慮中…"));
        nodes_->setText(QStringLiteral("-"));
        line_->setText(QString());
        return;
    }
    if (!r->found) {
        depth_->setText(QStringLiteral("-"));
        score_->setText(QStringLiteral("指す手がありません"));
        nodes_->setText(QStringLiteral("-"));
        line_->setText(QString());
        return;
    }
    depth_->setText(QStringLiteral("%1/%2%3")
                        .arg(r->depth)
                        .arg(r->seldepth)
                        .arg(r->finished ? QStringLiteral(" (終了)") : QString()));
    score_->setText(QString::fromStdString(r->scoreText));
    nodes_->setText(QLocale(QLocale::English).toString(qulonglong(r->nodes)));
    QStringList moves;
    for (const std::string& m : r->pvTexts) moves << QString::fromStdString(m);
    line_->setText(moves.join(QLatin1Char('\n')));
}

QString AnalysisPane::depthText() const { return depth_->text(); }
QString AnalysisPane::scoreText() const { return score_->text(); }
QString AnalysisPane::nodesText() const { return nodes_->text(); }
QString AnalysisPane::lineText() const { return line_->text(); }

}  // namespace zkqt
