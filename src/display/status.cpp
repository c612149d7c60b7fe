// The panel beside the board: the move number and each side's move report.
#include "draw.h"
#include "pieces.h"
#include "platform.h"

namespace zk {

// Show the move number right-aligned, followed by "手目".
void 描画_手数(Screen& s, int 数値, int /*色*/, const GameRecord& r) {
    // The strip starts where a number of three or more digits starts, so no
    // digit of a longer number is left behind when a shorter one replaces it.
    const int left = cellX(14.7), right = cellX(14.8) + 1250;
    s.ui->screen().fillRect(left, cellY(3.3), right - left, 300, Screen::boardColour);
    const double baseX = 数値 < 10 ? 14.9 : 数値 < 100 ? 14.8 : 14.7;
    描画_影付き文字(s, baseX, 3.3, std::to_string(数値), Screen::textWhite, 12);

    描画_四角形(s, 15.8, 3.1, 2200, 560, Screen::boardColour);
    描画_文字列(s, 15.8, 3.1, 99, Screen::textWhite, 10, true);
    // The move number changes with every move made, taken back or replayed.
    描画_最終手(s, r);
}

// One coordinate of a move report: a column 1..12 or, as 1001..1012, a row.
void 描画_移動数値(Screen& s, double 入力X, double 入力Y, int 駒種類, int 色, bool shadowed) {
    const bool row = 駒種類 >= 1001 && 駒種類 <= 1012;
    const std::string text = row ? 漢数字(駒種類 - 1000) : 筋表記(駒種類);
    if (text.empty()) return;
    const int shift = !row && 駒種類 >= 10 ? 100 : 0;  // two digits start further left
    if (shadowed) {
        描画_影付き文字(s, 入力X, 入力Y, text, 色, 12, false, -shift, 0);
        return;
    }
    s.ui->screen().text(cellX(入力X) - shift, cellY(入力Y), text, 色, 12, false);
}

// The kanji of the piece that moved; codes without a piece of their own print nothing.
void 描画_移動駒種類(Screen& s, double 入力X, double 入力Y, PieceCode 駒種類, int 色,
                     bool shadowed) {
    if (駒種類.isMidMove()) return;
    std::string text = 駒漢字(駒種類.kind());
    if (text.empty()) return;
    if (shadowed)
        描画_影付き文字(s, 入力X, 入力Y, text, 色, 12);
    else
        描画_文字(s, 入力X, 入力Y, text, 色, 12);
}

// Report a move: destination column, row and the piece, each with a shadow.
void 描画_移動結果(Screen& s, double WK_X, double WK_Y, int 移動先X, int 移動先Y, PieceCode 移動駒,
                   int 駒色) {
    消去_移動結果(s, WK_X, WK_Y);
    描画_移動数値(s, WK_X, WK_Y, 13 - 移動先X, 駒色, true);
    描画_移動数値(s, WK_X + 0.4, WK_Y, 1000 + 移動先Y, 駒色, true);
    // Rows 11 and 12 take two characters, so the piece moves right.
    const double pieceX = 移動先Y < 11 ? WK_X + 1.0 : WK_X + 1.6;
    描画_移動駒種類(s, pieceX, WK_Y, 移動駒, 駒色, true);
}

// Clear one side's move report.
void 消去_移動結果(Screen& s, double WK_X, double WK_Y) {
    描画_四角形(s, WK_X - 0.3, WK_Y, 1250, 400, Screen::boardColour);
}

}  // namespace zk
