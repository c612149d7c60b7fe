// The computer's second step of a lion, eagle or falcon standing on its
// intermediate square.
#include "com_eval.h"
#include "com_search.h"
#include "influence.h"
#include "move_check.h"
#include "pieces.h"

namespace zk {

namespace {

// Score of the second step to (tx, ty), with the trial put on Board and the
// intermediate code put back afterwards. Only the human maps are rebuilt.
Tenths trial(ComState& s, int p, int q, int tx, int ty, PieceCode c) {
    const PieceCode whole = PieceCode(c.whole());
    const PieceCode captured = s.Board[tx][ty];
    s.Board[tx][ty] = whole;
    s.Board[p][q] = code::EMPTY;
    勢力調査_MAN(s);
    Tenths score;
    const bool lion = c == 33 || c == 34;
    if (s.manInfluence[tx][ty] > 0 &&
        !(lion && s.manAttackValue[tx][ty] == s.pieceValue[33] && s.comInfluence[tx][ty] > 0))
        score = -pts(500);
    else
        score = 盤評価(s, captured, whole, p, q, tx, ty);
    s.Board[tx][ty] = captured;
    s.Board[p][q] = c;
    return score;
}

}  // namespace

bool com_二手目選択(ComState& s, int 移動元X, int 移動元Y, PieceCode 移動駒, int& O_X, int& O_Y) {
    const int p = 移動元X, q = 移動元Y;
    const PieceCode c = 移動駒;
    int x1 = p, x2 = p;
    if (c == code::COM_鷲_2 || c == code::COM_鷲_1 || c == 33 || c == 34) {
        x1 = p - 1;
        x2 = p + 1;
    } else if (c != code::COM_鷹_1) {
        return false;
    }
    Tenths best = -pts(9999);
    bool chosen = false;
    // The candidates are the 3 x 3 block around the piece, tried with the
    // intermediate code: a deliberately narrower set than legalMoves.
    for (int tx = x1; tx <= x2; ++tx)
        for (int ty = q - 1; ty <= q + 1; ++ty) {
            if (!onBoard(tx, ty)) continue;  // the move check refuses these too
            if (移動チェック(s, false, p, q, tx, ty, c) != 1) continue;
            const Tenths score = trial(s, p, q, tx, ty, c);
            if (score > best) {
                best = score;
                chosen = true;
                O_X = tx;
                O_Y = ty;
            }
        }
    // Nothing to play: the piece stays where its first step put it.
    if (!chosen) s.Board[p][q] = PieceCode(c.whole());
    return chosen;
}

}  // namespace zk
