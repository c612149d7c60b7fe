// 検討: a dock beside the board where the engine's view of the position on
// the board shows as it thinks: depth, score, nodes and the best line. Shown
// from the 局面 menu; showing it starts the analysis, hiding it stops it.
#pragma once

#include <QDockWidget>

#include "analysis.h"
#include "state.h"

class QLabel;

namespace zkqt {

class AnalysisPane : public QDockWidget {
    Q_OBJECT
public:
    AnalysisPane(zk::State& state, QWidget* parent);

    // Show a report (nullptr: the position is new, nothing said yet).
    void showReport(const zk::AnalysisReport* report);
    // The texts as shown, for tests: depth, score, nodes, best line (a move a line).
    QString depthText() const;
    QString scoreText() const;
    QString nodesText() const;
    QString lineText() const;

private:
    QLabel* depth_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* nodes_ = nullptr;
    QLabel* line_ = nullptr;
};

}  // namespace zkqt
