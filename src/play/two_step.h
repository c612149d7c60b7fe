// Two-step moves of the lion, the horned falcon and the soaring eagle: the
// first step is played, then the player is asked whether to move once more.
#pragma once

#include "state.h"

namespace zk {

// First step of a lion (IN_移動元駒 is its code after the promotion test).
// 0: the player moves once more (the origin arguments now hold the first-step
// square, moveStep is 2); 1: the move ends with this step.
int 移動処理_獅(State& s, int& IN_移動元X, int& IN_移動元Y, int IN_移動先X, int IN_移動先Y,
                PieceCode IN_移動元駒);
// First step of a horned falcon; IN_移動元駒 is the go-between code ±35.
int 移動処理_鷹(State& s, int& IN_移動元X, int& IN_移動元Y, int IN_移動先X, int IN_移動先Y,
                PieceCode IN_移動元駒);
// First step of a soaring eagle; IN_移動元駒 is its mid-move code ±18.1/±18.2.
int 移動処理_鷲(State& s, int& IN_移動元X, int& IN_移動元Y, int IN_移動先X, int IN_移動先Y,
                PieceCode IN_移動元駒);

}  // namespace zk
