// The computer's second step of a lion, eagle or falcon standing on its
// intermediate square.
#include "com_eval.h"
#include "com_move.h"
#include "dialog.h"
#include "draw.h"
#include "influence.h"
#include "move_check.h"
#include "pieces.h"
#include "platform.h"

namespace zk {

namespace {

// Score of the second step to (tx, ty), with the trial put on Board and the
// intermediate code put back afterwards. Only the human maps are rebuilt.
Tenths trial(State& s, int p, int q, int tx, int ty, PieceCode c) {
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

void com_ban2手目(State& s, int 移動元X, int 移動元Y, PieceCode 移動駒) {
    const int p = 移動元X, q = 移動元Y;
    const PieceCode c = 移動駒;
    const PieceCode whole = PieceCode(c.whole());
    int x1 = p, x2 = p;
    if (c == code::COM_鷲_2 || c == code::COM_鷲_1 || c == 33 || c == 34) {
        x1 = p - 1;
        x2 = p + 1;
    } else if (c != code::COM_鷹_1) {
        return;
    }
    Tenths best = -pts(9999);
    bool chosen = false;
    int bx = 0, by = 0;
    for (int tx = x1; tx <= x2; ++tx)
        for (int ty = q - 1; ty <= q + 1; ++ty) {
            if (!onBoard(tx, ty)) continue;  // the move check refuses these too
            if (移動チェック(s, p, q, tx, ty, c) != 1) continue;
            const Tenths score = trial(s, p, q, tx, ty, c);
            if (score > best) {
                best = score;
                chosen = true;
                bx = tx;
                by = ty;
            }
        }
    if (!chosen) {
        // Nothing to play: the piece stays where its first step put it.
        s.Board[p][q] = whole;
        return;
    }
    手順保存(s, p, q, bx, by, whole, whole);
    駒移動(s, p, q, bx, by, whole);
    駒打音(s);
    描画_桝輪郭(s, State::textWhite, bx, by);
}

}  // namespace zk
