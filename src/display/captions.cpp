// The captions of the computer level and of the handicap, and the label
// texts they and the move number use.
#include "draw.h"
#include "platform.h"

namespace zk {

namespace {

// Handicap ranks for the values -10..10.
const char* const kRanks[21] = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人",  // -10
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段",  // -9
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段",  // -8
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段",  // -7
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",  // -6
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段",  // -5
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段",  // -4
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段",  // -3
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段",  // -2
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",  // -1
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級",  // 0
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級",  // 1
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級",  // 2
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級",  // 3
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",  // 4
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級",  // 5
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級",  // 6
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級",  // 7
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級",  // 8
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",  // 9
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級",  // 10
};

}  // namespace

// The handicap rank of -10..10, or "手目" for 99.
std::string 文字列テキスト(int 数値) {
    if (数値 >= -10 && 数値 <= 10) return kRanks[数値 + 10];
    if (数値 == 99) return "手目";
    return "";
}

// Write the label of a value slightly inside a cell position, with
// `shadowed` over its drop shadow.
void 描画_文字列(Screen& s, double 入力X, double 入力Y, int 数値, int 色, int サイズ,
                 bool shadowed) {
    std::string text = 文字列テキスト(数値);
    if (text.empty()) return;
    if (shadowed) {
        描画_影付き文字(s, 入力X, 入力Y, text, 色, サイズ, false, 120, 160);
        return;
    }
    s.ui->screen().text(cellX(入力X) + 120, cellY(入力Y) + 160, text, 色, サイズ, false);
}

// The level caption left of the board's top-left corner, with a shadow: the
// word above the number, in the margin beside row 1, wholly inside the window
// and clear of the board's edge.
void 描画_レベル(Screen& s, int IN_LEVEL) {
    描画_影付き文字(s, -0.35, 1.0, "LEVEL", Screen::textWhite, 9);
    描画_影付き文字(s, 0.05, 1.4, std::to_string(IN_LEVEL), Screen::textWhite, 12);
}

// On a cleared box in the left margin, with a shadow like the level's.
void 描画_ルール(Screen& s, bool standard) {
    s.ui->screen().fillRect(0, cellY(2.2), cellX(1) - 20, 700, Screen::boardColour);
    const char* name = standard ? "標準" : "本ｿﾌﾄ";
    描画_影付き文字(s, -0.35, 2.2, "ルール", Screen::textWhite, 9);
    描画_影付き文字(s, -0.35, 2.7, name, Screen::textWhite, 10);
}

// The handicap rank right of the board, on a cleared box, with a shadow.
void 描画_ハンデレベル(Screen& s, int IN_ハンデレベル) {
    s.ui->screen().fillRect(cellX(14), cellY(2), 2200, 560, Screen::boardGridColour);
    描画_文字列(s, 14, 2, IN_ハンデレベル, Screen::textWhite, 10, true);
}

}  // namespace zk
