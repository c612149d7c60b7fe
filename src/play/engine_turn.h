// LEVEL4 and ヒント: the searching engine thinks on a copy of the position
// off the window's thread, shows the depth it reached as each iteration ends,
// and its move comes back through the event loop to be played as the other
// levels play theirs. While it thinks, commands that would change the
// position are refused; Esc and closing the window stop it at once.
#pragma once

#include <cstdint>
#include <string>

#include "state.h"

namespace zk {

// Is a search out (the computer's move or a hint)?
bool 思考中(const State& s);
// Stop the search at once; what it would have found is dropped.
void 思考中止(State& s);
// While a search is out: the refusal sound and box, and true.
bool 思考中禁止(State& s, const std::string& title);

// The LEVEL4 computer's turn: start the search and return; the move is
// played (and the game ended when it ends it) when the search comes back.
void COM手番_探索(State& s);
// The computer's turn of a standard game: the engine searches at the level's
// strength and plays its move by the standard flow.
void 標準COM手番(State& s);

// Menu ヒント: in a game against the computer on the human's turn, search for
// the human and outline the suggested move's squares without playing it.
void HINT_Click(State& s);
// Take the hint's outline away (the next press does).
void ヒント消去(State& s);

// Menu 思考時間; the check mark keeps the choice.
void THINK1_Click(State& s);
void THINK5_Click(State& s);
void THINK15_Click(State& s);
// The thinking time the menu shows, in seconds (5 when none is checked).
int 思考時間(const State& s);
// A fixed node count per search instead of the thinking time (0: the time
// again), so that a game comes out the same on every machine.
void 思考ノード数設定(State& s, std::uint64_t nodes);

}  // namespace zk
