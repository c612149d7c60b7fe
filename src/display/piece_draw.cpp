// One piece on one square, and the blink that shows where a piece moved.
#include <algorithm>

#include "draw.h"
#include "platform.h"

namespace zk {

namespace {

// Face names by kind; the side adds "UE_" (top) or "SITA_" (bottom).
const char* const kFaces[40] = {
    "",       "HU",     "TO",    "KYOU",   "SIRO",   "DOU",   "YOKO_R", "YOKO_B", "INO",   "GIN",
    "TATE_R", "TATE_B", "USI",   "KIN",    "SYA_R",  "SYA_B", "RYUU_R", "RYUU_B", "WASI",  "HYOU",
    "KAKU_R", "KAKU_B", "UMA_R", "UMA_B",  "TAKA",   "HOU",   "HON_R",  "HON_B",  "HEN",   "KUJIRA",
    "TORA",   "SIKA",   "KIRIN", "SISI_R", "SISI_B", "NAKA",  "ZOU_R",  "ZOU_B",  "TAISI", "OU"};

// Longest single sleep of a wait, so a wait ends close to its time.
constexpr double kWaitSlice = 0.01;

}  // namespace

// The face image of a code, by side and kind.
std::string 駒画像名(PieceCode c) {
    if (c.isEmpty() || c.isMidMove() || c.kind() > 39) return "";
    return std::string(c >= 1 ? "UE_" : "SITA_") + kFaces[c.kind()];
}

// Paint the face of a code on a square and outline it; a code without a face
// only gets the outline.
void 描画_駒(Screen& s, PieceCode 駒種類, int 座標X, int 座標Y) {
    std::string name = 駒画像名(駒種類);
    if (!name.empty()) s.ui->screen().image(cellX(座標X), cellY(座標Y), name);
    描画_桝輪郭(s, Screen::boardColour, 座標X, 座標Y);
}

// Blink a piece on its square: empty, then the piece, each shown for 0.25 s.
void 描画_駒点滅(Screen& s, PieceCode 入力_駒, int 入力_X, int 入力_Y, int 入力_点滅回数) {
    for (int i = 0; i < 入力_点滅回数; ++i) {
        描画_桝(s, 入力_X, 入力_Y);
        描画_桝輪郭(s, Screen::boardColour, 入力_X, 入力_Y);
        s.ui->flush();
        待ち時間(s, 0.25);
        描画_駒(s, 入力_駒, 入力_X, 入力_Y);
        描画_桝輪郭(s, Screen::boardColour, 入力_X, 入力_Y);
        s.ui->flush();
        待ち時間(s, 0.25);
    }
}

// Block for the given seconds on the monotonic clock, in short sleeps.
void 待ち時間(Screen& s, double IN_秒) {
    const double start = s.ui->clockSeconds();
    for (;;) {
        double left = IN_秒 - (s.ui->clockSeconds() - start);
        // A remainder below a microsecond could be lost in the clock's rounding.
        if (left <= 1e-6) return;
        s.ui->sleepSeconds(std::min(left, kWaitSlice));
    }
}

}  // namespace zk
