#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QTextStream>

#include "analysis.h"
#include "analysis_pane.h"
#include "board_view.h"
#include "end_signals.h"
#include "engine_turn.h"
#include "eval_graph.h"
#include "form1.h"
#include "game_analysis.h"
#include "move_list_panel.h"
#include "piece_art.h"
#include "qt_platform.h"
#include "record_commands.h"
#include "share.h"
#include "sound.h"

namespace zkqt {

namespace {

// The menu in display order: control, caption, parent control ("" = bar),
// whether it opens a submenu.
struct MenuEntry {
    const char* control;
    const char* caption;
    const char* parent;
    bool submenu;
};

const MenuEntry kMenu[] = {
    {"TAIKYOKU", "対局", "", true},
    {"MATCH_MAN", "対局(人間)", "TAIKYOKU", true},
    {"START", "スタート", "MATCH_MAN", false},
    {"START2", "対局(COM)", "TAIKYOKU", true},
    {"SENTE", "先手", "START2", false},
    {"GOTE", "後手", "START2", false},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU", true},
    {"LEVEL1", "LEVEL1", "LEVEL", false},
    {"LEVEL2", "LEVEL2", "LEVEL", false},
    {"LEVEL3", "LEVEL3", "LEVEL", false},
    {"LEVEL4", "LEVEL4", "LEVEL", false},
    {"THINK", "思考時間", "LEVEL", true},
    {"THINK1", "1秒", "THINK", false},
    {"THINK5", "5秒", "THINK", false},
    {"THINK15", "15秒", "THINK", false},
    {"RULES", "ルール", "TAIKYOKU", true},
    {"RULE_STD", "中将棋(標準)", "RULES", false},
    {"RULE_ZK", "本ソフトのルール", "RULES", false},
    {"CLOCK", "持ち時間", "TAIKYOKU", true},
    {"MOCHI0", "なし", "CLOCK", false},
    {"MOCHI5", "5分", "CLOCK", false},
    {"MOCHI10", "10分", "CLOCK", false},
    {"MOCHI30", "30分", "CLOCK", false},
    {"BYO", "秒読み", "TAIKYOKU", true},
    {"BYO0", "なし", "BYO", false},
    {"BYO10", "10秒", "BYO", false},
    {"BYO30", "30秒", "BYO", false},
    {"BYO60", "60秒", "BYO", false},
    {"KASAN", "加算", "TAIKYOKU", true},
    {"KASAN0", "なし", "KASAN", false},
    {"KASAN10", "10秒", "KASAN", false},
    {"KASAN30", "30秒", "KASAN", false},
    {"TOURYOU", "投了", "TAIKYOKU", false},
    {"CHUDAN", "中断", "TAIKYOKU", false},
    {"SAIKAI", "再開", "TAIKYOKU", false},
    {"OWARI", "終わり", "TAIKYOKU", false},
    {"STOP", "局面", "", true},
    {"CANCEL", "最初", "STOP", false},
    {"REVERSE", "反転", "STOP", false},
    {"REPLAY", "戻", "", false},
    {"AFTER", "進", "", false},
    {"LBEL_UP", "△", "", false},
    {"LEBEL_DOWN", "▽", "", false},
    {"KIFU", "棋譜", "", true},
    {"KIFU_READ", "読込", "KIFU", false},
    {"KIFU_WRITE", "書込", "KIFU", false},
    {"SFEN_WRITE", "SFEN/USIで書出", "KIFU", false},
    {"KIF_WRITE", "KIF形式で書出", "KIFU", false},
    {"SFEN_COPY", "局面をコピー", "KIFU", false},
    {"SFEN_READ", "SFEN/USIを読込", "KIFU", false},
    {"KIFU_KAISEKI", "棋譜解析", "KIFU", false},
    {"OPTION", "ｵﾌﾟｼｮﾝ", "", true},
    {"SIDOU", "移動指導", "OPTION", false},
    {"BGM", "BGM", "OPTION", false},
    {"IDOU_HLP", "移動ﾍﾙﾌﾟ", "", false},
    {"HINT", "ヒント", "", false},
    {"VER", "その他", "", false},
};

const char* const kCheckable[] = {"LEVEL1",  "LEVEL2",  "LEVEL3",  "LEVEL4",   "THINK1",  "THINK5",
                                  "THINK15", "SIDOU",   "BGM",     "RULE_STD", "RULE_ZK", "MOCHI0",
                                  "MOCHI5",  "MOCHI10", "MOCHI30", "BYO0",     "BYO10",   "BYO30",
                                  "BYO60",   "KASAN0",  "KASAN10", "KASAN30"};

// Places worth offering: home, the folder of the automatically saved games,
// then the mounted file systems.
QStringList drives(const QString& savedGames) {
    QStringList out{QDir::homePath()};
    if (QDir().mkpath(savedGames)) out << savedGames;
    QFile mounts(QStringLiteral("/proc/mounts"));
    if (mounts.open(QIODevice::ReadOnly)) {
        QTextStream in(&mounts);
        while (!in.atEnd()) {
            const QStringList f = in.readLine().split(QLatin1Char(' '));
            if (f.size() < 3) continue;
            static const QStringList skip{
                "proc",     "sysfs",      "devpts",    "cgroup",      "cgroup2", "mqueue",
                "devtmpfs", "securityfs", "debugfs",   "tracefs",     "pstore",  "bpf",
                "fusectl",  "configfs",   "hugetlbfs", "binfmt_misc", "autofs",  "nsfs"};
            if (skip.contains(f[2])) continue;
            QString mp = f[1];
            mp.replace(QStringLiteral("\\040"), QStringLiteral(" "));
            if (mp.startsWith(QLatin1String("/proc")) || mp.startsWith(QLatin1String("/sys")) ||
                mp.startsWith(QLatin1String("/dev")) || mp.startsWith(QLatin1String("/run")))
                continue;
            if (!out.contains(mp)) out << mp;
        }
    }
    if (!out.contains(QStringLiteral("/"))) out << QStringLiteral("/");
    return out;
}

}  // namespace

MainWindow::MainWindow(bool instantWaits) {
    setWindowTitle(QStringLiteral(" Zenkoru"));
    platform_ = std::make_unique<QtPlatform>(*this, instantWaits);
    state_.screen.ui = platform_.get();
    view_ = new BoardView(platform_->screen(), this);
    setCentralWidget(view_);
    connect(view_, &BoardView::pressed, this, [this](int button, int shift, int x, int y) {
        dispatch([=, this] { zk::Form_MouseDown(state_, button, shift, x, y); });
    });
    buildMenus();
    buildPanel();
    buildMoveList();
    buildEvalGraph();
    buildAnalysisPane();
    connect(&EndSignals::instance(), &EndSignals::endRequested, this, &MainWindow::endBySignal);
    view_->setFocusPolicy(Qt::StrongFocus);
    const int menuHeight = menuBar()->sizeHint().height();
    resize(defaultViewSize(menuHeight) + QSize(moveListShare(), menuHeight));
}

MainWindow::~MainWindow() {
    // The pane goes first: it holds the state, and its analysis must not outlive the window.
    zk::stopAnalysis(state_);
    zk::setAnalysisListener(state_, nullptr);
    delete analysis_;
    // A search still out stops before the platform waits for its thread.
    zk::思考中止(state_);
    zk::棋譜解析中止(state_);
    // A window torn down without the program's own ending still frees its sounds.
    if (!closing_) zk::終了処理(state_);
    state_.screen.ui = nullptr;
}

QSize MainWindow::defaultViewSize(int reservedHeight) {
    const QSize base(BoardView::kTwipsW / zk::kTwipsPerPixel,
                     BoardView::kTwipsH / zk::kTwipsPerPixel);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return base;
    // About four fifths of the screen's height, menu bar included, in the
    // board's proportions; never wider than the screen.
    const QRect avail = screen->availableGeometry();
    const double factor =
        std::max(0.5, std::min((avail.height() * 0.8 - reservedHeight) / base.height(),
                               avail.width() * 0.95 / base.width()));
    return QSize(int(base.width() * factor), int(base.height() * factor));
}

void MainWindow::start() {
    dispatch([this] { zk::Form_Load(state_); });
}

void MainWindow::buildMenus() {
    QHash<QString, QMenu*> menus;
    for (const MenuEntry& e : kMenu) {
        const QString control = QString::fromLatin1(e.control);
        const QString caption = QString::fromUtf8(e.caption);
        const QString parent = QString::fromLatin1(e.parent);
        if (e.submenu) {
            QMenu* m = parent.isEmpty() ? menuBar()->addMenu(caption)
                                        : menus.value(parent)->addMenu(caption);
            menus.insert(control, m);
            actions_.insert(control, m->menuAction());
            // Opening 対局, 局面 or ｵﾌﾟｼｮﾝ is itself a command (it hides the file panel).
            connect(m, &QMenu::aboutToShow, this, [this, control] {
                dispatch([this, control] { zk::runMenuCommand(state_, control.toStdString()); });
            });
            continue;
        }
        QAction* a = parent.isEmpty() ? menuBar()->addAction(caption)
                                      : menus.value(parent)->addAction(caption);
        a->setObjectName(control);
        for (const char* c : kCheckable)
            if (control == QLatin1String(c)) a->setCheckable(true);
        actions_.insert(control, a);
        connect(a, &QAction::triggered, this, [this, control, a] {
            // Check marks belong to the program: undo Qt's own toggle first.
            if (a->isCheckable()) a->setChecked(!a->isChecked());
            dispatch([this, control] { zk::runMenuCommand(state_, control.toStdString()); });
        });
    }
}

void MainWindow::buildPanel() {
    drive1_ = new QComboBox(view_);
    drive1_->addItems(drives(QString::fromStdString(platform_->autosaveFolder())));
    dir1_ = new QListWidget(view_);
    dir1_->installEventFilter(this);
    file1_ = new QListWidget(view_);
    label1_ = new QLabel(QStringLiteral("ﾌｧｲﾙ名 ："), view_);
    label1_->setStyleSheet(QStringLiteral("color: white;"));
    text1_ = new QLineEdit(view_);
    command1_ = new QPushButton(QStringLiteral("RETURN"), view_);
    for (QWidget* w :
         std::initializer_list<QWidget*>{drive1_, dir1_, file1_, label1_, text1_, command1_})
        w->hide();
    dirPath_ = QDir::homePath();
    filePath_ = dirPath_;
    fillDirList();
    fillFileList();

    connect(drive1_, &QComboBox::currentTextChanged, this,
            [this](const QString&) { dispatch([this] { zk::Drive1_Change(state_); }); });
    connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString target = QDir(dirPath_).absoluteFilePath(item->data(Qt::UserRole).toString());
        if (!setDirPath(QDir::cleanPath(target))) return;
        dispatch([this] { zk::Dir1_Change(state_); });
    });
    connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::string name = item->text().toStdString();
        dispatch([this, name] { zk::File1_Click(state_, name); });
    });
    connect(command1_, &QPushButton::clicked, this,
            [this] { dispatch([this] { zk::Command1_Click(state_); }); });
    connect(text1_, &QLineEdit::returnPressed, this,
            [this] { dispatch([this] { zk::Command1_Click(state_); }); });
}

void MainWindow::buildMoveList() {
    moveList_ = new MoveListPanel(
        state_, [this](int n) { dispatch([this, n] { zk::棋譜_手へ(state_, n); }); }, this);
    moveList_->setFixedWidth(moveListWidth());
    addDockWidget(Qt::RightDockWidgetArea, moveList_);
    // The window grows and shrinks by the list, so the board keeps its size.
    QAction* toggle = moveList_->toggleViewAction();
    if (QAction* kifu = actions_.value(QStringLiteral("KIFU")); kifu && kifu->menu())
        kifu->menu()->addAction(toggle);
    connect(toggle, &QAction::triggered, this, [this](bool shown) {
        // With 検討 open the right side keeps its width either way.
        if (analysis_ && analysis_->isVisible()) return;
        resize(width() + (shown ? moveListShare() : -moveListShare()), height());
    });
    moveList_->refresh();
}

void MainWindow::buildAnalysisPane() {
    analysis_ = new AnalysisPane(state_, this);
    analysis_->setFixedWidth(moveListWidth());
    addDockWidget(Qt::RightDockWidgetArea, analysis_);
    splitDockWidget(moveList_, analysis_, Qt::Vertical);
    analysis_->hide();
    // A check mark in 局面; the control name lets scripts open it.
    QAction* toggle = analysis_->toggleViewAction();
    toggle->setObjectName(QStringLiteral("ANALYSIS"));
    actions_.insert(QStringLiteral("ANALYSIS"), toggle);
    if (QAction* stop = actions_.value(QStringLiteral("STOP")); stop && stop->menu())
        stop->menu()->addAction(toggle);
    // Under 棋譜一覧, with room for a few lines of the best line.
    connect(toggle, &QAction::triggered, this, [this](bool shown) {
        // Alone on the right, it takes 棋譜一覧's place: the window grows by it
        // and the board keeps its size.
        if (!moveList_->isVisible()) {
            resize(width() + (shown ? moveListShare() : -moveListShare()), height());
            return;
        }
        if (shown)
            resizeDocks({moveList_, analysis_}, {height() * 3 / 5, height() * 2 / 5}, Qt::Vertical);
    });
}

int MainWindow::moveListShare() const {
    // The list and the separator beside it.
    return moveListWidth() +
           style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
}

int MainWindow::moveListWidth() const { return moveList_ ? moveList_->preferredWidth() : 0; }

void MainWindow::presetFileName(const QString& path) { platform_->presetFileNames << path; }

void MainWindow::moveListChanged() {
    // A game changed under a running analysis drops it; a kept one is read.
    zk::棋譜解析追従(state_);
    if (moveList_) moveList_->refresh();
    if (evalGraph_) evalGraph_->refresh();
}

void MainWindow::buildEvalGraph() {
    evalGraph_ = new EvalGraphPanel(
        state_, [this](int n) { dispatch([this, n] { zk::棋譜_手へ(state_, n); }); },
        [this] { dispatch([this] { zk::棋譜解析中止(state_); }); }, this);
    evalGraph_->setFixedWidth(moveListWidth());
    addDockWidget(Qt::RightDockWidgetArea, evalGraph_);
    splitDockWidget(moveList_, evalGraph_, Qt::Vertical);
    evalGraph_->hide();
    // Runs after the menu's own handler, which started or found the analysis.
    if (QAction* analyse = actions_.value(QStringLiteral("KIFU_KAISEKI")))
        connect(analyse, &QAction::triggered, evalGraph_, [this] { evalGraph_->reopen(); });
}

void MainWindow::analysisChanged() {
    if (moveList_) moveList_->refresh();
    if (!evalGraph_) return;
    const bool wasHidden = evalGraph_->isHidden();
    evalGraph_->refresh();
    // Shown, the graph takes two fifths of the height beside the board.
    if (wasHidden && !evalGraph_->isHidden())
        resizeDocks({moveList_, evalGraph_}, {height() * 3 / 5, height() * 2 / 5}, Qt::Vertical);
}

bool MainWindow::setDirPath(const QString& path) {
    QDir d(path);
    if (!d.exists() || !d.isReadable()) return false;
    dirPath_ = d.absolutePath();
    fillDirList();
    return true;
}

void MainWindow::setFilePath(const QString& path) {
    filePath_ = path;
    fillFileList();
}

void MainWindow::fillDirList() {
    dir1_->clear();
    auto add = [this](const QString& label, const QString& target) {
        auto* item = new QListWidgetItem(label, dir1_);
        item->setData(Qt::UserRole, target);
    };
    add(dirPath_, QStringLiteral("."));
    if (!QDir(dirPath_).isRoot()) add(QStringLiteral(".."), QStringLiteral(".."));
    const QStringList subdirs =
        QDir(dirPath_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& s : subdirs) add(s, s);
    if (!dirIcon_.isNull()) setDirIcons();
}

void MainWindow::setDirIcons() {
    if (dirIcon_.isNull()) {
        openDirIcon_ = style()->standardIcon(QStyle::SP_DirOpenIcon);
        dirIcon_ = style()->standardIcon(QStyle::SP_DirIcon);
    }
    // The folder itself first, open; the others closed.
    for (int i = 0; i < dir1_->count(); ++i)
        dir1_->item(i)->setIcon(i == 0 ? openDirIcon_ : dirIcon_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dir1_ && event->type() == QEvent::Show && dirIcon_.isNull()) setDirIcons();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::fillFileList() {
    file1_->clear();
    const QStringList files = QDir(filePath_).entryList(QStringList{QStringLiteral("*.棋譜")},
                                                        QDir::Files | QDir::Readable, QDir::Name);
    file1_->addItems(files);
    layoutPanel();
}

void MainWindow::layoutPanel() {
    // Beside the board, right of the row numerals and below the move reports,
    // in the program's twips.
    const int x = 7320, w = 2040;
    QFont f = font();
    f.setPixelSize(std::max(9, int(180 * view_->scale())));
    for (QWidget* wd :
         std::initializer_list<QWidget*>{drive1_, dir1_, file1_, label1_, text1_, command1_})
        wd->setFont(f);
    // The lists widen to their longest name, as far as the view's right edge
    // and never past half the window.
    const QRect base = view_->toPixels(QRect(x, 0, w, 0));
    const QFontMetrics m(f);
    int longest = 0;
    for (const QListWidget* list : {dir1_, file1_})
        for (int i = 0; i < list->count(); ++i)
            longest = std::max(longest, m.horizontalAdvance(list->item(i)->text()));
    const int chrome = 2 * file1_->frameWidth() +
                       file1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                       m.averageCharWidth();
    const int room = std::min(view_->width() - base.x() - 4, width() / 2);
    const int listWidth = std::max(base.width(), std::min(longest + chrome, room));
    auto place = [&](QWidget* wd, int y, int h) {
        QRect r = view_->toPixels(QRect(x, y, w, h));
        r.setWidth(listWidth);
        wd->setGeometry(r);
    };
    place(drive1_, 3950, 330);
    place(dir1_, 4330, 1550);
    place(file1_, 5930, 1550);
    label1_->setGeometry(view_->toPixels(QRect(x, 5950, w, 330)));
    text1_->setGeometry(view_->toPixels(QRect(x, 6300, w, 360)));
    command1_->setGeometry(view_->toPixels(QRect(x, 6720, w / 2, 400)));
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    layoutPanel();
}

void MainWindow::dispatch(std::function<void()> handler) {
    if (closing_) return;
    if (busy_) {
        pending_.push_back(std::move(handler));
        return;
    }
    busy_ = true;
    handler();
    busy_ = false;
    view_->repaintChanged(false);
    finishIfQuit();
    while (!pending_.empty() && !closing_) {
        auto next = std::move(pending_.front());
        pending_.erase(pending_.begin());
        busy_ = true;
        next();
        busy_ = false;
        view_->repaintChanged(false);
        finishIfQuit();
    }
}

void MainWindow::finishIfQuit() {
    if (!platform_->quitRequested() || closing_) return;
    closing_ = true;
    pending_.clear();
    close();
    // Queued: an ending during start-up comes before the event loop runs,
    // and a quit then would be lost.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::endBySignal() {
    if (closing_) return;
    // The handler that is running finishes without waiting for anyone; the
    // ending then runs after it, as after any handler.
    platform_->answerBoxesAtOnce();
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
    dispatch([this] { zk::Form_KeyPress(state_, 27); });
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    int code = e->key() == Qt::Key_Escape ? 27 : (t.isEmpty() ? 0 : t.at(0).unicode());
    if (code == 0) return QMainWindow::keyPressEvent(e);
    dispatch([this, code] { zk::Form_KeyPress(state_, code); });
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!closing_) {
        if (busy_) {
            // A handler is still running (a box is open): close when it returns.
            e->ignore();
            pending_.push_back([this] { zk::Form_Unload(state_); });
            return;
        }
        dispatch([this] { zk::Form_Unload(state_); });
    }
    e->accept();
}

}  // namespace zkqt
