// The lion-capture restrictions of a destination click, with their messages:
// no immediate recapture of a lion, and no lion taking a protected lion
// (except in a second step after a worthy first capture).
#pragma once

#include "state.h"

namespace zk {

// 1 when the press from (selX, selY) with selPiece onto (destX, destY) is
// refused (the sound and the message have been given), else 0. Only a
// destination holding a lion can be refused.
int 獅子取り禁手(State& s);

}  // namespace zk
