#include "two_step.h"

#include "board_screen.h"
#include "dialog.h"
#include "draw.h"
#include "move_record.h"

namespace zk {

namespace {

// The first step shared by the three pieces: put `boardCode` on the
// first-step square, mark the second steps with `markCode` (nothing when it
// is empty) and ask whether to go on.
int 一手目(State& s, int& fromX, int& fromY, int toX, int toY, PieceCode boardCode,
           PieceCode markCode) {
    int answer = 1;
    駒打音(s);
    駒移動(s, fromX, fromY, toX, toY, boardCode);
    if (!markCode.isEmpty())
        描画_移動可能桝色(s.screen, 現局面(s.game), s.press.moveStep == 2, toX, toY,
                          s.press.guidanceColour, markCode);
    if (質問(s, "もう一手移動しますか？", "２手移動")) {
        s.press.moveStep = 2;
        描画_桝輪郭(s.screen, Screen::selectColour, toX, toY);
        fromX = toX;
        fromY = toY;
        answer = 0;
    } else {
        // The board already shows the step, so this entry's captured piece is
        // the mover itself; it pairs with the entry made before the step.
        手順保存(s.game.record, s.game.Board, fromX, fromY, toX, toY, boardCode, boardCode);
    }
    return answer;
}

}  // namespace

int 移動処理_獅(State& s, int& IN_移動元X, int& IN_移動元Y, int IN_移動先X, int IN_移動先Y,
                PieceCode IN_移動元駒) {
    // A lion that has just promoted (to a kirin) shows no second steps.
    PieceCode mark = code::EMPTY;
    if (IN_移動元駒 == code::COM_獅_R || IN_移動元駒 == code::COM_獅_B) mark = code::COM_王;
    if (IN_移動元駒 == code::MAN_獅_R || IN_移動元駒 == code::MAN_獅_B) mark = code::MAN_王;
    return 一手目(s, IN_移動元X, IN_移動元Y, IN_移動先X, IN_移動先Y, IN_移動元駒, mark);
}

int 移動処理_鷹(State& s, int& IN_移動元X, int& IN_移動元Y, int IN_移動先X, int IN_移動先Y,
                PieceCode IN_移動元駒) {
    PieceCode falcon = IN_移動元駒 >= 1 ? code::COM_鷹 : code::MAN_鷹;
    return 一手目(s, IN_移動元X, IN_移動元Y, IN_移動先X, IN_移動先Y, falcon, IN_移動元駒);
}

int 移動処理_鷲(State& s, int& IN_移動元X, int& IN_移動元Y, int IN_移動先X, int IN_移動先Y,
                PieceCode IN_移動元駒) {
    PieceCode eagle = PieceCode(IN_移動元駒.whole());
    return 一手目(s, IN_移動元X, IN_移動元Y, IN_移動先X, IN_移動先Y, eagle, IN_移動元駒);
}

}  // namespace zk
