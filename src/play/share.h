// Sharing games: the 棋譜 menu's SFEN/USI and KIF exports, copying the
// position, reading a game written as SFEN/USI or KIF, and going to a move of the
// move list.
#pragma once

#include <ctime>
#include <string>

#include "kif.h"
#include "move_list.h"
#include "state.h"

namespace zk {

void SFEN_WRITE_Click(State& s);  // SFEN/USIで書出
void KIF_WRITE_Click(State& s);   // KIF形式で書出
void SFEN_COPY_Click(State& s);   // 局面をコピー
void SFEN_READ_Click(State& s);   // SFEN/USIを読込

// The game as "position sfen <start> moves ...": the board before the
// record's first entry and every move of the record.
std::string 共有棋譜テキスト(const State& s);
// The header of the KIF text, from the play state; `when` is the date.
KifHeader 棋譜ヘッダ(const State& s, std::time_t when);

// Read a game text, SFEN/USI or KIF told apart by its content (as
// SFEN/USIを読込 does once the file is read). A text
// that is not a game is refused with the forbidden sound and one box naming
// the first bad field or move, and nothing changes; otherwise the program
// starts afresh in record mode with the game's last position on the board.
// True when the game was taken.
bool 棋譜_SFEN読込(State& s, const std::string& text);

// The number of moves of the move list that are on the board.
int 現在手(const State& s);
// Go to the position after move n of the list (0: the start) by 戻 or 進
// one move at a time, stopping at the first that is refused.
void 棋譜_手へ(State& s, int n);

}  // namespace zk
