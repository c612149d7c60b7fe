// Games are never lost: before anything throws a game away (its end, 最初,
// loading a record, 反転, Esc, 終わり, closing the window, a move that cuts
// off the moves after it) the record is saved in the platform's autosave
// folder.
#pragma once

#include <ctime>
#include <string>

#include "state.h"

namespace zk {

// Save the game on the board when it has a move that is in no file yet.
// The file is named by the time of its first save and the two sides
// ("2026-12-09_1530_先手-COM.棋譜"); later saves of the same game replace it.
// A game a record file cannot replay from the initial position (after 反転,
// a handicap or an imported start) is saved as its SFEN/USI text instead,
// under the same name ending ".usi". A failure is reported once per run.
void autosaveGame(State& s);

// Called just before the record's later moves are cut off (a move played
// after 戻): the game is saved whole, to its last move, and what is played
// from here goes to a file of its own. Nothing when no move lies ahead.
void autosaveBeforeCut(State& s);

// The file name for a game saved at `when`, without the folder.
std::string autosaveFileName(const State& s, std::time_t when);

}  // namespace zk
