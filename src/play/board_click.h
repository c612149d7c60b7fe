// The board-press flow: which square a press lands on, and the selection and
// destination clicks of the two-click state machine.
#pragma once

#include "state.h"

namespace zk {

// Column and row of a press at (X, Y) twips; values far outside the board are
// clamped but stay outside 1..12.
void 押下桝(int X, int Y, int& O_列, int& O_行);

// The first click: select a piece (or show an opponent piece's reach).
void 選択クリック(State& s, int x, int y);
// The second click: reselect, drop the selection, or make the move.
void 移動先クリック(State& s, int x, int y);

}  // namespace zk
