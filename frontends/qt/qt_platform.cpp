#include "qt_platform.h"

#include <fcntl.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "analysis.h"
#include "board_view.h"
#include "file_dialogs.h"
#include "main_window.h"

namespace zkqt {

QtPlatform::QtPlatform(MainWindow& window, bool instantWaits)
    : window_(window), instantWaits_(instantWaits) {
    clock_.start();
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead_ = fds[0];
        wakeWrite_ = fds[1];
        wakeNotifier_ = std::make_unique<QSocketNotifier>(wakeRead_, QSocketNotifier::Read);
        QObject::connect(wakeNotifier_.get(), &QSocketNotifier::activated, &window_,
                         [this] { runPosted(); });
    }
}

QtPlatform::~QtPlatform() {
    if (worker_.joinable()) worker_.join();
    wakeNotifier_.reset();
    if (wakeRead_ >= 0) ::close(wakeRead_);
    if (wakeWrite_ >= 0) ::close(wakeWrite_);
}

void QtPlatform::runOffThread(std::function<void()> job, std::function<void()> done) {
    // The earlier job has posted its ending already, or was told to stop.
    if (worker_.joinable()) worker_.join();
    worker_ = std::thread([this, job = std::move(job), done = std::move(done)]() mutable {
        job();
        post(std::move(done));
    });
}

void QtPlatform::startTicks(double seconds, std::function<void()> handler) {
    if (!ticks_) ticks_ = std::make_unique<QTimer>();
    ticks_->disconnect();
    QObject::connect(ticks_.get(), &QTimer::timeout, &window_, [this, handler] {
        // Queued ticks would all run when the box closes: one is enough.
        if (!window_.busy()) window_.deliver(handler);
    });
    ticks_->start(static_cast<int>(seconds * 1000));
}

void QtPlatform::stopTicks() {
    if (ticks_) ticks_->stop();
}

void QtPlatform::post(std::function<void()> handler) {
    {
        std::lock_guard<std::mutex> lock(postedLock_);
        posted_.push_back(std::move(handler));
    }
    if (wakeWrite_ < 0) {
        // Without the pipe, Qt's own queue wakes the loop.
        QMetaObject::invokeMethod(
            &window_, [this] { runPosted(); }, Qt::QueuedConnection);
        return;
    }
    const char byte = 1;
    // A full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
}

void QtPlatform::runPosted() {
    char bytes[64];
    while (wakeRead_ >= 0 && ::read(wakeRead_, bytes, sizeof bytes) > 0) {
    }
    for (;;) {
        std::function<void()> next;
        {
            std::lock_guard<std::mutex> lock(postedLock_);
            if (posted_.empty()) return;
            next = std::move(posted_.front());
            posted_.pop_front();
        }
        window_.deliver(std::move(next));
    }
}

void QtPlatform::flush() {
    if (!window_.view()) return;
    // At start-up the window is shown but not yet on the screen, and a paint
    // now would be lost: let it get there first, handling no input.
    if (!waitedForScreen_ && window_.isVisible()) {
        waitedForScreen_ = true;
        QWindow* w = window_.windowHandle();
        QDeadlineTimer deadline(1000);
        QTimer tick;  // wakes the wait below when no event comes
        tick.start(10);
        while (w && !w->isExposed() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                            QEventLoop::WaitForMoreEvents);
    }
    // Paint now; input waits in the queue until the handler returns.
    window_.view()->repaintChanged(true);
}

zk::MsgAnswer QtPlatform::messageBox(const std::string& text, const std::string& title,
                                     zk::MsgButtons buttons, zk::MsgIcon icon) {
    if (boxesAnsweredAtOnce_)
        return buttons == zk::MsgButtons::OK ? zk::MsgAnswer::OK : zk::MsgAnswer::No;
    QMessageBox box(&window_);
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setIcon(icon == zk::MsgIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    if (buttons == zk::MsgButtons::YesNo) {
        yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
    } else {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    if (window_.view()) window_.view()->repaintChanged(true);
    box.exec();
    if (buttons == zk::MsgButtons::OK) return zk::MsgAnswer::OK;
    return box.clickedButton() == yes ? zk::MsgAnswer::Yes : zk::MsgAnswer::No;
}

void QtPlatform::recordChanged() {
    window_.moveListChanged();
    zk::analysisPositionChanged(window_.state());
}

void QtPlatform::analysisChanged() { window_.analysisChanged(); }

void QtPlatform::setClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtPlatform::askFileName(bool save, const std::string& title,
                                    const std::string& suggested, const std::string& extension) {
    if (!presetFileNames.isEmpty()) return presetFileNames.takeFirst().toStdString();
    if (boxesAnsweredAtOnce_) return "";
    const QStringList endings =
        QString::fromStdString(extension).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList patterns;
    for (const QString& e : endings) patterns << QStringLiteral("*.%1").arg(e);
    QFileDialog dialog(&window_, QString::fromStdString(title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A typed name without an ending gets the first one.
    dialog.setDefaultSuffix(endings.value(0));
    dialog.setNameFilters({patterns.join(QLatin1Char(' ')), QStringLiteral("*")});
    // Each kind of file opens where the last one of its kind was read or
    // written ($XDG_CONFIG_HOME/zenkoru/folders.conf).
    QSettings folders(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zenkoru"),
                      QStringLiteral("folders"));
    const QString kind = QString::fromStdString(extension);
    QString start = QString::fromStdString(suggested);
    const QString remembered = rememberedFolder(folders, kind);
    if (!remembered.isEmpty()) {
        const QString name = QFileInfo(start).isDir() ? QString() : QFileInfo(start).fileName();
        start = name.isEmpty() ? remembered : remembered + QLatin1Char('/') + name;
    }
    if (QFileInfo(start).isDir())
        dialog.setDirectory(start);
    else
        dialog.selectFile(start);
    if (window_.view()) window_.view()->repaintChanged(true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
    const QString chosen = dialog.selectedFiles().first();
    rememberFolder(folders, kind, QFileInfo(chosen).absolutePath());
    return chosen.toStdString();
}

void QtPlatform::setMenuChecked(const std::string& control, bool checked) {
    if (QAction* a = window_.action(QString::fromStdString(control))) a->setChecked(checked);
}

bool QtPlatform::menuChecked(const std::string& control) const {
    QAction* a = window_.action(QString::fromStdString(control));
    return a && a->isChecked();
}

void QtPlatform::setFileListsVisible(bool drive, bool dir, bool file) {
    window_.layoutPanel();
    window_.drive1()->setVisible(drive);
    window_.dir1()->setVisible(dir);
    window_.file1()->setVisible(file);
}

void QtPlatform::setNameInputVisible(bool visible) {
    window_.layoutPanel();
    window_.label1()->setVisible(visible);
    window_.text1()->setVisible(visible);
    window_.command1()->setVisible(visible);
    if (visible) window_.text1()->setFocus();
}

std::string QtPlatform::nameInputText() const { return window_.text1()->text().toStdString(); }

void QtPlatform::setNameInputText(const std::string& text) {
    window_.text1()->setText(QString::fromStdString(text));
}

std::string QtPlatform::driveListPath() const {
    return window_.drive1()->currentText().toStdString();
}

std::string QtPlatform::dirListPath() const { return window_.dirPath().toStdString(); }

bool QtPlatform::setDirListPath(const std::string& path) {
    return window_.setDirPath(QString::fromStdString(path));
}

std::string QtPlatform::fileListPath() const { return window_.filePath().toStdString(); }

void QtPlatform::setFileListPath(const std::string& path) {
    window_.setFilePath(QString::fromStdString(path));
}

void QtPlatform::refreshFileList() { window_.fillFileList(); }

std::string QtPlatform::settingsFolder() const {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/zenkoru"))
        .toStdString();
}

std::string QtPlatform::autosaveFolder() const {
    return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/zenkoru/棋譜"))
        .toStdString();
}

double QtPlatform::clockSeconds() { return clock_.nsecsElapsed() / 1e9 + skipped_; }

void QtPlatform::sleepSeconds(double seconds) {
    if (instantWaits_) {
        skipped_ += seconds;
        return;
    }
    if (seconds > 0) QThread::usleep(static_cast<unsigned long>(seconds * 1e6));
}

std::int32_t QtPlatform::dsInitialize(std::int64_t windowHandle) {
    return sound_.dsInitialize(windowHandle);
}
void QtPlatform::dsTerminate(std::int32_t library) { sound_.dsTerminate(library); }
std::int32_t QtPlatform::dsCreateDSB(std::int32_t library, const std::uint8_t* bytes,
                                     std::size_t size, std::int32_t flag, const std::string&) {
    return sound_.dsCreateDSB(library, bytes, size, flag);
}
void QtPlatform::dsPlay(std::int32_t buffer) { sound_.dsPlay(buffer); }
void QtPlatform::dsPlayLooping(std::int32_t buffer) { sound_.dsPlayLooping(buffer); }
void QtPlatform::dsStop(std::int32_t buffer) { sound_.dsStop(buffer); }
void QtPlatform::dsFree(std::int32_t buffer) { sound_.dsFree(buffer); }

}  // namespace zkqt
