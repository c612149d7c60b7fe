#include "board_screen.h"

#include "draw.h"
#include "platform.h"

namespace zk {

void 画面_再描画(State& s) {
    Screen& screen = s.screen;
    描画_四角形(screen, 14, 2, 2000, 4000, Screen::boardColour);
    描画_盤(screen, s.game.Board);
    描画_桝_数値(screen);
    screen.ui->screen().image(cellX(14.2), cellY(1), "TITLE");
    描画_最終手(screen, s.game.record);
    描画_ルール(screen, s.game.rules == RuleSet::Standard);
}

void 駒移動(State& s, int IN_移動元X, int IN_移動元Y, int IN_移動先X, int IN_移動先Y,
            PieceCode IN_移動駒) {
    Screen& screen = s.screen;
    BoardGrid& board = s.game.Board;
    描画_移動可能桝色(screen, 現局面(s.game), s.press.moveStep == 2, IN_移動元X, IN_移動元Y,
                      Screen::boardGridColour, IN_移動駒);
    描画_桝(screen, IN_移動元X, IN_移動元Y);
    board[IN_移動先X][IN_移動先Y] = IN_移動駒;
    描画_駒(screen, IN_移動駒, IN_移動先X, IN_移動先Y);
    // A move onto its own square must not empty the square it just filled.
    if (IN_移動元X != IN_移動先X || IN_移動元Y != IN_移動先Y)
        board[IN_移動元X][IN_移動元Y] = code::EMPTY;
    描画_桝輪郭(screen, Screen::boardColour, IN_移動先X, IN_移動先Y);
}

}  // namespace zk
