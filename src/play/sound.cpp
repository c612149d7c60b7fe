// Module1's sound calls: start-up of the sound library, loading the WAV files,
// the warning box and the shutdown.
#include "sound.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "platform.h"
#include "sound_library.h"

namespace zk {

namespace {

// Largest sound file we read; the library takes sizes as 32-bit numbers.
constexpr off_t kMaxSoundBytes = 64 << 20;

// Why a sound file could not be read, in the user's words.
std::string readProblem(int error) {
    switch (error) {
        case ENOENT:
            return "ﾌｧｲﾙがありません";
        case EISDIR:
            return "ﾌｫﾙﾀﾞです";
        case EINVAL:
            return "普通のﾌｧｲﾙではありません";
        case EFBIG:
            return "大きすぎます";
        case EACCES:
        case EPERM:
            return "読み取りが許可されていません";
        default:
            return "ﾌｧｲﾙを読めません";
    }
}

// Read a whole regular file; on failure returns the error number (EISDIR for
// a directory, EINVAL for anything else that is not a regular file).
int readAll(const std::string& path, std::vector<std::uint8_t>& bytes) {
    // Non-blocking, so a pipe of that name cannot hang the only thread.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    struct stat st {};
    int problem = 0;
    if (::fstat(fd, &st) != 0)
        problem = errno;
    else if (S_ISDIR(st.st_mode))
        problem = EISDIR;
    else if (!S_ISREG(st.st_mode))
        problem = EINVAL;
    else if (st.st_size > kMaxSoundBytes)
        problem = EFBIG;
    std::size_t done = 0;
    if (problem == 0) {
        bytes.resize(static_cast<std::size_t>(st.st_size));
        while (done < bytes.size()) {
            ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                problem = errno;
                break;
            }
            if (got == 0) break;  // the file shrank while we read it
            done += static_cast<std::size_t>(got);
        }
    }
    ::close(fd);
    bytes.resize(problem == 0 ? done : 0);
    return problem;
}

// Note a file that could not be loaded, unless it was told already.
void noteProblem(State& s, const std::string& fileName, const std::string& why) {
    for (const auto& told : s.sounds.soundFilesTold)
        if (told == fileName) return;
    for (const auto& [file, reason] : s.sounds.soundProblems)
        if (file == fileName) return;
    s.sounds.soundProblems.emplace_back(fileName, why);
}

}  // namespace

// Where the program lives; sounds are looked for there second.
std::string programDirectory() { return executableDirectory(); }

// The sound module's warning box.
void 警告表示(State& s, const std::string& text) {
    s.screen.ui->messageBox(text, "Zenkoru.dll", MsgButtons::OK, MsgIcon::Warning);
}

// Open the sound library.
void サウンド初期化(State& s, std::int64_t windowHandle) {
    s.sounds.soundLibraryHandle = s.screen.ui->dsInitialize(windowHandle);
}

// Said once: starting up again (loading a record does) asks nothing new.
void サウンド不可通知(State& s) {
    if (s.sounds.soundLibraryHandle != 0 || s.sounds.soundWarningShown) return;
    s.sounds.soundWarningShown = true;
    警告表示(s, "Direct Soundインターフェースが作成できません。");
}

// Close the sound library if it was opened.
void サウンド終了(State& s) {
    if (s.sounds.soundLibraryHandle != 0) s.screen.ui->dsTerminate(s.sounds.soundLibraryHandle);
    s.sounds.soundLibraryHandle = 0;
}

// Load one WAV file into a sound buffer.
std::int32_t サウンド読込(State& s, const std::string& fileName, std::int32_t flag) {
    if (s.sounds.soundLibraryHandle == 0) return 0;
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path path = fileName;
    if (!fs::exists(path, ec)) {
        path = fs::path(programDirectory()) / fileName;
        if (!fs::exists(path, ec)) path = fs::path(installedDataDirectory()) / "sounds" / fileName;
    }
    std::vector<std::uint8_t> bytes;
    if (const int error = readAll(path.string(), bytes); error != 0) {
        noteProblem(s, fileName, readProblem(error));
        return 0;
    }
    if (bytes.empty()) {
        noteProblem(s, fileName, "ﾌｧｲﾙが空です");
        return 0;
    }
    const std::int32_t buffer = s.screen.ui->dsCreateDSB(s.sounds.soundLibraryHandle, bytes.data(),
                                                         bytes.size(), flag, fileName);
    if (buffer == 0) noteProblem(s, fileName, "WAVﾌｧｲﾙとして読めません");
    return buffer;
}

// Tell the user, once, which sounds the game goes on without.
void サウンド問題通知(State& s) {
    if (s.sounds.soundProblems.empty()) return;
    std::string text;
    for (const auto& [file, why] : s.sounds.soundProblems) {
        text += "ｻｳﾝﾄﾞﾌｧｲﾙ「" + file + "」を読み込めません（" + why + "）\r\n";
        s.sounds.soundFilesTold.push_back(file);
    }
    text +=
        s.sounds.soundProblems.size() == 1 ? "この音なしで続けます" : "これらの音なしで続けます";
    s.sounds.soundProblems.clear();
    s.screen.ui->messageBox(text, "ｻｳﾝﾄﾞ", MsgButtons::OK, MsgIcon::Warning);
}

// Release the four sounds and the library before the program ends.
void 終了処理(State& s) {
    // The frees are made with 0 handles too; the library ignores those.
    s.screen.ui->dsFree(s.sounds.soundOther);
    s.screen.ui->dsFree(s.sounds.soundForbidden);
    s.screen.ui->dsFree(s.sounds.soundPiece);
    s.screen.ui->dsFree(s.sounds.soundBgm);
    s.sounds.soundOther = s.sounds.soundForbidden = s.sounds.soundPiece = s.sounds.soundBgm = 0;
    サウンド終了(s);
}

}  // namespace zk
