#include "com_mate.h"

namespace zk {

// Count the empty neighbours of the human king that no COM piece reaches and
// mark them in kingEscapeMap. With the king off the board (manKingX = 0) the
// squares of column 0 are visited too and count, as the callers expect.
int 調査_自王逃道(ComState& s) {
    const int kx = s.manKingX, ky = s.manKingY;
    // Beyond the grid nothing can be read; such a square is no escape.
    if (kx < 0 || kx > 12 || ky < 0 || ky > 12) return 0;
    int count = 0;
    auto visit = [&](int x, int y) {
        if (s.Board[x][y].isEmpty() && s.comInfluence[x][y] == 0) {
            s.kingEscapeMap[x][y] = 1;
            count += 1;
        }
    };
    if (ky > 1) {
        visit(kx, ky - 1);
        if (kx > 1) visit(kx - 1, ky - 1);
        if (kx < 12) visit(kx + 1, ky - 1);
    }
    if (ky < 12) {
        visit(kx, ky + 1);
        if (kx > 1) visit(kx - 1, ky + 1);
        if (kx < 12) visit(kx + 1, ky + 1);
    }
    if (kx > 1) visit(kx - 1, ky);
    if (kx < 12) visit(kx + 1, ky);
    return count;
}

}  // namespace zk
