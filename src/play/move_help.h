// Move help: the user picks any piece and tries its moves alone on an emptied
// board, promotion and two-step moves included; the real position is put back
// afterwards.
#pragma once

#include "state.h"

namespace zk {

// Menu 移動ﾍﾙﾌﾟ: start (or restart) move help.
void IDOU_HLP_Click(State& s);
// A press while move help is on; (IN_X, IN_Y) is the pressed column and row,
// possibly off the board.
void 移動ヘルプ_処理(State& s, int IN_マウスクリック, int IN_X, int IN_Y);
// End move help and put the saved position back on the board and the screen.
void 移動ヘルプ_戻(State& s);
// Leave an active move help, as every game, handicap and record command does
// before it acts.
void 移動ヘルプ終了(State& s);
// The row on which move help places a piece (always in column 6), 0 for none.
int HLP駒Y座標(PieceCode 駒種類);

}  // namespace zk
