// The about box (menu その他).
#pragma once

#include "state.h"

namespace zk {

// The program's name, version and licence in an OK box.
void VER_Click(State& s);

}  // namespace zk
