#include "move_record.h"

namespace zk {

// Append one step to the record; anything that was ahead of it is dropped.
void 手順保存(GameRecord& r, const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
              PieceCode 移動元駒, PieceCode 移動成駒) {
    if (r.recordCount < 0) r.recordCount = 0;  // never write before entry 1
    r.recordCount += 1;
    MoveRecord& e = r.slot(r.recordCount);
    e.fromX = 移動元X;
    e.fromY = 移動元Y;
    e.toX = 移動先X;
    e.toY = 移動先Y;
    e.movedPiece = 移動元駒;
    e.pieceAfter = 移動成駒;
    // A destination off the board holds nothing.
    e.capturedPiece = onBoard(移動先X, 移動先Y) ? b[移動先X][移動先Y] : code::EMPTY;
    r.recordEnd = r.recordCount;
}

}  // namespace zk
