// The mate test of either side. A side with exactly one royal piece is mated
// when that piece has no empty square to step to and no capture by the side's
// pieces lifts the attack on it. Which pieces may capture and how "still
// attacked" is judged are the caller's: the game against the computer judges
// the two sides differently.
#pragma once

#include "game_end.h"
#include "move_check.h"

namespace zk {

// The pieces of the side that may capture to save its royal piece: every
// kind up to the tested royal piece's own, or only those below it.
enum class RoyalCaptures { Included, Excluded };

// Is the royal piece of `side` on (kx, ky) of the position `p`, with step
// code `royal`, mated? `stillAttacked(kx, ky)` is asked with each capture
// standing on the board; a capture after which it answers false saves the
// piece. The board is as it was after.
template <class StillAttacked>
int 詰めか_王族(Position& p, int side, int kx, int ky, PieceCode royal, RoyalCaptures captures,
                StillAttacked&& stillAttacked) {
    BoardGrid& b = p.Board;
    // A royal square off the board holds nothing.
    if (!onBoard(kx, ky) || b[kx][ky].isEmpty()) return 0;

    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y) {
            if (!onBoard(x, y)) continue;
            if (moveCheck(b, p.history, false, kx, ky, x, y, royal, p.rules) == 1 &&
                b[x][y].isEmpty())
                return 0;
        }

    // Captures only, each by any piece of the side up to the strongest that
    // may take part, tried on the board: a narrower set than legalMoves, and
    // without the lion refusals.
    const int strongest = royal.kind() * 10 - (captures == RoyalCaptures::Excluded ? 1 : 0);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = b[x][y];
            const int own = side * c.tenths();
            if (!(own >= 10 && own <= strongest)) continue;
            for (int tx = 1; tx <= 12; ++tx)
                for (int ty = 1; ty <= 12; ++ty) {
                    const PieceCode target = b[tx][ty];
                    if (!(side * target.tenths() < 0)) continue;
                    if (moveCheck(b, p.history, false, x, y, tx, ty, c, p.rules) != 1) continue;
                    b[tx][ty] = c;
                    b[x][y] = code::EMPTY;
                    const bool attacked = stillAttacked(kx, ky);
                    b[x][y] = c;
                    b[tx][ty] = target;
                    if (!attacked) return 0;
                }
        }
    return 1;
}

// Is `side` mated? Only a side with exactly one royal piece on the squares
// `r` names can be; its king or crown prince is tested.
template <class StillAttacked>
int 詰めか(Position& p, int side, const RoyalSquares& r, RoyalCaptures captures,
           StillAttacked&& stillAttacked) {
    if (r.kingX > 0 && r.princeX == 0)
        return 詰めか_王族(p, side, r.kingX, r.kingY, PieceCode(side * 39), captures,
                           stillAttacked);
    if (r.kingX == 0 && r.princeX > 0)
        return 詰めか_王族(p, side, r.princeX, r.princeY, PieceCode(side * 38), captures,
                           stillAttacked);
    return 0;
}

}  // namespace zk
