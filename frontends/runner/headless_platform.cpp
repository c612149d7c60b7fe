#include "headless_platform.h"

#include <filesystem>

namespace zk {

MsgAnswer HeadlessPlatform::messageBox(const std::string& text, const std::string& title,
                                       MsgButtons buttons, MsgIcon icon) {
    MsgAnswer answer = MsgAnswer::OK;
    if (buttons == MsgButtons::YesNo) {
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        } else {
            answer = defaultAnswer;
        }
    }
    std::string line = std::string(buttons == MsgButtons::YesNo ? "ask" : "box") +
                       (icon == MsgIcon::Warning ? "!" : "") + " [" + title + "] " + text;
    if (buttons == MsgButtons::YesNo) line += answer == MsgAnswer::Yes ? " -> yes" : " -> no";
    transcript.push_back(line);
    return answer;
}

void HeadlessPlatform::setClipboardText(const std::string& text) {
    clipboard = text;
    transcript.push_back("clipboard " + text);
}

std::string HeadlessPlatform::askFileName(bool save, const std::string& title,
                                          const std::string& /*suggested*/,
                                          const std::string& /*extension*/) {
    std::string name;
    if (!fileNames.empty()) {
        name = fileNames.front();
        fileNames.pop_front();
    }
    transcript.push_back(std::string(save ? "save-dialog [" : "open-dialog [") + title + "] -> " +
                         (name.empty() ? "(cancelled)" : name));
    return name;
}

void HeadlessPlatform::setMenuChecked(const std::string& control, bool on) {
    if (on)
        checked.insert(control);
    else
        checked.erase(control);
}

void HeadlessPlatform::runOffThread(std::function<void()> job, std::function<void()> done) {
    job();
    post(std::move(done));
}

void HeadlessPlatform::runPosted() {
    while (!posted.empty() && !quitRequested) {
        std::function<void()> next = std::move(posted.front());
        posted.pop_front();
        next();
    }
}

bool HeadlessPlatform::menuChecked(const std::string& control) const {
    return checked.count(control) != 0;
}

void HeadlessPlatform::setFileListsVisible(bool drive, bool dir, bool file) {
    driveVisible = drive;
    dirVisible = dir;
    fileVisible = file;
}

bool HeadlessPlatform::setDirListPath(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_directory(path, ec)) return false;
    dirPath = path;
    return true;
}

void HeadlessPlatform::startTicks(double seconds, std::function<void()> handler) {
    tickSeconds = seconds;
    nextTick = now + seconds;
    tickHandler = std::move(handler);
}

void HeadlessPlatform::advance(double seconds) {
    const double until = now + seconds;
    while (tickHandler && nextTick <= until && !quitRequested) {
        now = nextTick;
        nextTick += tickSeconds;
        ++ticks;
        // A copy: the tick may stop the ticks, which drops the handler.
        const std::function<void()> tick = tickHandler;
        tick();
        runPosted();
    }
    now = until;
}

void HeadlessPlatform::quit() {
    quitRequested = true;
    transcript.push_back("quit");
}

std::int32_t HeadlessPlatform::dsInitialize(std::int64_t) { return audioFails ? 0 : 77; }

void HeadlessPlatform::dsTerminate(std::int32_t library) {
    if (library != 0) transcript.push_back("sound library terminated");
}

std::int32_t HeadlessPlatform::dsCreateDSB(std::int32_t library, const std::uint8_t*,
                                           std::size_t size, std::int32_t,
                                           const std::string& name) {
    if (library == 0 || size == 0) return 0;
    std::int32_t handle = nextBuffer_++;
    bufferNames[handle] = name;
    return handle;
}

void HeadlessPlatform::dsPlay(std::int32_t buffer) {
    if (buffer != 0) transcript.push_back("sound " + bufferNames[buffer]);
}

void HeadlessPlatform::dsPlayLooping(std::int32_t buffer) {
    if (buffer == 0) return;
    looping.insert(buffer);
    transcript.push_back("loop " + bufferNames[buffer]);
}

void HeadlessPlatform::dsStop(std::int32_t buffer) {
    if (buffer == 0) return;
    looping.erase(buffer);
    transcript.push_back("stop " + bufferNames[buffer]);
}

void HeadlessPlatform::dsFree(std::int32_t buffer) {
    if (buffer == 0) return;
    looping.erase(buffer);
    bufferNames.erase(buffer);
}

std::vector<std::string> HeadlessPlatform::takeTranscript() {
    std::vector<std::string> out;
    out.swap(transcript);
    return out;
}

}  // namespace zk
