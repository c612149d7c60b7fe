// Sound output through the sound library: start-up, loading the four WAV
// files, and shutdown. Play, loop, stop and free go straight to the platform
// with one of the four handles.
#pragma once

#include <string>

#include "state.h"

namespace zk {

// dsInitialize with the window's handle.
void サウンド初期化(State& s, std::int64_t windowHandle);
// Without a sound library: the warning box, once per run.
void サウンド不可通知(State& s);
// dsTerminate when the library was initialised.
void サウンド終了(State& s);
// A buffer from a WAV file in the current directory (else beside the
// program, else in the installed data's "sounds" folder); 0 when there is no
// library, no file, or the file is bad. A file that could not be loaded is
// noted for サウンド問題通知.
std::int32_t サウンド読込(State& s, const std::string& fileName, std::int32_t flag);
// One box naming each sound file that could not be loaded and why; a file
// is named once a run, however often the sounds are loaded again.
void サウンド問題通知(State& s);
// The modal warning box titled "Zenkoru.dll".
void 警告表示(State& s, const std::string& text);
// Free the four buffers (other, forbidden, piece, BGM) and terminate.
void 終了処理(State& s);
// Directory of the running program, for files that live beside it.
std::string programDirectory();

}  // namespace zk
