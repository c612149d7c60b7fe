// The level-3 terms of the evaluation, one function per kind of moving
// piece. Each adds to `score` and returns true when it ends the evaluation
// (the final score is then in `score`).
#pragma once

#include "com_eval.h"

namespace zk {

bool 駒別_歩(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_と(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_横(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_銀(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_金(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_角(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_馬(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_飛(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_龍(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_鷹(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_豹(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_鷲(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_獅(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_仲(ComState& s, const EvalMove& m, Tenths& score);
bool 駒別_王(ComState& s, const EvalMove& m, Tenths& score);

// True when the code is one of the two bishop codes (20, 21).
inline bool isBishop(PieceCode c) { return c == 20 || c == 21; }

}  // namespace zk
