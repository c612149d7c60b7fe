// The game's own notation of squares and moves, as the move report beside
// the board shows them: the column counted from the right, the row as a kanji
// numeral, then the piece's kanji.
#pragma once

#include <string>

#include "position.h"

namespace zk {

// A column number as counted from the right (1..12): "１".."９", "10".."12".
std::string 筋表記(int 筋);
// A row number 1..12 as its kanji numeral "一".."十二"; "" for any other.
std::string 漢数字(int 数値);
// The square (x, y) of the board, e.g. (7, 8) is "６八".
std::string 升目表記(int x, int y);
// A whole move: the square where it ends and the piece as it ends there;
// a two-step move names its first square too, e.g. "６七・７八獅".
std::string 指し手表記(const Move& m);

}  // namespace zk
