// window_paint [--graph] [REPAINTS] [STARTS]: what painting the real window costs, at
// the size of the whole screen (run it on a large one, e.g. under
// xvfb-run -s "-screen 0 3840x2160x24"). Prints the median CPU time of a
// full repaint, of the repaint of one move's changed area, and the time from
// the start of a process to the first paint of the board
// (window_paint --startup is that process: a window as the game opens it).
// --graph: twelve moves analysed and 形勢グラフ shown; the full repaint is
// then the board's and the graph's together.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <vector>

#include "board_view.h"
#include "eval_graph.h"
#include "game_analysis.h"
#include "main_window.h"
#include "screenshot.h"
#include "state.h"

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double wallMs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

template <typename Fn>
double medianCpu(int times, Fn fn) {
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        const double t0 = cpuMs();
        fn();
        ms.push_back(cpuMs() - t0);
    }
    return median(ms);
}

void press(zkqt::MainWindow& w, int x, int y) {
    zkqt::pressSquare(w, x, y);
    QApplication::processEvents();
}

// The game's own start: print the wall clock at the first paint of the board.
int startup(QApplication& app) {
    zkqt::MainWindow w;
    QObject::connect(w.view(), &zkqt::BoardView::painted, &app, [&w] {
        if (w.state().screen.ui == nullptr || w.platform() == nullptr) return;
        if (w.view()->cachedImages() == 0) return;  // no square painted yet
        std::printf("%.3f\n", wallMs());
        std::fflush(stdout);
        std::_Exit(0);
    });
    w.show();
    w.start();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--startup"))) return startup(app);
    std::vector<char*> args(argv, argv + argc);
    const auto graphFlag = std::find_if(
        args.begin(), args.end(), [](const char* a) { return std::string_view(a) == "--graph"; });
    const bool graph = graphFlag != args.end();
    if (graph) args.erase(graphFlag);
    const int repaints = args.size() > 1 ? std::atoi(args[1]) : 200;
    const int starts = args.size() > 2 ? std::atoi(args[2]) : 9;

    double fullMs = 0, moveMs = 0;
    QRect moveArea;
    {
        zkqt::MainWindow w(true);
        zkqt::BoxAnswerer answerer;
        w.show();
        w.start();
        const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
        w.resize(avail.size());
        QApplication::processEvents();
        w.action(QStringLiteral("START"))->trigger();
        QApplication::processEvents();
        zkqt::BoardView* v = w.view();
        QWidget* plot = nullptr;
        if (graph) {
            // Tokins of both sides step forward, then the game is analysed.
            for (int x = 1; x <= 6; ++x) {
                press(w, x, 9);
                press(w, x, 8);
                press(w, 13 - x, 4);
                press(w, 13 - x, 5);
            }
            w.deliver([&w] { zk::棋譜解析開始(w.state(), 2000); });
            while (zk::棋譜解析状況(w.state()).running)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            QApplication::processEvents();
            plot = w.evalGraph()->plot();
            std::printf("graph %dx%d, %d points\n", plot->width(), plot->height(),
                        w.evalGraph()->plot()->pointCount());
            plot->repaint();
        }
        v->repaint();
        std::printf("screen %dx%d, view %dx%d\n", avail.width(), avail.height(), v->width(),
                    v->height());
        fullMs = medianCpu(repaints, [v, plot] {
            v->repaint();
            if (plot) plot->repaint();
        });
        if (plot) {
            std::printf("the graph's repaint: %.2f ms CPU (median of %d)\n",
                        medianCpu(repaints, [plot] { plot->repaint(); }), repaints);
            std::printf("the board's alone: %.2f ms CPU (median of %d)\n",
                        medianCpu(repaints, [v] { v->repaint(); }), repaints);
        }
        // A tokin steps forward: the area that move repaints, painted again.
        QObject::connect(v, &zkqt::BoardView::painted, v,
                         [&moveArea](const QRect& r) { moveArea |= r; });
        press(w, 5, 9);
        moveArea = {};
        press(w, 5, 8);
        QObject::disconnect(v, &zkqt::BoardView::painted, v, nullptr);
        moveMs = medianCpu(repaints, [v, moveArea] { v->repaint(moveArea); });
        // ZK_GRAB=file.png: the view after the move, to compare pictures.
        if (const char* file = std::getenv("ZK_GRAB")) v->grab().save(QString::fromLocal8Bit(file));
    }
    std::vector<double> startMs;
    for (int i = 0; i < starts; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        child.setProcessEnvironment(env);
        const double t0 = wallMs();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup")});
        child.waitForFinished(30000);
        startMs.push_back(child.readAllStandardOutput().trimmed().toDouble() - t0);
    }
    std::printf("full repaint: %.2f ms CPU (median of %d)\n", fullMs, repaints);
    std::printf("a move's repaint: %.2f ms CPU, %dx%d pixels (median of %d)\n", moveMs,
                moveArea.width(), moveArea.height(), repaints);
    if (startMs.empty()) return 0;
    std::printf("start to the board painted: %.1f ms (median of %d; min %.1f, max %.1f)\n",
                median(startMs), starts, *std::min_element(startMs.begin(), startMs.end()),
                *std::max_element(startMs.begin(), startMs.end()));
    return 0;
}
