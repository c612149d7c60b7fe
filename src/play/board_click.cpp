#include "board_click.h"

#include <algorithm>
#include <cstdint>

#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "form1.h"
#include "lion_capture.h"
#include "move_check.h"
#include "move_flow.h"
#include "move_help.h"
#include "panel.h"
#include "standard_play.h"

namespace zk {

namespace {

// Floor division, so that presses left of or above the origin give negative
// squares rather than square 0 by truncation.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

// Keep a far-off square far off without overflowing later arithmetic.
int clampSquare(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, -99, 99)); }

// Does the side to move own this code?
bool 手番の駒(const State& s, PieceCode c) {
    return (s.game.turnPlayer == s.game.manPlayer && c <= -1) ||
           (s.game.turnPlayer == s.game.comPlayer && c >= 1);
}

// Does the opponent of the side to move own this code?
bool 相手の駒(const State& s, PieceCode c) {
    return (s.game.turnPlayer == s.game.manPlayer && c >= 1) ||
           (s.game.turnPlayer == s.game.comPlayer && c <= -1);
}

// Turn notices, and the computer's move when it is its turn. True when the
// computer's move ended the game, so the press goes no further.
bool 手番通知(State& s) {
    if (s.game.gameMode == Game::modeHumans) {
        if (s.press.turnNoticePending == Game::flagOn) {
            s.press.turnNoticePending = Game::flagOff;
            if (s.game.turnPlayer == Game::firstPlayer) 通知(s, "先手の番です", "対局");
            if (s.game.turnPlayer == Game::secondPlayer) 通知(s, "後手の番です", "対局");
        }
        return false;
    }
    if (s.game.turnPlayer == s.game.comPlayer) {
        通知(s, "OKですか？", "再開(COM)");
        s.press.turnNoticePending = Game::flagOff;
        return COM手番(s);
    }
    if (s.game.turnPlayer == s.game.manPlayer && s.press.turnNoticePending == Game::flagOn) {
        s.press.turnNoticePending = Game::flagOff;
        通知(s, "MANの番です", "対局");
    }
    return false;
}

}  // namespace

void 押下桝(int X, int Y, int& O_列, int& O_行) {
    O_列 = clampSquare(floorDiv(std::int64_t{X} - Screen::originX, Screen::squareWidth));
    O_行 = clampSquare(floorDiv(std::int64_t{Y} - Screen::originY, Screen::squareHeight));
}

void 選択クリック(State& s, int x, int y) {
    s.press.moveStep = 1;
    if (s.game.Board[x][y].isEmpty()) return;
    s.press.selX = x;
    s.press.selY = y;
    s.press.selPiece = s.game.Board[x][y];
    描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, x, y, s.press.guidanceColour,
                      s.press.selPiece);
    if (手番の駒(s, s.press.selPiece)) {
        s.press.clickPhase = 1;
        描画_桝輪郭(s.screen, Screen::selectColour, x, y);
    } else {
        描画_桝輪郭(s.screen, s.press.guidanceColour, x, y);
    }
}

void 移動先クリック(State& s, int x, int y) {
    s.press.destX = x;
    s.press.destY = y;
    const bool secondStep = s.press.moveStep == 2;
    if (secondStep &&
        移動チェック(現局面(s.game), s.press.moveStep == 2, s.press.selX, s.press.selY,
                     s.press.destX, s.press.destY, s.press.secondStepPiece) == 0) {
        禁止通知(s, "そこへ移動できません！", "2手目移動中");
        return;
    }
    if (獅子取り禁手(s) == 1) return;

    const PieceCode target = s.game.Board[x][y];
    if (手番の駒(s, target)) {
        s.press.selX = x;
        s.press.selY = y;
        s.press.selPiece = target;
        描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, x, y,
                          s.press.guidanceColour, target);
        描画_桝輪郭(s.screen, Screen::selectColour, x, y);
        return;
    }
    // The second step's reach is that of its mid-move code, already checked;
    // a lion that promoted on its first step must not lose it to kirin moves.
    const PieceCode mover = secondStep ? s.press.secondStepPiece : s.press.selPiece;
    const int legal = 移動チェック(現局面(s.game), s.press.moveStep == 2, s.press.selX,
                                   s.press.selY, s.press.destX, s.press.destY, mover);
    if (相手の駒(s, target) && legal == 0) {
        描画_桝輪郭(s.screen, Screen::boardGridColour, s.press.selX, s.press.selY);
        描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, x, y,
                          s.press.guidanceColour, target);
        描画_桝輪郭(s.screen, s.press.guidanceColour, x, y);
        s.press.clickPhase = 0;
        return;
    }
    if (legal == 0 || !手番の駒(s, s.press.selPiece)) return;
    指し手実行(s);
}

void Form_MouseDown(State& s, int button, int /*shift*/, int X, int Y) {
    if (思考中禁止(s, "思考中")) return;
    ヒント消去(s);
    記録欄_非表示(s);
    if (s.game.recordMode == Game::flagOn) {
        if (!質問(s, "棋譜を '進 'で進めて下さい", "棋譜")) {
            禁止音(s);
            初期設定(s);
        }
        return;
    }
    int x = 0, y = 0;
    押下桝(X, Y, x, y);
    if (s.help.moveHelpMode > 0) {
        移動ヘルプ_処理(s, button, x, y);
        return;
    }
    if (s.game.turnPlayer == Game::noPlayer) {
        禁止通知(s, "「対局」で始めて下さい", "開始");
        return;
    }
    if (手番通知(s)) return;
    if (!(x > 0 && x <= Game::boardSize && y > 0 && y <= Game::boardSize)) return;
    if (s.game.rules == RuleSet::Standard) {
        標準押下(s, x, y);
        return;
    }
    if (s.press.clickPhase == 0)
        選択クリック(s, x, y);
    else
        移動先クリック(s, x, y);
}

}  // namespace zk
