// Stepping through the game record: one move back (戻), one move forward (進)
// and turning the board (反転). A two-step move (two entries of one lion,
// horned falcon or soaring eagle) is one move in both directions. The menu
// handlers end move help before they call these.
#pragma once

#include "state.h"

namespace zk {

// 1 when entries k and k + 1 are the two steps of one move: k moved a lion,
// falcon or eagle, k + 1 moved the same piece (or what k promoted it to), and
// k + 1 goes on from where k stopped or repeats k (a declined second step).
int 調査_二手組(const GameRecord& r, int k);

// Entries first..last of the move that holds entry n (n >= 1). The record is
// cut into moves from entry 1 on, so both directions agree on every pair.
struct MoveSpan {
    int first = 0, last = 0;
};
MoveSpan 調査_手範囲(const GameRecord& r, int n);

// 戻 from its refusals on: take back the last move, its sounds, the move
// number and the turn.
void 棋譜_戻(State& s);
// 進 from the second-step refusal on: replay the next move and report it.
void 棋譜_進(State& s);
// 反転 from the record-mode refusal on: turn the board by 180 degrees, swap
// the sides of all pieces and empty the record.
void 盤_反転(State& s);

}  // namespace zk
