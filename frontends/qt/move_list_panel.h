// 棋譜一覧: the game's moves in a dock right of the board, the move on the
// board highlighted and kept in view. Clicking a move goes there as 戻 and
// 進 would; the program tells the window when the record changed.
#pragma once

#include <QDockWidget>
#include <functional>

#include "state.h"

class QListWidget;

namespace zkqt {

class MoveListPanel : public QDockWidget {
    Q_OBJECT
public:
    // `goTo(n)` is run when the row of move n (0: the start) is clicked.
    MoveListPanel(const zk::State& state, std::function<void(int)> goTo, QWidget* parent);

    // Rebuild the rows from the record and highlight the move on the board.
    void refresh();
    QListWidget* list() const { return list_; }
    // Wide enough for a two-step move of a game of hundreds of moves.
    int preferredWidth() const;
    // The rows as shown, for tests.
    QStringList rows() const;

private:
    const zk::State& state_;
    QListWidget* list_ = nullptr;
};

}  // namespace zkqt
