// Level-3 terms of the bishop, horse, rook and dragon king: crowding by big
// pieces, trapped pieces, fixed opening patterns, and attacks on the human
// king along its column or row.
#include <cstdlib>

#include "com_piece_terms.h"
#include "com_surveys.h"

namespace zk {

namespace {

// The destination is safe, or attacked only by the human king and defended.
bool safeOrKingOnly(const ComState& s, int tx, int ty) {
    return s.manInfluence[tx][ty] == 0 ||
           (s.manAttackValue[tx][ty] == 30 && s.comInfluence[tx][ty] > 0);
}

// The destination shares the human king's column or row within two squares.
bool besideKing(const ComState& s, int tx, int ty) {
    return (tx == s.manKingX || ty == s.manKingY) && std::abs(s.manKingX - tx) < 3 &&
           std::abs(s.manKingY - ty) < 3;
}

}  // namespace

bool 駒別_角(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY;
    score += pts(調査_周辺状況(s, tx, ty));
    if (ty < 12) {
        if (ty == 3 && tx == 12 && s.Board[12][4] == 1 && s.Board[12][6] == -1 &&
            s.Board[12][12] == -3)
            score -= pts(10);
        if (ty == 3 && tx == 7 && s.Board[8][5] == -1 && s.manGuardValue[8][5] == 17)
            score += pts(9);
        if (s.manInfluence[tx][ty + 1] > 0) {
            if (調査_移動可場所数(s, tx, ty, m.piece) == 0) score -= pts(100);
            if (ty < 8 && s.Board[tx][ty + 2] == -1) score -= pts(1);
        }
    }
    if (m.fromX == 7 && m.fromY == 3 && s.Board[8][5] == -1 && s.manGuardValue[8][5] == 17 &&
        s.comInfluenceBefore[8][4] > s.comInfluence[8][4])
        return endWith(score, score - pts(10));
    return false;
}

bool 駒別_馬(ComState& s, const EvalMove& m, Tenths& score) {
    score += pts(調査_周辺状況(s, m.toX, m.toY));
    return false;
}

bool 駒別_飛(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY, fx = m.fromX, fy = m.fromY;
    score += pts(調査_周辺状況(s, tx, ty));
    if (ty < 8) {
        if (s.manInfluence[tx][ty + 1] > 0) {
            score -= pts(1);
            if (s.Board[tx][ty + 2] == -1 && fy == ty) score -= pts(5);
        }
        if (fy < 12 && s.Board[8][fy + 1] == -1 && s.manGuardValue[8][fy + 1] == 17) {
            if (s.comInfluence[8][fy] < s.comInfluenceBefore[8][fy]) score -= pts(11);
            if (s.Board[7][fy] == 1 && fy != ty) score -= pts(11);
        }
        if (s.manInfluence[fx][fy] == 0 && fx == 2 && fy == 2 && tx == 2 && ty == 3)
            score -= pts(1);
    }
    if (safeOrKingOnly(s, tx, ty)) {
        if (調査_移動可場所数(s, tx, ty, m.piece) <= 1) return endWith(score, score - pts(35));
        if (besideKing(s, tx, ty)) return endWith(score, score + pts(100));
    }
    return false;
}

bool 駒別_龍(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY, fx = m.fromX, fy = m.fromY;
    score += pts(調査_周辺状況(s, tx, ty));
    if (s.Board[tx][ty - 1] == -9) {
        if (1 < tx && tx < 12 &&
            ((!s.Board[tx - 1][ty].isEmpty() && s.Board[tx + 1][ty - 1] == -13) ||
             (!s.Board[tx + 1][ty].isEmpty() && s.Board[tx - 1][ty - 1] == -13)))
            score -= pts(10);
        if (fy == 12) {
            if (fx > 1 && s.Board[fx - 1][fy - 1] == -13) score += pts(2);
            if (fx < 12 && s.Board[fx + 1][fy - 1] == -13) score += pts(2);
        }
    }
    if (ty == 12 && s.Board[tx][11] <= -1) {
        if (tx == 3 && s.Board[2][12] <= -1 && s.Board[4][8] == -13) score -= pts(150);
        if (tx == 7 && s.Board[8][12] <= -1 && s.Board[6][8] == -13) score -= pts(150);
    }
    if (safeOrKingOnly(s, tx, ty) && besideKing(s, tx, ty)) return endWith(score, score + pts(100));
    return false;
}

}  // namespace zk
