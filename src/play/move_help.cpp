#include "move_help.h"

#include <cstdlib>

#include "dialog.h"
#include "draw.h"
#include "move_check.h"
#include "pieces.h"

namespace zk {

namespace {

constexpr int kHelpColumn = 6;

// First step of a two-step move tried in move help: the code to mark the
// second steps with, or empty when the move is a single move.
PieceCode 二手目表示駒(PieceCode p, int fromX, int fromY, int toX, int toY) {
    const int forward = p >= 1 ? 1 : -1;
    const int dx = toX - fromX, dy = toY - fromY;
    const int kind = p.kind();
    if (p.isMidMove()) return code::EMPTY;
    if ((kind == 33 || kind == 34) && std::abs(dx) <= 1 && std::abs(dy) <= 1) return code::MAN_王;
    if (kind == 24 && dx == 0 && dy == forward) return code::MAN_仲;
    if (kind == 18 && std::abs(dx) == 1 && dy == forward) {
        PieceCode mid = dx < 0 ? code::COM_鷲_1 : code::COM_鷲_2;
        return forward > 0 ? mid : -mid;
    }
    return code::EMPTY;
}

// The code the tried piece carries between its two steps.
PieceCode 二手目中間駒(PieceCode p, PieceCode eagleMark) {
    const bool top = p >= 1;
    switch (p.kind()) {
        case 33:
            return top ? code::COM_獅_R_1 : code::MAN_獅_R_1;
        case 34:
            return top ? code::COM_獅_B_1 : code::MAN_獅_B_1;
        case 24:
            return top ? code::COM_鷹_1 : code::MAN_鷹_1;
        default:
            return eagleMark;
    }
}

// Mode 1: the piece to try was pressed.
void 駒選択(State& s, int x, int y) {
    const PieceCode c = onBoard(x, y) ? s.helpBoardBackup[x][y] : code::EMPTY;
    const int row = HLP駒Y座標(c);
    if (!onBoard(x, y) || s.Board[x][y].isEmpty() || row == 0) {
        通知(s, "駒をｸﾘｯｸして下さい", "移動ﾍﾙﾌﾟ");
        return;
    }
    s.moveHelpMode = 2;
    s.helpStep = 1;
    for (int bx = 1; bx <= 12; ++bx)
        for (int by = 1; by <= 12; ++by)
            if (!s.Board[bx][by].isEmpty()) {
                s.Board[bx][by] = code::EMPTY;
                描画_桝(s, bx, by);
            }
    s.helpPieceX = kHelpColumn;
    s.helpPieceY = row;
    s.Board[kHelpColumn][row] = c;
    描画_移動可能桝色(s, kHelpColumn, row, State::textWhite, c);
    描画_駒(s, c, kHelpColumn, row);
    描画_桝輪郭(s, State::selectColour, kHelpColumn, row);
}

// Mode 2: a destination for the tried piece was pressed.
void 移動先選択(State& s, int x, int y) {
    const PieceCode p = s.Board[s.helpPieceX][s.helpPieceY];
    if (!onBoard(x, y) ||
        移動チェック(現局面(s), s.moveStep == 2, s.helpPieceX, s.helpPieceY, x, y, p) == 0) {
        禁止通知(s, "そこへ移動できません！", "移動ﾍﾙﾌﾟ");
        return;
    }
    描画_移動可能桝色(s, x, y, State::boardColour, p);
    駒打音(s);

    const PieceCode mark =
        s.helpStep == 1 ? 二手目表示駒(p, s.helpPieceX, s.helpPieceY, x, y) : code::EMPTY;
    if (!mark.isEmpty()) {
        駒移動(s, s.helpPieceX, s.helpPieceY, x, y, p);
        描画_移動可能桝色(s, x, y, State::textWhite, mark);
        描画_桝輪郭(s, State::selectColour, x, y);
        if (質問(s, "もう一手移動しますか？", "２手移動")) {
            s.helpPieceX = x;
            s.helpPieceY = y;
            s.Board[x][y] = 二手目中間駒(p, mark);
            s.helpStep = 2;
        } else {
            移動ヘルプ_戻(s);
        }
        return;
    }

    s.moveHelpMode = 3;
    PieceCode c = PieceCode(p.whole());
    s.Board[s.helpPieceX][s.helpPieceY] = code::EMPTY;
    描画_桝(s, s.helpPieceX, s.helpPieceY);
    if (const PieceCode promoted = promotionOf(s.Board, s.helpPieceY, x, y, c); !promoted.isEmpty())
        c = promoted;
    描画_駒(s, c, x, y);
    描画_移動可能桝色(s, x, y, State::textWhite, c);
    描画_桝輪郭(s, State::selectColour, x, y);
}

}  // namespace

int HLP駒Y座標(PieceCode 駒種類) {
    if (駒種類.isMidMove() || 駒種類.isEmpty()) return 0;
    switch (駒種類.kind()) {
        case 1:
        case 2:
        case 5:
        case 6:
        case 7:
        case 9:
        case 13:
        case 19:
        case 30:
        case 35:
        case 36:
        case 37:
        case 38:
        case 39:
            return 駒種類 <= -1 ? 5 : 8;
        default:
            return 駒種類.kind() <= 39 ? (駒種類 <= -1 ? 6 : 7) : 0;
    }
}

void IDOU_HLP_Click(State& s) {
    if (s.moveHelpMode == 0)
        s.helpBoardBackup = s.Board;
    else
        移動ヘルプ_戻(s);
    s.moveHelpMode = 1;
    通知(s, "駒をｸﾘｯｸして下さい", "移動ﾍﾙﾌﾟ");
}

void 移動ヘルプ_処理(State& s, int /*IN_マウスクリック*/, int IN_X, int IN_Y) {
    switch (s.moveHelpMode) {
        case 1:
            駒選択(s, IN_X, IN_Y);
            break;
        case 2:
            移動先選択(s, IN_X, IN_Y);
            break;
        default:
            移動ヘルプ_戻(s);
            break;
    }
}

void 移動ヘルプ_戻(State& s) {
    s.moveHelpMode = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            s.Board[x][y] = s.helpBoardBackup[x][y];
            if (s.Board[x][y].isEmpty())
                描画_桝(s, x, y);
            else
                描画_駒(s, s.Board[x][y], x, y);
        }
    描画_最終手(s);
}

void 移動ヘルプ終了(State& s) {
    if (s.moveHelpMode == 0) return;
    s.moveHelpMode = 0;
    移動ヘルプ_戻(s);
}

}  // namespace zk
