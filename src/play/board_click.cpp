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
    return (s.turnPlayer == s.manPlayer && c <= -1) || (s.turnPlayer == s.comPlayer && c >= 1);
}

// Does the opponent of the side to move own this code?
bool 相手の駒(const State& s, PieceCode c) {
    return (s.turnPlayer == s.manPlayer && c >= 1) || (s.turnPlayer == s.comPlayer && c <= -1);
}

// Turn notices, and the computer's move when it is its turn. True when the
// computer's move ended the game, so the press goes no further.
bool 手番通知(State& s) {
    if (s.gameMode == State::modeHumans) {
        if (s.turnNoticePending == State::flagOn) {
            s.turnNoticePending = State::flagOff;
            if (s.turnPlayer == State::firstPlayer) 通知(s, "先手の番です", "対局");
            if (s.turnPlayer == State::secondPlayer) 通知(s, "後手の番です", "対局");
        }
        return false;
    }
    if (s.turnPlayer == s.comPlayer) {
        通知(s, "OKですか？", "再開(COM)");
        s.turnNoticePending = State::flagOff;
        return COM手番(s);
    }
    if (s.turnPlayer == s.manPlayer && s.turnNoticePending == State::flagOn) {
        s.turnNoticePending = State::flagOff;
        通知(s, "MANの番です", "対局");
    }
    return false;
}

}  // namespace

void 押下桝(int X, int Y, int& O_列, int& O_行) {
    O_列 = clampSquare(floorDiv(std::int64_t{X} - State::originX, State::squareWidth));
    O_行 = clampSquare(floorDiv(std::int64_t{Y} - State::originY, State::squareHeight));
}

void 選択クリック(State& s, int x, int y) {
    s.moveStep = 1;
    if (s.Board[x][y].isEmpty()) return;
    s.selX = x;
    s.selY = y;
    s.selPiece = s.Board[x][y];
    描画_移動可能桝色(s, x, y, s.guidanceColour, s.selPiece);
    if (手番の駒(s, s.selPiece)) {
        s.clickPhase = 1;
        描画_桝輪郭(s, State::selectColour, x, y);
    } else {
        描画_桝輪郭(s, s.guidanceColour, x, y);
    }
}

void 移動先クリック(State& s, int x, int y) {
    s.destX = x;
    s.destY = y;
    const bool secondStep = s.moveStep == 2;
    if (secondStep && 移動チェック(現局面(s), s.moveStep == 2, s.selX, s.selY, s.destX, s.destY,
                                   s.secondStepPiece) == 0) {
        禁止通知(s, "そこへ移動できません！", "2手目移動中");
        return;
    }
    if (獅子取り禁手(s) == 1) return;

    const PieceCode target = s.Board[x][y];
    if (手番の駒(s, target)) {
        s.selX = x;
        s.selY = y;
        s.selPiece = target;
        描画_移動可能桝色(s, x, y, s.guidanceColour, target);
        描画_桝輪郭(s, State::selectColour, x, y);
        return;
    }
    // The second step's reach is that of its mid-move code, already checked;
    // a lion that promoted on its first step must not lose it to kirin moves.
    const PieceCode mover = secondStep ? s.secondStepPiece : s.selPiece;
    const int legal =
        移動チェック(現局面(s), s.moveStep == 2, s.selX, s.selY, s.destX, s.destY, mover);
    if (相手の駒(s, target) && legal == 0) {
        描画_桝輪郭(s, State::boardGridColour, s.selX, s.selY);
        描画_移動可能桝色(s, x, y, s.guidanceColour, target);
        描画_桝輪郭(s, s.guidanceColour, x, y);
        s.clickPhase = 0;
        return;
    }
    if (legal == 0 || !手番の駒(s, s.selPiece)) return;
    指し手実行(s);
}

void Form_MouseDown(State& s, int button, int /*shift*/, int X, int Y) {
    if (思考中禁止(s, "思考中")) return;
    ヒント消去(s);
    記録欄_非表示(s);
    if (s.recordMode == State::flagOn) {
        if (!質問(s, "棋譜を '進 'で進めて下さい", "棋譜")) {
            禁止音(s);
            初期設定(s);
        }
        return;
    }
    int x = 0, y = 0;
    押下桝(X, Y, x, y);
    if (s.moveHelpMode > 0) {
        移動ヘルプ_処理(s, button, x, y);
        return;
    }
    if (s.turnPlayer == State::noPlayer) {
        禁止通知(s, "「対局」で始めて下さい", "開始");
        return;
    }
    if (手番通知(s)) return;
    if (!(x > 0 && x <= State::boardSize && y > 0 && y <= State::boardSize)) return;
    if (s.clickPhase == 0)
        選択クリック(s, x, y);
    else
        移動先クリック(s, x, y);
}

}  // namespace zk
