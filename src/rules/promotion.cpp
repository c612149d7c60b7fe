#include "move_check.h"
#include "move_table.h"
#include "standard_moves.h"

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
    if (rules == RuleSet::Standard)
        return standardMayPromote(c, fromY, ty, takes) ? promoted : code::EMPTY;
    return promotingMove(sign, fromY, ty, takes) ? promoted : code::EMPTY;
}

}  // namespace zk
