// Level-3 terms of the pawn: what stands in front of it, its defenders,
// bishop support, and exchanges in front of the human pawns.
#include "com_piece_terms.h"
#include "com_surveys.h"

namespace zk {

namespace {

// Step 1: the square in front of the pawn.
void inFront(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY;
    if (ty >= 12) return;
    const PieceCode a = s.Board[tx][ty + 1];
    if (a == 13) score += 5;
    if (a == 35) score += 5;
    if (a == 14 || a == 15) score -= pts(1);
    if (a < -1 && 調査_移動可場所数(s, tx, ty + 1, a) == 0) score += pts(valueOf(s, a));
    if (s.comInfluence[tx][ty + 1] > s.manInfluence[tx][ty + 1]) score += pts(2);
}

// Step 2: rooks beside a defended pawn, or an undefended pawn left alone.
void defenders(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY;
    if (s.comInfluence[tx][ty] > 0) {
        if (1 < tx && tx < 12) {
            if (s.Board[tx + 1][ty] == 14 || s.Board[tx - 1][ty] == 14) score -= pts(1);
            if (s.Board[tx + 1][ty] == 15 || s.Board[tx - 1][ty] == 15) score -= pts(1);
            if (s.comGuardValue[tx][ty] == 13 || s.comGuardValue[tx][ty] == 22) score += pts(1);
        }
    } else if (s.manInfluence[tx][ty] == 0) {
        score += 5;
    }
}

// Step 6: a human pawn ahead, and bishops beside the pawn.
void bishopSupport(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY;
    if (s.Board[tx][ty + 1] == -1 && s.manInfluence[tx][ty + 1] > 0) score -= pts(5);
    if (tx < 12 && isBishop(s.Board[tx + 1][ty])) {
        score += 5;
        if (s.Board[tx + 1][ty + 2] == -1) score += pts(5);
    }
    if (tx > 1) {
        if (tx == 7 && ty == 4 && isBishop(s.Board[8][2])) score += pts(10);
        if (isBishop(s.Board[tx - 1][ty])) {
            score += 5;
            if (s.Board[tx - 1][ty + 2] == -1) score += pts(5);
        }
    }
}

// Step 8: a human piece directly in front ends the evaluation.
bool facingPiece(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY;
    const PieceCode front = s.Board[tx][ty + 1];
    if (!(front <= -1)) return false;
    const int com = s.comInfluence[tx][ty], man = s.manInfluence[tx][ty];
    if (com > man) return endWith(score, score + pts(1));
    if (front == -1) return endWith(score, score - pts(5));
    if (com > 0) {
        if (s.comInfluenceBefore[tx][ty + 1] > 0 && s.manInfluenceBefore[tx][ty + 1] == 0)
            return endWith(score, score - pts(1));
        if (com >= man) return endWith(score, score + pts(5));
        return true;
    }
    if (man == 0) return endWith(score, score + pts(1));
    return true;
}

}  // namespace

bool 駒別_歩(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY;
    inFront(s, m, score);
    defenders(s, m, score);
    if (s.comGuardValue[tx][ty] == 8 || s.comGuardValue[tx][ty] == 5) score += 6;
    if (ty >= 8) return true;
    if (s.comGuardValue[tx][ty] == 2) {
        score += pts(1);
    } else if (s.comGuardValue[tx][ty] == 17 && s.comGuardX[tx][ty] == tx &&
               s.comInfluence[tx][ty] >= s.manInfluence[tx][ty] && s.comGuardY[tx][ty] < ty) {
        score += pts(2);
    }
    if (ty < 7) bishopSupport(s, m, score);
    if (m.captured <= -1 && s.comInfluence[m.fromX][m.fromY] == 1) {
        if (ty > 2 && s.manAttackValue[tx][ty] == 2 && isBishop(s.Board[tx][ty - 2]))
            score -= pts(5);
        else
            score += pts(5);
        if (m.captured == -1 && (s.manAttackValue[tx][ty] == 2 || s.manAttackValue[tx][ty] == 17) &&
            s.comInfluence[m.fromX][m.fromY] < 2)
            score += pts(50);
    }
    return facingPiece(s, m, score);
}

}  // namespace zk
