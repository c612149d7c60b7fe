#include <algorithm>

#include "com_search.h"

namespace zk {

namespace {

// Keep a rectangle bound on the board.
int clampToBoard(int v) { return std::clamp(v, 1, 12); }

}  // namespace

// The rectangle that holds every destination of a computer piece, so that the
// search need not ask about all 144 squares. Other pieces get the whole board.
void 取得_駒移動座標(PieceCode IN_駒, int IN_X, int IN_Y, int& O_X1, int& O_X2, int& O_Y1,
                     int& O_Y2) {
    int x1 = 1, x2 = 12, y1 = 1, y2 = 12;
    const PieceCode c = IN_駒;
    const int x = IN_X, y = IN_Y;
    if (c >= 1) {
        if (c == 1) {
            x1 = x2 = x;
            y1 = y2 = y + 1;
        } else if (c == 3) {
            x1 = x2 = x;
            y1 = y + 1;
            y2 = 12;
        } else if (c == 35) {
            x1 = x2 = x;
            y1 = y - 1;
            y2 = y + 1;
        } else if (c == 6 || c == 7) {
            y1 = y - 1;
            y2 = y + 1;
        } else if (c == 28) {
            x1 = x2 = x;
        } else if (c == 10 || c == 11) {
            x1 = x - 1;
            x2 = x + 1;
        } else if (c == 2 || c == 5 || c == 9 || c == 13 || c == 19 || c == 30 || c == 36 ||
                   c == 37 || c == 38 || c == 39) {
            x1 = x - 1;
            x2 = x + 1;
            y1 = y - 1;
            y2 = y + 1;
        } else if (c == 25 || c == 33 || c == 34) {
            x1 = x - 2;
            x2 = x + 2;
            y1 = y - 2;
            y2 = y + 2;
        }
    }
    O_X1 = clampToBoard(x1);
    O_X2 = clampToBoard(x2);
    O_Y1 = clampToBoard(y1);
    O_Y2 = clampToBoard(y2);
}

}  // namespace zk
