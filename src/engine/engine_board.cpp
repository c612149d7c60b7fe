#include "engine_board.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "engine_internal.h"
#include "lion_rules.h"
#include "move_table.h"
#include "standard_moves.h"

namespace zk::engine {

namespace {

bool isLionKind(int kind) { return kind == 33 || kind == 34; }

int sideIndex(int code) { return code > 0 ? 1 : 0; }

// How a code moves, in mailbox terms, read off the rules' move table: lines
// that stop at the first piece, and squares reached whatever stands between.
struct MailboxMoves {
    std::vector<std::pair<int, int>> rays;  // mailbox step, longest run (two or more)
    std::vector<int> jumps;                 // mailbox offsets
    int twoStep = 0;                        // 0 none, 1 lion, 2 eagle or falcon
    int promoted = 0;                       // the code a promoting move makes, or 0
    bool goesOn[512]{};                     // offset + 256 of a first step that may take a second
};

// The eight king steps in mailbox terms, in the order of the rules' kLines.
constexpr int kDirections[8] = {-17, -16, -15, -1, 1, 15, 16, 17};

// The squares two steps from a square (the ring around the eight beside it).
constexpr int kNear[16] = {-34, -33, -32, -31, -30, -18, -14, -2, 2, 14, 18, 30, 31, 32, 33, 34};

}  // namespace

struct BoardTables {
    MailboxMoves moves[79];  // whole codes -39..39 at index code + 39
    std::uint64_t key[79][256]{};
    std::uint64_t historyKeys[3][79]{};  // whole codes in the three history slots
    int placement[79][256]{};
    std::array<std::uint8_t, 144> boardSquares{};
    int scanOrder[256]{};  // the rules' board-scan rank of a square
    int byValue[39]{};     // kinds 1..39, dearest first
    bool zone[2][256]{};   // the promotion zone of each side ([0] bottom)
    // What a square's code adds to the safety of a royal piece of a side,
    // indexed by the code as a byte: a friend beside it, an enemy near it.
    int shelter[2][256]{};
    int threat[2][256]{};
    // 8 minus the distance of two squares, at least 1: how close a piece
    // stands to an enemy royal piece when its side presses to convert.
    std::uint8_t closeness[256][256]{};

    explicit BoardTables(RuleSet rules) {
        int n = 0;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                for (int u = 1; u <= 12; ++u)
                    for (int v = 1; v <= 12; ++v)
                        closeness[squareOf(x, y)][squareOf(u, v)] = static_cast<std::uint8_t>(
                            8 - std::min(7, std::max(std::abs(x - u), std::abs(y - v))));
                boardSquares[n++] = static_cast<std::uint8_t>(squareOf(x, y));
                scanOrder[squareOf(x, y)] = x * 13 + y;
                zone[0][squareOf(x, y)] = y < 5;
                zone[1][squareOf(x, y)] = y > 8;
            }
        for (int k = 1; k <= 39; ++k) byValue[k - 1] = k;
        for (int side = 0; side < 2; ++side)
            for (int code = -39; code <= 39; ++code) {
                if (code == 0) continue;
                const int slot = static_cast<std::uint8_t>(code);
                if ((code > 0) == (side == 1))
                    shelter[side][slot] = 8;
                else
                    threat[side][slot] = materialValue(std::abs(code)) >= 900 ? -45 : -15;
            }
        std::stable_sort(byValue, byValue + 39,
                         [](int a, int b) { return materialValue(a) > materialValue(b); });
        for (int slot = 0; slot < 3; ++slot)
            for (int code = -39; code <= 39; ++code)
                historyKeys[slot][code + 39] = historyKey(slot, PieceCode(code));
        for (int code = -39; code <= 39; ++code) {
            if (code == 0) continue;
            build(rules, code);
            for (int x = 1; x <= 12; ++x)
                for (int y = 1; y <= 12; ++y) {
                    key[code + 39][squareOf(x, y)] = squareKey(x, y, PieceCode(code));
                    placement[code + 39][squareOf(x, y)] = placementOf(code, x, y);
                }
        }
    }

    // The evaluation's per-piece term, as evaluate() adds it (top side's view).
    static int placementOf(int code, int x, int y) {
        const int side = code > 0 ? 1 : 0;
        const int k = std::abs(code);
        int v = materialValue(k);
        const int advance = side ? y - 1 : 12 - y;
        if (k >= 38) {
            v -= 6 * advance;
        } else {
            const int centre = std::max(std::abs(2 * x - 13), std::abs(2 * y - 13)) / 2;
            v += (k <= 2 ? 6 : 2) * std::min(advance, 7) + 3 * (5 - centre);
        }
        return side ? v : -v;
    }

    void build(RuleSet rules, int code) {
        const PieceMoves& m = pieceMoves(rules, PieceCode(code));
        // Reached on an empty board, and stopped by a piece between.
        const auto reaches = [&m](int dx, int dy) { return reachOf(m, dx, dy) != Reach::None; };
        const auto blocked = [&m](int dx, int dy) { return reachOf(m, dx, dy) == Reach::Slide; };
        bool covered[23][23]{};
        MailboxMoves& pm = moves[code + 39];
        for (int sx = -1; sx <= 1; ++sx)
            for (int sy = -1; sy <= 1; ++sy) {
                if (sx == 0 && sy == 0) continue;
                int len = 0;
                while (len < 11) {
                    const int dx = sx * (len + 1), dy = sy * (len + 1);
                    if (!reaches(dx, dy) || (len > 0 && !blocked(dx, dy))) break;
                    covered[dx + 11][dy + 11] = true;
                    ++len;
                }
                // A run of one is a jump like any other.
                if (len > 1) pm.rays.emplace_back(sy * 16 + sx, len);
                if (len == 1) pm.jumps.push_back(sy * 16 + sx);
            }
        // Leaps stay within two squares, so the border always holds them.
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (reaches(dx, dy) && !covered[dx + 11][dy + 11]) pm.jumps.push_back(dy * 16 + dx);
        pm.twoStep = m.twoStep == TwoStep::Lion ? 1 : m.twoStep == TwoStep::Line ? 2 : 0;
        for (int d = 0; d < 8; ++d) pm.goesOn[kDirections[d] + 256] = !m.goesOn[d].isEmpty();
        pm.promoted = m.promoted.whole();
    }
};

namespace {

const BoardTables& tables(RuleSet rules) {
    static const BoardTables zenkoru(RuleSet::Zenkoru), standard(RuleSet::Standard);
    return rules == RuleSet::Standard ? standard : zenkoru;
}

// The code the piece becomes, or 0: the table's promoted code and the rules'
// own promoting move.
int promoted(const MailboxMoves& pm, int code, int fromRow, int toRow, int target) {
    if (!pm.promoted) return 0;
    const int sign = code > 0 ? 1 : -1;
    return promotingMove(sign, fromRow, toRow, target * sign < 0) ? pm.promoted : 0;
}

// The codes a move may leave the piece as: pressed moves promote whenever
// they can, the computer chooses. Returns how many.
int afterChoices(int code, int promo, Mover who, int afters[2]) {
    afters[0] = code;
    if (!promo) return 1;
    if (who == Mover::Presses) {
        afters[0] = promo;
        return 1;
    }
    afters[1] = promo;
    return 2;
}

// Visit each square the rays of `pm` reach from `from`: every empty square,
// then the first piece of the other side than `side`, with its distance - 1.
template <typename Visit>
void eachRayTarget(const std::int8_t* squares, const MailboxMoves& pm, int from, int side,
                   Visit visit) {
    for (const auto& [step, len] : pm.rays) {
        int to = from;
        for (int k = 0; k < len; ++k) {
            to += step;
            const int target = squares[to];
            if (target == 0) {
                visit(to, 0, k);
                continue;
            }
            if (target != kOffBoard && target * side < 0) visit(to, target, k);
            break;
        }
    }
}

}  // namespace

Move toMove(const FastMove& f) {
    Move m;
    m.fromX = static_cast<std::int8_t>(fileOf(f.from));
    m.fromY = static_cast<std::int8_t>(rowOf(f.from));
    if (f.mid) {
        m.midX = static_cast<std::int8_t>(fileOf(f.mid));
        m.midY = static_cast<std::int8_t>(rowOf(f.mid));
        m.midAfter = PieceCode(f.midAfter);
        m.capturedMid = PieceCode(f.capturedMid);
    }
    m.toX = static_cast<std::int8_t>(fileOf(f.to));
    m.toY = static_cast<std::int8_t>(rowOf(f.to));
    m.stopped = f.stopped;
    m.piece = PieceCode(f.piece);
    m.after = PieceCode(f.after);
    m.captured = PieceCode(f.captured);
    return m;
}

SearchBoard::SearchBoard(const Position& p) : t_(&tables(p.rules)), rules_(p.rules) {
    const BoardTables& t = *t_;
    std::fill(std::begin(squares_), std::end(squares_), kOffBoard);
    for (const std::uint8_t sq : t.boardSquares) squares_[sq] = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (!p.Board[x][y].isEmpty()) put(squareOf(x, y), p.Board[x][y].whole());
    mover_ = p.mover;
    if (mover_ > 0) key_ ^= sideKey();
    history_ = {code::EMPTY, code::EMPTY, code::EMPTY};
    for (int slot = 0; slot < 3; ++slot) key_ ^= historyKey(slot, code::EMPTY);
    setHistory(p.history);
    saved_.reserve(128);
}

Position SearchBoard::position() const {
    Position p;
    for (const std::uint8_t sq : t_->boardSquares)
        p.Board[fileOf(sq)][rowOf(sq)] = PieceCode(squares_[sq]);
    p.mover = mover_;
    p.history = history_;
    p.rules = rules_;
    return p;
}

void SearchBoard::put(int sq, int code) {
    const BoardTables& t = *t_;
    squares_[sq] = static_cast<std::int8_t>(code);
    key_ ^= t.key[code + 39][sq];
    placement_ += t.placement[code + 39][sq];
    const int side = sideIndex(code), k = std::abs(code);
    ++count_[side][k];
    material_[side] += materialValue(k);
    slot_[sq] = static_cast<std::uint8_t>(total_[side]);
    pieces_[side][total_[side]++] = static_cast<std::uint8_t>(sq);
    if (k >= 38) royals_[side][royalCount_[side]++] = static_cast<std::uint8_t>(sq);
    if (isLionKind(k)) lions_[side][lionCount_[side]++] = static_cast<std::uint8_t>(sq);
}

void SearchBoard::take(int sq) {
    const BoardTables& t = *t_;
    const int code = squares_[sq];
    squares_[sq] = 0;
    key_ ^= t.key[code + 39][sq];
    placement_ -= t.placement[code + 39][sq];
    const int side = sideIndex(code), k = std::abs(code);
    --count_[side][k];
    material_[side] -= materialValue(k);
    const int last = pieces_[side][--total_[side]];
    pieces_[side][slot_[sq]] = static_cast<std::uint8_t>(last);
    slot_[last] = slot_[sq];
    auto drop = [sq](std::uint8_t* list, int& n) {
        for (int i = 0; i < n; ++i)
            if (list[i] == sq) {
                list[i] = list[--n];
                return;
            }
    };
    if (k >= 38) drop(royals_[side], royalCount_[side]);
    if (isLionKind(k)) drop(lions_[side], lionCount_[side]);
}

void SearchBoard::setHistory(const LionHistory& h) {
    // Moves write whole codes; a position from elsewhere may hold a mid-move one.
    const auto key = [this](int slot, PieceCode c) {
        return c.isMidMove() ? historyKey(slot, c) : t_->historyKeys[slot][c.whole() + 39];
    };
    key_ ^= key(0, history_.lastCaptured) ^ key(0, h.lastCaptured);
    key_ ^= key(1, history_.lastAfter) ^ key(1, h.lastAfter);
    key_ ^= key(2, history_.previousAfter) ^ key(2, h.previousAfter);
    history_ = h;
}

void SearchBoard::generate(Mover who, std::vector<FastMove>& out, bool capturesOnly) {
    out.clear();
    if (rules_ == RuleSet::Standard) return generateStandard(out, capturesOnly);
    const BoardTables& t = *t_;
    const int side = sideIndex(mover_);
    const bool* zone = t.zone[side];
    for (int i = 0; i < total_[side]; ++i) {
        const int from = pieces_[side][i];
        const int c = squares_[from];
        const MailboxMoves& pm = t.moves[c + 39];
        // Most steps neither take a lion, promote nor go on: they are written
        // here, and the others go through emit().
        const bool single = !pm.twoStep;
        auto add = [&](int to, int target) {
            if (!isLionKind(std::abs(target)) && !(pm.promoted && zone[to]) &&
                (single || !pm.goesOn[to - from + 256])) {
                if (!capturesOnly || target != 0)
                    out.push_back(FastMove{static_cast<std::uint8_t>(from), 0,
                                           static_cast<std::uint8_t>(to),
                                           static_cast<std::int8_t>(c), static_cast<std::int8_t>(c),
                                           0, static_cast<std::int8_t>(target), 0, false});
                return;
            }
            emit(from, to, c, target, who, capturesOnly, out);
        };
        // Taking only, an empty square matters just as the first step of a
        // piece that may go on from it (one square away).
        const bool quiet = !capturesOnly;
        eachRayTarget(squares_, pm, from, c, [&](int to, int target, int k) {
            if (target != 0 || quiet || (k == 0 && !single)) add(to, target);
        });
        for (const int jump : pm.jumps) {
            const int to = from + jump;
            const int target = squares_[to];
            if (target == kOffBoard || target * c > 0) continue;
            if (target == 0 && !quiet && (single || !pm.goesOn[jump + 256])) continue;
            add(to, target);
        }
    }
}

// One step to an empty or enemy square that the piece's geometry allows:
// the lion questions, the promotion choices, and the second steps after it.
void SearchBoard::emit(int from, int to, int c, int target, Mover who, bool capturesOnly,
                       std::vector<FastMove>& out) {
    const int fy = rowOf(from), ty = rowOf(to);
    if (isLionKind(std::abs(target)) &&
        lionCaptureRefusal(view(), rules_, history_, false, fileOf(from), fy, PieceCode(c),
                           fileOf(to), ty) != LionRefusal::None)
        return;
    const MailboxMoves& pm = t_->moves[c + 39];
    int afters[2];
    const int n = afterChoices(c, promoted(pm, c, fy, ty, target), who, afters);
    const bool goesOn = pm.twoStep && pm.goesOn[to - from + 256];
    for (int i = 0; i < n; ++i) {
        FastMove m;
        m.from = static_cast<std::uint8_t>(from);
        m.to = static_cast<std::uint8_t>(to);
        m.piece = static_cast<std::int8_t>(c);
        m.after = static_cast<std::int8_t>(afters[i]);
        m.captured = static_cast<std::int8_t>(target);
        m.stopped = goesOn && who == Mover::Presses;
        if (!capturesOnly || target != 0) out.push_back(m);
        if (!goesOn) continue;
        // The first step stands on the board while the second is chosen: a
        // lion shows its code after promotion, the others their own.
        squares_[from] = 0;
        const int shown = pm.twoStep == 1 ? afters[i] : c;
        squares_[to] = static_cast<std::int8_t>(shown);
        m.stopped = false;
        secondSteps(m, to - from, who, capturesOnly, out);
        squares_[to] = static_cast<std::int8_t>(target);
        squares_[from] = static_cast<std::int8_t>(c);
    }
}

void SearchBoard::secondSteps(const FastMove& first, int delta, Mover who, bool capturesOnly,
                              std::vector<FastMove>& out) {
    static constexpr int kAround[8] = {-17, -16, -15, -1, 1, 15, 16, 17};
    const int mid = first.to;
    const int my = rowOf(mid);
    const int side = first.piece;
    // A lion steps anywhere around; an eagle or falcon goes on or comes back.
    const int lineSteps[2] = {delta, -delta};
    const bool lion = isLionKind(std::abs(first.piece));
    const int* steps = lion ? kAround : lineSteps;
    const int count = lion ? 8 : 2;
    const MailboxMoves& pm = t_->moves[first.after + 39];
    for (int i = 0; i < count; ++i) {
        const int to = mid + steps[i];
        const int target = squares_[to];
        if (target == kOffBoard || target * side > 0) continue;
        if (capturesOnly && target == 0 && first.captured == 0) continue;
        const int ty = rowOf(to);
        if (isLionKind(std::abs(target))) {
            // What the record would hold after the first step.
            const LionHistory afterFirst{PieceCode(first.captured), PieceCode(first.after),
                                         history_.lastAfter};
            if (lionCaptureRefusal(view(), rules_, afterFirst, true, fileOf(mid), my,
                                   PieceCode(first.after), fileOf(to), ty) != LionRefusal::None)
                continue;
        }
        int afters[2];
        const int n =
            afterChoices(first.after, promoted(pm, first.after, my, ty, target), who, afters);
        for (int j = 0; j < n; ++j) {
            FastMove m = first;
            m.mid = static_cast<std::uint8_t>(mid);
            m.midAfter = first.after;
            m.capturedMid = first.captured;
            m.to = static_cast<std::uint8_t>(to);
            m.after = static_cast<std::int8_t>(afters[j]);
            m.captured = static_cast<std::int8_t>(target);
            out.push_back(m);
        }
    }
}

void SearchBoard::generateStandard(std::vector<FastMove>& out, bool capturesOnly) const {
    const int side = sideIndex(mover_);
    const auto royals = [&](int s) { return count_[s][38] + count_[s][39]; };
    const auto mayBeBare = [&](int s) {
        return total_[s] - royals(s) - count_[s][1] - count_[s][3] <= 0;
    };
    // Near the end of a game (a side without a royal piece, or one that may
    // be bare) the rules' own generator tells whether the game goes on.
    if (royals(0) == 0 || royals(1) == 0 || mayBeBare(0) || mayBeBare(1))
        return rulesStandard(out, capturesOnly);
    // A move that takes a lion is asked of the rules' generator, once a call.
    std::vector<Move> rulesMoves;
    bool asked = false;
    const bool counterStrike = isLionCode(history_.lastCaptured) && !isLionCode(history_.lastAfter);
    const auto allowed = [&](const FastMove& f) {
        if (!isLionKind(std::abs(f.captured)) && !isLionKind(std::abs(f.capturedMid))) return true;
        // The lion rules as the rules' generator applies them; only whether a
        // lion two squares away is protected is left to it.
        if (!isLionKind(std::abs(f.piece))) return !counterStrike;
        if (!isLionKind(std::abs(f.captured))) return true;
        if (std::abs(fileOf(f.to) - fileOf(f.from)) <= 1 &&
            std::abs(rowOf(f.to) - rowOf(f.from)) <= 1)
            return true;
        const int bridge = std::abs(f.capturedMid);
        if (f.mid && bridge != 0 && bridge != 1 && bridge != 35) return true;
        if (!asked) {
            legalMoves(position(), Mover::Computer, rulesMoves);
            asked = true;
        }
        return std::find(rulesMoves.begin(), rulesMoves.end(), toMove(f)) != rulesMoves.end();
    };
    const BoardTables& t = *t_;
    for (int i = 0; i < total_[side]; ++i) {
        const int from = pieces_[side][i];
        const int c = squares_[from];
        const int fy = rowOf(from);
        const MailboxMoves& pm = t.moves[c + 39];
        const auto single = [&](int to, int target) {
            if (capturesOnly && target == 0) return;
            FastMove f{static_cast<std::uint8_t>(from),
                       0,
                       static_cast<std::uint8_t>(to),
                       static_cast<std::int8_t>(c),
                       static_cast<std::int8_t>(c),
                       0,
                       static_cast<std::int8_t>(target),
                       0,
                       false};
            if (!allowed(f)) return;
            out.push_back(f);
            if (pm.promoted && standardMayPromote(PieceCode(c), fy, rowOf(to), target != 0)) {
                f.after = static_cast<std::int8_t>(pm.promoted);
                out.push_back(f);
            }
        };
        eachRayTarget(squares_, pm, from, c, [&](int to, int target, int) { single(to, target); });
        for (const int jump : pm.jumps) {
            const int target = squares_[from + jump];
            if (target != kOffBoard && target * c <= 0) single(from + jump, target);
        }
        if (!pm.twoStep) continue;
        // Two steps: a king step along a line that goes on, then a step of
        // the mid-move code, which may come back to the square it left.
        const PieceMoves& first = pieceMoves(RuleSet::Standard, PieceCode(c));
        for (int d = 0; d < 8; ++d) {
            if (first.goesOn[d].isEmpty()) continue;
            const int mid = from + kDirections[d];
            const int midTarget = squares_[mid];
            if (midTarget == kOffBoard || midTarget * c > 0) continue;
            const PieceMoves& second = pieceMoves(RuleSet::Standard, first.goesOn[d]);
            for (int e = 0; e < 8; ++e) {
                if (second.run[e] < 1) continue;
                const int to = mid + kDirections[e];
                const int target = to == from ? 0 : squares_[to];
                if (target == kOffBoard || target * c > 0) continue;
                const FastMove f{static_cast<std::uint8_t>(from),
                                 static_cast<std::uint8_t>(mid),
                                 static_cast<std::uint8_t>(to),
                                 static_cast<std::int8_t>(c),
                                 static_cast<std::int8_t>(c),
                                 static_cast<std::int8_t>(c),
                                 static_cast<std::int8_t>(target),
                                 static_cast<std::int8_t>(midTarget),
                                 false};
                if ((capturesOnly && !f.isCapture()) || !allowed(f)) continue;
                out.push_back(f);
            }
        }
    }
}

void SearchBoard::rulesStandard(std::vector<FastMove>& out, bool capturesOnly) const {
    // The standard rules' own generator, move for move.
    for (const Move& m : legalMoves(position(), Mover::Computer)) {
        FastMove f;
        f.from = static_cast<std::uint8_t>(squareOf(m.fromX, m.fromY));
        if (m.isTwoStep()) f.mid = static_cast<std::uint8_t>(squareOf(m.midX, m.midY));
        f.to = static_cast<std::uint8_t>(squareOf(m.toX, m.toY));
        f.piece = static_cast<std::int8_t>(m.piece.whole());
        f.after = static_cast<std::int8_t>(m.after.whole());
        f.midAfter = static_cast<std::int8_t>(m.midAfter.whole());
        f.captured = static_cast<std::int8_t>(m.captured.whole());
        f.capturedMid = static_cast<std::int8_t>(m.capturedMid.whole());
        if (!capturesOnly || f.isCapture()) out.push_back(f);
    }
}

void SearchBoard::doMove(const FastMove& m) {
    saved_.push_back({history_, key_});
    take(m.from);
    if (m.mid && m.capturedMid) take(m.mid);
    if (m.captured) take(m.to);
    put(m.to, m.after);
    if (rules_ == RuleSet::Standard) {
        setHistory(standardHistoryAfter(history_, toMove(m)));
    } else if (m.mid) {
        // Two entries: the first step's, then the second step's.
        setHistory({PieceCode(m.captured), PieceCode(m.after), PieceCode(m.midAfter)});
    } else if (m.stopped) {
        // The declined question writes a second entry for the same step, made
        // with the piece already standing there: it "captures" itself.
        const PieceCode shown(isLionKind(std::abs(m.piece)) ? m.after : m.piece);
        setHistory({shown, PieceCode(m.after), PieceCode(m.after)});
    } else {
        setHistory({PieceCode(m.captured), PieceCode(m.after), history_.lastAfter});
    }
    mover_ = -mover_;
    key_ ^= sideKey();
}

void SearchBoard::undoMove(const FastMove& m) {
    take(m.to);
    if (m.captured) put(m.to, m.captured);
    if (m.mid && m.capturedMid) put(m.mid, m.capturedMid);
    put(m.from, m.piece);
    history_ = saved_.back().history;
    key_ = saved_.back().key;
    saved_.pop_back();
    mover_ = -mover_;
}

void SearchBoard::doNull() {
    saved_.push_back({history_, key_});
    setHistory({code::EMPTY, PieceCode(1), code::EMPTY});
    mover_ = -mover_;
    key_ ^= sideKey();
}

void SearchBoard::undoNull() {
    history_ = saved_.back().history;
    key_ = saved_.back().key;
    saved_.pop_back();
    mover_ = -mover_;
}

int SearchBoard::evaluate() const {
    const BoardTables& t = *t_;
    int score = placement_;
    // Royal safety: friends next to a royal piece shelter it, enemies within
    // two squares threaten it, and a lone royal piece feels both twice as much.
    for (int side = 0; side < 2; ++side) {
        int squares[2];
        int n = std::min(royalCount_[side], 2);
        if (royalCount_[side] <= 2) {
            std::copy_n(royals_[side], n, squares);
        } else {
            // The first two in the rules' board scan.
            std::uint8_t sorted[144];
            std::copy_n(royals_[side], royalCount_[side], sorted);
            std::sort(sorted, sorted + royalCount_[side],
                      [&](int a, int b) { return t.scanOrder[a] < t.scanOrder[b]; });
            std::copy_n(sorted, 2, squares);
        }
        const int sign = side ? 1 : -1;
        const int weight = royalCount_[side] == 1 ? 2 : 1;
        for (int r = 0; r < n; ++r) {
            const int k = squares[r];
            int safety = 0;
            const int* shelter = t.shelter[side];
            const int* threat = t.threat[side];
            for (const int off : kNear)
                safety += threat[static_cast<std::uint8_t>(squares_[k + off])];
            for (const int off : kDirections)
                safety += shelter[static_cast<std::uint8_t>(squares_[k + off])] +
                          threat[static_cast<std::uint8_t>(squares_[k + off])];
            score += sign * weight * safety;
        }
    }
    // Lions within reach of each other: the side to move strikes first. The
    // last lion of each side in the board scan is the one that counts.
    if (lionCount_[0] && lionCount_[1]) {
        int lion[2];
        for (int side = 0; side < 2; ++side) {
            lion[side] = lions_[side][0];
            for (int i = 1; i < lionCount_[side]; ++i)
                if (t.scanOrder[lions_[side][i]] > t.scanOrder[lion[side]])
                    lion[side] = lions_[side][i];
        }
        const int dx = std::abs(fileOf(lion[0]) - fileOf(lion[1]));
        const int dy = std::abs(rowOf(lion[0]) - rowOf(lion[1]));
        if (std::max(dx, dy) <= 2) score += mover_ * 60;
    }
    if (const int scale = convertScale(material_[1], material_[0])) {
        const int ahead = scale > 0 ? 1 : 0, behind = 1 - ahead;
        int closeness = 0;
        if (royalCount_[behind] == 0) {
            closeness = total_[ahead] - royalCount_[ahead];
        } else {
            // The nearest of the first two royal pieces, then any others.
            const std::uint8_t* a = t.closeness[royals_[behind][0]];
            const std::uint8_t* b = t.closeness[royals_[behind][royalCount_[behind] > 1]];
            for (int i = 0; i < total_[ahead]; ++i) {
                const int sq = pieces_[ahead][i];
                if (std::abs(squares_[sq]) >= 38) continue;
                int near = std::max(a[sq], b[sq]);
                for (int r = 2; r < royalCount_[behind]; ++r)
                    near = std::max<int>(near, t.closeness[royals_[behind][r]][sq]);
                closeness += near;
            }
        }
        const int royalMaterial = materialValue(39) * (royalCount_[0] + royalCount_[1]);
        score += convertBonus(scale, closeness, material_[0] + material_[1] - royalMaterial);
    }
    return mover_ * score;
}

int SearchBoard::twoDearest() const {
    const int side = mover_ > 0 ? 0 : 1;
    const int* count = count_[side];
    if (count[38] + count[39] == 1) return kWin;
    int first = 0, second = 0;
    for (const int k : t_->byValue) {
        if (!count[k]) continue;
        if (!first) {
            first = materialValue(k);
            if (count[k] >= 2) return 2 * first;
        } else {
            second = materialValue(k);
            break;
        }
    }
    return first + second;
}

bool SearchBoard::royalCanStep(int side) const {
    for (const int d : kDirections)
        if (squares_[royals_[side][0] + d] == 0) return true;
    return false;
}

Outcome SearchBoard::outcome(int movedSide, EndRules rules) const {
    const int bottom = total_[0], top = total_[1];
    const int royals[2] = {count_[0][38] + count_[0][39], count_[1][38] + count_[1][39]};
    if (rules_ == RuleSet::Standard) {
        // Only a side down to royal pieces, pawns and lances may be bare.
        const int mover = sideIndex(movedSide), other = 1 - mover;
        if (royals[other] == 0) return movedSide > 0 ? Outcome::TopWins : Outcome::BottomWins;
        const auto mayBeBare = [&](int s) {
            return total_[s] - royals[s] - count_[s][1] - count_[s][3] <= 0;
        };
        if (!mayBeBare(0) && !mayBeBare(1) && royals[mover] > 0) return Outcome::None;
        return standardOutcome(position(), false);
    }
    // A lone royal piece with an empty square beside it is not mated;
    // otherwise the rules' own mate test tells.
    if (rules == EndRules::Symmetric) {
        const int mover = sideIndex(movedSide), other = 1 - mover;
        if (royals[other] == 0) return movedSide > 0 ? Outcome::TopWins : Outcome::BottomWins;
        if (royals[mover] == 0) return movedSide > 0 ? Outcome::BottomWins : Outcome::TopWins;
        if (bottom <= 1 || top <= 1)
            return bottom == top  ? Outcome::Draw
                   : top > bottom ? Outcome::TopWins
                                  : Outcome::BottomWins;
        if (royals[other] == 1 && !royalCanStep(other))
            return outcomeAfter(position(), movedSide, rules);
        return Outcome::None;
    }
    if (movedSide < 0) {
        if ((bottom <= 1 || top <= 1) && bottom > top) return Outcome::BottomWins;
        if (royals[1] == 1)
            return royalCanStep(1) ? Outcome::None : outcomeAfter(position(), movedSide, rules);
        if (royals[1] == 0) return Outcome::BottomWins;
        return Outcome::None;
    }
    const bool bare = (bottom < 2 || top < 2) && top > bottom;
    if (bare && royals[0] == 1)
        return royalCanStep(0) ? Outcome::Draw : outcomeAfter(position(), movedSide, rules);
    if (bare) return Outcome::Draw;
    if (royals[0] == 0) return Outcome::TopWins;
    return Outcome::None;
}

}  // namespace zk::engine
