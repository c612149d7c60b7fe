// Move legality: may a piece code move from one square to another on the
// current board? A pure question (the lion-protection test it may ask empties
// two squares and puts them back).
#pragma once

#include "state.h"

namespace zk {

// 1 if `移動駒種類` may move from (移動元X, 移動元Y) to (移動先X, 移動先Y), else 0.
// Reads Board, moveStep, manPlayer/comPlayer and the last two record entries.
// An origin or destination off the board answers 0.
int 移動チェック(State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 PieceCode 移動駒種類);

// Line tests with blocking: rook (file then rank), file, rank, diagonal.
// Both ends must be squares of the board, else the answer is 0.
int 移動チェック飛車(const State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック上下(const State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック左右(const State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック角(const State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// The rectangle of candidate destinations of a piece for the computer's search.
void 取得_駒移動座標(const State& s, PieceCode IN_駒, int IN_X, int IN_Y, int& O_X1, int& O_X2,
                     int& O_Y1, int& O_Y2);

// 1 if a piece of the side `IN_手番` protects the lion on (獅座標X, 獅座標Y)
// against a capture from (IN_移動元X, IN_移動元Y). The board is unchanged after.
int 調査_獅守(State& s, int IN_手番, int IN_移動元X, int IN_移動元Y, int 獅座標X, int 獅座標Y);

// 1 if the move promotes; then promotedPiece holds the new code.
int 調査_駒成(State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, PieceCode 移動駒種類);

}  // namespace zk
