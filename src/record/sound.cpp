// Module1's sound calls: start-up of the sound library, loading the WAV files,
// the warning box and the shutdown.
#include "sound.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform.h"
#include "sound_library.h"

namespace zk {

namespace {

// Largest sound file we read; the library takes sizes as 32-bit numbers.
constexpr off_t kMaxSoundBytes = 64 << 20;

// The description of an error number, as the system words it.
std::string describe(int error) { return std::strerror(error); }

// Read a whole regular file; on failure returns false with the system's
// description of the error in `error`.
bool readAll(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error) {
    // Non-blocking, so a pipe of that name cannot hang the only thread.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = describe(errno);
        return false;
    }
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
    if (problem != 0) {
        error = describe(problem);
        return false;
    }
    bytes.resize(done);
    return true;
}

}  // namespace

// Where the program lives; sounds are looked for there second.
std::string programDirectory() { return executableDirectory(); }

// The sound module's warning box.
void 警告表示(State& s, const std::string& text) {
    s.ui->messageBox(text, "Zenkoru.dll", MsgButtons::OK, MsgIcon::Warning);
}

// Open the sound library.
void サウンド初期化(State& s, std::int64_t windowHandle) {
    s.soundLibraryHandle = s.ui->dsInitialize(windowHandle);
}

// Said once: starting up again (loading a record does) asks nothing new.
void サウンド不可通知(State& s) {
    if (s.soundLibraryHandle != 0 || s.soundWarningShown) return;
    s.soundWarningShown = true;
    警告表示(s, "Direct Soundインターフェースが作成できません。");
}

// Close the sound library if it was opened.
void サウンド終了(State& s) {
    if (s.soundLibraryHandle != 0) s.ui->dsTerminate(s.soundLibraryHandle);
    s.soundLibraryHandle = 0;
}

// Load one WAV file into a sound buffer.
std::int32_t サウンド読込(State& s, const std::string& fileName, std::int32_t flag) {
    if (s.soundLibraryHandle == 0) return 0;
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path path = fileName;
    if (!fs::exists(path, ec)) {
        path = fs::path(programDirectory()) / fileName;
        if (!fs::exists(path, ec)) path = fs::path(installedDataDirectory()) / "sounds" / fileName;
        if (!fs::exists(path, ec)) return 0;
    }
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!readAll(path.string(), bytes, error)) {
        警告表示(s, error);
        return 0;
    }
    return s.ui->dsCreateDSB(s.soundLibraryHandle, bytes.data(), bytes.size(), flag, fileName);
}

// Release the four sounds and the library before the program ends.
void 終了処理(State& s) {
    // The frees are made with 0 handles too; the library ignores those.
    s.ui->dsFree(s.soundOther);
    s.ui->dsFree(s.soundForbidden);
    s.ui->dsFree(s.soundPiece);
    s.ui->dsFree(s.soundBgm);
    s.soundOther = s.soundForbidden = s.soundPiece = s.soundBgm = 0;
    サウンド終了(s);
}

}  // namespace zk
