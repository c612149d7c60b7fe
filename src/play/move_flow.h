// Playing a human move whose destination click was accepted: promotion,
// record, report, two-step start, execution, move number, sound, and the end
// test of the game mode (the computer's reply or the passing of the turn).
#pragma once

#include "state.h"

namespace zk {

// The move of selPiece from (selX, selY) to (destX, destY).
void 指し手実行(State& s);

// Ends the game through 終了 when the computer's move says so; true then, and
// also when the computer is still thinking (LEVEL4), so a press goes no further.
bool COM手番(State& s);

}  // namespace zk
