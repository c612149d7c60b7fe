#include "move_check.h"

namespace zk {

namespace {

// A lion of either code and side, never a mid-move code.
bool isLion(PieceCode c) { return (c.kind() == 33 || c.kind() == 34) && !c.isMidMove(); }

}  // namespace

// No side takes a lion right after losing its own, and no lion takes a
// protected lion, except in a second step after a first capture worth more
// than a pawn or a go-between.
LionRefusal lionCaptureRefusal(BoardGrid& b, const LionHistory& history, bool secondStep, int selX,
                               int selY, PieceCode selPiece, int destX, int destY) {
    const PieceCode target = b[destX][destY];
    if (!isLion(target)) return LionRefusal::None;
    // The capturing side is the opposite of the target's.
    const int sign = target >= 1 ? -1 : 1;
    const PieceCode lost = history.lastCaptured;
    const bool ownLionLost = isLion(lost) && (lost >= 1) == (sign > 0);
    const bool capturerOnSide = sign > 0 ? selPiece >= 1 : selPiece <= -1;
    if (ownLionLost && capturerOnSide && target != history.previousAfter)
        return LionRefusal::Recapture;

    if (!(isLion(selPiece) && (selPiece >= 1) == (sign > 0))) return LionRefusal::None;
    if (lionGuarded(b, -sign, selX, selY, destX, destY) != 1) return LionRefusal::None;
    if (!secondStep) return LionRefusal::Protected;
    const PieceCode bait = history.lastCaptured;
    if (bait.isEmpty()) return LionRefusal::Protected;
    if (bait == PieceCode(-sign * 1) || bait == PieceCode(-sign * 35)) return LionRefusal::WeakBait;
    return LionRefusal::None;
}

}  // namespace zk
