#include "com_turn.h"

#include "autosave.h"
#include "board_screen.h"
#include "clock_flow.h"
#include "com_mate.h"
#include "dialog.h"
#include "draw.h"
#include "end_rules.h"
#include "platform.h"

namespace zk {

namespace {

// The code a two-step piece shows between its steps: the eagle's follows its
// first diagonal, the falcon's is its forward step, the lion keeps its own.
// Empty when the piece does not go on.
PieceCode 二手目表示駒(const ComChoice& c) {
    const PieceCode after = c.pieceAfter;
    if (after != c.pieceBefore) return code::EMPTY;
    if (after == 18) return c.tx > c.x ? code::COM_鷲_2 : code::COM_鷲_1;
    if (after == 24) return code::COM_鷹_1;
    if (after == 33 || after == 34) return after;
    return code::EMPTY;
}

// A lion, eagle or falcon whose score lies in the second-step window takes
// its second step.
void 二手目判定(State& s, const ComChoice& c, PieceCode& after) {
    if (s.com.bestScore < kScoreSecondStep || s.com.bestScore > kScoreSecondStep + pts(30)) return;
    const PieceCode mid = 二手目表示駒(c);
    if (mid.isEmpty()) return;
    after = mid;
    通知(s, "二手目、移動します", "二手移動");
    com_ban2手目(s, c.tx, c.ty, after);
}

// The second step from (x, y) to (bx, by), ending as the whole code.
void 二手目着手(State& s, int x, int y, int bx, int by, PieceCode whole) {
    手順保存(s.game.record, s.game.Board, x, y, bx, by, whole, whole);
    駒移動(s, x, y, bx, by, whole);
    駒打音(s);
    描画_桝輪郭(s.screen, Screen::textWhite, bx, by);
}

bool isRoyal(PieceCode c) { return c.kind() == 38 || c.kind() == 39; }

}  // namespace

void 思考中表示(State& s, int depth, double reportY) {
    const std::string text = depth > 0 ? " 思考中 " + std::to_string(depth) : " 思考中";
    描画_四角形(s.screen, Screen::comReportX - 0.3, reportY, 1250, 400, Screen::boardGridColour);
    描画_影付き文字(s.screen, Screen::comReportX - 0.3, reportY, text, Screen::reportColour, 12);
    s.screen.ui->flush();
}

void com_ban2手目(State& s, int 移動元X, int 移動元Y, PieceCode 移動駒) {
    int bx = 0, by = 0;
    if (!com_二手目選択(computerPart(s), 移動元X, 移動元Y, 移動駒, bx, by)) return;
    二手目着手(s, 移動元X, 移動元Y, bx, by, PieceCode(移動駒.whole()));
}

ComOutcome com_着手(State& s, const ComChoice& c, PieceCode captured,
                    const std::function<void(PieceCode& after)>& secondStep) {
    autosaveBeforeCut(s);
    手順保存(s.game.record, s.game.Board, c.x, c.y, c.tx, c.ty, c.pieceBefore, c.pieceAfter);
    描画_駒点滅(s.screen, c.pieceBefore, c.x, c.y, 2);
    駒移動(s, c.x, c.y, c.tx, c.ty, c.pieceAfter);
    駒打音(s);
    描画_桝輪郭(s.screen, Screen::textWhite, c.tx, c.ty);

    PieceCode after = c.pieceAfter;
    secondStep(after);

    s.game.moveCount += 1;
    描画_手数(s.screen, s.game.moveCount, Screen::textWhite, s.game.record);
    時計_着手(s, +1);

    終局前調査_COM手(computerPart(s));
    const EndVerdict v = 終局判定_COM手(s, captured);
    if (v.mateNotice) {
        通知(s, "よし！!", "詰め ?");
    } else if (v.bare) {
        通知(s, "駒枯れになりました", "終局");
        return {true, v.winner};
    } else if (v.ended) {
        return {true, v.winner};
    } else if (!v.checkNotice.empty()) {
        通知(s, v.checkNotice, "");
    }

    描画_移動結果(s.screen, Screen::comReportX, Screen::comReportY, c.tx, c.ty, after,
                  Screen::textWhite);
    s.game.turnPlayer = s.game.manPlayer;
    return {};
}

ComOutcome com_ban(State& s) {
    思考中表示(s);
    const ComChoice c = com_探索(computerPart(s));
    if (!c.found) return {true, "あなた"};  // no legal move: the computer loses
    return com_着手(s, c, s.com.savedBoard[c.tx][c.ty],
                    [&](PieceCode& after) { 二手目判定(s, c, after); });
}

ComOutcome com_指し手(State& s, const Move& m) {
    ComChoice c;
    c.found = true;
    c.x = m.fromX;
    c.y = m.fromY;
    c.tx = m.isTwoStep() ? m.midX : m.toX;
    c.ty = m.isTwoStep() ? m.midY : m.toY;
    c.pieceBefore = m.piece;
    c.pieceAfter = m.isTwoStep() ? m.midAfter : m.after;
    // A royal piece taken by either step ends the game.
    const PieceCode captured = m.isTwoStep() && isRoyal(m.capturedMid) && !isRoyal(m.captured)
                                   ? m.capturedMid
                                   : m.captured;
    return com_着手(s, c, captured, [&](PieceCode& after) {
        if (!m.isTwoStep()) return;
        const PieceCode mid = 二手目表示駒(c);
        if (!mid.isEmpty()) after = mid;
        通知(s, "二手目、移動します", "二手移動");
        二手目着手(s, m.midX, m.midY, m.toX, m.toY, m.after);
    });
}

}  // namespace zk
