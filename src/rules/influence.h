// Influence maps: for every square, how many pieces of each side reach it,
// the cheapest guard and attacker, the checking lines, and where the royal
// pieces and the human lion stand. Each survey rebuilds only its own side.
#pragma once

#include "state.h"

namespace zk {

void 勢力調査_MAN(State& s);
void 勢力調査_COM(State& s);

// Members (record one reach; walk one line; the gold pattern).
void 勢力調査_自駒(State& s, int IN_X1, int IN_Y1, int IN_X2, int IN_Y2, PieceCode IN_駒);
void 勢力調査_敵駒(State& s, int IN_X1, int IN_Y1, int IN_X2, int IN_Y2, PieceCode IN_駒);
void 勢力確定上直進(State& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定下直進(State& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定右直進(State& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定左直進(State& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定自角_上(State& s, PieceCode 入力駒, int 入力X, int 入力Y);
void 勢力確定自角_下(State& s, PieceCode 入力駒, int 入力X, int 入力Y);
void 勢力確定敵角_上(State& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定敵角_下(State& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定自金(State& s, PieceCode 駒種類, int 移動元X, int 移動元Y);
void 勢力確定敵金(State& s, PieceCode 駒種類, int 移動元X, int 移動元Y);

}  // namespace zk
