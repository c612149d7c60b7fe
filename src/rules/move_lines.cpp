#include "move_check.h"

namespace zk {

namespace {

// Walk from the origin toward the destination one square at a time and report
// whether every square strictly between is empty. The caller has already made
// sure the two squares lie on one line.
int clearBetween(const BoardGrid& b, int fx, int fy, int tx, int ty) {
    const int sx = (tx > fx) - (tx < fx);
    const int sy = (ty > fy) - (ty < fy);
    for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy)
        if (!b[x][y].isEmpty()) return 0;
    return 1;
}

// Both ends must be squares of the board, so the walk never leaves the grid.
bool bothOnBoard(int fx, int fy, int tx, int ty) { return onBoard(fx, fy) && onBoard(tx, ty); }

}  // namespace

// A vertical or horizontal line move with a clear path.
int lineRook(const BoardGrid& b, int fx, int fy, int tx, int ty) {
    if (lineFile(b, fx, fy, tx, ty) == 1) return 1;
    return lineRank(b, fx, fy, tx, ty);
}

// A move along the file with nothing standing between.
int lineFile(const BoardGrid& b, int fx, int fy, int tx, int ty) {
    if (!bothOnBoard(fx, fy, tx, ty)) return 0;
    if (tx != fx || ty == fy) return 0;
    return clearBetween(b, fx, fy, tx, ty);
}

// A move along the rank with nothing standing between.
int lineRank(const BoardGrid& b, int fx, int fy, int tx, int ty) {
    if (!bothOnBoard(fx, fy, tx, ty)) return 0;
    if (ty != fy || tx == fx) return 0;
    return clearBetween(b, fx, fy, tx, ty);
}

// A diagonal move with nothing standing between.
int lineDiagonal(const BoardGrid& b, int fx, int fy, int tx, int ty) {
    if (!bothOnBoard(fx, fy, tx, ty)) return 0;
    const int dx = tx - fx, dy = ty - fy;
    if (dx == 0 || (dx != dy && dx != -dy)) return 0;
    return clearBetween(b, fx, fy, tx, ty);
}

int 移動チェック飛車(const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    return lineRook(b, 移動元X, 移動元Y, 移動先X, 移動先Y);
}

int 移動チェック上下(const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    return lineFile(b, 移動元X, 移動元Y, 移動先X, 移動先Y);
}

int 移動チェック左右(const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    return lineRank(b, 移動元X, 移動元Y, 移動先X, 移動先Y);
}

int 移動チェック角(const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y) {
    return lineDiagonal(b, 移動元X, 移動元Y, 移動先X, 移動先Y);
}

}  // namespace zk
