// window_memory [RESIZES]: resident memory of the real window while it is
// resized through many sizes (run it on a large screen, e.g. under
// xvfb-run -s "-screen 0 3840x2160x24"). Prints the resident set after the
// first size and after the last.
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "board_view.h"
#include "main_window.h"
#include "screenshot.h"

namespace {

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int resizes = argc > 1 ? std::atoi(argv[1]) : 60;
    zkqt::MainWindow w(true);
    zkqt::BoxAnswerer answerer;
    w.show();
    w.start();
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    std::printf("screen %dx%d, window %dx%d\n", avail.width(), avail.height(), w.width(),
                w.height());
    long first = 0;
    for (int i = 0; i < resizes; ++i) {
        // Up from a third of the screen to all of it and back down, so that
        // the last size is the first one again.
        const int half = std::max(1, resizes / 2);
        const double t =
            i <= half ? double(i) / half : double(resizes - 1 - i) / (resizes - 1 - half);
        const double f = 0.33 + 0.67 * t;
        w.resize(int(avail.width() * f), int(avail.height() * f));
        QApplication::processEvents();
        w.view()->repaint();
        QApplication::processEvents();
        if (i == 0) first = residentKiB();
        if (std::getenv("ZK_VERBOSE"))
            std::printf("%4dx%-4d %.1f MB\n", w.width(), w.height(), residentKiB() / 1024.0);
    }
    const long last = residentKiB();
    std::printf(
        "resident after the first size: %.1f MB, after %d sizes: %.1f MB (%+.1f MB); "
        "images held: %d\n",
        first / 1024.0, resizes, last / 1024.0, (last - first) / 1024.0, w.view()->cachedImages());
    return 0;
}
