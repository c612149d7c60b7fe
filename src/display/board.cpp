// The board: its squares with their pieces, the grid, the coordinate labels
// and the full repaint of the window.
#include <array>
#include <cstdint>
#include <string>

#include "draw.h"
#include "platform.h"

namespace zk {

// Paint every square, its piece and its outline.
void 描画_盤(Screen& s, const BoardGrid& board) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            描画_桝(s, x, y);
            if (!board[x][y].isEmpty()) 描画_駒(s, board[x][y], x, y);
            描画_桝輪郭(s, Screen::boardColour, x, y);
        }
    s.lastMoveMarkCount = 0;
}

// Redraw every square outline in the grid colour, wiping all marks but the
// last move's.
void 描画_将棋盤桝(Screen& s) {
    // One bit a square of each column; move help's empty board has no last move.
    std::array<std::uint16_t, 13> marked{};
    if (s.lastMoveShown)
        for (int i = 0; i < s.lastMoveMarkCount; ++i)
            marked[s.lastMoveMarks[i].x] |= static_cast<std::uint16_t>(1u << s.lastMoveMarks[i].y);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            描画_桝輪郭(s, (marked[x] >> y & 1u) ? Screen::lastMoveColour : Screen::boardGridColour,
                        x, y);
}

// Column numbers 12..1 above the board and row numerals 一..十二 to its right,
// each with a black shadow.
void 描画_桝_数値(Screen& s) {
    const bool bold = true;
    for (int i = 1; i <= 12; ++i) {
        // The patch stops at the board's top edge so it never cuts into row 1.
        描画_四角形(s, i + 0.1, 0.6, 210, 240, Screen::boardColour);
        描画_影付き文字(s, i + 0.1, 0.6, std::to_string(13 - i), Screen::textWhite, 10, bold);

        描画_四角形(s, 13.1, i + 0.3, 210, 400, Screen::boardColour);
        描画_影付き文字(s, 13.1, i + 0.3, 漢数字(i), Screen::textWhite, 10, bold);
    }
}

}  // namespace zk
