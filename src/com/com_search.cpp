#include "com_search.h"

#include <algorithm>
#include <cstdint>
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

// The search's view of the MAN maps: the base position's maps with their
// reachers, and the last trial whose patch they hold, so that the maps can be
// left as a rebuild for that trial would have left them.
struct ManMaps {
    ManSurveyBase base;
    bool patched = false;
    std::uint64_t surveysAtPatch = 0;
    int x = 0, y = 0, tx = 0, ty = 0;
    PieceCode code;
};

// Bring both sides' maps up to the position on Board: the MAN maps patched
// from the base when the trial allows it, else rebuilt.
void surveyBoth(State& s, ManMaps* man, int x, int y, int tx, int ty) {
    if (man && 勢力差分_MAN(s, man->base, x, y, tx, ty)) {
        man->patched = true;
        man->surveysAtPatch = 勢力調査_MAN_回数();
        man->x = x;
        man->y = y;
        man->tx = tx;
        man->ty = ty;
        man->code = s.Board[tx][ty];
    } else {
        勢力調査_MAN(s);
    }
    勢力調査_COM(s);
}

// A patch leaves the check marks behind; when no rebuild came after the last
// patch, rebuild the MAN maps of that trial once so that they read as if
// every trial had been rebuilt.
void settleManMaps(State& s, const ManMaps& man) {
    if (!man.patched || 勢力調査_MAN_回数() != man.surveysAtPatch) return;
    const PieceCode from = s.Board[man.x][man.y], to = s.Board[man.tx][man.ty];
    s.Board[man.x][man.y] = code::EMPTY;
    s.Board[man.tx][man.ty] = man.code;
    勢力調査_MAN(s);
    s.Board[man.x][man.y] = from;
    s.Board[man.tx][man.ty] = to;
}

Tenths trial(State& s, int x, int y, int tx, int ty, PieceCode& after, PieceCode& captured,
             ManMaps* man) {
    s.movingPiece = s.Board[x][y];
    s.distToManKing = std::max(std::abs(x - s.manKingX), std::abs(y - s.manKingY));
    captured = s.Board[tx][ty];
    s.Board[x][y] = code::EMPTY;
    s.Board[tx][ty] = s.movingPiece;
    const PieceCode moving = s.movingPiece;
    // Promotion is asked with the trial already on the board, so only
    // entering the zone counts.
    const int promotes = 調査_駒成(s, x, y, tx, ty, moving);
    surveyBoth(s, man, x, y, tx, ty);
    Tenths score = 盤評価(s, captured, moving, x, y, tx, ty);
    after = moving;
    if (promotes == 1) {
        s.Board[tx][ty] = s.promotedPiece;
        surveyBoth(s, man, x, y, tx, ty);
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

ComChoice searchMoves(State& s, ManMaps& man) {
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
                    const Tenths score = trial(s, x, y, tx, ty, after, captured, &man);
                    if (score > s.bestScore) {
                        s.bestScore = score;
                        best = {true, x, y, tx, ty, s.Board[x][y], after};
                        if (captured == -39) return best;
                    }
                }
        }
    return best;
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
    return trial(s, x, y, tx, ty, after, captured, nullptr);
}

ComChoice com_探索(State& s) {
    com_準備(s);
    // The base is the position before the search, whose maps com_準備 rebuilt.
    static thread_local ManMaps man;
    man.patched = false;
    勢力基準_MAN(s, man.base);
    const ComChoice best = searchMoves(s, man);
    settleManMaps(s, man);
    return best;
}

}  // namespace zk
