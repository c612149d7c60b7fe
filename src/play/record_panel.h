// The record-file panel's name input: the "ﾌｧｲﾙ名 ：" label, the name box and
// the RETURN button. The drive, directory and file lists are 描画_可視's.
#pragma once

#include "state.h"

namespace zk {

// フラグ 0 shows the name input; any other value empties the name box and
// hides the three controls.
void 描画_棋譜_IO(State& s, int フラグ);

}  // namespace zk
