// The Platform of the real window: the screen model painted by the board view,
// Qt message boxes with Japanese buttons, the menu's check marks, the file
// panel, a monotonic clock and our sound library.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "platform.h"
#include "sound_library.h"

class QAction;
class QSocketNotifier;
class QTimer;

namespace zkqt {

class MainWindow;

class QtPlatform : public zk::Platform {
public:
    // With `instantWaits` the blinks' waits pass at once (for tests that play
    // whole games through the window).
    QtPlatform(MainWindow& window, bool instantWaits);
    // Waits for a job still running; the program has told it to stop.
    ~QtPlatform() override;

    zk::ScreenModel& screen() override { return screen_; }
    void flush() override;
    zk::MsgAnswer messageBox(const std::string& text, const std::string& title,
                             zk::MsgButtons buttons, zk::MsgIcon icon) override;
    void setMenuChecked(const std::string& control, bool checked) override;
    bool menuChecked(const std::string& control) const override;
    void setFileListsVisible(bool drive, bool dir, bool file) override;
    void setNameInputVisible(bool visible) override;
    std::string nameInputText() const override;
    void setNameInputText(const std::string& text) override;
    std::string driveListPath() const override;
    std::string dirListPath() const override;
    bool setDirListPath(const std::string& path) override;
    std::string fileListPath() const override;
    void setFileListPath(const std::string& path) override;
    void refreshFileList() override;
    void recordChanged() override;
    void analysisChanged() override;
    void setClipboardText(const std::string& text) override;
    // A file dialog, or the next of `presetFileNames` when there are any.
    std::string askFileName(bool save, const std::string& title, const std::string& suggested,
                            const std::string& extension) override;
    double clockSeconds() override;
    void sleepSeconds(double seconds) override;
    void quit() override { quitRequested_ = true; }
    // A QTimer; a tick due while a handler runs (a box is open) is dropped.
    void startTicks(double seconds, std::function<void()> handler) override;
    void stopTicks() override;
    // One worker thread at a time; results come back as queued handlers.
    void runOffThread(std::function<void()> job, std::function<void()> done) override;
    void post(std::function<void()> handler) override;
    // $XDG_CONFIG_HOME/zenkoru and $XDG_DATA_HOME/zenkoru/棋譜.
    std::string settingsFolder() const override;
    std::string autosaveFolder() const override;

    std::int32_t dsInitialize(std::int64_t windowHandle) override;
    void dsTerminate(std::int32_t library) override;
    std::int32_t dsCreateDSB(std::int32_t library, const std::uint8_t* bytes, std::size_t size,
                             std::int32_t flag, const std::string& name) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
    void dsFree(std::int32_t buffer) override;

    bool quitRequested() const { return quitRequested_; }
    // From now on boxes are not shown: OK boxes pass, questions answer No.
    void answerBoxesAtOnce() { boxesAnsweredAtOnce_ = true; }
    // Names the file dialogs answer without opening (tools and tests).
    QStringList presetFileNames;

private:
    MainWindow& window_;
    zk::ScreenModel screen_;
    QElapsedTimer clock_;
    zk::SoundLibrary sound_;
    bool quitRequested_ = false;
    bool boxesAnsweredAtOnce_ = false;
    bool instantWaits_ = false;
    bool waitedForScreen_ = false;  // the first flush of a shown window waits for it
    double skipped_ = 0;            // seconds of waits passed at once
    std::thread worker_;
    std::unique_ptr<QTimer> ticks_;
    // Handlers posted from the worker wait here; a byte down the pipe wakes
    // the event loop. Both are synchronisations ThreadSanitizer can see.
    void runPosted();
    std::mutex postedLock_;
    std::deque<std::function<void()>> posted_;
    int wakeRead_ = -1, wakeWrite_ = -1;
    std::unique_ptr<QSocketNotifier> wakeNotifier_;
};

}  // namespace zkqt
