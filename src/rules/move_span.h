// Grouping the record's entries into moves: a two-step move (two entries of
// one lion, horned falcon or soaring eagle) is one move for 戻, 進, the move
// list and the last-move marks alike.
#pragma once

#include "move_record.h"

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

}  // namespace zk
