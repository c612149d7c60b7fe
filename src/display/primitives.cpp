// The drawing primitives: cell positions, rectangles, square outlines, the
// empty square, numbers and texts, and the record-file lists' visibility.
#include <cmath>

#include "draw.h"
#include "platform.h"

namespace zk {

// The screen model files items by board square; a grid off the board would
// still draw right, only slower.
static_assert(ScreenModel::kCellOriginX == Screen::originX &&
              ScreenModel::kCellOriginY == Screen::originY &&
              ScreenModel::kCellWidth == Screen::squareWidth &&
              ScreenModel::kCellHeight == Screen::squareHeight);

// Twips of a cell position's x, rounded to the nearest twip.
int cellX(double cx) {
    return static_cast<int>(std::lround(Screen::originX + cx * Screen::squareWidth));
}

// Twips of a cell position's y, rounded to the nearest twip.
int cellY(double cy) {
    return static_cast<int>(std::lround(Screen::originY + cy * Screen::squareHeight));
}

// Fill a rectangle of the given twip size at a cell position.
void 描画_四角形(Screen& s, double 入力X, double 入力Y, int X_長, int Y_長, int 色) {
    s.ui->screen().fillRect(cellX(入力X), cellY(入力Y), X_長, Y_長, 色);
}

// Outline square (x, y) from cell position (x, y) to (x + 1, y + 1).
void 描画_桝輪郭(Screen& s, int 描画色, int 座標X, int 座標Y) {
    int x = cellX(座標X), y = cellY(座標Y);
    s.ui->screen().outlineRect(x, y, cellX(座標X + 1) - x, cellY(座標Y + 1) - y, 描画色);
}

// Paint a square empty, erasing whatever piece was on it.
void 描画_桝(Screen& s, int 座標X, int 座標Y) {
    s.ui->screen().image(cellX(座標X), cellY(座標Y), "KARA_MASU");
    描画_桝輪郭(s, Screen::boardColour, 座標X, 座標Y);
}

// Print a number at a cell position: digits (mode 0) or the kanji numeral (mode 1).
void 描画_数値(Screen& s, double 入力X, double 入力Y, int 数値, int 色, int モード,
               int フォントサイズ, bool bold) {
    std::string text = モード == 1 ? 漢数字(数値) : std::to_string(数値);
    if (text.empty()) return;
    描画_文字(s, 入力X, 入力Y, text, 色, フォントサイズ, bold);
}

// Print a text with its top-left at a cell position.
void 描画_文字(Screen& s, double 入力X, double 入力Y, const std::string& 文字列, int 色,
               int フォントサイズ, bool bold) {
    s.ui->screen().text(cellX(入力X), cellY(入力Y), 文字列, 色, フォントサイズ, bold);
}

// Print a text over its drop shadow; the shadow's item knows the text it shades.
void 描画_影付き文字(Screen& s, double 入力X, double 入力Y, const std::string& 文字列, int 色,
                     int フォントサイズ, bool bold, int shiftX, int shiftY) {
    const int x = cellX(入力X) + shiftX, y = cellY(入力Y) + shiftY;
    const int sx = cellX(入力X + 0.1) + shiftX, sy = cellY(入力Y + 0.1) + shiftY;
    s.ui->screen().text(sx, sy, 文字列, Screen::textBlack, フォントサイズ, bold, sx - x, sy - y);
    s.ui->screen().text(x, y, 文字列, 色, フォントサイズ, bold);
}

// Show or hide the drive, directory and file lists of the record-file panel.
void 描画_可視(Screen& s, bool a, bool b, bool c) { s.ui->setFileListsVisible(a, b, c); }

}  // namespace zk
