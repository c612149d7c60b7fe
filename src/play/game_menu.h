// The game menu: starting games against the computer or between two humans,
// ending the program, and the menus that only hide the record-file panel.
#pragma once

#include "state.h"

namespace zk {

void TAIKYOKU_Click(State& s);   // 対局 (opens its menu)
void MATCH_MAN_Click(State& s);  // 対局(人間) (opens its menu)
void START_Click(State& s);      // スタート: two humans
void SENTE_Click(State& s);      // 先手: the human first against the computer
void GOTE_Click(State& s);       // 後手: the computer first
void OWARI_Click(State& s);      // 終わり
void STOP_Click(State& s);       // 局面 (opens its menu)
void OPTION_Click(State& s);     // ｵﾌﾟｼｮﾝ (opens its menu)

}  // namespace zk
