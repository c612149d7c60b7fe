#include "move_help.h"

#include <cstdlib>

#include "board_screen.h"
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
    const PieceCode c = onBoard(x, y) ? s.help.helpBoardBackup[x][y] : code::EMPTY;
    const int row = HLP駒Y座標(c);
    if (!onBoard(x, y) || s.game.Board[x][y].isEmpty() || row == 0) {
        通知(s, "駒をｸﾘｯｸして下さい", "移動ﾍﾙﾌﾟ");
        return;
    }
    s.help.moveHelpMode = 2;
    s.screen.lastMoveShown = false;
    s.help.helpStep = 1;
    for (int bx = 1; bx <= 12; ++bx)
        for (int by = 1; by <= 12; ++by)
            if (!s.game.Board[bx][by].isEmpty()) {
                s.game.Board[bx][by] = code::EMPTY;
                描画_桝(s.screen, bx, by);
            }
    s.help.helpPieceX = kHelpColumn;
    s.help.helpPieceY = row;
    s.game.Board[kHelpColumn][row] = c;
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, kHelpColumn, row,
                      Screen::textWhite, c);
    描画_駒(s.screen, c, kHelpColumn, row);
    描画_桝輪郭(s.screen, Screen::selectColour, kHelpColumn, row);
}

// Mode 2: a destination for the tried piece was pressed.
void 移動先選択(State& s, int x, int y) {
    const PieceCode p = s.game.Board[s.help.helpPieceX][s.help.helpPieceY];
    if (!onBoard(x, y) || 移動チェック(現局面(s.game), s.press.moveStep == 2, s.help.helpPieceX,
                                       s.help.helpPieceY, x, y, p) == 0) {
        禁止通知(s, "そこへ移動できません！", "移動ﾍﾙﾌﾟ");
        return;
    }
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, x, y, Screen::boardColour,
                      p);
    駒打音(s);

    const PieceCode mark = s.help.helpStep == 1
                               ? 二手目表示駒(p, s.help.helpPieceX, s.help.helpPieceY, x, y)
                               : code::EMPTY;
    if (!mark.isEmpty()) {
        駒移動(s, s.help.helpPieceX, s.help.helpPieceY, x, y, p);
        描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, x, y, Screen::textWhite,
                          mark);
        描画_桝輪郭(s.screen, Screen::selectColour, x, y);
        if (質問(s, "もう一手移動しますか？", "２手移動")) {
            s.help.helpPieceX = x;
            s.help.helpPieceY = y;
            s.game.Board[x][y] = 二手目中間駒(p, mark);
            s.help.helpStep = 2;
        } else {
            移動ヘルプ_戻(s);
        }
        return;
    }

    s.help.moveHelpMode = 3;
    s.screen.lastMoveShown = false;
    PieceCode c = PieceCode(p.whole());
    s.game.Board[s.help.helpPieceX][s.help.helpPieceY] = code::EMPTY;
    描画_桝(s.screen, s.help.helpPieceX, s.help.helpPieceY);
    if (const PieceCode promoted =
            promotionOf(s.game.Board, s.help.helpPieceY, x, y, c, s.game.rules);
        !promoted.isEmpty())
        c = promoted;
    描画_駒(s.screen, c, x, y);
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, x, y, Screen::textWhite, c);
    描画_桝輪郭(s.screen, Screen::selectColour, x, y);
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
    if (s.help.moveHelpMode == 0)
        s.help.helpBoardBackup = s.game.Board;
    else
        移動ヘルプ_戻(s);
    s.help.moveHelpMode = 1;
    s.screen.lastMoveShown = false;
    通知(s, "駒をｸﾘｯｸして下さい", "移動ﾍﾙﾌﾟ");
}

void 移動ヘルプ_処理(State& s, int /*IN_マウスクリック*/, int IN_X, int IN_Y) {
    switch (s.help.moveHelpMode) {
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
    s.help.moveHelpMode = 0;
    s.screen.lastMoveShown = true;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            s.game.Board[x][y] = s.help.helpBoardBackup[x][y];
            if (s.game.Board[x][y].isEmpty())
                描画_桝(s.screen, x, y);
            else
                描画_駒(s.screen, s.game.Board[x][y], x, y);
        }
    描画_最終手(s.screen, s.game.record);
}

void 移動ヘルプ終了(State& s) {
    if (s.help.moveHelpMode == 0) return;
    s.help.moveHelpMode = 0;
    s.screen.lastMoveShown = true;
    移動ヘルプ_戻(s);
}

}  // namespace zk
