// What the end of a game is decided on, for either side: the pieces and royal
// pieces each side has left, where a side's royal pieces stand, and whether a
// piece of a side can move onto a square. Facts only: which of them end a game
// is the caller's rule.
#pragma once

#include <string>

#include "position.h"
#include "state.h"

namespace zk {

// Index of a side in the per-side arrays: [0] the bottom side (negative
// codes), [1] the top side.
constexpr int sideIndex(int side) { return side > 0 ? 1 : 0; }

// Pieces of each side over all 144 squares, royal pieces included; a mid-move
// code counts by its sign.
struct Census {
    int pieces[2]{};
    int royals[2]{};  // kings and crown princes
};
Census 調査_駒数(const BoardGrid& b);

// Where the king and the crown prince of a side stand (an x of 0: not on the
// board).
struct RoyalSquares {
    int kingX = 0, kingY = 0, princeX = 0, princeY = 0;
};
RoyalSquares royalSquaresOf(const BoardGrid& b, int side);

// May some piece of `side` (a sign) move onto (x, y), by the move check with
// this lion history?
bool reaches(BoardGrid& b, const LionHistory& h, bool secondStep, int side, int x, int y);

// Counts of pieces of each side over all 144 squares.
int 調査_駒数(const State& s, int& O_MAN駒数, int& O_COM駒数);

// Refresh royal squares and maps before the end test of a human move
// (all four royal columns cleared, MAN survey then COM survey).
void 終局前調査_MAN手(State& s);
// Before the end test of a COM move (only the human's royal columns cleared,
// COM survey then MAN survey).
void 終局前調査_COM手(State& s);

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
