#include "com_eval.h"

#include <cstdlib>

#include "com_danger.h"
#include "com_mate.h"

namespace zk {

bool 評価_王族結果(ComState& s, const EvalMove& m, Tenths& score) {
    if (m.captured == -39 && s.manPrinceX == 0) return endWith(score, kScoreWin);
    if (m.captured == -38 && s.manKingX == 0) return endWith(score, kScoreWin);
    if (cell(s.manInfluence, s.comKingX, s.comKingY) > 0 && s.comPrinceX == 0)
        return endWith(score, kScoreLoss);
    if (cell(s.manInfluence, s.comPrinceX, s.comPrinceY) > 0) {
        if (s.comKingX == 0) return endWith(score, kScoreLoss);
        score = -pts(10);
    }
    return false;
}

bool 評価_王族攻撃(ComState& s, const EvalMove& m, Tenths& score) {
    if (cell(s.comInfluence, s.manKingX, s.manKingY) <= 0 &&
        cell(s.comInfluence, s.manPrinceX, s.manPrinceY) <= 0)
        return false;
    if (詰めかMAN(s) == 1) return endWith(score, m.piece == 1 ? kScoreLoss : kScoreMate);
    const int tx = m.toX, ty = m.toY;
    if (s.manAttackValue[tx][ty] == 30 && s.comInfluence[tx][ty] > 0) score += pts(50);
    if (s.manInfluence[tx][ty] <= 2 && s.comGuardValue[tx][ty] == 22 &&
        std::abs(s.manKingX - tx) < 2 && std::abs(s.manKingY - ty) < 2 && s.manKingX != tx &&
        s.manKingY != ty &&
        (s.comGuardX[tx][ty] == s.manKingX || s.comGuardY[tx][ty] == s.manKingY))
        score += pts(500);
    if (s.manInfluence[tx][ty] == 0) score += pts(10);
    return false;
}

void 評価_上位駒(const ComState& s, const EvalMove& m, Tenths& score) {
    if (m.piece > s.movingPiece) {
        score += 1;
        if (s.manInfluence[m.toX][m.toY] == 0) score += pts(10);
    }
}

Tenths 盤評価(ComState& s, PieceCode 取得駒, PieceCode 移動駒, int 移動元X, int 移動元Y,
              int 移動先X, int 移動先Y, DangerDelta* delta) {
    const EvalMove m{取得駒, 移動駒, 移動元X, 移動元Y, 移動先X, 移動先Y};
    Tenths score = 0;
    if (評価_王族結果(s, m, score)) return score;
    if (評価_王族攻撃(s, m, score)) return score;
    評価_上位駒(s, m, score);
    score += 盤評価_COM危険座標(s, 移動駒, 移動先X, 移動先Y, delta);
    if (s.level < 2) return score;
    評価_安全接近(s, m, score);
    if (評価_駒得(s, m, score)) return score;
    if (s.level >= 3 && 評価_駒別(s, m, score)) return score;
    return score;
}

}  // namespace zk
