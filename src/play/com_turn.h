// The computer's move. It reads the game through State, tries every legal
// move of its pieces on the board itself, scores each with the evaluation and
// plays the best. It never ends the game itself: when its end test says the
// game is over it returns the winner and the caller calls 終了.
#pragma once

#include <functional>
#include <string>

#include "com_search.h"
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

// Everything after the choice: the first step's record, blink, move and
// sound; then `secondStep` (which may take the second step and set the code
// the report shows); the move number, the end test with `captured`, the
// boxes and the report.
ComOutcome com_着手(State& s, const ComChoice& c, PieceCode captured,
                    const std::function<void(PieceCode& after)>& secondStep);
// A whole move given as a Move of the computer's side, played as com_ban
// plays its own choice.
ComOutcome com_指し手(State& s, const Move& m);

// The shadowed " 思考中" caption in a side's move report (the computer's by
// default), with the depth reached when it is above 0; painted at once.
void 思考中表示(State& s, int depth = 0, double reportY = Screen::comReportY);

}  // namespace zk
