#include "move_check.h"
#include "pieces.h"

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

// Does this move promote the piece? On 1, promotedPiece holds its new code.
int 調査_駒成(State& s, int, int 移動元Y, int 移動先X, int 移動先Y, PieceCode 移動駒種類) {
    // A destination off the board is no move at all.
    if (!onBoard(移動先X, 移動先Y)) return 0;
    const PieceCode c = 移動駒種類;
    if (!promotable(c)) return 0;
    const PieceCode target = s.Board[移動先X][移動先Y];
    if (c <= -1) {
        if (移動先Y < 5 && (移動元Y > 4 || target >= 1)) {
            s.promotedPiece = PieceCode(c.whole() + 1);
            return 1;
        }
    } else if (c >= 1) {
        if (移動先Y > 8 && (移動元Y < 9 || target <= -1)) {
            s.promotedPiece = PieceCode(c.whole() - 1);
            return 1;
        }
    }
    return 0;
}

}  // namespace zk
