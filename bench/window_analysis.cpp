// window_analysis [SECONDS]: what an open 検討 pane costs the real window
// once its search is over. Plays a move, opens the pane with the window's own
// bound (depth 20 or 10 seconds), waits for the search to end, then lets the
// event loop run for SECONDS (default 10) of wall time and prints the
// process's CPU time over that wall time as a share of one core; the same
// with the pane closed for comparison. Run it with a private XDG_CONFIG_HOME
// and XDG_DATA_HOME: the menus write the settings file.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "analysis.h"
#include "main_window.h"
#include "screenshot.h"
#include "state.h"

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Run the event loop for `ms` milliseconds of wall time.
void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Idle for `seconds` with the pane open or not: CPU share of one core (%).
void measure(const char* what, bool open, double seconds) {
    zkqt::MainWindow w(true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    QApplication::processEvents();
    w.action(QStringLiteral("START"))->trigger();
    QApplication::processEvents();
    zkqt::pressSquare(w, 7, 9);
    zkqt::pressSquare(w, 7, 8);
    QApplication::processEvents();
    QElapsedTimer searching;
    searching.start();
    if (open) {
        w.action(QStringLiteral("ANALYSIS"))->trigger();
        // The search ends at its own bound; a little more lets the last report land.
        while (!zk::latestAnalysis(w.state()) || !zk::latestAnalysis(w.state())->finished)
            runFor(50);
        const zk::AnalysisReport& r = *zk::latestAnalysis(w.state());
        std::printf("search: depth %d, %llu nodes, %s, %.1f s\n", r.depth,
                    static_cast<unsigned long long>(r.nodes), r.scoreText.c_str(),
                    searching.elapsed() / 1000.0);
    }
    runFor(200);
    QElapsedTimer wall;
    wall.start();
    const double c0 = cpuMs();
    runFor(static_cast<int>(seconds * 1000));
    const double cpu = cpuMs() - c0, elapsed = static_cast<double>(wall.elapsed());
    std::printf("%s: %.2f %% of one core (%.1f ms CPU in %.1f s)\n", what, 100.0 * cpu / elapsed,
                cpu, elapsed / 1000);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10;
    measure("idle, pane closed", false, seconds);
    measure("idle, pane open, search over", true, seconds);
    return 0;
}
