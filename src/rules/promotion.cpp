#include "move_check.h"
#include "move_table.h"

namespace zk {

// The table's promoted code, when the move enters the zone or takes within
// it. A capture inside the zone counts only while the destination still
// holds the piece taken.
PieceCode promotionOf(const BoardGrid& b, int fromY, int tx, int ty, PieceCode c, RuleSet rules) {
    // A destination off the board is no move at all.
    if (!onBoard(tx, ty)) return code::EMPTY;
    const PieceCode promoted = pieceMoves(rules, c).promoted;
    if (promoted.isEmpty()) return code::EMPTY;
    const PieceCode target = b[tx][ty];
    const int sign = c >= 1 ? 1 : -1;
    const bool takes = sign > 0 ? target <= -1 : target >= 1;
    return promotingMove(sign, fromY, ty, takes) ? promoted : code::EMPTY;
}

// Does this move promote the piece? On 1, promotedPiece holds its new code.
int 調査_駒成(State& s, int, int 移動元Y, int 移動先X, int 移動先Y, PieceCode 移動駒種類) {
    const PieceCode promoted = promotionOf(s.Board, 移動元Y, 移動先X, 移動先Y, 移動駒種類);
    if (promoted.isEmpty()) return 0;
    s.promotedPiece = promoted;
    return 1;
}

}  // namespace zk
