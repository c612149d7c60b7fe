// The computer's search: prepare the maps and the before-move copies, try
// every legal move and promotion of every computer piece on Board, score
// each, and keep the best. No drawing; the driver plays what it finds.
#pragma once

#include "com_score.h"

namespace zk {

// The move the search settled on.
struct ComChoice {
    bool found = false;     // false when the computer has no legal move
    int x = 0, y = 0;       // source square
    int tx = 0, ty = 0;     // destination square
    PieceCode pieceBefore;  // code on the source square
    PieceCode pieceAfter;   // code that ends on the destination
};

// Before the search: clear the scratch maps, count the human king's escapes,
// rebuild the maps, royal squares and pins, and keep the before-move copies.
void com_準備(ComState& s);
// Keep the maps the evaluation reads as "the position before the move".
void com_前局面保存(ComState& s);

// The rectangle of candidate destinations of a computer piece for the search.
void 取得_駒移動座標(PieceCode IN_駒, int IN_X, int IN_Y, int& O_X1, int& O_X2, int& O_Y1,
                     int& O_Y2);

// The thinking of one turn (bestScore holds the winning score afterwards).
ComChoice com_探索(ComState& s);

// Score one trial move of the piece on (x, y) to (tx, ty), with the trial
// put on Board and taken back again; `after` receives the code chosen for
// the destination (the promoted one only when it scores strictly better).
Tenths com_試行(ComState& s, int x, int y, int tx, int ty, PieceCode& after, PieceCode& captured);

// The second step of a two-step piece standing on (移動元X, 移動元Y) with its
// intermediate code (18.1, 18.2, 24.1 or the lion's own): the best square
// into O_X, O_Y, or false when none is legal (the piece then stands there
// with its whole code). The trials leave the intermediate code on its square.
bool com_二手目選択(ComState& s, int 移動元X, int 移動元Y, PieceCode 移動駒, int& O_X, int& O_Y);

}  // namespace zk
