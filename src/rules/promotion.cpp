#include "move_check.h"

namespace zk {

namespace {

// The promoted-form codes: a piece standing in one of them turns back into
// its unpromoted form once it promotes.
bool promotable(PieceCode c) {
    if (c.isMidMove()) return false;
    switch (c.kind()) {
        case 2:
        case 4:
        case 6:
        case 8:
        case 10:
        case 12:
        case 14:
        case 16:
        case 18:
        case 20:
        case 22:
        case 24:
        case 26:
        case 29:
        case 31:
        case 33:
        case 36:
        case 38:
            return true;
        default:
            return false;
    }
}

}  // namespace

// The unpromoted code a promoting move turns the piece into, or the empty
// code. A capture inside the zone counts only while the destination still
// holds the piece taken.
PieceCode promotionOf(const BoardGrid& b, int fromY, int tx, int ty, PieceCode c) {
    // A destination off the board is no move at all.
    if (!onBoard(tx, ty) || !promotable(c)) return code::EMPTY;
    const PieceCode target = b[tx][ty];
    if (c <= -1 && ty < 5 && (fromY > 4 || target >= 1)) return PieceCode(c.whole() + 1);
    if (c >= 1 && ty > 8 && (fromY < 9 || target <= -1)) return PieceCode(c.whole() - 1);
    return code::EMPTY;
}

}  // namespace zk
