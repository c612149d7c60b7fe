#include "com_search.h"

#include <algorithm>
#include <cstdlib>

#include "com_eval.h"
#include "com_surveys.h"
#include "game_end.h"
#include "influence.h"
#include "mate.h"
#include "move_check.h"
#include "pieces.h"

namespace zk {

namespace {

// Rebuild both sides' maps for the position on Board.
void surveyBoth(State& s) {
    勢力調査_MAN(s);
    勢力調査_COM(s);
}

}  // namespace

void com_準備(State& s) {
    s.bestScore = -pts(99999);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) s.savedBoard[x][y] = s.Board[x][y];
    for (auto& column : s.kingEscapeMap) column.fill(0);
    s.manKingEscapesBefore = 調査_自王逃道(s);
    // Royal pieces no longer on the board keep x = 0.
    終局前調査_MAN手(s);
    調査_移動不可駒(s);
    s.comKingXBefore = s.comKingX;
    s.comKingYBefore = s.comKingY;
    com_前局面保存(s);
}

void com_前局面保存(State& s) {
    s.manInfluenceBefore = s.manInfluence;
    s.comInfluenceBefore = s.comInfluence;
    s.manAttackValueBefore = s.manAttackValue;
    s.manAttackerXBefore = s.manAttackerX;
    s.manAttackerYBefore = s.manAttackerY;
    s.comAttackerXBefore = s.comAttackerX;
    s.comAttackerYBefore = s.comAttackerY;
}

Tenths com_試行(State& s, int x, int y, int tx, int ty, PieceCode& after, PieceCode& captured) {
    s.movingPiece = s.Board[x][y];
    s.distToManKing = std::max(std::abs(x - s.manKingX), std::abs(y - s.manKingY));
    captured = s.Board[tx][ty];
    s.Board[x][y] = code::EMPTY;
    s.Board[tx][ty] = s.movingPiece;
    const PieceCode moving = s.movingPiece;
    // Promotion is asked with the trial already on the board, so only
    // entering the zone counts.
    const int promotes = 調査_駒成(s, x, y, tx, ty, moving);
    surveyBoth(s);
    Tenths score = 盤評価(s, captured, moving, x, y, tx, ty);
    after = moving;
    if (promotes == 1) {
        s.Board[tx][ty] = s.promotedPiece;
        surveyBoth(s);
        const Tenths promoted = 盤評価(s, captured, s.promotedPiece, x, y, tx, ty);
        if (promoted > score) {
            score = promoted;
            after = s.promotedPiece;
        }
    }
    s.Board[tx][ty] = captured;
    s.Board[x][y] = moving;
    return score;
}

ComChoice com_探索(State& s) {
    com_準備(s);
    ComChoice best;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (!(s.Board[x][y] >= 1)) continue;
            int x1 = 1, x2 = 12, y1 = 1, y2 = 12;
            取得_駒移動座標(s, s.Board[x][y], x, y, x1, x2, y1, y2);
            for (int tx = x1; tx <= x2; ++tx)
                for (int ty = y1; ty <= y2; ++ty) {
                    if (!onBoard(tx, ty)) continue;
                    if (移動チェック(s, x, y, tx, ty, s.Board[x][y]) != 1) continue;
                    PieceCode after, captured;
                    const Tenths score = com_試行(s, x, y, tx, ty, after, captured);
                    if (score > s.bestScore) {
                        s.bestScore = score;
                        best = {true, x, y, tx, ty, s.Board[x][y], after};
                        if (captured == -39) return best;
                    }
                }
        }
    return best;
}

}  // namespace zk
