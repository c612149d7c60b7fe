// The end rules of the window's games. Against the computer the two sides are
// judged differently (baring the human is a draw; a mate of the human is only
// announced); between two humans the rules are the same for both. The
// verdicts only read the board, the computer's maps and the royal squares its
// surveys found; the caller shows the boxes and ends the game.
#pragma once

#include <string>

#include "state.h"

namespace zk {

// What an end test concluded.
struct EndVerdict {
    bool bare = false;   // show "駒枯れになりました" / "終局" first
    bool ended = false;  // call 終了 with `winner`
    std::string winner;  // "あなた", "ｺﾝﾋﾟｭｰﾀ", "先手", "後手", "引き分け"
    bool mateNotice = false;  // COM move: "よし！!" / "詰め ?"
    std::string checkNotice;  // COM move: "   ** 王手 **" or "   ** 王手(太子) **", or ""
};

// End test after a human move against COM (counts taken before the refresh).
// Runs the refresh itself. `captured`: what stood on the destination.
EndVerdict 終局判定_対COM(State& s, PieceCode captured);
// End test after a move in two-human play; runs the refresh itself. When the
// game goes on the caller negates turnPlayer.
EndVerdict 終局判定_対人(State& s, PieceCode captured);
// End test after a COM move; the caller has already refreshed with
// 終局前調査_COM手. `captured`: what stood on the computer's destination.
EndVerdict 終局判定_COM手(State& s, PieceCode captured);

}  // namespace zk
