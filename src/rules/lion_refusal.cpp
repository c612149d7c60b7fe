#include "move_check.h"

namespace zk {

// The lion-capture refusals on the rules' grid.
LionRefusal lionCaptureRefusal(BoardGrid& b, const LionHistory& history, bool secondStep, int selX,
                               int selY, PieceCode selPiece, int destX, int destY, RuleSet rules) {
    const auto at = [&b](int x, int y) { return b[x][y]; };
    return lionCaptureRefusal(at, rules, history, secondStep, selX, selY, selPiece, destX, destY);
}

}  // namespace zk
