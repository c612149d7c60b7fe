// The sound library libZenkoru.so, loaded at run time from the program's
// directory. Without the library every operation answers 0 or does nothing,
// so the game runs silently.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zk {

// File name of the sound library beside the program.
inline constexpr const char* kSoundLibraryFile = "libZenkoru.so";

// Directory of the running program (where /proc/self/exe lives), or "." when
// it cannot be found.
std::string executableDirectory();

// Where an installed program keeps its own files, found from the program's
// directory: the sound library, and the data (the sounds).
std::string installedLibraryDirectory();
std::string installedDataDirectory();

class SoundLibrary {
public:
    // The library in the program's directory, or else in the installed
    // library directory. It is loaded at its first use, so that opening it
    // and the audio libraries it needs does not delay the window.
    SoundLibrary();
    // The library at a given path, loaded at its first use.
    explicit SoundLibrary(const std::string& path);
    SoundLibrary(const SoundLibrary&) = delete;
    SoundLibrary& operator=(const SoundLibrary&) = delete;

    // Whether the library and all its operations were found.
    bool loaded() const { return ops() != nullptr; }

    std::int32_t dsInitialize(std::int64_t windowHandle);
    void dsTerminate(std::int32_t library);
    // A buffer from a complete WAV file image; 0 when it cannot be made.
    std::int32_t dsCreateDSB(std::int32_t library, const std::uint8_t* bytes, std::size_t size,
                             std::int32_t flag);
    void dsPlay(std::int32_t buffer);
    void dsPlayLooping(std::int32_t buffer);
    void dsStop(std::int32_t buffer);
    void dsFree(std::int32_t buffer);
    // How many voices are sounding a buffer now (for checks; 0 without the library).
    std::int32_t dsVoices(std::int32_t buffer);

    struct Ops;

private:
    const Ops* ops() const;

    std::string path_;  // empty: look beside the program, then where installed
    mutable bool tried_ = false;
    mutable const Ops* ops_ = nullptr;
};

}  // namespace zk
