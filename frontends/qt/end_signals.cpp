#include "end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace zkqt {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int gPipe[2] = {-1, -1};

// Only async-signal-safe calls: one byte down the pipe. Until the event loop
// has read it, a second signal of the kind ends the program at once, so a
// program stuck in a long handler still goes.
void onSignal(int sig) {
    const int saved = errno;
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(gPipe[1], &byte, 1);
    std::signal(sig, SIG_DFL);
    errno = saved;
}

void install() {
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : kSignals) sigaction(sig, &sa, nullptr);
}

}  // namespace

EndSignals& EndSignals::instance() {
    static EndSignals* one = new EndSignals;
    return *one;
}

EndSignals::EndSignals() : QObject(QCoreApplication::instance()) {
    if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;  // then signals end us as before
    notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::readPipe);
    install();
}

void EndSignals::readPipe() {
    char bytes[64];
    bool any = false;
    while (::read(gPipe[0], bytes, sizeof bytes) > 0) any = true;
    install();  // armed again for the next one
    if (any) emit endRequested();
}

}  // namespace zkqt
