#include "move_check.h"
#include "pieces.h"

namespace zk {

// Is the lion on (獅座標X, 獅座標Y) protected by the side IN_手番 against a
// capture from (IN_移動元X, IN_移動元Y)? Both squares are emptied for the scan,
// so a line through the capturer counts and a defending lion never asks this
// question again; both are put back before returning.
int 調査_獅守(State& s, int IN_手番, int IN_移動元X, int IN_移動元Y, int 獅座標X, int 獅座標Y) {
    // No piece can move onto a square off the board, and only board squares
    // are emptied, so nothing outside the grid is ever touched.
    if (!onBoard(獅座標X, 獅座標Y)) return 0;
    const bool capturerOnBoard = onBoard(IN_移動元X, IN_移動元Y);

    const PieceCode savedLion = s.Board[獅座標X][獅座標Y];
    const PieceCode savedCapturer = capturerOnBoard ? s.Board[IN_移動元X][IN_移動元Y] : code::EMPTY;
    s.Board[獅座標X][獅座標Y] = code::EMPTY;
    if (capturerOnBoard) s.Board[IN_移動元X][IN_移動元Y] = code::EMPTY;

    auto restore = [&] {
        if (capturerOnBoard) s.Board[IN_移動元X][IN_移動元Y] = savedCapturer;
        s.Board[獅座標X][獅座標Y] = savedLion;
    };

    int side = 0;  // +1: COM pieces defend, -1: MAN pieces defend, 0: nobody
    if (IN_手番 == s.manPlayer)
        side = -1;
    else if (IN_手番 == s.comPlayer)
        side = 1;

    if (side != 0) {
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode d = s.Board[x][y];
                const bool defender = side < 0 ? d <= -1 : d >= 1;
                if (defender && 移動チェック(s, x, y, 獅座標X, 獅座標Y, d) == 1) {
                    restore();
                    return 1;
                }
            }
    }
    restore();
    return 0;
}

}  // namespace zk
