#include "com_turn.h"

#include "com_search.h"
#include "dialog.h"
#include "draw.h"
#include "game_end.h"
#include "platform.h"

namespace zk {

namespace {

// The shadowed " 思考中" caption where the computer's move report goes,
// painted at once so that it shows during the search.
void 思考中表示(State& s) {
    描画_四角形(s, State::comReportX - 0.3, State::comReportY, 1250, 400, State::boardGridColour);
    描画_文字(s, State::comReportX - 0.2, State::comReportY + 0.1, " 思考中", State::textBlack, 12);
    描画_文字(s, State::comReportX - 0.3, State::comReportY, " 思考中", State::reportColour, 12);
    s.ui->flush();
}

// A lion, eagle or falcon whose score lies in the second-step window takes
// its second step; the eagle's mid-move code follows its first diagonal.
void 二手目判定(State& s, const ComChoice& c, PieceCode& after) {
    if (s.bestScore < kScoreSecondStep || s.bestScore > kScoreSecondStep + pts(30)) return;
    if (after != c.pieceBefore) return;
    if (after == 18) {
        after = c.tx > c.x ? code::COM_鷲_2 : code::COM_鷲_1;
    } else if (after == 24) {
        after = code::COM_鷹_1;
    } else if (!(after == 33 || after == 34)) {
        return;
    }
    通知(s, "二手目、移動します", "二手移動");
    com_ban2手目(s, c.tx, c.ty, after);
}

}  // namespace

void com_ban2手目(State& s, int 移動元X, int 移動元Y, PieceCode 移動駒) {
    int bx = 0, by = 0;
    if (!com_二手目選択(s, 移動元X, 移動元Y, 移動駒, bx, by)) return;
    const PieceCode whole = PieceCode(移動駒.whole());
    手順保存(s, 移動元X, 移動元Y, bx, by, whole, whole);
    駒移動(s, 移動元X, 移動元Y, bx, by, whole);
    駒打音(s);
    描画_桝輪郭(s, State::textWhite, bx, by);
}

ComOutcome com_ban(State& s) {
    思考中表示(s);
    const ComChoice c = com_探索(s);
    if (!c.found) return {true, "あなた"};  // no legal move: the computer loses

    手順保存(s, c.x, c.y, c.tx, c.ty, c.pieceBefore, c.pieceAfter);
    描画_駒点滅(s, c.pieceBefore, c.x, c.y, 2);
    駒移動(s, c.x, c.y, c.tx, c.ty, c.pieceAfter);
    駒打音(s);
    描画_桝輪郭(s, State::textWhite, c.tx, c.ty);

    PieceCode after = c.pieceAfter;
    二手目判定(s, c, after);

    s.moveCount += 1;
    描画_手数(s, s.moveCount, State::textWhite);

    終局前調査_COM手(s);
    const EndVerdict v = 終局判定_COM手(s, s.savedBoard[c.tx][c.ty]);
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

    描画_移動結果(s, State::comReportX, State::comReportY, c.tx, c.ty, after, State::textWhite);
    s.turnPlayer = s.manPlayer;
    return {};
}

}  // namespace zk
