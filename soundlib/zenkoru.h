/* The sound library's C interface: sound buffers made from WAV file images,
 * played once or looping. Every handle is a 32-bit integer; 0 means failure,
 * and every call with a 0 or unknown handle does nothing and returns 0. */
#ifndef ZENKORU_SOUND_H
#define ZENKORU_SOUND_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZK_SOUND_API __attribute__((visibility("default")))

/* Open the audio device; the window handle is not needed here. Returns the
 * library handle, the same one again while it is open, or 0. */
ZK_SOUND_API int32_t dsInitialize(int64_t window);
/* Free every buffer and close the audio device. */
ZK_SOUND_API int32_t dsTerminate(int32_t library);
/* A buffer from a complete WAV file image of `size` bytes; the bytes may be
 * released after the call. The flag is kept but changes nothing. */
ZK_SOUND_API int32_t dsCreateDSB(int32_t library, const void* data, int32_t size, int32_t flag);
/* Buffers from embedded resources; there are none, so always 0. */
ZK_SOUND_API int32_t dsCreateResDSB(int32_t library, int32_t resource, int32_t flag);
/* Play once from the start without waiting (a buffer already sounding restarts). */
ZK_SOUND_API int32_t dsPlay(int32_t buffer);
/* Play repeatedly until stopped; a buffer already looping goes on as it is. */
ZK_SOUND_API int32_t dsPlayLooping(int32_t buffer);
ZK_SOUND_API int32_t dsStop(int32_t buffer);
ZK_SOUND_API int32_t dsFree(int32_t buffer);
/* Pan runs from -10000 (left) to 10000 (right); volume from -10000 (silent)
 * to 0 (full), in hundredths of a decibel. */
ZK_SOUND_API int32_t dsPlayPan(int32_t buffer, int32_t pan);
ZK_SOUND_API int32_t dsPlayEx(int32_t buffer, int32_t volume, int32_t pan);
ZK_SOUND_API int32_t dsPlayLoopingEx(int32_t buffer, int32_t volume, int32_t pan);
ZK_SOUND_API int32_t dsSetVolume(int32_t buffer, int32_t volume);
ZK_SOUND_API int32_t dsSetPan(int32_t buffer, int32_t pan);
/* Changing the playback rate is not supported: always 0. */
ZK_SOUND_API int32_t dsSetFrequency(int32_t buffer, int32_t frequency);
/* How many voices are sounding the buffer right now. */
ZK_SOUND_API int32_t dsVoices(int32_t buffer);

#ifdef __cplusplus
}
#endif

#endif
