#include "pieces.h"

namespace zk {

namespace {

const char* const kKanji[40] = {"",   "歩", "と", "香", "白", "銅", "横", "横", "猪", "銀",
                                "竪", "竪", "牛", "金", "飛", "飛", "龍", "龍", "鷲", "豹",
                                "角", "角", "馬", "馬", "鷹", "鳳", "奔", "奔", "反", "鯨",
                                "虎", "鹿", "麒", "獅", "獅", "仲", "象", "象", "太", "王"};

// The top side's back rows 1..3 (row 4 is all tokins); the bottom side is the
// point reflection with negated codes.
constexpr int kTopRows[3][12] = {
    {4, 20, 6, 10, 14, 38, 39, 14, 10, 6, 20, 4},
    {29, 0, 22, 0, 31, 26, 33, 31, 0, 22, 0, 29},
    {8, 12, 16, 24, 18, 27, 34, 18, 24, 16, 12, 8},
};

}  // namespace

const char* 駒漢字(int kind) { return (kind >= 1 && kind <= 39) ? kKanji[kind] : ""; }

void 初期配置(BoardGrid& b) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            b[x][y] = code::EMPTY;
            if (y == 4) b[x][y] = code::COM_と;
            if (y == 9) b[x][y] = code::MAN_と;
        }
    for (int row = 0; row < 3; ++row)
        for (int x = 1; x <= 12; ++x) {
            int c = kTopRows[row][x - 1];
            if (c == 0) continue;
            b[x][row + 1] = PieceCode(c);
            b[13 - x][12 - row] = PieceCode(-c);
        }
    b[4][5] = code::COM_象_R;
    b[9][5] = code::COM_象_R;
    b[4][8] = code::MAN_象_R;
    b[9][8] = code::MAN_象_R;
}

}  // namespace zk
