// The main window's program: start-up, the end of the program, the initial
// setup, the end of a game, and the window's events. A front end owns one
// State, hands it a Platform, and forwards its events here.
#pragma once

#include <string>

#include "state.h"

namespace zk {

// Start-up: sounds, fixed values, the initial position, the settings file.
void Form_Load(State& s);
// Closing the window.
void Form_Unload(State& s);
// A typed character; Esc (27) ends the program.
void Form_KeyPress(State& s, int keyAscii);
// A mouse press at (X, Y) twips.
void Form_MouseDown(State& s, int button, int shift, int X, int Y);
// Reset the play state, lay out the initial position and repaint.
void 初期設定(State& s);
// End of a game: the winner's box and "続けますか？".
void 終了(State& s, const std::string& 勝手);

// Run the menu command of a control ("SENTE", "LEVEL2", "AFTER", ...).
// Returns false for a name that is no command.
bool runMenuCommand(State& s, const std::string& control);

}  // namespace zk
