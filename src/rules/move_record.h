// The game record: one entry per executed step, kept so that moves can be
// taken back, replayed and saved, and read by the lion rules.
#pragma once

#include <vector>

#include "board.h"

namespace zk {

struct MoveRecord {
    int fromX = 0, fromY = 0;
    int toX = 0, toY = 0;
    PieceCode capturedPiece;  // what stood on the destination when recorded
    PieceCode movedPiece;     // the moving code before the step
    PieceCode pieceAfter;     // the code after the step (differs on promotion)

    friend bool operator==(const MoveRecord&, const MoveRecord&) = default;
};

// Entries 1..recordEnd are valid; entry 0 holds no step but is read as "the
// entry before entry 1". It grows without a fixed limit.
struct GameRecord {
    std::vector<MoveRecord> entries = std::vector<MoveRecord>(1);
    int recordCount = 0;  // entries applied to the board
    int recordEnd = 0;    // entries that can be replayed

    // Entry n for reading; an index outside the record reads as an empty entry.
    const MoveRecord& at(int n) const {
        static const MoveRecord none{};
        return (n >= 0 && n < static_cast<int>(entries.size())) ? entries[n] : none;
    }
    // Entry n for writing; the record grows to hold it.
    MoveRecord& slot(int n) {
        if (n >= static_cast<int>(entries.size())) entries.resize(n + 1);
        return entries[n];
    }
};

// Append one entry to the record: recordCount += 1, fill it (capturedPiece
// from the board `b` now), recordEnd := recordCount.
void 手順保存(GameRecord& r, const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
              PieceCode 移動元駒, PieceCode 移動成駒);

}  // namespace zk
