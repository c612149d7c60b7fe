#include "sound_library.h"

#include <dlfcn.h>

#include <climits>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "../../soundlib/zenkoru.h"

namespace zk {

// The library's entry points, looked up once per loaded file.
struct SoundLibrary::Ops {
    decltype(&::dsInitialize) initialize = nullptr;
    decltype(&::dsTerminate) terminate = nullptr;
    decltype(&::dsCreateDSB) create = nullptr;
    decltype(&::dsPlay) play = nullptr;
    decltype(&::dsPlayLooping) playLooping = nullptr;
    decltype(&::dsStop) stop = nullptr;
    decltype(&::dsFree) free = nullptr;
    decltype(&::dsVoices) voices = nullptr;
};

namespace {

// Look a symbol up as the given function pointer type; false when missing.
template <typename F>
bool bind(void* lib, const char* name, F& out) {
    out = reinterpret_cast<F>(dlsym(lib, name));
    return out != nullptr;
}

// The entry points of the library at `path`, or nullptr. A library stays
// loaded until the program ends: its audio thread may still be running while
// objects that use it are destroyed.
const SoundLibrary::Ops* load(const std::string& path) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<SoundLibrary::Ops>> loaded;
    std::lock_guard<std::mutex> lock(mutex);
    if (auto it = loaded.find(path); it != loaded.end()) return it->second.get();

    std::unique_ptr<SoundLibrary::Ops> ops;
    if (void* lib = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
        ops = std::make_unique<SoundLibrary::Ops>();
        bool all = bind(lib, "dsInitialize", ops->initialize) &&
                   bind(lib, "dsTerminate", ops->terminate) &&
                   bind(lib, "dsCreateDSB", ops->create) && bind(lib, "dsPlay", ops->play) &&
                   bind(lib, "dsPlayLooping", ops->playLooping) && bind(lib, "dsStop", ops->stop) &&
                   bind(lib, "dsFree", ops->free);
        bind(lib, "dsVoices", ops->voices);  // optional
        if (!all) {
            ops.reset();
            dlclose(lib);
        }
    }
    return (loaded[path] = std::move(ops)).get();
}

}  // namespace

// The directory of /proc/self/exe.
std::string executableDirectory() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) return ".";
    return exe.parent_path().string();
}

// Relative to the program's directory; the build sets them from the install
// layout, and a build tree keeps everything beside the program.
#ifndef ZK_LIBDIR_FROM_BINDIR
#define ZK_LIBDIR_FROM_BINDIR "."
#endif
#ifndef ZK_DATADIR_FROM_BINDIR
#define ZK_DATADIR_FROM_BINDIR "."
#endif

std::string installedLibraryDirectory() {
    return (std::filesystem::path(executableDirectory()) / ZK_LIBDIR_FROM_BINDIR)
        .lexically_normal()
        .string();
}

std::string installedDataDirectory() {
    return (std::filesystem::path(executableDirectory()) / ZK_DATADIR_FROM_BINDIR)
        .lexically_normal()
        .string();
}

namespace {

std::string libraryPath() {
    namespace fs = std::filesystem;
    const fs::path beside = fs::path(executableDirectory()) / kSoundLibraryFile;
    std::error_code ec;
    if (fs::exists(beside, ec)) return beside.string();
    return (fs::path(installedLibraryDirectory()) / kSoundLibraryFile).string();
}

}  // namespace

// The library beside the program, or where it was installed.
SoundLibrary::SoundLibrary() = default;

// The library at a given path.
SoundLibrary::SoundLibrary(const std::string& path) : path_(path) {}

// The entry points, loaded at the first call.
const SoundLibrary::Ops* SoundLibrary::ops() const {
    if (!tried_) {
        ops_ = load(path_.empty() ? libraryPath() : path_);
        tried_ = true;
    }
    return ops_;
}

// Open the audio device; 0 without one.
std::int32_t SoundLibrary::dsInitialize(std::int64_t windowHandle) {
    const Ops* o = ops();
    return o ? o->initialize(windowHandle) : 0;
}

// Close the audio device and free its buffers.
void SoundLibrary::dsTerminate(std::int32_t library) {
    if (const Ops* o = ops()) o->terminate(library);
}

// A buffer from a WAV file image; sizes beyond 32 bits are refused.
std::int32_t SoundLibrary::dsCreateDSB(std::int32_t library, const std::uint8_t* bytes,
                                       std::size_t size, std::int32_t flag) {
    const Ops* o = ops();
    if (!o || bytes == nullptr || size > static_cast<std::size_t>(INT32_MAX)) return 0;
    return o->create(library, bytes, static_cast<std::int32_t>(size), flag);
}

// Play a buffer once.
void SoundLibrary::dsPlay(std::int32_t buffer) {
    if (const Ops* o = ops()) o->play(buffer);
}

// Play a buffer over and over.
void SoundLibrary::dsPlayLooping(std::int32_t buffer) {
    if (const Ops* o = ops()) o->playLooping(buffer);
}

// Silence a buffer.
void SoundLibrary::dsStop(std::int32_t buffer) {
    if (const Ops* o = ops()) o->stop(buffer);
}

// Release a buffer.
void SoundLibrary::dsFree(std::int32_t buffer) {
    if (const Ops* o = ops()) o->free(buffer);
}

// Voices sounding a buffer now.
std::int32_t SoundLibrary::dsVoices(std::int32_t buffer) {
    const Ops* o = ops();
    return o && o->voices ? o->voices(buffer) : 0;
}

}  // namespace zk
