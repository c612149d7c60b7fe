// What the end of a game is decided on, for either side: the pieces and royal
// pieces each side has left, where a side's royal pieces stand, and whether a
// piece of a side can move onto a square. Facts only: which of them end a game
// is the caller's rule.
#pragma once

#include "position.h"

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

// May some piece of `side` (a sign) move onto (x, y) in the position `p`, by
// its move check? The board is left as it was.
bool reaches(Position& p, int side, int x, int y);

// The standard game's facts. A repeated position is not among them yet.

// A pawn or lance left plain on the last row of its side: it never moves again.
bool isDeadPiece(PieceCode c, int y);

// Has the side `side` no royal piece left?
bool hasNoRoyal(const BoardGrid& b, int side);

// Is the side `side` down to its royal pieces, its dead pawns and lances not
// counted?
bool isBareRoyal(const BoardGrid& b, int side);

// May the side to move take every piece the other side has left but its
// royal pieces and dead pawns and lances, in this one move?
bool canBareAtOnce(const Position& p);

// Has a standard game ended in this position: a side without a royal piece,
// both sides bare, the side that has just moved bare (it had its answer), or
// the side to move bare with no move that bares the other side at once. A
// side with no legal move has ended its game by having no moves.
bool standardGameEnded(const Position& p);

// How a standard game ends after a move, the side to move of `p` answering.
// A side without a royal piece loses; a side bare after its own move loses
// (it had its answer) unless the other is bare too, a draw; a side just bared
// loses unless it may bare the other at once; a side with no legal move loses.
// Mate is not an end, and repetition needs the game's history (repetition.h).
enum class EndReason { None, NoRoyal, BareRoyal, NoMoves };
struct StandardEnding {
    EndReason reason = EndReason::None;
    int winner = 0;  // sign of the winning side's codes; 0 a draw
};
// `askMoves` false: the legal-move count is not asked (the caller knows).
StandardEnding standardEnding(const Position& p, bool askMoves = true);

}  // namespace zk
