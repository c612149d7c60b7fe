#include "analysis_pane.h"

#include <QFormLayout>
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
    auto* form = new QFormLayout(body);
    depth_ = new QLabel(body);
    score_ = new QLabel(body);
    nodes_ = new QLabel(body);
    line_ = new QLabel(body);
    line_->setWordWrap(true);
    line_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    for (QLabel* l : {depth_, score_, nodes_, line_}) {
        QFont f = l->font();
        f.setPixelSize(16);
        l->setFont(f);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QFont big = score_->font();
    big.setBold(true);
    score_->setFont(big);
    form->addRow(QStringLiteral("深さ"), depth_);
    form->addRow(QStringLiteral("評価"), score_);
    form->addRow(QStringLiteral("局面数"), nodes_);
    form->addRow(QStringLiteral("読み筋"), line_);
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
    nodes_->setText(QLocale::c().toString(qulonglong(r->nodes)));
    QStringList moves;
    for (const std::string& m : r->pvTexts) moves << QString::fromStdString(m);
    line_->setText(moves.join(QLatin1Char(' ')));
}

QString AnalysisPane::depthText() const { return depth_->text(); }
QString AnalysisPane::scoreText() const { return score_->text(); }
QString AnalysisPane::nodesText() const { return nodes_->text(); }
QString AnalysisPane::lineText() const { return line_->text(); }

}  // namespace zkqt
