#include "influence.h"
#include "mate.h"
#include "move_check.h"
#include "pieces.h"

namespace zk {

namespace {

// Is the computer's royal piece on (kx, ky) with step code `royal` mated? COM
// pieces with codes from 1 up to below `above` try every capture; a capture
// after which no human piece reaches the royal square saves it. Each try
// rebuilds the MAN maps, which therefore describe the last tried position.
int comRoyalMated(State& s, int kx, int ky, PieceCode royal, int above) {
    // A royal square off the board holds nothing.
    if (!onBoard(kx, ky) || s.Board[kx][ky].isEmpty()) return 0;

    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y) {
            if (!onBoard(x, y)) continue;
            if (移動チェック(s, kx, ky, x, y, royal) == 1 && s.Board[x][y].isEmpty()) return 0;
        }

    // Captures only, by the side's pieces below the royal one tested, tried: a
    // narrower set than legalMoves, and without the lion refusals.
    for (int x = 1; x <= State::boardSize; ++x)
        for (int y = 1; y <= State::boardSize; ++y) {
            const PieceCode c = s.Board[x][y];
            if (!(c >= 1 && c < above)) continue;
            for (int tx = 1; tx <= State::boardSize; ++tx)
                for (int ty = 1; ty <= State::boardSize; ++ty) {
                    const PieceCode target = s.Board[tx][ty];
                    if (!(target < 0)) continue;
                    if (移動チェック(s, x, y, tx, ty, c) != 1) continue;
                    s.Board[tx][ty] = c;
                    s.Board[x][y] = code::EMPTY;
                    勢力調査_MAN(s);
                    s.Board[x][y] = c;
                    s.Board[tx][ty] = target;
                    if (s.manInfluence[kx][ky] == 0) return 0;
                }
        }
    return 1;
}

}  // namespace

// Is the computer mated? Only a side with exactly one royal piece can be.
int 詰めかCOM(State& s) {
    if (s.comKingX > 0 && s.comPrinceX == 0) return 詰めかCOM_王(s);
    if (s.comKingX == 0 && s.comPrinceX > 0) return 詰めかCOM_太(s);
    return State::flagOff;
}

// Is the computer's king mated? The king itself does not capture.
int 詰めかCOM_王(State& s) { return comRoyalMated(s, s.comKingX, s.comKingY, code::COM_王, 39); }

// Is the computer's crown prince mated? Neither royal piece captures.
int 詰めかCOM_太(State& s) {
    return comRoyalMated(s, s.comPrinceX, s.comPrinceY, code::COM_太, 38);
}

}  // namespace zk
