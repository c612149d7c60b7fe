// The game's one window: menu bar, the board view, the record-file panel.
// It owns the program's State and forwards every event to the program,
// one handler at a time.
#pragma once

#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "state.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace zkqt {

class AnalysisPane;
class BoardView;
class EvalGraphPanel;
class MoveListPanel;
class QtPlatform;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `instantWaits`: blinks do not wait (tests that play whole games).
    explicit MainWindow(bool instantWaits = false);
    ~MainWindow() override;

    // Run start-up (sounds, the initial position, the settings file).
    void start();
    // Run a program handler that came back through the event loop.
    void deliver(std::function<void()> handler) { dispatch(std::move(handler)); }
    // A handler of the program is running (it may be showing a box).
    bool busy() const { return busy_; }

    zk::State& state() { return state_; }
    BoardView* view() const { return view_; }
    const QtPlatform* platform() const { return platform_.get(); }
    QAction* action(const QString& control) const { return actions_.value(control); }

    // The record-file panel, for the platform.
    QComboBox* drive1() const { return drive1_; }
    QListWidget* dir1() const { return dir1_; }
    QListWidget* file1() const { return file1_; }
    QLabel* label1() const { return label1_; }
    QLineEdit* text1() const { return text1_; }
    QPushButton* command1() const { return command1_; }
    QString dirPath() const { return dirPath_; }
    bool setDirPath(const QString& path);
    QString filePath() const { return filePath_; }
    void setFilePath(const QString& path);
    void fillFileList();
    void layoutPanel();
    // 棋譜一覧 follows the record.
    void moveListChanged();
    MoveListPanel* moveList() const { return moveList_; }
    // 形勢グラフ and the move list's marks follow the game's analysis.
    void analysisChanged();
    EvalGraphPanel* evalGraph() const { return evalGraph_; }
    AnalysisPane* analysisPane() const { return analysis_; }
    // The name the next file dialog answers without opening.
    void presetFileName(const QString& path);

    // The default size of the board view in pixels: the program's twips at
    // the scale that makes the window (with `reservedHeight` pixels above
    // the view) about four fifths of the screen's height.
    static QSize defaultViewSize(int reservedHeight = 0);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Run one program handler; presses arriving meanwhile wait their turn.
    void dispatch(std::function<void()> handler);
    void buildMenus();
    void buildPanel();
    void buildMoveList();
    void buildEvalGraph();
    void buildAnalysisPane();
    int moveListWidth() const;
    int moveListShare() const;
    void fillDriveList();
    void fillDirList();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void finishIfQuit();
    // A termination signal: end as Esc does, closing a box that is open.
    void endBySignal();

    zk::State state_;
    std::unique_ptr<QtPlatform> platform_;
    BoardView* view_ = nullptr;
    MoveListPanel* moveList_ = nullptr;
    EvalGraphPanel* evalGraph_ = nullptr;
    AnalysisPane* analysis_ = nullptr;
    QHash<QString, QAction*> actions_;
    QComboBox* drive1_ = nullptr;
    QListWidget* dir1_ = nullptr;
    QListWidget* file1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QString dirPath_;
    QString filePath_;
    // The folder icons of the list, made when the list is first shown: looking
    // them up in the icon theme was a tenth of the time to the first paint.
    QIcon openDirIcon_, dirIcon_;
    void setDirIcons();
    bool busy_ = false;
    bool closing_ = false;
    std::vector<std::function<void()>> pending_;
};

}  // namespace zkqt
