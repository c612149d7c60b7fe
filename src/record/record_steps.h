// What 戻, 進 and 反転 change in the game: the record's moves taken back and
// replayed on the board, and the board turned. Nothing is shown here; the
// play layer draws the entries these hand back and plays their sounds.
#pragma once

#include <vector>

#include "game.h"

namespace zk {

// Take back the move that ends at the record's current entry (recordCount
// >= 1; a two-step move as one): its squares, the move number and the turn.
// The entries taken back, last first.
std::vector<MoveRecord> takeBackMove(Game& s);
// Replay the record's next move (recordCount < recordEnd): its squares, the
// move number and the turn. The entries replayed, first first.
std::vector<MoveRecord> replayMove(Game& s);

// Turn the board by 180 degrees and swap the sides of all pieces.
void reverseBoard(BoardGrid& board);
// Forget every entry of the record, its empty entry 0 too.
void clearRecord(GameRecord& r);

}  // namespace zk
