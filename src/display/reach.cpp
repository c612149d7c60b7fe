// Marks of the squares a piece can reach, for move guidance and move help.
#include <cstdlib>

#include "draw.h"
#include "move_check.h"
#include "pieces.h"

namespace zk {

namespace {

// Whether (x, y) is where a two-step piece on (fx, fy) could stop for its first step.
bool twoStepStop(PieceCode c, int fx, int fy, int x, int y) {
    if (c == 33 || c == 34 || c == -33 || c == -34)
        return std::abs(x - fx) <= 1 && std::abs(y - fy) <= 1;
    if (c == 18) return y == fy + 1 && x != fx;
    if (c == -18) return y == fy - 1 && x != fx;
    if (c == 24) return y == fy + 1 && x == fx;
    if (c == -24) return y == fy - 1 && x == fx;
    return false;
}

}  // namespace

// Wipe every mark, outline the squares the piece reaches in 描画色, and the
// two-step stops in the selection colour unless 描画色 only erases.
void 描画_移動可能桝色(Screen& s, Position& game, bool secondStep, int 移動元X, int 移動元Y,
                       int 描画色, PieceCode 移動駒) {
    描画_将棋盤桝(s);
    // Every outline is in the grid colour now, so marking in it changes nothing.
    if (描画色 == Screen::boardGridColour) return;
    // No code 0 moves, and the move check needs an origin on the board.
    if (移動駒.isEmpty() || !onBoard(移動元X, 移動元Y)) return;
    bool stops[13][13] = {};
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (移動チェック(game, secondStep, 移動元X, 移動元Y, x, y, 移動駒) != 1) continue;
            描画_桝輪郭(s, 描画色, x, y);
            stops[x][y] = twoStepStop(移動駒, 移動元X, 移動元Y, x, y);
        }
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (stops[x][y]) 描画_桝輪郭(s, Screen::selectColour, x, y);
}

}  // namespace zk
