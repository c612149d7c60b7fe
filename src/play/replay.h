// Stepping through the game record: one move back (戻), one move forward (進)
// and turning the board (反転). A two-step move (two entries of one lion,
// horned falcon or soaring eagle) is one move in both directions. These refuse,
// draw and sound; record_steps makes the change. The menu handlers end move
// help before they call these.
#pragma once

#include "move_span.h"
#include "state.h"

namespace zk {

// The report of the record's current entry (recordCount >= 1), on the line
// of the side that made it.
void 描画_現在手報告(State& s);

// 戻 from its refusals on: take back the last move, its sounds, the move
// number and the turn.
void 棋譜_戻(State& s);
// 進 from the second-step refusal on: replay the next move and report it.
void 棋譜_進(State& s);
// 反転 from the record-mode refusal on: turn the board by 180 degrees, swap
// the sides of all pieces and empty the record.
void 盤_反転(State& s);

}  // namespace zk
