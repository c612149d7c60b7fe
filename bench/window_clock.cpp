// window_clock [SECONDS]: what a running game clock costs the real window
// while nobody touches it. Plays one move against the computer with a clock
// of 10 minutes and 30 seconds of 秒読み, then lets the event loop run for
// SECONDS (default 10) of wall time and prints the process's CPU time over
// that wall time as a share of one core, with the number of paints; the same
// without a clock for comparison. Run it with a private XDG_CONFIG_HOME and
// XDG_DATA_HOME: the menus write the settings file.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "board_view.h"
#include "main_window.h"
#include "screenshot.h"
#include "state.h"

namespace {

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Idle for `seconds` with the clock menus given: CPU share of one core (%).
void measure(const char* what, const QStringList& clockMenus, double seconds) {
    zkqt::MainWindow w(true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    QApplication::processEvents();
    for (const QString& m : clockMenus) w.action(m)->trigger();
    w.action(QStringLiteral("SENTE"))->trigger();
    QApplication::processEvents();
    zkqt::pressSquare(w, 7, 9);
    QApplication::processEvents();
    zkqt::pressSquare(w, 7, 8);
    QApplication::processEvents();
    int paints = 0;
    QObject::connect(w.view(), &zkqt::BoardView::painted, w.view(),
                     [&paints](const QRect&) { ++paints; });
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    wall.start();
    const double c0 = cpuMs();
    loop.exec();
    const double cpu = cpuMs() - c0, elapsed = static_cast<double>(wall.elapsed());
    std::printf("%s: %.2f %% of one core (%.1f ms CPU in %.1f s, %d paints)\n", what,
                100.0 * cpu / elapsed, cpu, elapsed / 1000, paints);
    std::fflush(stdout);
    for (const char* m : {"MOCHI0", "BYO0", "KASAN0"}) w.action(QString::fromLatin1(m))->trigger();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10;
    measure("idle, no clock", {QStringLiteral("MOCHI0"), QStringLiteral("BYO0")}, seconds);
    measure("idle, clock running", {QStringLiteral("MOCHI10"), QStringLiteral("BYO30")}, seconds);
    return 0;
}
