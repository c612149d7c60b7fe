// Small positional questions the evaluation asks again and again: safe
// destinations of a piece, cover from a human straight mover below a square,
// big computer pieces around a square, and pinned pieces.
#pragma once

#include "com_state.h"

namespace zk {

// Destinations of the piece that no enemy piece reaches; always 1 for a lion.
int 調査_移動可場所数(ComState& s, int 移動元X, int 移動元Y, PieceCode 移動駒);

// 1 if a human lance, rook or dragon king below the square in its column can
// move onto it (the square itself is lifted for the test), else 0.
int 調査_自守駒MAN_直進駒(ComState& s, int 入力X, int 入力Y);

// Minus the number of computer pieces of code 20 or more next to the square,
// counting only neighbours in columns and rows 1..9.
int 調査_周辺状況(const ComState& s, int 移動先X, int 移動先Y);

// Fill manPinned and comPinFlag: a piece counts as pinned when, with it
// lifted, an enemy lance, bishop, horse, rook or dragon reaches its king.
void 調査_移動不可駒(ComState& s);

}  // namespace zk
