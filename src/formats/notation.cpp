#include "notation.h"

#include "pieces.h"

namespace zk {

std::string 筋表記(int 筋) {
    static const char* const kWide[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    if (筋 >= 1 && 筋 <= 9) return kWide[筋];
    if (筋 >= 10 && 筋 <= 12) return std::to_string(筋);
    return "";
}

std::string 漢数字(int 数値) {
    static const char* const kNumerals[13] = {"",   "一", "二", "三", "四",   "五",  "六",
                                              "七", "八", "九", "十", "十一", "十二"};
    return (数値 >= 1 && 数値 <= 12) ? kNumerals[数値] : "";
}

std::string 升目表記(int x, int y) { return 筋表記(13 - x) + 漢数字(y); }

std::string 指し手表記(const Move& m) {
    std::string text;
    if (m.isTwoStep()) text = 升目表記(m.midX, m.midY) + "・";
    return text + 升目表記(m.toX, m.toY) + 駒漢字(m.after.kind());
}

}  // namespace zk
