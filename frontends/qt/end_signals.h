// SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C in the terminal) turned
// into a Qt signal, so that the window can end the program as Esc does.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zkqt {

class EndSignals : public QObject {
    Q_OBJECT
public:
    // The one instance; the first call installs the signal handlers.
    static EndSignals& instance();

signals:
    // A termination signal arrived; emitted from the event loop.
    void endRequested();

private:
    EndSignals();
    void readPipe();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zkqt
