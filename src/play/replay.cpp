#include "replay.h"

#include <algorithm>

#include "dialog.h"
#include "draw.h"
#include "pieces.h"
#include "platform.h"
#include "record_steps.h"

namespace zk {

namespace {

// The report line of the side that owns a code: the upper for the top side.
double reportLine(PieceCode c) { return c >= 1 ? State::comReportY : State::manReportY; }

}  // namespace

void 描画_現在手報告(State& s) {
    const MoveRecord& last = s.record.at(s.record.recordCount);
    描画_移動結果(s, State::comReportX, reportLine(last.pieceAfter), last.toX, last.toY,
                  last.pieceAfter, State::textWhite);
}

void 棋譜_戻(State& s) {
    GameRecord& r = s.record;
    if (r.recordCount < 1) {
        禁止通知(s, "できません", "戻る");
        return;
    }
    if (s.moveStep == 2) {
        禁止通知(s, "2手目移動中はできません！", "戻る");
        return;
    }
    s.clickPhase = 0;
    描画_将棋盤桝(s);

    for (const MoveRecord& e : takeBackMove(s)) {
        if (onBoard(e.toX, e.toY)) {
            if (e.capturedPiece == 0)
                描画_桝(s, e.toX, e.toY);
            else
                描画_駒(s, e.capturedPiece, e.toX, e.toY);
        }
        if (onBoard(e.fromX, e.fromY)) 描画_駒(s, e.movedPiece, e.fromX, e.fromY);
        駒打音(s);
        消去_移動結果(s, State::comReportX, reportLine(e.movedPiece));
    }
    描画_手数(s, s.moveCount, State::textWhite);
}

void 棋譜_進(State& s) {
    GameRecord& r = s.record;
    if (s.moveStep == 2) {
        禁止通知(s, "2手目移動中はできません！", "進む");
        return;
    }
    s.clickPhase = 0;
    描画_将棋盤桝(s);
    if (r.recordCount >= r.recordEnd) {
        if (s.recordMode == State::flagOn) {
            通知(s, "終わり", "進む");
        } else {
            禁止通知(s, "できません", "進む");
        }
        return;
    }

    for (const MoveRecord& e : replayMove(s)) {
        if (onBoard(e.fromX, e.fromY)) 描画_桝(s, e.fromX, e.fromY);
        if (onBoard(e.toX, e.toY)) 描画_駒(s, e.pieceAfter, e.toX, e.toY);
        駒打音(s);
    }
    描画_手数(s, s.moveCount, State::textWhite);
    描画_現在手報告(s);
}

void 盤_反転(State& s) {
    if (s.recordMode == State::flagOn) {
        禁止通知(s, "棋譜ﾓｰﾄﾞではできません", "反転");
        return;
    }
    if (s.moveStep == 2) {
        禁止通知(s, "2手目移動中はできません！", "反転");
        return;
    }
    s.isReversed = State::flagOn;
    s.clickPhase = 0;

    reverseBoard(s.Board);

    画面_再描画(s);
    描画_手数(s, s.moveCount, State::textWhite);
    if (s.handicapChanged == State::flagOn) {
        s.handicapLevel = -s.handicapLevel;
        描画_ハンデレベル(s, s.handicapLevel);
    }
    駒打音(s);

    // The record described the other orientation; nothing of it is kept.
    clearRecord(s.record);
    描画_最終手(s);

    s.turnPlayer = -s.turnPlayer;
    駒打音(s);
}

}  // namespace zk
