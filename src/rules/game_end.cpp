#include "game_end.h"

#include "move_check.h"

namespace zk {

Census 調査_駒数(const BoardGrid& b) {
    Census c;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode p = b[x][y];
            if (p.isEmpty()) continue;
            const int i = p >= 1 ? 1 : 0;
            c.pieces[i] += 1;
            if (p.kind() >= 38) c.royals[i] += 1;
        }
    return c;
}

RoyalSquares royalSquaresOf(const BoardGrid& b, int side) {
    RoyalSquares r;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (b[x][y] == PieceCode(side * 39)) r.kingX = x, r.kingY = y;
            if (b[x][y] == PieceCode(side * 38)) r.princeX = x, r.princeY = y;
        }
    return r;
}

bool reaches(Position& p, int side, int x, int y) {
    for (int fx = 1; fx <= 12; ++fx)
        for (int fy = 1; fy <= 12; ++fy) {
            const PieceCode c = p.Board[fx][fy];
            const bool own = side > 0 ? c >= 1 : c <= -1;
            if (own && moveCheck(p.Board, p.history, false, fx, fy, x, y, c, p.rules) == 1)
                return true;
        }
    return false;
}

}  // namespace zk
