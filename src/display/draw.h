// Drawing of the board, its squares, pieces and the text beside it. Every
// procedure draws at once through the platform's screen model; positions are
// cell positions (originX + cx * squareWidth, originY + cy * squareHeight).
#pragma once

#include <string>

#include "move_record.h"
#include "notation.h"
#include "position.h"
#include "screen.h"

namespace zk {

// Twips of a cell position.
int cellX(double cx);
int cellY(double cy);
// The same for whole cells, without rounding.
constexpr int cellX(int cx) { return Screen::originX + cx * Screen::squareWidth; }
constexpr int cellY(int cy) { return Screen::originY + cy * Screen::squareHeight; }

// Primitives.
void 描画_四角形(Screen& s, double 入力X, double 入力Y, int X_長, int Y_長, int 色);
void 描画_桝輪郭(Screen& s, int 描画色, int 座標X, int 座標Y);
void 描画_桝(Screen& s, int 座標X, int 座標Y);
// 数値 as digits (モード 0) or as the kanji numeral 一..十二 (モード 1).
void 描画_数値(Screen& s, double 入力X, double 入力Y, int 数値, int 色, int モード,
               int フォントサイズ, bool bold = false);
// Text at a cell position (labels such as "COM:", " 思考中").
void 描画_文字(Screen& s, double 入力X, double 入力Y, const std::string& 文字列, int 色,
               int フォントサイズ, bool bold = false);
void 描画_可視(Screen& s, bool a, bool b, bool c);
// Text in 色 over its black drop shadow, anchored 0.1 cell right of and below
// it in the model; front ends draw the shadow only a pixel or two off. The
// text sits (shiftX, shiftY) twips from the cell position.
void 描画_影付き文字(Screen& s, double 入力X, double 入力Y, const std::string& 文字列, int 色,
                     int フォントサイズ, bool bold = false, int shiftX = 0, int shiftY = 0);

// Board.
// Every square with the piece `board` holds on it, and its outline.
void 描画_盤(Screen& s, const BoardGrid& board);
void 描画_将棋盤桝(Screen& s);
void 描画_桝_数値(Screen& s);

// Pieces.
// Image name of a code ("UE_HU", "SITA_OU", ...), or "" for 0 and mid-move codes.
std::string 駒画像名(PieceCode c);
void 描画_駒(Screen& s, PieceCode 駒種類, int 座標X, int 座標Y);
void 描画_駒点滅(Screen& s, PieceCode 入力_駒, int 入力_X, int 入力_Y, int 入力_点滅回数);
void 待ち時間(Screen& s, double IN_秒);

// Status line and move report.
// The move number, and the last move's marks of `r` with it.
void 描画_手数(Screen& s, int 数値, int 色, const GameRecord& r);
// With `shadowed`, over its drop shadow.
void 描画_移動数値(Screen& s, double 入力X, double 入力Y, int 駒種類, int 色,
                   bool shadowed = false);
void 描画_移動駒種類(Screen& s, double 入力X, double 入力Y, PieceCode 駒種類, int 色,
                     bool shadowed = false);
void 描画_移動結果(Screen& s, double WK_X, double WK_Y, int 移動先X, int 移動先Y, PieceCode 移動駒,
                   int 駒色);
void 消去_移動結果(Screen& s, double WK_X, double WK_Y);

// Level and handicap captions.
void 描画_文字列(Screen& s, double 入力X, double 入力Y, int 数値, int 色, int サイズ,
                 bool shadowed = false);
// The label text of 描画_文字列 for a value ("" when it has none).
std::string 文字列テキスト(int 数値);
void 描画_レベル(Screen& s, int IN_LEVEL);
void 描画_ハンデレベル(Screen& s, int IN_ハンデレベル);
// The rule set the game is played by, under the level caption: "標準" for
// standard Chu Shogi, "本ｿﾌﾄ" for this program's own rules.
void 描画_ルール(Screen& s, bool standard);
// One side's game clock right of the board (+1 the top side, -1 the bottom
// side): its name, marked while `running`, and its time; an empty name
// clears it.
void 描画_時計(Screen& s, int side, const std::string& name, const std::string& time, bool running,
               int colour);

// Reachable squares: outline every square the piece can reach in the game's
// position in 描画色, and the two-step stops in selectColour unless 描画色 is
// the grid colour.
void 描画_移動可能桝色(Screen& s, Position& game, bool secondStep, int 移動元X, int 移動元Y,
                       int 描画色, PieceCode 移動駒);

// Outline the squares of the move that ends at the record's entry on the
// board (none before the first), take the marks of the move marked before
// away, and tell the front end that the record changed.
void 描画_最終手(Screen& s, const GameRecord& r);

}  // namespace zk
