#include "replay.h"

#include <algorithm>

#include "board_screen.h"
#include "dialog.h"
#include "draw.h"
#include "pieces.h"
#include "platform.h"
#include "record_steps.h"

namespace zk {

namespace {

// The report line of the side that owns a code: the upper for the top side.
double reportLine(PieceCode c) { return c >= 1 ? Screen::comReportY : Screen::manReportY; }

}  // namespace

void 描画_現在手報告(State& s) {
    const MoveRecord& last = s.game.record.at(s.game.record.recordCount);
    描画_移動結果(s.screen, Screen::comReportX, reportLine(last.pieceAfter), last.toX, last.toY,
                  last.pieceAfter, Screen::textWhite);
}

void 棋譜_戻(State& s) {
    GameRecord& r = s.game.record;
    if (r.recordCount < 1) {
        禁止通知(s, "できません", "戻る");
        return;
    }
    if (s.press.moveStep == 2) {
        禁止通知(s, "2手目移動中はできません！", "戻る");
        return;
    }
    s.press.clickPhase = 0;
    描画_将棋盤桝(s.screen);

    for (const MoveRecord& e : takeBackMove(s.game)) {
        if (onBoard(e.toX, e.toY)) {
            if (e.capturedPiece == 0)
                描画_桝(s.screen, e.toX, e.toY);
            else
                描画_駒(s.screen, e.capturedPiece, e.toX, e.toY);
        }
        if (onBoard(e.fromX, e.fromY)) 描画_駒(s.screen, e.movedPiece, e.fromX, e.fromY);
        駒打音(s);
        消去_移動結果(s.screen, Screen::comReportX, reportLine(e.movedPiece));
    }
    描画_手数(s.screen, s.game.moveCount, Screen::textWhite, s.game.record);
}

void 棋譜_進(State& s) {
    GameRecord& r = s.game.record;
    if (s.press.moveStep == 2) {
        禁止通知(s, "2手目移動中はできません！", "進む");
        return;
    }
    s.press.clickPhase = 0;
    描画_将棋盤桝(s.screen);
    if (r.recordCount >= r.recordEnd) {
        if (s.game.recordMode == Game::flagOn) {
            通知(s, "終わり", "進む");
        } else {
            禁止通知(s, "できません", "進む");
        }
        return;
    }

    for (const MoveRecord& e : replayMove(s.game)) {
        if (onBoard(e.fromX, e.fromY)) 描画_桝(s.screen, e.fromX, e.fromY);
        if (onBoard(e.toX, e.toY)) 描画_駒(s.screen, e.pieceAfter, e.toX, e.toY);
        駒打音(s);
    }
    描画_手数(s.screen, s.game.moveCount, Screen::textWhite, s.game.record);
    描画_現在手報告(s);
}

void 盤_反転(State& s) {
    if (s.game.recordMode == Game::flagOn) {
        禁止通知(s, "棋譜ﾓｰﾄﾞではできません", "反転");
        return;
    }
    if (s.press.moveStep == 2) {
        禁止通知(s, "2手目移動中はできません！", "反転");
        return;
    }
    s.game.isReversed = Game::flagOn;
    s.press.clickPhase = 0;

    reverseBoard(s.game.Board);

    画面_再描画(s);
    描画_手数(s.screen, s.game.moveCount, Screen::textWhite, s.game.record);
    if (s.game.handicapChanged == Game::flagOn) {
        s.game.handicapLevel = -s.game.handicapLevel;
        描画_ハンデレベル(s.screen, s.game.handicapLevel);
    }
    駒打音(s);

    // The record described the other orientation; nothing of it is kept.
    clearRecord(s.game.record);
    描画_最終手(s.screen, s.game.record);

    s.game.turnPlayer = -s.game.turnPlayer;
    駒打音(s);
}

}  // namespace zk
