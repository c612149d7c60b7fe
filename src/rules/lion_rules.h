// The lion-capture rules on any board: is a lion protected, and may this
// piece take that lion. Written once over a board read through `at(x, y)`
// (the code on a square of the board), so that the rules' grid and the
// engine's mailbox ask exactly the same questions.
#pragma once

#include "move_table.h"

namespace zk {

// Why a press that would take a lion is refused.
enum class LionRefusal { None, Recapture, Protected, WeakBait };

// A lion of either code and side, never a mid-move code.
constexpr bool isLionCode(PieceCode c) { return c == 33 || c == 34 || c == -33 || c == -34; }

// Is the lion on (lionX, lionY) protected by the pieces of the side whose
// codes have the sign `defenderSign` (0: nobody) against a capture from
// (fromX, fromY)? Both squares count as empty, so a line through the
// capturer counts and a defending lion reaches the square like any leaper.
template <typename At>
bool lionProtected(const At& at, RuleSet rules, int defenderSign, int fromX, int fromY, int lionX,
                   int lionY) {
    if (defenderSign == 0 || !onBoard(lionX, lionY)) return false;
    const auto code = [&](int x, int y) {
        return (x == fromX && y == fromY) || (x == lionX && y == lionY) ? PieceCode() : at(x, y);
    };
    const auto defends = [defenderSign](PieceCode d) {
        return defenderSign < 0 ? d <= -1 : d >= 1;
    };
    // Along each line only the first piece can run to the lion's square.
    for (int d = 0; d < 8; ++d) {
        const int sx = kLines[d].dx, sy = kLines[d].dy;
        int x = lionX + sx, y = lionY + sy, length = 1;
        while (onBoard(x, y) && code(x, y).isEmpty()) {
            x += sx;
            y += sy;
            ++length;
        }
        if (!onBoard(x, y)) continue;
        const PieceCode d0 = code(x, y);
        if (defends(d0) && pieceMoves(rules, d0).run[7 - d] >= length) return true;
    }
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const int x = lionX + dx, y = lionY + dy;
            if (!onBoard(x, y)) continue;
            const PieceCode d0 = code(x, y);
            if (defends(d0) && (pieceMoves(rules, d0).leaps & leapBit(-dx, -dy))) return true;
        }
    return false;
}

// No side takes a lion right after losing its own, and no lion takes a
// protected lion, except in a second step after a first capture worth more
// than a pawn or a go-between. A press of `selPiece` on (selX, selY) onto
// (destX, destY); only a destination holding a lion can be refused.
template <typename At>
LionRefusal lionCaptureRefusal(const At& at, RuleSet rules, const LionHistory& history,
                               bool secondStep, int selX, int selY, PieceCode selPiece, int destX,
                               int destY) {
    const PieceCode target = at(destX, destY);
    if (!isLionCode(target)) return LionRefusal::None;
    // The capturing side is the opposite of the target's.
    const int sign = target >= 1 ? -1 : 1;
    const PieceCode lost = history.lastCaptured;
    const bool ownLionLost = isLionCode(lost) && (lost >= 1) == (sign > 0);
    const bool capturerOnSide = sign > 0 ? selPiece >= 1 : selPiece <= -1;
    if (ownLionLost && capturerOnSide && target != history.previousAfter)
        return LionRefusal::Recapture;

    if (!(isLionCode(selPiece) && (selPiece >= 1) == (sign > 0))) return LionRefusal::None;
    if (!lionProtected(at, rules, -sign, selX, selY, destX, destY)) return LionRefusal::None;
    if (!secondStep) return LionRefusal::Protected;
    const PieceCode bait = history.lastCaptured;
    if (bait.isEmpty()) return LionRefusal::Protected;
    if (bait == PieceCode(-sign * 1) || bait == PieceCode(-sign * 35)) return LionRefusal::WeakBait;
    return LionRefusal::None;
}

}  // namespace zk
