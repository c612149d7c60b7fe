// Hiding the record-file panel, which every board press and several menus do
// before they act.
#pragma once

#include "state.h"

namespace zk {

// Hide the drive, directory and file lists and the file-name input (emptied).
void 記録欄_非表示(State& s);

}  // namespace zk
