// Menu commands and file-panel events for the game record: take back,
// replay, flip, read and write record files, and the options kept in the
// settings file.
#pragma once

#include <string>

#include "state.h"

namespace zk {

void CANCEL_Click(State& s);   // 最初
void REPLAY_Click(State& s);   // 戻
void AFTER_Click(State& s);    // 進
void REVERSE_Click(State& s);  // 反転
void KIFU_READ_Click(State& s);
void KIFU_WRITE_Click(State& s);
void Command1_Click(State& s);                            // RETURN: save
void File1_Click(State& s, const std::string& fileName);  // load
void Dir1_Change(State& s);
// The drive list changed: the directory list follows it.
void Drive1_Change(State& s);
void BGM_Click(State& s);

}  // namespace zk
