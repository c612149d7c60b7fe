#include "move_flow.h"

#include "autosave.h"
#include "board_screen.h"
#include "clock_flow.h"
#include "com_turn.h"
#include "dialog.h"
#include "draw.h"
#include "end_rules.h"
#include "engine_turn.h"
#include "form1.h"
#include "move_check.h"
#include "move_record.h"
#include "standard_play.h"
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
    if (s.game.rules == RuleSet::Standard) {
        標準COM手番(s);
        return true;
    }
    if (s.game.comLevel == 4) {
        COM手番_探索(s);
        return true;
    }
    ComOutcome outcome = com_ban(s);
    if (!outcome.ended) return false;
    終了(s, outcome.winner);
    return true;
}

void 指し手実行(State& s) {
    const PieceCode pieceBefore = s.press.selPiece;
    if (const PieceCode promoted = promotionOf(s.game.Board, s.press.selY, s.press.destX,
                                               s.press.destY, s.press.selPiece, s.game.rules);
        !promoted.isEmpty())
        s.press.selPiece = promoted;
    autosaveBeforeCut(s);
    手順保存(s.game.record, s.game.Board, s.press.selX, s.press.selY, s.press.destX, s.press.destY,
             pieceBefore, s.press.selPiece);
    PieceCode captured = s.game.Board[s.press.destX][s.press.destY];
    // A royal piece taken by the first step of a two-step move still counts
    // when the second step lands on something else.
    if (s.press.moveStep == 2 && !isRoyal(captured)) {
        const PieceCode first = s.game.record.at(s.game.record.recordCount - 1).capturedPiece;
        if (isRoyal(first)) captured = first;
    }
    if (s.press.selPiece >= 1)
        描画_移動結果(s.screen, Screen::comReportX, Screen::comReportY, s.press.destX,
                      s.press.destY, s.press.selPiece, Screen::reportColour);
    else
        描画_移動結果(s.screen, Screen::manReportX, Screen::manReportY, s.press.destX,
                      s.press.destY, s.press.selPiece, Screen::reportColour);

    if (s.press.moveStep == 1) {
        const PieceCode mid =
            二手目駒(s.press.selX, s.press.selY, s.press.destX, s.press.destY, pieceBefore);
        if (!mid.isEmpty()) {
            s.press.secondStepPiece = mid;
            int goesOn = 1;
            if (mid.kind() == 18)
                goesOn =
                    移動処理_鷲(s, s.press.selX, s.press.selY, s.press.destX, s.press.destY, mid);
            else if (mid.kind() == 35)
                goesOn =
                    移動処理_鷹(s, s.press.selX, s.press.selY, s.press.destX, s.press.destY, mid);
            else
                goesOn = 移動処理_獅(s, s.press.selX, s.press.selY, s.press.destX, s.press.destY,
                                     s.press.selPiece);
            if (goesOn == 0) return;
            // An eagle or falcon that promoted on a step it did not continue
            // ends promoted; its second entry must say so, or replaying the
            // record would bring back the unpromoted piece.
            MoveRecord& again = s.game.record.slot(s.game.record.recordCount);
            if (again.pieceAfter != s.press.selPiece) again.pieceAfter = s.press.selPiece;
        }
    }

    駒移動(s, s.press.selX, s.press.selY, s.press.destX, s.press.destY, s.press.selPiece);
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, 0, 0,
                      Screen::boardGridColour, code::EMPTY);
    s.press.moveStep = 1;
    s.press.clickPhase = 0;
    s.game.moveCount += 1;
    描画_手数(s.screen, s.game.moveCount, Screen::textWhite, s.game.record);
    駒打音(s);
    時計_着手(s, s.press.selPiece >= 1 ? +1 : -1);

    if (s.game.gameMode == Game::modeHumans) {
        if (判定処理(s, 終局判定_対人(s, captured))) return;
        s.game.turnPlayer = -s.game.turnPlayer;
        return;
    }
    if (判定処理(s, 終局判定_対COM(s, captured))) return;
    COM手番(s);
}

}  // namespace zk
