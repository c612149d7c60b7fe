#include "com_search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "com_danger.h"
#include "com_eval.h"
#include "com_mate.h"
#include "com_surveys.h"
#include "influence.h"
#include "move_check.h"

namespace zk {

namespace {

// The search's view of one side's maps: the base position's maps with their
// reachers, and the last trial whose patch they hold, so that the maps can be
// left as a rebuild for that trial would have left them.
template <typename Base>
struct SideMaps {
    Base base;
    // The squares the last patch wrote, known while no rebuild came after it:
    // the survey count stays what it was then.
    PatchTrail trail;
    std::uint64_t surveysAtTrail = 0;
    bool patched = false;
    int x = 0, y = 0, tx = 0, ty = 0;
    PieceCode code;

    void patchedFor(const ComState& s, std::uint64_t surveys, int px, int py, int ptx, int pty) {
        patched = true;
        surveysAtTrail = surveys;
        x = px;
        y = py;
        tx = ptx;
        ty = pty;
        code = s.Board[ptx][pty];
    }

    // A patch leaves the check marks behind; when no rebuild came after the
    // last patch, rebuild that trial's maps once so that they read as if every
    // trial had been rebuilt (a rebuild of the same board enters the same).
    void settle(ComState& s, std::uint64_t surveys, void (*rebuild)(ComState&)) const {
        if (!patched || surveys != surveysAtTrail) return;
        const PieceCode from = s.Board[x][y], to = s.Board[tx][ty];
        s.Board[x][y] = code::EMPTY;
        s.Board[tx][ty] = code;
        rebuild(s);
        s.Board[x][y] = from;
        s.Board[tx][ty] = to;
    }
};

struct SearchMaps {
    SideMaps<ManSurveyBase> man;
    SideMaps<ComSurveyBase> com;
    DangerBase danger;
};

// Patch one side's maps from its base for the trial, or rebuild them when the
// patch refuses; true when patched.
template <class Base, class Patch>
bool patchOrRebuild(ComState& s, SideMaps<Base>& side, std::uint64_t surveys, Patch patch,
                    void (*rebuild)(ComState&), int x, int y, int tx, int ty) {
    if (surveys != side.surveysAtTrail) side.trail.known = false;
    if (patch(s, side.base, x, y, tx, ty, &side.trail)) {
        side.patchedFor(s, surveys, x, y, tx, ty);
        return true;
    }
    rebuild(s);
    return false;
}

// Bring both sides' maps up to the position on Board: patched from the base
// when the trial allows it, else rebuilt. True when both were patched.
bool surveyBoth(ComState& s, SearchMaps* maps, int x, int y, int tx, int ty) {
    if (!maps) {
        勢力調査_MAN(s);
        勢力調査_COM(s);
        return false;
    }
    // The computer's survey count is read after the human's maps are done.
    const bool man =
        patchOrRebuild(s, maps->man, 勢力調査_MAN_回数(), 勢力差分_MAN, 勢力調査_MAN, x, y, tx, ty);
    const bool com =
        patchOrRebuild(s, maps->com, 勢力調査_COM_回数(), 勢力差分_COM, 勢力調査_COM, x, y, tx, ty);
    return man && com;
}

// Bring the maps up to the trial on Board and score it.
Tenths surveyAndScore(ComState& s, SearchMaps* maps, PieceCode captured, PieceCode piece, int x,
                      int y, int tx, int ty) {
    if (!surveyBoth(s, maps, x, y, tx, ty)) return 盤評価(s, captured, piece, x, y, tx, ty);
    DangerDelta delta{&maps->danger,
                      &maps->man.trail,
                      &maps->com.trail,
                      勢力調査_MAN_回数(),
                      勢力調査_COM_回数(),
                      x,
                      y};
    return 盤評価(s, captured, piece, x, y, tx, ty, &delta);
}

Tenths trial(ComState& s, int x, int y, int tx, int ty, PieceCode& after, PieceCode& captured,
             SearchMaps* maps) {
    s.movingPiece = s.Board[x][y];
    s.distToManKing = std::max(std::abs(x - s.manKingX), std::abs(y - s.manKingY));
    captured = s.Board[tx][ty];
    s.Board[x][y] = code::EMPTY;
    s.Board[tx][ty] = s.movingPiece;
    const PieceCode moving = s.movingPiece;
    // Promotion is asked with the trial already on the board, so only
    // entering the zone counts.
    const PieceCode promotedPiece = promotionOf(s.Board, y, tx, ty, moving, s.rules);
    Tenths score = surveyAndScore(s, maps, captured, moving, x, y, tx, ty);
    after = moving;
    if (!promotedPiece.isEmpty()) {
        s.Board[tx][ty] = promotedPiece;
        const Tenths promoted = surveyAndScore(s, maps, captured, promotedPiece, x, y, tx, ty);
        if (promoted > score) {
            score = promoted;
            after = promotedPiece;
        }
    }
    s.Board[tx][ty] = captured;
    s.Board[x][y] = moving;
    return score;
}

ComChoice searchMoves(ComState& s, SearchMaps& maps) {
    ComChoice best;
    const ComSurveyBase& base = maps.com.base;
    // The squares the piece being tried reaches in the base survey, sorted.
    std::array<std::uint8_t, 169> squares;
    // Tries one destination; true when taking the human king ends the search.
    auto tryMove = [&](int x, int y, int tx, int ty) {
        if (移動チェック(s, false, x, y, tx, ty, s.Board[x][y]) != 1) return false;
        PieceCode after, captured;
        const Tenths score = trial(s, x, y, tx, ty, after, captured, &maps);
        if (score > s.bestScore) {
            s.bestScore = score;
            best = {true, x, y, tx, ty, s.Board[x][y], after};
            if (captured == -39) return true;
        }
        return false;
    };
    // Its own scan rather than legalMoves: the computer tries first steps only,
    // without the press refusals, in this order, and ties go to the first.
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = s.Board[x][y];
            if (!(c >= 1)) continue;
            int x1 = 1, x2 = 12, y1 = 1, y2 = 12;
            取得_駒移動座標(c, x, y, x1, x2, y1, y2);
            if (c.isMidMove()) {
                for (int tx = x1; tx <= x2; ++tx)
                    for (int ty = y1; ty <= y2; ++ty)
                        if (onBoard(tx, ty) && tryMove(x, y, tx, ty)) return best;
                continue;
            }
            const int from = x * 13 + y;
            if (!base.valid) {
                // The move check refuses every destination off the empty-board steps,
                // which come in the rectangle's own order.
                for (const auto& [dx, dy] : emptyBoardSteps(c, s.rules)) {
                    const int tx = x + dx, ty = y + dy;
                    if (tx < x1 || tx > x2 || ty < y1 || ty > y2) continue;
                    if (tryMove(x, y, tx, ty)) return best;
                }
                continue;
            }
            // The move check refuses every square the piece does not reach in the
            // base survey: those squares, in the rectangle's order (ascending
            // index), each once.
            int count = 0;
            for (int k = 0; k < base.reachedCount[from]; ++k) {
                const int i = base.reached[base.reachedFrom[from] + k];
                int j = count;
                while (j > 0 && squares[j - 1] > i) --j;
                if (j > 0 && squares[j - 1] == i) continue;
                std::copy_backward(squares.data() + j, squares.data() + count,
                                   squares.data() + count + 1);
                squares[j] = static_cast<std::uint8_t>(i);
                ++count;
            }
            for (int k = 0; k < count; ++k) {
                const int tx = squares[k] / 13, ty = squares[k] % 13;
                if (tx < x1 || tx > x2 || ty < y1 || ty > y2) continue;
                if (tryMove(x, y, tx, ty)) return best;
            }
        }
    return best;
}

}  // namespace

void com_準備(ComState& s) {
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

void com_前局面保存(ComState& s) {
    s.manInfluenceBefore = s.manInfluence;
    s.comInfluenceBefore = s.comInfluence;
    s.manAttackValueBefore = s.manAttackValue;
    s.manAttackerXBefore = s.manAttackerX;
    s.manAttackerYBefore = s.manAttackerY;
    s.comAttackerXBefore = s.comAttackerX;
    s.comAttackerYBefore = s.comAttackerY;
}

Tenths com_試行(ComState& s, int x, int y, int tx, int ty, PieceCode& after, PieceCode& captured) {
    return trial(s, x, y, tx, ty, after, captured, nullptr);
}

ComChoice com_探索(ComState& s) {
    com_準備(s);
    // The base is the position before the search, whose maps com_準備 rebuilt.
    static thread_local SearchMaps maps;
    maps.man.patched = maps.com.patched = false;
    勢力基準_MAN(s, maps.man.base);
    勢力基準_COM(s, maps.com.base);
    // The maps are the base's own until the first patch.
    maps.man.trail.known = maps.com.trail.known = true;
    maps.man.trail.count = maps.com.trail.count = 0;
    maps.man.surveysAtTrail = 勢力調査_MAN_回数();
    maps.com.surveysAtTrail = 勢力調査_COM_回数();
    危険座標基準(s, maps.danger);
    const ComChoice best = searchMoves(s, maps);
    // In the order of the last trial's surveys, MAN first.
    maps.man.settle(s, 勢力調査_MAN_回数(), 勢力調査_MAN);
    maps.com.settle(s, 勢力調査_COM_回数(), 勢力調査_COM);
    return best;
}

}  // namespace zk
