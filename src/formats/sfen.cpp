#include "sfen.h"

#include <cctype>

namespace zk {

namespace {

// The letter of each kind (upper case) and whether it is written with '+'.
struct Spelling {
    char letter;
    bool plus;
};
constexpr Spelling kSpelling[40] = {
    {'?', false}, {'P', false}, {'P', true},  {'L', false}, {'L', true},  {'C', false},
    {'C', true},  {'M', false}, {'M', true},  {'S', false}, {'S', true},  {'V', false},
    {'V', true},  {'G', false}, {'G', true},  {'R', false}, {'R', true},  {'D', false},
    {'D', true},  {'F', false}, {'F', true},  {'B', false}, {'B', true},  {'H', false},
    {'H', true},  {'X', false}, {'X', true},  {'Q', false}, {'A', false}, {'A', true},
    {'T', false}, {'T', true},  {'O', false}, {'O', true},  {'N', false}, {'I', false},
    {'I', true},  {'E', false}, {'E', true},  {'K', false},
};

// Which letters a text is read with: the common ones, or the old spelling
// with the kirin's and the phoenix's letters exchanged.
enum class Letters { Common, Old };

// The kind spelt by an upper-case letter with or without '+'; 0 when none.
int kindOf(char upper, bool plus, Letters letters) {
    if (letters == Letters::Old && (upper == 'O' || upper == 'X')) upper = upper == 'O' ? 'X' : 'O';
    for (int k = 1; k <= 39; ++k)
        if (kSpelling[k].letter == upper && kSpelling[k].plus == plus) return k;
    return 0;
}

bool isRoyalKind(int kind) { return kind == 38 || kind == 39; }

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        const std::size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) ++i;
        if (i > start) out.push_back(text.substr(start, i - start));
    }
    return out;
}

NotationError fieldError(int field, std::string detail) {
    return {false, field, 0, std::move(detail)};
}

// The board field: ranks a..l from the top, each from file 12 to file 1.
NotationError parseBoard(std::string_view text, BoardGrid& board, Letters letters) {
    board = BoardGrid{};
    int y = 1, x = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::string rank = "rank " + std::string(1, static_cast<char>('a' + y - 1));
        if (c == '/') {
            if (x != 13) return fieldError(1, rank + " does not hold 12 squares");
            if (++y > 12) return fieldError(1, "more than 12 ranks");
            x = 1;
        } else if (c >= '0' && c <= '9') {
            int n = c - '0';
            if (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')
                n = n * 10 + (text[++i] - '0');
            if (n < 1 || x + n > 13) return fieldError(1, rank + " does not hold 12 squares");
            x += n;
        } else {
            const bool plus = c == '+';
            if (plus && ++i == text.size()) return fieldError(1, "'+' without a piece");
            const char letter = text[i];
            const int kind = kindOf(
                static_cast<char>(std::toupper(static_cast<unsigned char>(letter))), plus, letters);
            if (!std::isalpha(static_cast<unsigned char>(letter)) || kind == 0)
                return fieldError(1, "no piece " + std::string(plus ? "+" : "") + letter);
            if (x > 12) return fieldError(1, rank + " does not hold 12 squares");
            const bool top = std::islower(static_cast<unsigned char>(letter)) != 0;
            board[x][y] = PieceCode(top ? kind : -kind);
            ++x;
        }
    }
    if (y != 12 || x != 13) return fieldError(1, "not 12 ranks of 12 squares");
    bool royal[2] = {false, false};
    for (int bx = 1; bx <= 12; ++bx)
        for (int by = 1; by <= 12; ++by)
            if (isRoyalKind(board[bx][by].kind())) royal[board[bx][by] >= 1 ? 1 : 0] = true;
    if (!royal[0] || !royal[1]) return fieldError(1, "a side without a king or crown prince");
    return {};
}

// The SFEN fields from words[at] on; `at` ends past the last field read.
NotationError parseSfenWords(const std::vector<std::string_view>& w, std::size_t& at, Position& out,
                             int& moveNumber, Letters letters, RuleSet rules) {
    if (at >= w.size()) return fieldError(1, "missing");
    BoardGrid board;
    NotationError e = parseBoard(w[at++], board, letters);
    if (!e.ok) return e;
    if (at >= w.size()) return fieldError(2, "missing");
    const std::string_view side = w[at++];
    if (side != "b" && side != "w") return fieldError(2, std::string(side));
    if (at < w.size() && w[at] != "moves") {
        if (w[at] != "-") return fieldError(3, std::string(w[at]));
        ++at;
    }
    int number = 1;
    if (at < w.size() && w[at] != "moves") {
        const std::string_view n = w[at];
        bool digits = !n.empty() && n.size() <= 6 && n[0] != '0';
        for (char c : n) digits = digits && c >= '0' && c <= '9';
        if (!digits) return fieldError(4, std::string(n));
        number = std::stoi(std::string(n));
        ++at;
    }
    out = Position::fromBoard(board, side == "b" ? -1 : 1);
    out.rules = rules;
    moveNumber = number;
    return {};
}

// An old-spelling text's start: read with the old letters it is the initial
// position, which read with the common letters it is not.
bool isOldInitial(const BoardGrid& common, const BoardGrid& old) {
    const BoardGrid& initial = Position::initial().Board;
    return common != initial && old == initial;
}

// One USI square from text[i] on: a file 1..12 then a rank a..l.
bool readSquare(std::string_view t, std::size_t& i, int& x, int& y) {
    if (i >= t.size() || t[i] < '1' || t[i] > '9') return false;
    int file = t[i++] - '0';
    if (i < t.size() && t[i] >= '0' && t[i] <= '9') file = file * 10 + (t[i++] - '0');
    if (file > 12 || i >= t.size() || t[i] < 'a' || t[i] > 'l') return false;
    x = 13 - file;
    y = t[i++] - 'a' + 1;
    return true;
}

// A USI move read as its squares: two or three, and whether it promotes.
struct UsiMove {
    int n = 0;
    int x[3] = {}, y[3] = {};
    bool plus = false;
};

bool readUsi(std::string_view t, UsiMove& u) {
    std::size_t i = 0;
    while (u.n < 3 && i < t.size() && t[i] != '+') {
        if (!readSquare(t, i, u.x[u.n], u.y[u.n])) return false;
        ++u.n;
    }
    if (i < t.size() && t[i] == '+') {
        u.plus = true;
        ++i;
    }
    return u.n >= 2 && i == t.size();
}

bool matches(const Move& m, const UsiMove& u) {
    const int last = u.n - 1;
    if (m.fromX != u.x[0] || m.fromY != u.y[0] || m.toX != u.x[last] || m.toY != u.y[last])
        return false;
    if (m.promotes() != u.plus) return false;
    if (u.n == 2) return !m.isTwoStep();
    return m.isTwoStep() && m.midX == u.x[1] && m.midY == u.y[1];
}

const Move* find(const std::vector<Move>& moves, const UsiMove& u) {
    for (const Move& m : moves)
        if (matches(m, u)) return &m;
    return nullptr;
}

MoveRecord entry(int fx, int fy, int tx, int ty, PieceCode captured, PieceCode moved,
                 PieceCode after) {
    MoveRecord e;
    e.fromX = fx;
    e.fromY = fy;
    e.toX = tx;
    e.toY = ty;
    e.capturedPiece = captured;
    e.movedPiece = moved;
    e.pieceAfter = after;
    return e;
}

}  // namespace

std::string notationErrorText(const NotationError& e) {
    static const char* const kField[5] = {"形式", "盤面", "手番", "持ち駒", "手数"};
    if (e.ok) return "";
    if (e.move > 0) return std::to_string(e.move) + "手目が指せません：" + e.detail;
    const int f = (e.field >= 0 && e.field <= 4) ? e.field : 0;
    return std::string("SFENの") + kField[f] + "が読めません：" + e.detail;
}

std::string usiSquare(int x, int y) {
    return std::to_string(13 - x) + static_cast<char>('a' + y - 1);
}

std::string usiMove(const Move& m) {
    std::string t = usiSquare(m.fromX, m.fromY);
    if (m.isTwoStep()) t += usiSquare(m.midX, m.midY);
    t += usiSquare(m.toX, m.toY);
    if (m.promotes()) t += '+';
    return t;
}

std::string formatSfen(const Position& p, int moveNumber) {
    std::string t;
    for (int y = 1; y <= 12; ++y) {
        if (y > 1) t += '/';
        int empty = 0;
        for (int x = 1; x <= 12; ++x) {
            const PieceCode c = p.Board[x][y];
            const int kind = c.kind();
            if (kind < 1 || kind > 39) {
                ++empty;
                continue;
            }
            if (empty > 0) t += std::to_string(empty);
            empty = 0;
            if (kSpelling[kind].plus) t += '+';
            const char upper = kSpelling[kind].letter;
            t +=
                c >= 1 ? static_cast<char>(std::tolower(static_cast<unsigned char>(upper))) : upper;
        }
        if (empty > 0) t += std::to_string(empty);
    }
    t += p.mover >= 1 ? " w - " : " b - ";
    t += std::to_string(moveNumber);
    return t;
}

NotationError parseSfen(std::string_view text, Position& out, int& moveNumber, RuleSet rules) {
    const std::vector<std::string_view> w = words(text);
    std::size_t at = 0;
    Position p;
    int number = 1;
    NotationError e = parseSfenWords(w, at, p, number, Letters::Common, rules);
    if (!e.ok) return e;
    if (at < w.size()) return fieldError(0, "text after the SFEN: " + std::string(w[at]));
    std::size_t oldAt = 0;
    Position old;
    if (rules == RuleSet::Zenkoru &&
        parseSfenWords(w, oldAt, old, number, Letters::Old, rules).ok &&
        isOldInitial(p.Board, old.Board))
        p = old;
    out = p;
    moveNumber = number;
    return {};
}

NotationError parseSfen(std::string_view text, Position& out, RuleSet rules) {
    int moveNumber = 1;
    return parseSfen(text, out, moveNumber, rules);
}

RuleSet guessRuleSet(const Position& start) {
    if (start.Board == Position::initial(RuleSet::Zenkoru).Board) return RuleSet::Zenkoru;
    if (start.Board == Position::initial(RuleSet::Standard).Board) return RuleSet::Standard;
    int plain = 0, promoted = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const int k = start.Board[x][y].kind();
            if (k < 1 || k > 39) continue;
            if (kSpelling[k].plus)
                ++promoted;
            else if (k < 39 && kSpelling[k + 1].plus &&
                     kSpelling[k + 1].letter == kSpelling[k].letter)
                ++plain;
        }
    return plain > promoted ? RuleSet::Standard : RuleSet::Zenkoru;
}

std::vector<MoveRecord> recordEntriesOf(const Move& m) {
    if (m.isTwoStep())
        return {entry(m.fromX, m.fromY, m.midX, m.midY, m.capturedMid, m.piece, m.midAfter),
                entry(m.midX, m.midY, m.toX, m.toY, m.captured, m.midAfter, m.after)};
    const MoveRecord first = entry(m.fromX, m.fromY, m.toX, m.toY, m.captured, m.piece, m.after);
    if (!m.stopped) return {first};
    // The declined question records the step again with the piece already
    // standing on it (a lion as it ended, an eagle or falcon as it was).
    const PieceCode shown = (m.piece.kind() == 33 || m.piece.kind() == 34) ? m.after : m.piece;
    return {first, entry(m.fromX, m.fromY, m.toX, m.toY, shown, shown, m.after)};
}

bool addImportedMove(Position& position, ImportedGame& game, TopSide top,
                     const std::function<const Move*(const std::vector<Move>&)>& pick) {
    std::vector<Move> moves;
    const Move* m = nullptr;
    if (!(top == TopSide::Computer && position.mover >= 1)) {
        legalMoves(position, Mover::Presses, moves);
        m = pick(moves);
    }
    std::vector<Move> computer;
    if (m == nullptr) {
        legalMoves(position, Mover::Computer, computer);
        m = pick(computer);
    }
    if (m == nullptr) return false;
    for (const MoveRecord& e : recordEntriesOf(*m)) game.record.slot(++game.record.recordEnd) = e;
    game.moves.push_back(*m);
    apply(position, *m);
    return true;
}

namespace {

// A game text read with one set of letters; `out` is written only when the
// whole text is accepted.
NotationError readGameText(const std::vector<std::string_view>& w, ImportedGame& out, TopSide top,
                           Letters letters, RuleSet rules) {
    std::size_t at = 0;
    if (at < w.size() && w[at] == "position") ++at;
    ImportedGame g;
    g.record.entries[0].pieceAfter = PieceCode(1);  // as a new game's record reads
    if (at < w.size() && w[at] == "startpos") {
        ++at;
        g.start = Position::initial(rules);
    } else {
        if (at < w.size() && w[at] == "sfen") ++at;
        NotationError e = parseSfenWords(w, at, g.start, g.startMoveNumber, letters, rules);
        if (!e.ok) return e;
    }
    if (at < w.size()) {
        if (w[at] != "moves") return fieldError(0, "\"moves\" expected: " + std::string(w[at]));
        ++at;
    }
    Position p = g.start;
    for (int number = 1; at < w.size(); ++at, ++number) {
        const std::string_view t = w[at];
        UsiMove u;
        if (!readUsi(t, u)) return {false, 0, number, std::string(t)};
        if (!addImportedMove(p, g, top,
                             [&u](const std::vector<Move>& moves) { return find(moves, u); }))
            return {false, 0, number, std::string(t)};
    }
    g.record.recordCount = g.record.recordEnd;
    g.end = p;
    out = std::move(g);
    return {};
}

// A game text read by this program's rules: with the common letters, or
// with the old ones where the common ones cannot be what it means.
NotationError readOwnRules(const std::vector<std::string_view>& w, ImportedGame& out, TopSide top) {
    ImportedGame common;
    const NotationError e = readGameText(w, common, top, Letters::Common, RuleSet::Zenkoru);
    if (e.ok && common.start.Board == Position::initial().Board) {
        out = std::move(common);
        return e;
    }
    // Only a text refused at a move, or one that reads as some other start,
    // may be one written with the old letters.
    if (e.ok || e.move > 0) {
        ImportedGame old;
        const bool oldOk = readGameText(w, old, top, Letters::Old, RuleSet::Zenkoru).ok;
        if (oldOk && (!e.ok || isOldInitial(common.start.Board, old.start.Board))) {
            out = std::move(old);
            return {};
        }
    }
    if (e.ok) out = std::move(common);
    return e;
}

}  // namespace

NotationError readByEitherRules(const std::function<NotationError(RuleSet, ImportedGame&)>& read,
                                ImportedGame& out, std::optional<RuleSet> rules) {
    if (rules) return read(*rules, out);
    ImportedGame own, standard;
    const NotationError e = read(RuleSet::Zenkoru, own);
    const NotationError es = read(RuleSet::Standard, standard);
    if (e.ok && (!es.ok || guessRuleSet(own.start) == RuleSet::Zenkoru)) {
        out = std::move(own);
        return e;
    }
    if (es.ok) {
        out = std::move(standard);
        return es;
    }
    // Refused both ways: the reading that got further names the bad move.
    return es.move > e.move ? es : e;
}

NotationError parseGameText(std::string_view text, ImportedGame& out, TopSide top,
                            std::optional<RuleSet> rules) {
    if (text.size() > kMaxGameTextBytes) return fieldError(0, "more than 256 KB");
    const std::vector<std::string_view> w = words(text);
    return readByEitherRules(
        [&](RuleSet r, ImportedGame& g) {
            return r == RuleSet::Zenkoru ? readOwnRules(w, g, top)
                                         : readGameText(w, g, top, Letters::Common, r);
        },
        out, rules);
}

std::string formatGameText(const Position& start, const std::vector<Move>& moves,
                           int startMoveNumber) {
    std::string t = "position sfen " + formatSfen(start, startMoveNumber);
    if (!moves.empty()) t += " moves";
    for (const Move& m : moves) t += ' ' + usiMove(m);
    return t;
}

}  // namespace zk
