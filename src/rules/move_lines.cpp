#include "move_check.h"
#include "pieces.h"

namespace zk {

namespace {

// Walk from the origin toward the destination one square at a time and report
// whether every square strictly between is empty. The caller has already made
// sure the two squares lie on one line.
int clearBetween(const State& s, int fx, int fy, int tx, int ty) {
    const int sx = (tx > fx) - (tx < fx);
    const int sy = (ty > fy) - (ty < fy);
    for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy)
        if (!s.Board[x][y].isEmpty()) return 0;
    return 1;
}

// Both ends must be squares of the board, so the walk never leaves the grid.
bool bothOnBoard(int fx, int fy, int tx, int ty) { return onBoard(fx, fy) && onBoard(tx, ty); }

}  // namespace

// A vertical or horizontal line move with a clear path.
int 移動チェック飛車(const State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (移動チェック上下(s, 移動元X, 移動元Y, 移動先X, 移動先Y) == 1) return 1;
    return 移動チェック左右(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
}

// A move along the file with nothing standing between.
int 移動チェック上下(const State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (!bothOnBoard(移動元X, 移動元Y, 移動先X, 移動先Y)) return 0;
    if (移動先X != 移動元X || 移動先Y == 移動元Y) return 0;
    return clearBetween(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
}

// A move along the rank with nothing standing between.
int 移動チェック左右(const State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (!bothOnBoard(移動元X, 移動元Y, 移動先X, 移動先Y)) return 0;
    if (移動先Y != 移動元Y || 移動先X == 移動元X) return 0;
    return clearBetween(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
}

// A diagonal move with nothing standing between.
int 移動チェック角(const State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    if (!bothOnBoard(移動元X, 移動元Y, 移動先X, 移動先Y)) return 0;
    const int dx = 移動先X - 移動元X, dy = 移動先Y - 移動元Y;
    if (dx == 0 || (dx != dy && dx != -dy)) return 0;
    return clearBetween(s, 移動元X, 移動元Y, 移動先X, 移動先Y);
}

}  // namespace zk
