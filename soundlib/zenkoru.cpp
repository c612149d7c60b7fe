// The sound library on SDL2_mixer: one mixer channel per playing buffer.
#include "zenkoru.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstring>
#include <map>
#include <mutex>

namespace {

struct Buffer {
    Mix_Chunk* chunk = nullptr;
    int channel = -1;  // the channel it was last started on
    bool looping = false;
    int32_t flag = 0;
};

constexpr int kChannels = 16;

std::mutex gMutex;
int32_t gLibrary = 0;  // handle of the open device, 0 while closed
int32_t gLastLibrary = 0;
int32_t gLastBuffer = 0;
std::map<int32_t, Buffer> gBuffers;

// The buffer of a handle, or nullptr for 0 and unknown handles.
Buffer* find(int32_t handle) {
    auto it = gBuffers.find(handle);
    return it == gBuffers.end() ? nullptr : &it->second;
}

// Whether the buffer is sounding on the channel it was started on.
bool sounding(const Buffer& b) {
    return b.channel >= 0 && Mix_Playing(b.channel) && Mix_GetChunk(b.channel) == b.chunk;
}

// The next handle after `last`, skipping 0 and handles still in use.
int32_t nextHandle(int32_t& last) {
    do {
        last = last == INT32_MAX ? 1 : last + 1;
    } while (gBuffers.count(last) != 0);
    return last;
}

// Left and right gains 0..255 of a pan -10000..10000.
void setPan(int channel, int32_t pan) {
    pan = pan < -10000 ? -10000 : pan > 10000 ? 10000 : pan;
    int left = pan > 0 ? 255 - pan * 255 / 10000 : 255;
    int right = pan < 0 ? 255 + pan * 255 / 10000 : 255;
    Mix_SetPanning(channel, static_cast<Uint8>(left), static_cast<Uint8>(right));
}

// Mixer volume 0..128 of a level in hundredths of a decibel.
int mixVolume(int32_t volume) {
    if (volume >= 0) return MIX_MAX_VOLUME;
    if (volume <= -10000) return 0;
    return static_cast<int>(std::lround(MIX_MAX_VOLUME * std::pow(10.0, volume / 2000.0)));
}

// Start a buffer from its beginning, once or looping, on a free channel.
int32_t start(Buffer& b, bool loop, int32_t pan) {
    if (sounding(b)) Mix_HaltChannel(b.channel);
    int channel = Mix_PlayChannel(-1, b.chunk, loop ? -1 : 0);
    if (channel < 0) return 0;
    b.channel = channel;
    b.looping = loop;
    setPan(channel, pan);  // a centred pan also clears one left on the channel
    return 1;
}

}  // namespace

extern "C" {

// Open the audio device once; a second call returns the same handle.
int32_t dsInitialize(int64_t /*window*/) {
    std::lock_guard<std::mutex> lock(gMutex);
    if (gLibrary != 0) return gLibrary;
    // Termination signals belong to the program: SDL would turn them into a
    // quit event that nobody reads, and the program could not be ended.
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(kChannels);
    gLastLibrary = gLastLibrary == INT32_MAX ? 1 : gLastLibrary + 1;
    gLibrary = gLastLibrary;
    return gLibrary;
}

// Free every buffer and close the device.
int32_t dsTerminate(int32_t library) {
    std::lock_guard<std::mutex> lock(gMutex);
    if (library == 0 || library != gLibrary) return 0;
    Mix_HaltChannel(-1);
    for (auto& [handle, b] : gBuffers) Mix_FreeChunk(b.chunk);
    gBuffers.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    gLibrary = 0;
    return 1;
}

// Decode a RIFF/WAVE image into a new buffer.
int32_t dsCreateDSB(int32_t library, const void* data, int32_t size, int32_t flag) {
    std::lock_guard<std::mutex> lock(gMutex);
    if (library == 0 || library != gLibrary || data == nullptr || size < 12) return 0;
    // Only RIFF/WAVE images: the mixer would also take other formats.
    const char* bytes = static_cast<const char*>(data);
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return 0;
    SDL_RWops* rw = SDL_RWFromConstMem(data, size);
    if (rw == nullptr) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk == nullptr) return 0;
    int32_t handle = nextHandle(gLastBuffer);
    gBuffers[handle] = Buffer{chunk, -1, false, flag};
    return handle;
}

// There are no embedded sounds.
int32_t dsCreateResDSB(int32_t, int32_t, int32_t) { return 0; }

// Play once from the start.
int32_t dsPlay(int32_t buffer) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    return b ? start(*b, false, 0) : 0;
}

// Loop until stopped; an already looping buffer carries on.
int32_t dsPlayLooping(int32_t buffer) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    if (b == nullptr) return 0;
    if (b->looping && sounding(*b)) return 1;
    return start(*b, true, 0);
}

// Silence a buffer.
int32_t dsStop(int32_t buffer) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    if (b == nullptr) return 0;
    if (sounding(*b)) Mix_HaltChannel(b->channel);
    b->channel = -1;
    b->looping = false;
    return 1;
}

// Release a buffer; its handle becomes unknown.
int32_t dsFree(int32_t buffer) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    if (b == nullptr) return 0;
    Mix_FreeChunk(b->chunk);  // halts every channel still playing it
    gBuffers.erase(buffer);
    return 1;
}

// Play once, panned.
int32_t dsPlayPan(int32_t buffer, int32_t pan) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    return b ? start(*b, false, pan) : 0;
}

// Play once at a volume, panned.
int32_t dsPlayEx(int32_t buffer, int32_t volume, int32_t pan) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    if (b == nullptr) return 0;
    Mix_VolumeChunk(b->chunk, mixVolume(volume));
    return start(*b, false, pan);
}

// Loop at a volume, panned.
int32_t dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    if (b == nullptr) return 0;
    Mix_VolumeChunk(b->chunk, mixVolume(volume));
    return start(*b, true, pan);
}

// Set the volume of a buffer.
int32_t dsSetVolume(int32_t buffer, int32_t volume) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    if (b == nullptr) return 0;
    Mix_VolumeChunk(b->chunk, mixVolume(volume));
    return 1;
}

// Pan a buffer that is sounding.
int32_t dsSetPan(int32_t buffer, int32_t pan) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    if (b == nullptr) return 0;
    if (sounding(*b)) setPan(b->channel, pan);
    return 1;
}

// The playback rate cannot be changed.
int32_t dsSetFrequency(int32_t, int32_t) { return 0; }

// Count the channels sounding a buffer.
int32_t dsVoices(int32_t buffer) {
    std::lock_guard<std::mutex> lock(gMutex);
    Buffer* b = find(buffer);
    if (b == nullptr || gLibrary == 0) return 0;
    int32_t voices = 0;
    for (int ch = 0; ch < kChannels; ++ch)
        if (Mix_Playing(ch) && Mix_GetChunk(ch) == b->chunk) ++voices;
    return voices;
}

}  // extern "C"
