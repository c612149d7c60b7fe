// The mate tests and the end-of-game surveys as the computer reads them: on
// its board, with the royal squares its surveys found. The two sides are
// judged differently on purpose: the human's king may capture to save itself
// and is judged by the move check, the computer's never captures and is
// judged by the human's influence map, which each try rebuilds.
#pragma once

#include "com_state.h"

namespace zk {

// Is the human (the bottom side) mated?
int 詰めかMAN(ComState& s);
// Is the computer (the top side) mated? Leaves the MAN maps of the last
// capture it tried.
int 詰めかCOM(ComState& s);
// The same for one royal piece, whatever else stands on the board.
int 詰めかMAN_王(ComState& s);
int 詰めかMAN_太(ComState& s);
int 詰めかCOM_王(ComState& s);
int 詰めかCOM_太(ComState& s);

// Refresh the royal squares and maps before the end test of a human move
// (all four royal columns cleared, MAN survey then COM survey).
void 終局前調査_MAN手(ComState& s);
// Before the end test of a computer move (only the human's royal columns
// cleared, COM survey then MAN survey).
void 終局前調査_COM手(ComState& s);

// Safe empty squares next to the human king; marks them in kingEscapeMap.
int 調査_自王逃道(ComState& s);

}  // namespace zk
