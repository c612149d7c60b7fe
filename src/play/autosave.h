// Games are never lost: before anything throws a game away (its end, 最初,
// loading a record, 反転, Esc, 終わり, closing the window) the record is saved
// as a record file in the platform's autosave folder.
#pragma once

#include <ctime>
#include <string>

#include "state.h"

namespace zk {

// Save the game on the board when it has a move that is in no file yet.
// The file is named by the time of its first save and the two sides
// ("2026-12-09_1530_先手-COM.棋譜"); later saves of the same game replace it.
// A record that cannot be replayed from the initial position (after 反転 or
// a handicap) is not saved, as with 書込. A failure is reported once per run.
void autosaveGame(State& s);

// The file name for a game saved at `when`, without the folder.
std::string autosaveFileName(const State& s, std::time_t when);

}  // namespace zk
