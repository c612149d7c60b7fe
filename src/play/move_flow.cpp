#include "move_flow.h"

#include "com_turn.h"
#include "dialog.h"
#include "draw.h"
#include "end_rules.h"
#include "engine_turn.h"
#include "form1.h"
#include "move_check.h"
#include "move_record.h"
#include "two_step.h"

namespace zk {

namespace {

// The king or the crown prince of either side.
bool isRoyal(PieceCode c) { return c.kind() == 38 || c.kind() == 39; }

// Show the verdict's boxes and end the game when it says so; true then.
bool 判定処理(State& s, const EndVerdict& v) {
    if (v.bare) 通知(s, "駒枯れになりました", "終局");
    if (!v.ended) return false;
    終了(s, v.winner);
    return true;
}

}  // namespace

bool COM手番(State& s) {
    if (s.comLevel == 4) {
        COM手番_探索(s);
        return true;
    }
    ComOutcome outcome = com_ban(s);
    if (!outcome.ended) return false;
    終了(s, outcome.winner);
    return true;
}

void 指し手実行(State& s) {
    const PieceCode pieceBefore = s.selPiece;
    if (const PieceCode promoted = promotionOf(s.Board, s.selY, s.destX, s.destY, s.selPiece);
        !promoted.isEmpty())
        s.selPiece = promoted;
    手順保存(s.record, s.Board, s.selX, s.selY, s.destX, s.destY, pieceBefore, s.selPiece);
    PieceCode captured = s.Board[s.destX][s.destY];
    // A royal piece taken by the first step of a two-step move still counts
    // when the second step lands on something else.
    if (s.moveStep == 2 && !isRoyal(captured)) {
        const PieceCode first = s.record.at(s.record.recordCount - 1).capturedPiece;
        if (isRoyal(first)) captured = first;
    }
    if (s.selPiece >= 1)
        描画_移動結果(s, State::comReportX, State::comReportY, s.destX, s.destY, s.selPiece,
                      State::reportColour);
    else
        描画_移動結果(s, State::manReportX, State::manReportY, s.destX, s.destY, s.selPiece,
                      State::reportColour);

    if (s.moveStep == 1) {
        const PieceCode mid = 二手目駒(s.selX, s.selY, s.destX, s.destY, pieceBefore);
        if (!mid.isEmpty()) {
            s.secondStepPiece = mid;
            int goesOn = 1;
            if (mid.kind() == 18)
                goesOn = 移動処理_鷲(s, s.selX, s.selY, s.destX, s.destY, mid);
            else if (mid.kind() == 35)
                goesOn = 移動処理_鷹(s, s.selX, s.selY, s.destX, s.destY, mid);
            else
                goesOn = 移動処理_獅(s, s.selX, s.selY, s.destX, s.destY, s.selPiece);
            if (goesOn == 0) return;
            // An eagle or falcon that promoted on a step it did not continue
            // ends promoted; its second entry must say so, or replaying the
            // record would bring back the unpromoted piece.
            MoveRecord& again = s.record.slot(s.record.recordCount);
            if (again.pieceAfter != s.selPiece) again.pieceAfter = s.selPiece;
        }
    }

    駒移動(s, s.selX, s.selY, s.destX, s.destY, s.selPiece);
    描画_移動可能桝色(s, 0, 0, State::boardGridColour, code::EMPTY);
    s.moveStep = 1;
    s.clickPhase = 0;
    s.moveCount += 1;
    描画_手数(s, s.moveCount, State::textWhite);
    駒打音(s);

    if (s.gameMode == State::modeHumans) {
        if (判定処理(s, 終局判定_対人(s, captured))) return;
        s.turnPlayer = -s.turnPlayer;
        return;
    }
    if (判定処理(s, 終局判定_対COM(s, captured))) return;
    COM手番(s);
}

}  // namespace zk
