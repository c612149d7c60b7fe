// Menu commands for the computer's level and the handicap.
#pragma once

#include "state.h"

namespace zk {

void LEVEL1_Click(State& s);
void LEVEL2_Click(State& s);
void LEVEL3_Click(State& s);
void LEVEL4_Click(State& s);
void LBEL_UP_Click(State& s);
void LEBEL_DOWN_Click(State& s);

}  // namespace zk
