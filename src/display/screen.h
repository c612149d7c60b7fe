// What the drawing keeps of its own: the platform it draws through, where the
// board and the text beside it stand (cell positions, twips), its colours,
// and the last move's marks on the board.
#pragma once

#include <array>

namespace zk {

class Platform;

struct Screen {
    static constexpr int originX = 200, originY = -300;
    static constexpr int squareWidth = 510, squareHeight = 600;
    static constexpr int selectColour = 12;
    static constexpr int lastMoveColour = 14;  // neither guidance nor selection uses it
    static constexpr int textWhite = 15, textBlack = 0;
    static constexpr int boardColour = 2, boardGridColour = 2;
    static constexpr int reportColour = 15;
    static constexpr double manReportX = 15.6, manReportY = 6;
    static constexpr double comReportX = 15.6, comReportY = 5;

    Platform* ui = nullptr;

    // The squares outlined as the last move (its origin, mid and end square),
    // kept so that the next move's marks can take them away; move help's
    // empty board shows none.
    struct Square {
        int x = 0, y = 0;
    };
    std::array<Square, 3> lastMoveMarks{};
    int lastMoveMarkCount = 0;
    bool lastMoveShown = true;
};

}  // namespace zk
