// The game as a list of moves: the record's entries grouped into moves the
// way 戻 and 進 group them, each with its number, side mark and text in the
// game's notation; and the moves as values for export.
#pragma once

#include <string>
#include <vector>

#include "position.h"

namespace zk {

struct MoveListItem {
    int number = 0;                     // 1, 2, ...
    int firstEntry = 0, lastEntry = 0;  // its record entries
    std::string mark;                   // "▲" for the side that moved first, else "△"
    std::string text;                   // 指し手表記 of the move
    Move move;
};

// Every move of the record (entries 1..max(recordEnd, recordCount)).
std::vector<MoveListItem> moveList(const GameRecord& r);
// The moves alone, for export.
std::vector<Move> movesOfRecord(const GameRecord& r);
// The board before entry 1, from a board with entries 1..n applied.
BoardGrid startBoardOf(const BoardGrid& board, const GameRecord& r, int n);
// The list as lines "  12 △６七・７八獅".
std::vector<std::string> moveListLines(const std::vector<MoveListItem>& list);

}  // namespace zk
