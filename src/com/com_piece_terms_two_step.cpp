// Level-3 terms of the horned falcon, the soaring eagle and the lion: a
// capture from which the piece could step back to safety asks for a second
// step. These tests change Board and the maps and leave them so; the
// driver's restore puts the trial squares back.
#include <cstdlib>

#include "com_piece_terms.h"
#include "influence.h"

namespace zk {

namespace {

// Falcon and eagle: after a one-step capture, is the origin out of the
// human's reach once the destination is emptied?
bool stepBackRequest(ComState& s, const EvalMove& m, Tenths& score) {
    s.Board[m.toX][m.toY] = code::EMPTY;
    勢力調査_MAN(s);
    if (s.manInfluence[m.fromX][m.fromY] == 0)
        return endWith(score, kScoreSecondStep + absCodeTenths(m.captured));
    return false;
}

}  // namespace

bool 駒別_鷹(ComState& s, const EvalMove& m, Tenths& score) {
    if (s.savedBoard[m.fromX][m.fromY] == m.piece && m.captured <= -1 && m.toY - m.fromY == 1 &&
        m.toX == m.fromX)
        return stepBackRequest(s, m, score);
    return false;
}

bool 駒別_鷲(ComState& s, const EvalMove& m, Tenths& score) {
    if (s.savedBoard[m.fromX][m.fromY] == m.piece && m.captured <= -1 && m.toY - m.fromY == 1 &&
        m.toX != m.fromX)
        return stepBackRequest(s, m, score);
    return false;
}

bool 駒別_獅(ComState& s, const EvalMove& m, Tenths& score) {
    const int tx = m.toX, ty = m.toY, fx = m.fromX, fy = m.fromY;
    if (s.manInfluence[tx][ty] == 0) {
        if (ty < 12) {
            if (s.Board[tx][ty + 1] <= -1) score += pts(2);
            if (tx < 12 && s.Board[tx + 1][ty + 1] <= -1) score += pts(2);
            if (tx > 1 && s.Board[tx - 1][ty + 1] <= -1) score += pts(2);
        }
        if (tx == s.manLionX && s.manLionY - ty == 3) score += pts(5);
    }
    if (s.comInfluence[tx][ty] > 0) {
        score += 1;
        const int lx = std::abs(s.manLionX - tx), ly = std::abs(s.manLionY - ty);
        if (lx < 3 && ly < 3 && (lx > 1 || ly > 1)) score += pts(5);
    }
    if (!m.captured.isEmpty() && std::abs(fx - tx) < 2 && std::abs(fy - ty) < 2) {
        s.Board[tx][ty] = code::EMPTY;
        s.Board[fx][fy] = code::COM_獅_R;
        勢力調査_COM(s);
        勢力調査_MAN(s);
        if (s.manInfluence[fx][fy] == 0 ||
            (s.manAttackValue[fx][fy] == 27 && s.comInfluence[fx][fy] > 0) ||
            (tx < 12 && s.manInfluence[tx + 1][fy] == 0) ||
            (tx > 1 && s.manInfluence[tx - 1][fy] == 0))
            return endWith(score, kScoreSecondStep);
    }
    return false;
}

}  // namespace zk
