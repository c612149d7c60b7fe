// The danger test of a trial position: weak squares by the computer's king
// and in its camp, its hanging or cheaply attacked pieces, human pieces newly
// threatened near its king, and forks made by the moved piece.
#pragma once

#include "com_score.h"

namespace zk {

// The danger sum (mostly negative) of the position on Board after the
// computer's trial move of 移動駒 to (COM移動先X, COM移動先Y).
Tenths 盤評価_COM危険座標(State& s, PieceCode 移動駒, int COM移動先X, int COM移動先Y);

}  // namespace zk
