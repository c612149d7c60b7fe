#include "move_check.h"

namespace zk {

// Is the lion on (lionX, lionY) protected by the side `defenderSign` against
// a capture from (fromX, fromY)? The rules' grid read by the one lion rule.
int lionGuarded(BoardGrid& b, int defenderSign, int fromX, int fromY, int lionX, int lionY,
                RuleSet rules) {
    const auto at = [&b](int x, int y) { return b[x][y]; };
    return lionProtected(at, rules, defenderSign, fromX, fromY, lionX, lionY) ? 1 : 0;
}

// The defending side is named by its player value.
int 調査_獅守(State& s, int IN_手番, int IN_移動元X, int IN_移動元Y, int 獅座標X, int 獅座標Y) {
    int side = 0;  // +1: COM pieces defend, -1: MAN pieces defend, 0: nobody
    if (IN_手番 == s.manPlayer)
        side = -1;
    else if (IN_手番 == s.comPlayer)
        side = 1;
    return lionGuarded(s.Board, side, IN_移動元X, IN_移動元Y, 獅座標X, 獅座標Y);
}

}  // namespace zk
