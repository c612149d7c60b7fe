#include "move_check.h"

namespace zk {

// Is the lion on (lionX, lionY) protected by the side `defenderSign` against
// a capture from (fromX, fromY)? The rules' grid read by the one lion rule.
int lionGuarded(BoardGrid& b, int defenderSign, int fromX, int fromY, int lionX, int lionY,
                RuleSet rules) {
    const auto at = [&b](int x, int y) { return b[x][y]; };
    return lionProtected(at, rules, defenderSign, fromX, fromY, lionX, lionY) ? 1 : 0;
}

}  // namespace zk
