#include "move_span.h"

#include <algorithm>

namespace zk {

namespace {

bool isTwoStepPiece(PieceCode c) {
    return c == 33 || c == -33 || c == 34 || c == -34 || c == 24 || c == -24 || c == 18 || c == -18;
}

}  // namespace

int 調査_二手組(const GameRecord& r, int k) {
    const MoveRecord& a = r.at(k);
    const MoveRecord& b = r.at(k + 1);
    if (!isTwoStepPiece(a.movedPiece)) return 0;
    if (b.movedPiece != a.movedPiece && b.movedPiece != a.pieceAfter) return 0;
    if ((b.movedPiece >= 1) != (a.movedPiece >= 1)) return 0;
    const bool goesOn = b.fromX == a.toX && b.fromY == a.toY;
    const bool repeats =
        b.fromX == a.fromX && b.fromY == a.fromY && b.toX == a.toX && b.toY == a.toY;
    return goesOn || repeats ? 1 : 0;
}

MoveSpan 調査_手範囲(const GameRecord& r, int n) {
    const int end = std::max(r.recordEnd, r.recordCount);
    int k = 1;
    for (;;) {
        const int len = (k < end && 調査_二手組(r, k) == 1) ? 2 : 1;
        if (n < k + len) return {k, k + len - 1};
        k += len;
    }
}

}  // namespace zk
