// Putting the game on the screen: the full repaint of the window from the
// game, and a move put on the board and on the screen.
#pragma once

#include "state.h"

namespace zk {

// The full repaint: side panel, board, labels, the title and the last move.
void 画面_再描画(State& s);

// Move a piece code from one square to another; whatever stood on the
// destination leaves the game, and a promotion is made by passing the new code.
void 駒移動(State& s, int IN_移動元X, int IN_移動元Y, int IN_移動先X, int IN_移動先Y,
            PieceCode IN_移動駒);

}  // namespace zk
