// Move guidance (移動指導): outlining the squares a selected piece can reach.
#pragma once

#include "state.h"

namespace zk {

// Menu 移動指導: toggle guidance and store the choice in the settings file.
void SIDOU_Click(State& s);

}  // namespace zk
