// Stages 5 and 6 of the evaluation (levels 2 and 3): destination safety,
// approach to the human king, attacks on pinned attackers, and material.
#include <algorithm>
#include <cstdlib>

#include "com_eval.h"
#include "com_mate.h"
#include "com_surveys.h"
#include "game_end.h"
#include "move_check.h"

namespace zk {

namespace {

// Stage 5.3: the moved piece can take its cheapest attacker, which is itself
// defended but pinned to the human king on a line away from the destination.
Tenths pinnedAttackerTerm(ComState& s, const EvalMove& m) {
    const int tx = m.toX, ty = m.toY;
    const int ax = s.manAttackerX[tx][ty], ay = s.manAttackerY[tx][ty];
    const int kx = s.manKingX, ky = s.manKingY;
    if (cell(s.manInfluence, ax, ay) <= 0) return 0;
    const int man = s.manInfluence[tx][ty];
    if (!(man == 1 || (man == 2 && cell(s.comInfluence, kx, ky) > 0 && s.comInfluence[tx][ty] > 0)))
        return 0;
    if (cell(s.manPinned, ax, ay) != 1) return 0;
    const bool lined = (kx == ax && kx != tx) || (ky == ay && ky != ty) ||
                       (kx != ax && ky != ay && (kx == tx || ky == ty));
    if (!lined) return 0;
    if (移動チェック(s, false, tx, ty, ax, ay, s.movingPiece) != 1) return 0;
    const int bx = s.comAttackerXBefore[ax][ay], by = s.comAttackerYBefore[ax][ay];
    if (cell(s.Board, bx, by).isEmpty()) return 0;
    return absCodeTenths(s.Board[ax][ay]);
}

// Stage 6A: a quiet move.
void quietMove(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY;
    const int pv = valueOf(s, m.piece);
    const int attack = s.manAttackValue[tx][ty];
    if (pv > attack) score += pts(attack - pv);
    if (((std::abs(tx - s.manKingX) < 3 && std::abs(ty - s.manKingY) < 3) || m.piece == 3) &&
        s.manInfluence[tx][ty] == 0) {
        const int e = 調査_自王逃道(s);
        if (s.manKingEscapesBefore > e) score += pts(s.manKingEscapesBefore - e);
    }
    if (std::abs(tx - s.manLionX) < 2 && std::abs(ty - s.manLionY) < 2) score -= pts(5);
    if (std::abs(m.fromX - s.manLionX) < 2 && std::abs(m.fromY - s.manLionY) < 2) {
        score -= pts(1);
        if (s.manInfluence[tx][ty] == 0) score += pts(5);
    }
}

// Stage 6B: a capture. Returns true when a won small endgame ends it.
bool capture(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY;
    const Census census = 調査_駒数(s.Board);
    const int manCount = census.pieces[0], comCount = census.pieces[1];
    if (manCount + comCount <= 3 && comCount > manCount) return endWith(score, kScoreWin);
    const int cv = valueOf(s, m.captured);
    const int pv = valueOf(s, m.piece);
    score += cv != pv ? pts(cv - pv) : pts(5);
    if (s.manInfluence[tx][ty] > 0) {
        if (s.comInfluence[tx][ty] > 0) {
            if (valueOf(s, s.Board[tx][ty]) < s.manAttackValue[tx][ty]) score += pts(cv);
        } else {
            score += pts(cv - pv);
            if (s.manInfluenceBefore[m.fromX][m.fromY] > 0 &&
                調査_移動可場所数(s, m.fromX, m.fromY, m.piece) == 0)
                score += pts(cv);
        }
    }
    if (s.manInfluence[tx][ty] == 0) {
        score += pts(5 * cv);
        if (m.captured == -2 || m.captured == -4)
            score += pts(50);
        else if (m.captured == -39 || m.captured == -38 || m.captured == -36 || m.captured == -37)
            score += pts(300);
    }
    return false;
}

}  // namespace

void 評価_安全接近(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY, fx = m.fromX, fy = m.fromY;
    if (s.manInfluence[tx][ty] == 0) {
        if (s.comInfluenceBefore[fx][fy] == 0 && s.manInfluenceBefore[fx][fy] > 0) score += pts(1);
        if (cell(s.comInfluence, s.manLionX, s.manLionY) > 0 &&
            cell(s.comInfluenceBefore, s.manLionX, s.manLionY) == 0)
            score += pts(5);
        const int pv = valueOf(s, m.piece);
        if (s.manInfluence[fx][fy] > 0 && pv > s.manAttackValueBefore[fx][fy]) score += pts(pv);
    }
    const int dx = std::abs(tx - s.manKingX), dy = std::abs(ty - s.manKingY);
    if (dx > dy) {
        if (s.distToManKing > dx) score += pts(1);
    } else if (s.distToManKing > dy) {
        score += 1;
    }
    score += pinnedAttackerTerm(s, m);
}

bool 評価_駒得(ComState& s, const EvalMove& m, Tenths& score) {
    if (m.captured.isEmpty()) {
        quietMove(s, m, score);
        return false;
    }
    return capture(s, m, score);
}

}  // namespace zk
