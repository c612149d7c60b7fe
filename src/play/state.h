// Everything the main window holds for the whole run of the program, as one
// part per layer that uses it: the game (record), the presses and move help
// (play), the level 1..3 computer's own part (com), the sounds (play) and
// the screen (display). Nothing is allocated per move; the window's
// procedures take this object and hand each layer its part.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "com_state.h"
#include "game.h"
#include "game_clock.h"
#include "screen.h"

namespace zk {

// The board-click handler's state between presses, and what the turn's flow
// remembers from one press to the next.
struct Press {
    int clickPhase = 0;
    int moveStep = 1;  // 2: the second step of a lion, eagle or falcon
    int turnNoticePending = Game::flagOff;
    int guidanceColour = Screen::boardGridColour;
    int selX = 0, selY = 0;
    PieceCode selPiece;
    int destX = 0, destY = 0;
    PieceCode secondStepPiece;
};

// Move help: the mode it is in (0: off), the board it put aside and the
// piece it shows.
struct MoveHelp {
    int moveHelpMode = 0;
    BoardGrid helpBoardBackup{};
    int helpPieceX = 0, helpPieceY = 0;
    int helpStep = 1;
};

// Sound handles (0: not loaded) and what has been told about them.
struct Sounds {
    std::int32_t soundLibraryHandle = 0;
    std::int32_t soundOther = 0, soundForbidden = 0, soundPiece = 0, soundBgm = 0;
    bool soundWarningShown = false;  // "no sound" is said once per run
    // Sound files that could not be loaded, with why, until they are told;
    // and the files told already (each is told once a run).
    std::vector<std::pair<std::string, std::string>> soundProblems;
    std::vector<std::string> soundFilesTold;
};

// The game clocks in the window: the times chosen for new games, the clocks
// of the game on the board, and the texts last drawn beside it.
struct Clocks {
    ClockSettings chosen;
    GameClock clock;
    bool inGame = false;  // the game on the board is played with the clock
    bool ticking = false;
    bool paused = false;  // a box outside the move holds the clock
    int pausedSide = 0;
    // The side whose move came after its flag fell, while a box of the move
    // held the tick off (0: none); the next tick ends the game.
    int lateSide = 0;
    std::string shown[2];
    // The last time budget given to the searching computer (ms; 0: none).
    std::int64_t lastThinkMillis = 0;
};

struct State {
    Game game;
    Press press;
    MoveHelp help;
    // The level 1..3 computer's own part: its copy of the position, its maps
    // and its scratch values, kept from turn to turn.
    ComState com;
    Sounds sounds;
    Clocks clocks;
    Screen screen;
    // What the play layer keeps for the whole run beside the game (the
    // searching computer and its thinking); made on first use, opaque here.
    std::shared_ptr<void> playSession;
    // 棋譜解析: the analysis of the game on the board; opaque here likewise.
    std::shared_ptr<void> gameAnalysisSession;
    // The 検討 pane's own engine and its latest report; opaque likewise.
    std::shared_ptr<void> analysisSession;
};

// The computer's part, brought up to the position of the game now and the
// level chosen; every call from the window into the computer goes through it.
ComState& computerPart(State& s);

}  // namespace zk
