#include "move_check.h"

namespace zk {

// Is the lion on (lionX, lionY) protected by the side `defenderSign` against
// a capture from (fromX, fromY)? Both squares are emptied for the scan, so a
// line through the capturer counts and a defending lion never asks this
// question again; both are put back before returning.
int lionGuarded(BoardGrid& b, int defenderSign, int fromX, int fromY, int lionX, int lionY) {
    // No piece can move onto a square off the board, and only board squares
    // are emptied, so nothing outside the grid is ever touched.
    if (!onBoard(lionX, lionY)) return 0;
    const bool capturerOnBoard = onBoard(fromX, fromY);

    const PieceCode savedLion = b[lionX][lionY];
    const PieceCode savedCapturer = capturerOnBoard ? b[fromX][fromY] : code::EMPTY;
    b[lionX][lionY] = code::EMPTY;
    if (capturerOnBoard) b[fromX][fromY] = code::EMPTY;

    // With the lion's square empty, no defender's check reads the lion rules
    // or the record, so any history will do.
    const LionHistory none{};
    int guarded = 0;
    if (defenderSign != 0) {
        for (int x = 1; x <= 12 && guarded == 0; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode d = b[x][y];
                const bool defender = defenderSign < 0 ? d <= -1 : d >= 1;
                if (defender && moveCheck(b, none, false, x, y, lionX, lionY, d) == 1) {
                    guarded = 1;
                    break;
                }
            }
    }
    if (capturerOnBoard) b[fromX][fromY] = savedCapturer;
    b[lionX][lionY] = savedLion;
    return guarded;
}

}  // namespace zk
