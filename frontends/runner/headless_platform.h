// A platform without a window: keeps the screen model, answers message boxes
// from a queue of scripted answers, and writes a transcript of everything the
// user would have seen or heard. The script runner and the tests use it.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform.h"

namespace zk {

class HeadlessPlatform : public Platform {
public:
    ScreenModel& screen() override { return screen_; }
    void flush() override { ++flushes; }

    MsgAnswer messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;

    void setMenuChecked(const std::string& control, bool checked) override;
    bool menuChecked(const std::string& control) const override;

    void setFileListsVisible(bool drive, bool dir, bool file) override;
    void setNameInputVisible(bool visible) override { nameInputVisible = visible; }
    std::string nameInputText() const override { return nameText; }
    void setNameInputText(const std::string& text) override { nameText = text; }
    std::string driveListPath() const override { return drivePath; }
    std::string dirListPath() const override { return dirPath; }
    bool setDirListPath(const std::string& path) override;
    std::string fileListPath() const override { return filePath; }
    void setFileListPath(const std::string& path) override { filePath = path; }
    void refreshFileList() override { ++fileListRefreshes; }

    void recordChanged() override {
        ++recordChanges;
        if (onRecordChanged) onRecordChanged();
    }
    // What the runner does when the position changed (the 検討 follows it).
    std::function<void()> onRecordChanged;
    // Written to the transcript as "clipboard <text>".
    void setClipboardText(const std::string& text) override;
    // Answered from `fileNames` in order ("" when it is empty: cancelled),
    // written to the transcript as "file-dialog [title] -> name".
    std::string askFileName(bool save, const std::string& title, const std::string& suggested,
                            const std::string& extension) override;

    double clockSeconds() override { return now; }
    void sleepSeconds(double seconds) override { now += seconds; }

    void quit() override;

    // Ticks come only from advance, on the fake time.
    void startTicks(double seconds, std::function<void()> handler) override;
    void stopTicks() override { tickHandler = nullptr; }
    // Let `seconds` of fake time pass: each tick due on the way runs at its
    // time, then what it posted.
    void advance(double seconds);

    // The job runs at once; `done` waits in the posted queue.
    void runOffThread(std::function<void()> job, std::function<void()> done) override;
    void post(std::function<void()> handler) override { posted.push_back(std::move(handler)); }
    // Run the posted handlers in order, as the event loop would after the
    // current handler; those they post run too. None after the program ended.
    void runPosted();

    std::string settingsFolder() const override { return settingsDir; }
    std::string autosaveFolder() const override { return autosaveDir; }

    std::int32_t dsInitialize(std::int64_t windowHandle) override;
    void dsTerminate(std::int32_t library) override;
    std::int32_t dsCreateDSB(std::int32_t library, const std::uint8_t* bytes, std::size_t size,
                             std::int32_t flag, const std::string& name) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
    void dsFree(std::int32_t buffer) override;

    // Take and clear the transcript lines written so far.
    std::vector<std::string> takeTranscript();

    // Scripted answers for Yes/No boxes, used in order; an empty queue
    // answers `defaultAnswer`.
    std::deque<MsgAnswer> answers;
    MsgAnswer defaultAnswer = MsgAnswer::Yes;
    bool audioFails = false;  // make dsInitialize fail

    std::vector<std::string> transcript;
    std::set<std::string> checked;
    bool driveVisible = false, dirVisible = false, fileVisible = false;
    bool nameInputVisible = false;
    std::string nameText;
    std::string drivePath = ".";
    std::string dirPath = ".";
    std::string filePath = ".";
    // Empty: settings in the current folder, no automatic saves (so scripts
    // never touch the user's folders).
    std::string settingsDir, autosaveDir;
    int fileListRefreshes = 0;
    int recordChanges = 0;
    std::string clipboard;
    std::deque<std::string> fileNames;
    int flushes = 0;
    double now = 1000.0;
    double tickSeconds = 0, nextTick = 0;
    std::function<void()> tickHandler;
    int ticks = 0;  // ticks run so far
    bool quitRequested = false;
    std::deque<std::function<void()>> posted;
    std::map<std::int32_t, std::string> bufferNames;
    std::set<std::int32_t> looping;

private:
    ScreenModel screen_;
    std::int32_t nextBuffer_ = 1;
};

}  // namespace zk
