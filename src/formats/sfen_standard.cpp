#include "sfen_standard.h"

#include <cctype>

namespace zk {

namespace {

// The kind of each standard letter, plain and promoted (0: no such piece).
struct Letter {
    char letter;
    int plain;
    int promoted;
};
constexpr Letter kLetters[] = {
    {'p', 1, 2},   {'l', 3, 4},   {'c', 5, 6},   {'m', 7, 8},   {'s', 9, 10},  {'v', 11, 12},
    {'g', 13, 14}, {'r', 15, 16}, {'d', 17, 18}, {'f', 19, 20}, {'b', 21, 22}, {'h', 23, 24},
    {'x', 25, 26}, {'q', 27, 0},  {'a', 28, 29}, {'t', 30, 31}, {'o', 32, 33}, {'n', 34, 0},
    {'i', 35, 36}, {'e', 37, 38}, {'k', 39, 0},
};

// The kind a letter names, promoted or not; 0 for none.
int kindOf(char letter, bool promoted) {
    for (const Letter& l : kLetters)
        if (l.letter == letter) return promoted ? l.promoted : l.plain;
    return 0;
}

// The letter and promotion mark of a kind.
std::string textOf(int kind) {
    for (const Letter& l : kLetters) {
        if (l.plain == kind) return std::string(1, l.letter);
        if (l.promoted == kind) return std::string("+") + l.letter;
    }
    return "?";
}

// A square as USI names it: the file counted from the right, the row by letter.
std::string squareText(int x, int y) {
    return std::to_string(13 - x) + static_cast<char>('a' + y - 1);
}

}  // namespace

std::optional<Position> readStandardSfen(std::string_view text) {
    Position p;
    p.rules = RuleSet::Standard;
    int x = 1, y = 1;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != ' '; ++i) {
        const char ch = text[i];
        if (ch == '/') {
            if (x != 13) return std::nullopt;
            x = 1;
            ++y;
        } else if (std::isdigit(static_cast<unsigned char>(ch))) {
            int n = ch - '0';
            if (i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1])))
                n = n * 10 + (text[++i] - '0');
            x += n;
        } else {
            const bool promoted = ch == '+';
            if (promoted && ++i >= text.size()) return std::nullopt;
            const char letter = text[i];
            const int kind = kindOf(
                static_cast<char>(std::tolower(static_cast<unsigned char>(letter))), promoted);
            if (kind == 0 || !onBoard(x, y)) return std::nullopt;
            const bool bottom = std::isupper(static_cast<unsigned char>(letter)) != 0;
            p.Board[x][y] = PieceCode(bottom ? -kind : kind);
            ++x;
        }
        if (x > 13) return std::nullopt;
    }
    if (y != 12 || x != 13 || i + 2 > text.size()) return std::nullopt;
    if (text[i + 1] != 'b' && text[i + 1] != 'w') return std::nullopt;
    p.mover = text[i + 1] == 'b' ? -1 : 1;
    return p;
}

std::string writeStandardSfen(const Position& p) {
    std::string out;
    for (int y = 1; y <= 12; ++y) {
        int empty = 0;
        for (int x = 1; x <= 12; ++x) {
            const PieceCode c = p.Board[x][y];
            if (c.isEmpty()) {
                ++empty;
                continue;
            }
            if (empty) out += std::to_string(empty);
            empty = 0;
            std::string t = textOf(c.kind());
            if (c <= -1)
                for (char& ch : t)
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
            out += t;
        }
        if (empty) out += std::to_string(empty);
        if (y < 12) out += '/';
    }
    out += p.mover < 0 ? " b - 1" : " w - 1";
    return out;
}

std::string standardUsi(const Move& m) {
    std::string s = squareText(m.fromX, m.fromY);
    if (m.isTwoStep()) s += squareText(m.midX, m.midY);
    s += squareText(m.toX, m.toY);
    if (m.promotes()) s += '+';
    return s;
}

}  // namespace zk
