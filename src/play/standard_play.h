// The standard game in the window: its position read from the record, the
// presses driven by its whole-turn legal moves (a second step and promotion
// asked only when the list holds both choices), playing a move on the board
// and the record, and its end: no royal piece, no legal move, bare royal
// pieces and repetition.
#pragma once

#include <vector>

#include "state.h"

namespace zk {

// The standard game so far: the positions from its start to now and the
// moves between them, rebuilt from the board and the record's entries.
struct StandardGame {
    std::vector<Position> positions;  // positions[0] the start, back() now
    std::vector<Move> moves;          // moves[i] leads from positions[i]
};
StandardGame 標準棋譜(const Game& g);

// The position of the game now, with the standard lion history.
Position 標準局面(const Game& g);

// A press on square (x, y) of a standard game, the game being on and the
// turn a human's.
void 標準押下(State& s, int x, int y);

// Play a legal move of the side to move: board, record, report, sound, then
// the end test and the other side's turn (the computer's search when it is
// the computer's). True when the game ended.
bool 標準着手(State& s, const Move& m);

}  // namespace zk
