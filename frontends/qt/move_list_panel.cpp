#include "move_list_panel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QStyle>

#include "game_analysis.h"
#include "move_list.h"

namespace zkqt {

namespace {

// The side mark of a row: who made the move in a game against the computer
// (the computer plays the top side), else the first mover's ▲ and the other's △.
QString sideOf(const zk::State& s, const zk::MoveListItem& item) {
    if (s.game.gameMode == zk::Game::modeCom)
        return item.move.piece >= 1 ? QStringLiteral("COM ") : QStringLiteral("MAN ");
    return QString::fromStdString(item.mark);
}

}  // namespace

MoveListPanel::MoveListPanel(const zk::State& state, std::function<void(int)> goTo, QWidget* parent)
    : QDockWidget(QStringLiteral("棋譜一覧"), parent), state_(state) {
    setObjectName(QStringLiteral("MOVE_LIST"));
    // Hidden and shown from the 棋譜 menu only, which resizes the window; the
    // feature keeps that menu entry enabled, the plain title drops the close button.
    setFeatures(QDockWidget::DockWidgetClosable);
    auto* title = new QLabel(QStringLiteral(" 棋譜一覧"), this);
    title->setContentsMargins(2, 2, 2, 2);
    setTitleBarWidget(title);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    QFont f = list_->font();
    f.setPixelSize(16);
    list_->setFont(f);
    setWidget(list_);
    connect(list_, &QListWidget::itemClicked, this,
            [this, goTo](QListWidgetItem* item) { goTo(list_->row(item)); });
}

void MoveListPanel::refresh() {
    const std::vector<zk::MoveListItem> moves = zk::moveList(state_.game.record);
    list_->setUpdatesEnabled(false);
    // Rows are reused: a move made adds one row, a move taken back none.
    const int rows = static_cast<int>(moves.size()) + 1;
    while (list_->count() > rows) delete list_->takeItem(list_->count() - 1);
    while (list_->count() < rows) list_->addItem(QString());
    list_->item(0)->setText(QStringLiteral("   0 開始局面"));
    // A move the analysis marks ends in ?! or ?? in its colour; the tooltip
    // (and 形勢グラフ's line while it is the move on the board) names the better move.
    const zk::AnalysisStatus status = zk::棋譜解析状況(state_);
    std::vector<zk::MoveMark> marks;
    if (status.analysis) marks = zk::moveMarks(*status.analysis);
    int current = 0;
    for (const zk::MoveListItem& item : moves) {
        QString text = QStringLiteral("%1 %2%3")
                           .arg(item.number, 4)
                           .arg(sideOf(state_, item), QString::fromStdString(item.text));
        QListWidgetItem* row = list_->item(item.number);
        const std::size_t index = static_cast<std::size_t>(item.number - 1);
        const zk::MoveMark mark = index < marks.size() ? marks[index] : zk::MoveMark::None;
        if (mark != zk::MoveMark::None) {
            const std::string full = zk::markText(mark);
            text += QLatin1Char(' ') + QString::fromStdString(full.substr(0, 2));
            row->setForeground(mark == zk::MoveMark::Bad ? QColor(200, 20, 20)
                                                         : QColor(200, 120, 0));
            row->setToolTip(
                QString::fromStdString(full + " 最善 " + status.analysis->positions[index].best));
        } else if (!row->toolTip().isEmpty()) {
            row->setForeground(QBrush());
            row->setToolTip(QString());
        }
        row->setText(text);
        if (item.lastEntry <= state_.game.record.recordCount) current = item.number;
    }
    list_->setCurrentRow(current);
    list_->scrollToItem(list_->item(current));
    list_->setUpdatesEnabled(true);
}

int MoveListPanel::preferredWidth() const {
    return QFontMetrics(list_->font()).horizontalAdvance(QStringLiteral(" 000 MAN ６七・７八獅")) +
           list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24;
}

QStringList MoveListPanel::rows() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i) out << list_->item(i)->text();
    return out;
}

}  // namespace zkqt
