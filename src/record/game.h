// The game the window plays: its position (the board the window shows), the
// record of its steps, whose turn it is and who plays which side, the level
// and handicap it is played at, and the file it is kept in.
#pragma once

#include <string>

#include "move_record.h"
#include "position.h"

namespace zk {

struct Game : Position {
    static constexpr int flagOn = 1, flagOff = 0;
    // Player values: the side to move is one of these, not a code sign.
    static constexpr int firstPlayer = 1, secondPlayer = -1, noPlayer = 0;
    static constexpr int modeHumans = 0, modeCom = 1;
    static constexpr int boardSize = 12;

    int turnPlayer = noPlayer;
    int manPlayer = firstPlayer;   // the bottom side
    int comPlayer = secondPlayer;  // the top side
    int gameMode = modeCom;
    int comLevel = 3;
    // The rules a fresh board is set up by: the player's choice, kept in the
    // settings. The game on the board may differ (an imported game keeps its own).
    RuleSet chosenRules = RuleSet::Zenkoru;
    int moveCount = 0;

    GameRecord record;
    int recordMode = flagOff;  // the record is being stepped through, not played on
    int isReversed = flagOff;
    int handicapChanged = flagOff;
    int handicapLevel = 0;
    // The game was read from SFEN/USI and does not start from the initial
    // position, which is all a record file can start from.
    int importedStart = flagOff;
    // The SFEN move number of such a game's first move.
    int importedFirstMove = 1;
    // The record as last written to or read from a file, and the file the
    // current game is saved to automatically ("" while none); a failed
    // automatic save is reported once per run.
    struct SavedGame {
        std::string text, file;
    };
    SavedGame savedGame;
    // How the game ended when no move ended it ("投了", "時間切れ"), with the
    // winner's name; kept in the saved record. Empty while it goes on.
    std::string ending;
    bool autosaveFailureShown = false;
};

// The position of the game now: Board, the side to move and the lion history
// read from the record (side 0 when no game is running).
Position& 現局面(Game& g);
// Sign of the codes of the side to move: -1 the bottom side, +1 the top side.
int 手番符号(const Game& g);

}  // namespace zk
