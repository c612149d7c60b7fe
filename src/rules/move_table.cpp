#include "move_table.h"

namespace zk {

namespace {

constexpr int N = kWholeLine;

// One kind as its piece of either side sees it, facing the enemy.
struct KindRow {
    int tenths;  // the code of the top side's piece, in tenths
    // Runs: forward (toward column 1, straight, toward column 12), sideways
    // (toward column 1, toward column 12), back (likewise).
    std::array<int, 8> runs;
    // Leaps: five rows of five around the piece, the forward row first; 'o'
    // marks a square reached whatever stands between.
    const char* leaps;
    int promotesTo;  // the kind a promoting move turns it into; 0: none
};

constexpr const char* kNoLeap = ".........................";
constexpr const char* kLionLeaps = "oooooooooooo.oooooooooooo";

// Zenkoru's pieces: every promotable one starts promoted and promoting turns
// it back into the kind one below it.
constexpr KindRow kZenkoru[] = {
    // clang-format off
    //      forward    sideways back
    {10,  {0, 1, 0,   0, 0,   0, 0, 0}, kNoLeap, 0},   // 歩
    {20,  {1, 1, 1,   1, 1,   0, 1, 0}, kNoLeap, 1},   // と
    {30,  {0, N, 0,   0, 0,   0, 0, 0}, kNoLeap, 0},   // 香
    {40,  {N, N, N,   0, 0,   0, N, 0}, kNoLeap, 3},   // 白
    {50,  {1, 1, 1,   0, 0,   0, 1, 0}, kNoLeap, 0},   // 銅
    {60,  {0, 1, 0,   N, N,   0, 1, 0}, kNoLeap, 5},   // 横 (promoted form)
    {70,  {0, 1, 0,   N, N,   0, 1, 0}, kNoLeap, 0},   // 横
    {80,  {N, 0, N,   N, N,   N, 0, N}, kNoLeap, 7},   // 猪
    {90,  {1, 1, 1,   0, 0,   1, 0, 1}, kNoLeap, 0},   // 銀
    {100, {0, N, 0,   1, 1,   0, N, 0}, kNoLeap, 9},   // 竪 (promoted form)
    {110, {0, N, 0,   1, 1,   0, N, 0}, kNoLeap, 0},   // 竪
    {120, {N, N, N,   0, 0,   N, N, N}, kNoLeap, 11},  // 牛
    {130, {1, 1, 1,   1, 1,   0, 1, 0}, kNoLeap, 0},   // 金
    {140, {0, N, 0,   N, N,   0, N, 0}, kNoLeap, 13},  // 飛 (promoted form)
    {150, {0, N, 0,   N, N,   0, N, 0}, kNoLeap, 0},   // 飛
    {160, {1, N, 1,   N, N,   1, N, 1}, kNoLeap, 15},  // 龍 (promoted form)
    {170, {1, N, 1,   N, N,   1, N, 1}, kNoLeap, 0},   // 龍
    // 鷲: the forward diagonals go one square, or leap to the second.
    {180, {1, N, 1,   N, N,   N, N, N}, "o...o....................", 17},
    {190, {1, 1, 1,   0, 0,   1, 1, 1}, kNoLeap, 0},   // 豹
    {200, {N, 0, N,   0, 0,   N, 0, N}, kNoLeap, 19},  // 角 (promoted form)
    {210, {N, 0, N,   0, 0,   N, 0, N}, kNoLeap, 0},   // 角
    {220, {N, 1, N,   1, 1,   N, 1, N}, kNoLeap, 21},  // 馬 (promoted form)
    {230, {N, 1, N,   1, 1,   N, 1, N}, kNoLeap, 0},   // 馬
    {240, {N, 2, N,   N, N,   N, N, N}, kNoLeap, 23},  // 鷹: two squares forward at most
    {250, {0, 1, 0,   1, 1,   0, 1, 0}, "o...o...............o...o", 0},  // 鳳
    {260, {N, N, N,   N, N,   N, N, N}, kNoLeap, 25},  // 奔 (promoted form)
    {270, {N, N, N,   N, N,   N, N, N}, kNoLeap, 0},   // 奔
    {280, {0, N, 0,   0, 0,   0, N, 0}, kNoLeap, 0},   // 反
    {290, {0, N, 0,   0, 0,   N, N, N}, kNoLeap, 28},  // 鯨
    {300, {1, 0, 1,   1, 1,   1, 1, 1}, kNoLeap, 0},   // 虎
    {310, {1, N, 1,   1, 1,   1, N, 1}, kNoLeap, 30},  // 鹿
    {320, {1, 0, 1,   0, 0,   1, 0, 1}, "..o.......o...o.......o..", 0},  // 麒
    {330, {0, 0, 0,   0, 0,   0, 0, 0}, kLionLeaps, 32},  // 獅 (promoted form)
    {340, {0, 0, 0,   0, 0,   0, 0, 0}, kLionLeaps, 0},   // 獅
    {350, {0, 1, 0,   0, 0,   0, 1, 0}, kNoLeap, 0},   // 仲
    {360, {1, 1, 1,   1, 1,   1, 0, 1}, kNoLeap, 35},  // 象 (promoted form)
    {370, {1, 1, 1,   1, 1,   1, 0, 1}, kNoLeap, 0},   // 象
    {380, {1, 1, 1,   1, 1,   1, 1, 1}, kNoLeap, 37},  // 太
    {390, {1, 1, 1,   1, 1,   1, 1, 1}, kNoLeap, 0},   // 王
    // The second steps: an eagle goes on along its diagonal or comes back,
    // a falcon likewise along the file, a lion steps anywhere.
    {181, {1, 0, 0,   0, 0,   0, 0, 1}, kNoLeap, 0},   // 鷲 after a step toward column 1
    {182, {0, 0, 1,   0, 0,   1, 0, 0}, kNoLeap, 0},   // 鷲 after a step toward column 12
    {241, {0, 1, 0,   0, 0,   0, 1, 0}, kNoLeap, 0},   // 鷹
    {331, {1, 1, 1,   1, 1,   1, 1, 1}, kNoLeap, 0},   // 獅 (promoted form)
    {341, {1, 1, 1,   1, 1,   1, 1, 1}, kNoLeap, 0},   // 獅
    // clang-format on
};

// Every leap picture is five rows of five, the piece's own square empty.
constexpr bool picturesWellFormed() {
    for (const KindRow& row : kZenkoru) {
        int n = 0;
        while (row.leaps[n] == 'o' || row.leaps[n] == '.') ++n;
        if (n != 25 || row.leaps[12] != '.') return false;
    }
    return true;
}
static_assert(picturesWellFormed());

// The pieces that may go on after a first step: which steps (forward,
// sideways, back as in the runs) and the mid-move code of the second.
struct TwoStepRow {
    int kind;
    TwoStep twoStep;
    std::array<int, 8> midTenths;  // 0: the move ends after this step
};

constexpr TwoStepRow kTwoStep[] = {
    // clang-format off
    {18, TwoStep::Line, {181, 0, 182,     0, 0,       0, 0, 0}},
    // A falcon's second step is checked as a go-between's move.
    {24, TwoStep::Line, {0, 350, 0,       0, 0,       0, 0, 0}},
    {33, TwoStep::Lion, {331, 331, 331,   331, 331,   331, 331, 331}},
    {34, TwoStep::Lion, {341, 341, 341,   341, 341,   341, 341, 341}},
    // clang-format on
};

// The piece's view of the runs' order: (dx, forward).
constexpr std::array<LineStep, 8> kFacing = {
    {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}}};

// Whole codes -39..39, then the ten mid-move codes, then one that moves nowhere.
constexpr int kMidTenths[10] = {181, 182, 241, 331, 341, -181, -182, -241, -331, -341};
constexpr int kNowhere = move_table::kSlots - 1;
using Table = std::array<PieceMoves, move_table::kSlots>;

constexpr int indexOf(int tenths) {
    if (tenths % 10 == 0) {
        const int whole = tenths / 10;
        return whole >= -39 && whole <= 39 ? whole + 39 : kNowhere;
    }
    for (int i = 0; i < 10; ++i)
        if (kMidTenths[i] == tenths) return 79 + i;
    return kNowhere;
}

// A row's moves for the side `sign`: forward is toward row 12 for the top side.
constexpr PieceMoves movesOf(const KindRow& row, int sign) {
    PieceMoves m;
    for (int i = 0; i < 8; ++i) {
        const LineStep f = kFacing[i];
        m.run[lineOf(f.dx, f.dy * sign)] = static_cast<std::int8_t>(row.runs[i]);
    }
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            if (row.leaps[r * 5 + c] == 'o') m.leaps |= leapBit(c - 2, (2 - r) * sign);
    if (row.promotesTo) m.promoted = PieceCode(row.promotesTo * sign);
    if (row.tenths % 10 != 0) return m;
    for (const TwoStepRow& t : kTwoStep) {
        if (t.kind * 10 != row.tenths) continue;
        m.twoStep = t.twoStep;
        for (int i = 0; i < 8; ++i) {
            const LineStep f = kFacing[i];
            m.goesOn[lineOf(f.dx, f.dy * sign)] = PieceCode::fromTenths(t.midTenths[i] * sign);
        }
    }
    return m;
}

constexpr Table build(const KindRow* rows, int count) {
    Table t{};
    for (int i = 0; i < count; ++i)
        for (const int sign : {1, -1}) t[indexOf(rows[i].tenths * sign)] = movesOf(rows[i], sign);
    return t;
}

constexpr std::array<std::uint8_t, 791> slots() {
    std::array<std::uint8_t, 791> s{};
    for (int t = -395; t <= 395; ++t) s[t + 395] = static_cast<std::uint8_t>(indexOf(t));
    return s;
}

constexpr int kRows = static_cast<int>(sizeof kZenkoru / sizeof kZenkoru[0]);

// The standard game moves its pieces as Zenkoru does, but every piece starts
// plain and promotes from its plain code to its promoted one: by kind, the
// kind it becomes (0: none). Codes that exist only as promoted forms there
// (tokin, white horse, boar, ox, eagle, falcon, whale, stag, prince) stay.
constexpr int kStandardPromotion[40] = {
    0,
    2,   // 歩 -> と
    0,   // と
    4,   // 香 -> 白駒
    0,   // 白
    6,   // 銅 -> 横行 (promoted form)
    0,   // 横 (promoted form)
    8,   // 横 -> 猪
    0,   // 猪
    10,  // 銀 -> 竪行 (promoted form)
    0,   // 竪 (promoted form)
    12,  // 竪 -> 牛
    0,   // 牛
    14,  // 金 -> 飛車 (promoted form)
    0,   // 飛 (promoted form)
    16,  // 飛 -> 龍王 (promoted form)
    0,   // 龍 (promoted form)
    18,  // 龍 -> 鷲
    0,   // 鷲
    20,  // 豹 -> 角行 (promoted form)
    0,   // 角 (promoted form)
    22,  // 角 -> 龍馬 (promoted form)
    0,   // 馬 (promoted form)
    24,  // 馬 -> 鷹
    0,   // 鷹
    26,  // 鳳 -> 奔王 (promoted form)
    0,   // 奔 (promoted form)
    0,   // 奔
    29,  // 反 -> 鯨
    0,   // 鯨
    31,  // 虎 -> 鹿
    0,   // 鹿
    33,  // 麒 -> 獅子 (promoted form)
    0,   // 獅 (promoted form)
    0,   // 獅
    36,  // 仲 -> 酔象 (promoted form)
    0,   // 象 (promoted form)
    38,  // 象 -> 太子
    0,   // 太
    0,   // 王
};

// The standard falcon goes one square straight forward or jumps to the
// second, whatever stands between.
constexpr KindRow kStandardFalcon = {240, {N, 1, N, N, N, N, N, N}, "..o......................", 0};

// The standard rows: Zenkoru's movement, the standard falcon and promotions.
constexpr Table buildStandard() {
    KindRow rows[kRows]{};
    for (int i = 0; i < kRows; ++i) {
        rows[i] = kZenkoru[i].tenths == 240 ? kStandardFalcon : kZenkoru[i];
        if (rows[i].tenths % 10 == 0) rows[i].promotesTo = kStandardPromotion[rows[i].tenths / 10];
    }
    return build(rows, kRows);
}

}  // namespace

constexpr std::array<Table, 2> move_table::tables = {build(kZenkoru, kRows), buildStandard()};
constexpr std::array<std::uint8_t, 791> move_table::slotOfTenths = slots();

}  // namespace zk
