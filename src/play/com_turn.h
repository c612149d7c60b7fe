// The computer's move. It reads the game through State, tries every legal
// move of its pieces on the board itself, scores each with the evaluation and
// plays the best. It never ends the game itself: when its end test says the
// game is over it returns the winner and the caller calls 終了.
#pragma once

#include <string>

#include "state.h"

namespace zk {

struct ComOutcome {
    bool ended = false;  // the caller must call 終了(winner)
    std::string winner;  // "引き分け", "ｺﾝﾋﾟｭｰﾀ" or "あなた"
};

// One whole move of the computer, with its boxes, blinks and end test.
ComOutcome com_ban(State& s);
// The second step of a two-step piece standing on (移動元X, 移動元Y).
void com_ban2手目(State& s, int 移動元X, int 移動元Y, PieceCode 移動駒);

}  // namespace zk
