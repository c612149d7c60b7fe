// The piece table: kanji and the initial position.
#pragma once

#include "board.h"

namespace zk {

// The single kanji of a piece kind (1..39), or "" for any other value.
const char* 駒漢字(int kind);

// Empty the board and lay out the initial position (rows 4 and 9 in the same
// pass as the emptying, then the rest).
void 初期配置(BoardGrid& b);

}  // namespace zk
