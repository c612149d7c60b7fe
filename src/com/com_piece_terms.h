// The level-3 terms of the evaluation, one function per kind of moving
// piece. Each adds to `score` and returns true when it ends the evaluation
// (the final score is then in `score`).
#pragma once

#include "com_eval.h"

namespace zk {

bool 駒別_歩(State& s, const EvalMove& m, Tenths& score);
bool 駒別_と(State& s, const EvalMove& m, Tenths& score);
bool 駒別_横(State& s, const EvalMove& m, Tenths& score);
bool 駒別_銀(State& s, const EvalMove& m, Tenths& score);
bool 駒別_金(State& s, const EvalMove& m, Tenths& score);
bool 駒別_角(State& s, const EvalMove& m, Tenths& score);
bool 駒別_馬(State& s, const EvalMove& m, Tenths& score);
bool 駒別_飛(State& s, const EvalMove& m, Tenths& score);
bool 駒別_龍(State& s, const EvalMove& m, Tenths& score);
bool 駒別_鷹(State& s, const EvalMove& m, Tenths& score);
bool 駒別_豹(State& s, const EvalMove& m, Tenths& score);
bool 駒別_鷲(State& s, const EvalMove& m, Tenths& score);
bool 駒別_獅(State& s, const EvalMove& m, Tenths& score);
bool 駒別_仲(State& s, const EvalMove& m, Tenths& score);
bool 駒別_王(State& s, const EvalMove& m, Tenths& score);

// True when the code is one of the two bishop codes (20, 21).
inline bool isBishop(PieceCode c) { return c == 20 || c == 21; }

}  // namespace zk
