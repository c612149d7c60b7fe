#include "xboard.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace zk {
namespace {

// The words of a text.
std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> w;
    std::istringstream in{std::string(text)};
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

// A refusal of `field` for `detail`.
NotationError refused(int field, std::string detail) {
    NotationError e;
    e.ok = false;
    e.field = field;
    e.detail = std::move(detail);
    return e;
}

// A count of decimal digits only, or -1.
long long count(const std::string& w) {
    if (w.empty() || w.size() > 9) return -1;
    for (const char c : w)
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    return std::stoll(w);
}

// A move text with its promotion marks moved to its end, one at most.
std::string lastLegMark(const std::string& text) {
    std::string t;
    for (const char c : text)
        if (c != '+') t += c;
    return text.find('+') == std::string::npos ? t : t + '+';
}

}  // namespace

std::string xboardSquare(int x, int y) {
    return static_cast<char>('a' + x - 1) + std::to_string(13 - y);
}

std::string xboardMove(const Move& m) {
    std::string t = xboardSquare(m.fromX, m.fromY);
    PieceCode before = m.piece;
    if (m.isTwoStep()) {
        // Each leg is marked where the piece changes, so that a two-step move
        // promoting on its first step and one promoting on its last differ.
        const std::string mid = xboardSquare(m.midX, m.midY);
        t += mid + (m.midAfter != m.piece ? "+," : ",") + mid;
        before = m.midAfter;
    }
    t += xboardSquare(m.toX, m.toY);
    if (m.after != before) t += '+';
    return t;
}

std::optional<Move> parseXboardMove(const Position& p, std::string_view text) {
    std::string wanted;
    for (const char c : text)
        if (c != '=') wanted += c;
    const std::vector<Move> moves = legalMoves(p, Mover::Computer);
    for (const Move& m : moves)
        if (xboardMove(m) == wanted) return m;
    // An interface that marks a two-step promotion on the last leg only, as
    // XBoard does, is understood when that names one move.
    std::optional<Move> found;
    const std::string lastOnly = lastLegMark(wanted);
    for (const Move& m : moves)
        if (lastLegMark(xboardMove(m)) == lastOnly) {
            if (found && !(*found == m)) return std::nullopt;
            found = m;
        }
    return found;
}

std::string formatXboardFen(const Position& p, int halfmoves, int moveNumber) {
    const std::string sfen = formatSfen(p);
    const std::string board = sfen.substr(0, sfen.find(' '));
    return board + (p.mover >= 1 ? " b" : " w") + " - - " + std::to_string(halfmoves) + ' ' +
           std::to_string(moveNumber);
}

NotationError parseXboardFen(std::string_view text, Position& out, int& moveNumber, RuleSet rules) {
    const std::vector<std::string> w = words(text);
    if (w.empty()) return refused(1, "no board");
    std::string board = w[0];
    if (const auto bracket = board.find('['); bracket != std::string::npos) board.erase(bracket);
    if (w.size() < 2 || (w[1] != "w" && w[1] != "b"))
        return refused(2, w.size() < 2 ? "no side to move" : w[1]);
    // Castling and en passant fields, then the two counts, the last the move number.
    std::vector<long long> numbers;
    for (std::size_t i = 2; i < w.size(); ++i) {
        const long long n = count(w[i]);
        if (n >= 0)
            numbers.push_back(n);
        else if (!numbers.empty() || i > 3)
            return refused(4, w[i]);
    }
    if (numbers.size() > 2) return refused(4, "text after the move number");
    const long long number = numbers.empty() ? 1 : numbers.back();
    if (number < 1 || number > 999999) return refused(4, std::to_string(number));
    Position p;
    const std::string sfen = board + (w[1] == "w" ? " b - " : " w - ") + std::to_string(number);
    NotationError e = parseSfen(sfen, p, rules);
    if (!e.ok) return e;
    out = p;
    moveNumber = static_cast<int>(number);
    return {};
}

}  // namespace zk
