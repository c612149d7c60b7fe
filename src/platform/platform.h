// The one way the program reaches the outside world: the window's picture,
// message boxes, menu check marks, the record-file panel, the clock and the
// sound library. The Qt window, the headless script runner and the tests each
// provide one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "screen_model.h"

namespace zk {

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { None, Warning };
enum class MsgAnswer { OK, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // The retained picture; every drawing primitive goes here.
    virtual ScreenModel& screen() = 0;
    // Paint the picture now, without handling any user input.
    virtual void flush() = 0;

    // A modal message box; returns the button pressed.
    virtual MsgAnswer messageBox(const std::string& text, const std::string& title,
                                 MsgButtons buttons, MsgIcon icon) = 0;

    // Menu check marks, by control name ("SIDOU", "BGM", "LEVEL1"..).
    virtual void setMenuChecked(const std::string& control, bool checked) = 0;
    virtual bool menuChecked(const std::string& control) const = 0;

    // The record-file panel: visibility of the drive, directory and file
    // lists, and of the name input (label, text box and RETURN button).
    virtual void setFileListsVisible(bool drive, bool dir, bool file) = 0;
    virtual void setNameInputVisible(bool visible) = 0;
    virtual std::string nameInputText() const = 0;
    virtual void setNameInputText(const std::string& text) = 0;
    // Paths of the drive, directory and file lists, with this system's
    // separator. Setting the directory list's path answers false when the
    // directory cannot be opened (the device is not ready).
    virtual std::string driveListPath() const = 0;
    virtual std::string dirListPath() const = 0;
    virtual bool setDirListPath(const std::string& path) = 0;
    virtual std::string fileListPath() const = 0;
    virtual void setFileListPath(const std::string& path) = 0;
    virtual void refreshFileList() = 0;

    // The game record or the move on the board changed: a move list follows it.
    virtual void recordChanged() {}
    // The game's analysis advanced, finished, was read or dropped: its graph
    // and the move list's marks follow it.
    virtual void analysisChanged() {}
    // Put a text on the system clipboard.
    virtual void setClipboardText(const std::string& /*text*/) {}
    // Ask for a file to write (`save`) or read, offering `suggested` (a name,
    // or a path) and files ending in `extension` (several endings separated by
    // spaces, the first for a typed name); "" when the user cancelled.
    virtual std::string askFileName(bool /*save*/, const std::string& /*title*/,
                                    const std::string& /*suggested*/,
                                    const std::string& /*extension*/) {
        return "";
    }

    // Monotonic clock in seconds, and a wait that services no input.
    virtual double clockSeconds() = 0;
    virtual void sleepSeconds(double seconds) = 0;

    // The folder of the settings file ("": the current folder) and the folder
    // where games are saved automatically ("": they are not).
    virtual std::string settingsFolder() const { return ""; }
    virtual std::string autosaveFolder() const { return ""; }

    // A repeating tick for the game clocks: `handler` runs on the window's
    // thread as a handler of its own every `seconds` until stopTicks. A tick
    // that falls while another handler runs (a box is open) is dropped.
    virtual void startTicks(double /*seconds*/, std::function<void()> /*handler*/) {}
    virtual void stopTicks() {}

    // The program ends after the current handler returns.
    virtual void quit() = 0;

    // Run `job` off the window's thread, then `done` on the window's thread
    // as a handler of its own. A front end without threads may run the job at
    // once; `done` still waits until the current handler has returned.
    virtual void runOffThread(std::function<void()> job, std::function<void()> done) = 0;
    // Callable from the job: run `handler` on the window's thread as a
    // handler of its own, after those posted before it.
    virtual void post(std::function<void()> handler) = 0;

    // The sound library's operations (0 handles mean "no sound").
    virtual std::int32_t dsInitialize(std::int64_t windowHandle) = 0;
    virtual void dsTerminate(std::int32_t library) = 0;
    // `name` is only for transcripts; the buffer is made from the bytes.
    virtual std::int32_t dsCreateDSB(std::int32_t library, const std::uint8_t* bytes,
                                     std::size_t size, std::int32_t flag,
                                     const std::string& name) = 0;
    virtual void dsPlay(std::int32_t buffer) = 0;
    virtual void dsPlayLooping(std::int32_t buffer) = 0;
    virtual void dsStop(std::int32_t buffer) = 0;
    virtual void dsFree(std::int32_t buffer) = 0;
};

}  // namespace zk
