// Everything the main window holds for the whole run of the program: the
// board, the play state, the game record, the influence maps, the computer's
// scratch values and the sound handles. Nothing is allocated per move; every
// procedure takes this object and works on it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "com_state.h"
#include "move_record.h"
#include "piece_code.h"
#include "position.h"

namespace zk {

class Platform;

// The game's Position is the base: its Board is the board the window shows.
// Its side to move and lion history are derived from turnPlayer and the
// record, and refreshed by 現局面 whenever the position is asked for.
struct State : Position {
    // Fixed values.
    static constexpr int flagOn = 1, flagOff = 0;
    static constexpr int firstPlayer = 1, secondPlayer = -1, noPlayer = 0;
    static constexpr int modeHumans = 0, modeCom = 1;
    static constexpr int boardSize = 12;
    static constexpr int originX = 200, originY = -300;
    static constexpr int squareWidth = 510, squareHeight = 600;
    static constexpr int selectColour = 12;
    static constexpr int lastMoveColour = 14;  // neither guidance nor selection uses it
    static constexpr int textWhite = 15, textBlack = 0;
    static constexpr int boardColour = 2, boardGridColour = 2;
    static constexpr int reportColour = 15;
    static constexpr double manReportX = 15.6, manReportY = 6;
    static constexpr double comReportX = 15.6, comReportY = 5;

    Platform* ui = nullptr;
    // What the play layer keeps for the whole run beside the game (the
    // searching computer and its thinking); made on first use, opaque here.
    std::shared_ptr<void> playSession;

    // Play state.
    int turnPlayer = noPlayer;
    int manPlayer = firstPlayer;
    int comPlayer = secondPlayer;
    int gameMode = modeCom;
    int clickPhase = 0;
    int moveStep = 1;
    int turnNoticePending = flagOff;
    int recordMode = flagOff;
    int moveHelpMode = 0;
    int moveCount = 0;
    int comLevel = 3;
    int guidanceColour = boardGridColour;

    // The board-click handler's own state between presses.
    int selX = 0, selY = 0;
    PieceCode selPiece;
    int destX = 0, destY = 0;
    PieceCode secondStepPiece;

    // Game record and the flags that go with it.
    GameRecord record;
    int isReversed = flagOff;
    int handicapChanged = flagOff;
    int handicapLevel = 0;
    // The game was read from SFEN/USI and does not start from the initial
    // position, which is all a record file can start from.
    int importedStart = flagOff;
    // The squares outlined as the last move (its origin, mid and end square),
    // kept so that the next move's marks can take them away.
    struct Square {
        int x = 0, y = 0;
    };
    std::array<Square, 3> lastMoveMarks{};
    int lastMoveMarkCount = 0;
    // The record as last written to or read from a file, and the file the
    // current game is saved to automatically ("" while none); a failed
    // automatic save is reported once per run.
    struct SavedGame {
        std::string text, file;
    };
    SavedGame savedGame;
    bool autosaveFailureShown = false;

    // The level 1..3 computer's own part: its copy of the position, its maps
    // and its scratch values, kept from turn to turn.
    ComState com;

    // Move help.
    BoardGrid helpBoardBackup{};
    int helpPieceX = 0, helpPieceY = 0;
    int helpStep = 1;

    // Sound handles (0: not loaded).
    std::int32_t soundLibraryHandle = 0;
    std::int32_t soundOther = 0, soundForbidden = 0, soundPiece = 0, soundBgm = 0;
    bool soundWarningShown = false;  // "no sound" is said once per run
    // Sound files that could not be loaded, with why, until they are told;
    // and the files told already (each is told once a run).
    std::vector<std::pair<std::string, std::string>> soundProblems;
    std::vector<std::string> soundFilesTold;
};

// The position of the game now: Board, the side to move and the lion history
// read from the record (side 0 when no game is running).
Position& 現局面(State& s);
// Sign of the codes of the side to move: -1 the bottom side, +1 the top side.
int 手番符号(const State& s);
// The computer's part, brought up to the position of the game now and the
// level chosen; every call from the window into the computer goes through it.
ComState& computerPart(State& s);

}  // namespace zk
