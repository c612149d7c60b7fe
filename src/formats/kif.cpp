#include "kif.h"

#include <cstdio>
#include <vector>

#include "notation.h"
#include "pieces.h"

namespace zk {

namespace {

constexpr std::string_view kSame = "同　";

// Full-width digits, as KIF writes a file.
const char* const kWideDigits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};

// Whether the text at i starts with s; if so i moves past it.
bool take(std::string_view t, std::size_t& i, std::string_view s) {
    if (t.substr(i, s.size()) != s) return false;
    i += s.size();
    return true;
}

// One digit, half-width or full-width; -1 when there is none at i.
int takeDigit(std::string_view t, std::size_t& i) {
    if (i < t.size() && t[i] >= '0' && t[i] <= '9') return t[i++] - '0';
    for (int d = 0; d <= 9; ++d)
        if (take(t, i, kWideDigits[d])) return d;
    return -1;
}

// A square: the file in one or two digits, then the rank as a kanji numeral.
bool takeSquare(std::string_view t, std::size_t& i, int& x, int& y) {
    int file = takeDigit(t, i);
    if (file < 0) return false;
    std::size_t j = i;
    if (const int d = takeDigit(t, j); d >= 0) {
        file = file * 10 + d;
        i = j;
    }
    if (file < 1 || file > 12) return false;
    // 十二 and 十一 before 十.
    for (int rank = 12; rank >= 1; --rank)
        if (take(t, i, 漢数字(rank))) {
            x = 13 - file;
            y = rank;
            return true;
        }
    return false;
}

// A KIF move read as text: its squares, the piece's kanji and 成.
struct KifMove {
    int fromX = 0, fromY = 0, midX = 0, midY = 0, toX = 0, toY = 0;
    bool midSame = false, toSame = false;  // 同 in place of the square
    std::string kanji;
    bool promotes = false;
};

// One move's text read as its parts; false when it is not one.
bool readKifMove(std::string_view t, KifMove& k) {
    std::size_t i = 0;
    int x = 0, y = 0;
    bool same = take(t, i, "同");
    if (same) take(t, i, "　");
    if (!same && !takeSquare(t, i, x, y)) return false;
    if (take(t, i, "・")) {
        k.midSame = same;
        k.midX = x;
        k.midY = y;
        same = take(t, i, "同");
        if (same) take(t, i, "　");
        if (!same && !takeSquare(t, i, x, y)) return false;
    }
    k.toSame = same;
    k.toX = x;
    k.toY = y;
    // Every piece's kanji is one three-byte UTF-8 character.
    if (i + 3 > t.size()) return false;
    k.kanji = std::string(t.substr(i, 3));
    i += 3;
    if (!take(t, i, "不成")) k.promotes = take(t, i, "成");
    if (!take(t, i, "(")) return false;
    int digits[4], n = 0;
    for (int d; n < 4 && (d = takeDigit(t, i)) >= 0;) digits[n++] = d;
    if (!take(t, i, ")") || i != t.size()) return false;
    int file = 0, rank = 0;
    if (n == 2) {
        file = digits[0];
        rank = digits[1];
    } else if (n == 4) {
        file = digits[0] * 10 + digits[1];
        rank = digits[2] * 10 + digits[3];
    } else {
        return false;
    }
    if (file < 1 || file > 12 || rank < 1 || rank > 12) return false;
    k.fromX = 13 - file;
    k.fromY = rank;
    return true;
}

// Whether a legal move is the one the text names.
bool matches(const Move& m, const KifMove& k) {
    if (m.fromX != k.fromX || m.fromY != k.fromY || m.toX != k.toX || m.toY != k.toY) return false;
    if (m.promotes() != k.promotes || k.kanji != 駒漢字(m.piece.kind())) return false;
    if (k.midX == 0) return !m.isTwoStep();
    return m.isTwoStep() && m.midX == k.midX && m.midY == k.midY;
}

// The first of the moves the text names, as the USI reader picks it.
const Move* find(const std::vector<Move>& moves, const KifMove& k) {
    for (const Move& m : moves)
        if (matches(m, k)) return &m;
    return nullptr;
}

// The text's lines, without their line ends.
std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.push_back(line);
        at = end + 1;
    }
    return out;
}

// The line without the half-width spaces and tabs around it.
std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The game a KIF text's start and moves make under one rule set; without a
// start line, from the rule set's initial position.
NotationError readMoves(const std::string_view* startText,
                        const std::vector<std::string_view>& moveTexts, RuleSet rules, TopSide top,
                        ImportedGame& out) {
    ImportedGame g;
    g.record.entries[0].pieceAfter = PieceCode(1);  // as a new game's record reads
    g.start = Position::initial(rules);
    if (startText != nullptr) {
        const NotationError e = parseSfen(*startText, g.start, g.startMoveNumber, rules);
        if (!e.ok) return e;
    }
    Position p = g.start;
    int number = 0;
    for (const std::string_view t : moveTexts) {
        ++number;
        KifMove k;
        if (!readKifMove(t, k)) return {false, 0, number, std::string(t)};
        const Move* previous = g.moves.empty() ? nullptr : &g.moves.back();
        if (k.midSame || k.toSame) {
            if (previous == nullptr) return {false, 0, number, std::string(t)};
            if (k.midSame) {
                k.midX = previous->toX;
                k.midY = previous->toY;
            }
            if (k.toSame) {
                k.toX = previous->toX;
                k.toY = previous->toY;
            }
        }
        if (!addImportedMove(p, g, top,
                             [&k](const std::vector<Move>& moves) { return find(moves, k); }))
            return {false, 0, number, std::string(t)};
    }
    g.record.recordCount = g.record.recordEnd;
    g.end = p;
    out = std::move(g);
    return {};
}

}  // namespace

std::string kifSquare(int x, int y) {
    const int file = 13 - x;
    std::string text = file >= 10 ? std::string(kWideDigits[1]) + kWideDigits[file - 10]
                                  : std::string(kWideDigits[file]);
    return text + 漢数字(y);
}

std::string kifMove(const Move& m, const Move* previous) {
    std::string text;
    if (m.isTwoStep()) text = kifSquare(m.midX, m.midY) + "・";
    const bool same = previous != nullptr && previous->toX == m.toX && previous->toY == m.toY;
    text += same ? std::string(kSame) : kifSquare(m.toX, m.toY);
    text += 駒漢字(m.piece.kind());
    if (m.promotes()) text += "成";
    char origin[16];
    std::snprintf(origin, sizeof origin, "(%02d%02d)", 13 - m.fromX, int{m.fromY});
    return text + origin;
}

std::string kifText(const KifHeader& h, const std::vector<MoveListItem>& list) {
    std::string t = "# ---- Zenkoru 棋譜 ----\n";
    t += "開始日時：" + h.date + "\n";
    t += "手合割：" + h.handicap + "\n";
    if (!h.start.empty()) t += "開始局面：" + h.start + "\n";
    t += "先手：" + h.sente + "\n";
    t += "後手：" + h.gote + "\n";
    if (!h.level.empty()) t += "レベル：" + h.level + "\n";
    t += "手数----指手---------\n";
    const Move* previous = nullptr;
    for (const MoveListItem& item : list) {
        char number[16];
        std::snprintf(number, sizeof number, "%4d ", item.number);
        t += number + kifMove(item.move, previous) + "\n";
        previous = &item.move;
    }
    t += "まで" + std::to_string(list.size()) + "手\n";
    return t;
}

bool looksLikeKif(std::string_view text) {
    return text.find("手数----") != std::string_view::npos ||
           text.find("手合割") != std::string_view::npos;
}

NotationError parseKifText(std::string_view text, ImportedGame& out, TopSide top,
                           std::optional<RuleSet> rules) {
    if (text.size() > kMaxGameTextBytes) return {false, 0, 0, "more than 256 KB"};
    std::string_view startText;
    bool hasStart = false;
    std::vector<std::string_view> moveTexts;
    for (std::string_view line : lines(text)) {
        line = trimmed(line);
        std::size_t i = 0;
        if (take(line, i, "開始局面：") || take(line, i, "開始局面:")) {
            startText = line.substr(i);
            hasStart = true;
            continue;
        }
        if (line.rfind("まで", 0) == 0 || line.rfind("変化", 0) == 0) break;
        // A move line: its number, then the move, then perhaps the time spent.
        if (line.empty() || line[0] < '0' || line[0] > '9') continue;
        std::size_t at = line.find_first_of(" \t");
        if (at == std::string_view::npos) at = line.size();
        const std::string_view rest = trimmed(line.substr(at));
        const std::string_view move = rest.substr(0, rest.find_first_of(" \t"));
        // 投了, 中断 and the like end the game without being a move.
        std::size_t j = 0;
        const bool isMove = take(move, j, "同") || takeDigit(move, j) >= 0;
        if (!isMove) break;
        moveTexts.push_back(move);
    }
    return readByEitherRules(
        [&](RuleSet r, ImportedGame& result) {
            return readMoves(hasStart ? &startText : nullptr, moveTexts, r, top, result);
        },
        out, rules);
}

}  // namespace zk
