// The board evaluation of one trial move of the computer, scored on the
// position the driver has put on Board with the maps rebuilt for it. Higher
// is better for the computer; a few outcomes end it at once with a decisive
// score.
#pragma once

#include "com_danger.h"
#include "com_score.h"

namespace zk {

// Score of the trial move of 移動駒 from (移動元X, 移動元Y) to (移動先X, 移動先Y)
// that took 取得駒 (0 when nothing). How much runs depends on comLevel. The
// search passes what its map patches changed (see 盤評価_COM危険座標).
Tenths 盤評価(ComState& s, PieceCode 取得駒, PieceCode 移動駒, int 移動元X, int 移動元Y,
              int 移動先X, int 移動先Y, DangerDelta* delta = nullptr);

// The trial move as the stages see it.
struct EvalMove {
    PieceCode captured;  // what stood on the destination (0 or a human code)
    PieceCode piece;     // the code now on the destination
    int fromX, fromY, toX, toY;
};

// The stages in their order. Each adds its terms to `score`; one that
// returns true has ended the evaluation and left the final score in `score`.
bool 評価_王族結果(ComState& s, const EvalMove& m, Tenths& score);      // stage 1
bool 評価_王族攻撃(ComState& s, const EvalMove& m, Tenths& score);      // stage 2
void 評価_上位駒(const ComState& s, const EvalMove& m, Tenths& score);  // stage 3
void 評価_安全接近(ComState& s, const EvalMove& m, Tenths& score);      // stage 5
bool 評価_駒得(ComState& s, const EvalMove& m, Tenths& score);          // stage 6
bool 評価_駒別(ComState& s, const EvalMove& m, Tenths& score);          // stage 7, level 3

}  // namespace zk
