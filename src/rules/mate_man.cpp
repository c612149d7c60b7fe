#include "mate.h"
#include "move_check.h"
#include "pieces.h"

namespace zk {

namespace {

// May some COM piece move onto the square (rx, ry)?
int comReaches(State& s, int rx, int ry) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = s.Board[x][y];
            if (c >= 1 && 移動チェック(s, x, y, rx, ry, c) == 1) return 1;
        }
    return 0;
}

// Is the human's royal piece on (kx, ky) with step code `royal` mated? Human
// pieces with codes from `lowest` to -1 try every capture; a capture after
// which no COM piece can move onto the recorded royal square saves it.
int manRoyalMated(State& s, int kx, int ky, PieceCode royal, int lowest,
                  int (*stillAttacked)(State&)) {
    // A royal square off the board holds nothing.
    if (!onBoard(kx, ky) || s.Board[kx][ky].isEmpty()) return 0;

    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y) {
            if (!onBoard(x, y)) continue;
            if (移動チェック(s, kx, ky, x, y, royal) == 1 && s.Board[x][y].isEmpty()) return 0;
        }

    // Captures only, each by any piece of the side, tried on the board: a
    // narrower set than legalMoves, and without the lion refusals.
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = s.Board[x][y];
            if (!(c >= lowest && c <= -1)) continue;
            for (int tx = 1; tx <= 12; ++tx)
                for (int ty = 1; ty <= 12; ++ty) {
                    const PieceCode target = s.Board[tx][ty];
                    if (!(target > 0)) continue;
                    if (移動チェック(s, x, y, tx, ty, c) != 1) continue;
                    s.Board[tx][ty] = c;
                    s.Board[x][y] = code::EMPTY;
                    const int attacked = stillAttacked(s);
                    s.Board[x][y] = c;
                    s.Board[tx][ty] = target;
                    if (attacked == 0) return 0;
                }
        }
    return 1;
}

}  // namespace

// Is the human mated? Only a side with exactly one royal piece can be.
int 詰めかMAN(State& s) {
    if (s.manKingX > 0 && s.manPrinceX == 0) return 詰めかMAN_王(s);
    if (s.manKingX == 0 && s.manPrinceX > 0) return 詰めかMAN_太(s);
    return State::flagOff;
}

// Is the human's king mated? The king itself may capture.
int 詰めかMAN_王(State& s) {
    return manRoyalMated(s, s.manKingX, s.manKingY, code::MAN_王, -39, 詰めかMAN_COM王移動);
}

// Is the human's crown prince mated? The king takes no part in the captures.
int 詰めかMAN_太(State& s) {
    return manRoyalMated(s, s.manPrinceX, s.manPrinceY, code::MAN_太, -38, 詰めかMAN_COM太移動);
}

// May a COM piece move onto the recorded square of the human's king?
int 詰めかMAN_COM王移動(State& s) { return comReaches(s, s.manKingX, s.manKingY); }

// May a COM piece move onto the recorded square of the human's crown prince?
int 詰めかMAN_COM太移動(State& s) { return comReaches(s, s.manPrinceX, s.manPrinceY); }

}  // namespace zk
