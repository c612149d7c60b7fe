#include <algorithm>
#include <array>
#include <cstdint>

#include "influence.h"
#include "pieces.h"

namespace zk {

namespace {

// A square of a 13 x 13 grid as one index: column x, row y.
constexpr int kStride = 13;
constexpr int at(int x, int y) { return x * kStride + y; }

// The reach of one kind for one side: its single squares (steps, jumps and
// areas, as offsets) and its ranging lines (as directions). The order of a
// piece's own reaches changes nothing in the maps: they share one source
// square and one value, and a piece never reaches a square twice.
struct Offset {
    std::int8_t dx, dy;
};
struct KindReach {
    int steps = 0;
    Offset step[24]{};
    int lines = 0;
    Offset line[8]{};
    bool gold = false;  // the gold pattern records differently from steps
    bool king = false;  // the king's rule: counted, guard value only
};
using ReachTable = std::array<KindReach, 40>;

// The reach table of the side whose direction of play is f (+1 toward row 12).
constexpr ReachTable makeTable(int f) {
    ReachTable t{};
    const int b = -f;
    for (int k = 1; k < 40; ++k) {
        KindReach& r = t[k];
        auto step = [&](int dx, int dy) {
            r.step[r.steps++] = {static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy)};
        };
        auto line = [&](int dx, int dy) {
            r.line[r.lines++] = {static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy)};
        };
        auto fwd = [&] { line(0, f); };
        auto back = [&] { line(0, b); };
        auto left = [&] { line(-1, 0); };
        auto right = [&] { line(1, 0); };
        auto diagFwd = [&] {
            line(-1, f);
            line(1, f);
        };
        auto diagBack = [&] {
            line(-1, b);
            line(1, b);
        };
        auto neighboursExcept = [&](int skipX, int skipY) {
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (!(dx == 0 && dy == 0) && !(dx == skipX && dy == skipY)) step(dx, dy);
        };
        switch (k) {
            case 1:  // 歩
                step(0, f);
                break;
            case 2:
            case 13:  // と, 金
                r.gold = true;
                step(-1, f);
                step(0, f);
                step(1, f);
                step(-1, 0);
                step(1, 0);
                step(0, -f);
                break;
            case 3:  // 香
                fwd();
                break;
            case 4:  // 白
                fwd();
                back();
                diagFwd();
                break;
            case 5:  // 銅
                step(0, b);
                step(0, f);
                step(1, f);
                step(-1, f);
                break;
            case 6:
            case 7:  // 横
                left();
                right();
                step(0, f);
                step(0, b);
                break;
            case 8:  // 猪
                diagFwd();
                diagBack();
                left();
                right();
                break;
            case 9:  // 銀
                step(1, b);
                step(-1, b);
                step(0, f);
                step(1, f);
                step(-1, f);
                break;
            case 10:
            case 11:  // 竪
                fwd();
                back();
                step(-1, 0);
                step(1, 0);
                break;
            case 12:  // 牛
                diagFwd();
                diagBack();
                fwd();
                back();
                break;
            case 14:
            case 15:  // 飛
                fwd();
                back();
                left();
                right();
                break;
            case 16:
            case 17:  // 龍
                fwd();
                back();
                left();
                right();
                step(-1, -1);
                step(1, -1);
                step(-1, 1);
                step(1, 1);
                break;
            case 18:  // 鷲
                back();
                fwd();
                right();
                left();
                diagBack();
                step(-1, f);
                step(-2, 2 * f);
                step(1, f);
                step(2, 2 * f);
                break;
            case 19:  // 豹
                step(0, f);
                step(1, f);
                step(-1, f);
                step(0, b);
                step(1, b);
                step(-1, b);
                break;
            case 20:
            case 21:  // 角
                diagFwd();
                diagBack();
                break;
            case 22:
            case 23:  // 馬
                step(0, f);
                step(0, b);
                step(-1, 0);
                step(1, 0);
                diagFwd();
                diagBack();
                break;
            case 24:  // 鷹
                back();
                right();
                left();
                diagFwd();
                diagBack();
                step(0, f);
                step(0, 2 * f);
                break;
            case 25:  // 鳳
                step(-1, 0);
                step(1, 0);
                step(0, f);
                step(0, b);
                step(-2, -2);
                step(2, -2);
                step(-2, 2);
                step(2, 2);
                break;
            case 26:
            case 27:  // 奔
                fwd();
                back();
                left();
                right();
                diagFwd();
                diagBack();
                break;
            case 28:  // 反
                fwd();
                back();
                break;
            case 29:  // 鯨
                back();
                fwd();
                diagBack();
                break;
            case 30:  // 虎
                neighboursExcept(0, f);
                break;
            case 31:  // 鹿
                fwd();
                back();
                for (int dy = -1; dy <= 1; ++dy) {
                    step(-1, dy);
                    step(1, dy);
                }
                break;
            case 32:  // 麒
                step(-1, -1);
                step(1, -1);
                step(-1, 1);
                step(1, 1);
                step(0, f * 2);
                step(0, b * 2);
                step(-2, 0);
                step(2, 0);
                break;
            case 33:
            case 34:  // 獅
                for (int dx = -2; dx <= 2; ++dx)
                    for (int dy = -2; dy <= 2; ++dy)
                        if (!(dx == 0 && dy == 0)) step(dx, dy);
                break;
            case 35:  // 仲
                step(0, f);
                step(0, b);
                break;
            case 36:
            case 37:  // 象
                neighboursExcept(0, b);
                break;
            case 38:  // 太
                neighboursExcept(0, 0);
                break;
            case 39:  // 王
                r.king = true;
                neighboursExcept(0, 0);
                break;
            default:
                break;
        }
    }
    return t;
}

constexpr ReachTable kManReach = makeTable(-1);
constexpr ReachTable kComReach = makeTable(1);

// How far a line in direction (dx, dy) runs from (x, y) before leaving the
// board.
constexpr int lineLength(int x, int y, int dx, int dy) {
    int n = 12;
    if (dx > 0) n = 12 - x;
    if (dx < 0) n = x - 1;
    if (dy > 0 && 12 - y < n) n = 12 - y;
    if (dy < 0 && y - 1 < n) n = y - 1;
    return n;
}

// A side's reaches laid out per kind and square once: the indices its single
// squares reach on the board, and how far each of its lines runs.
struct SquareReach {
    std::uint32_t begin[40][kStride * kStride];
    std::uint8_t count[40][kStride * kStride];
    std::uint8_t lineLength[40][kStride * kStride][8];
    std::uint8_t pool[40 * kStride * kStride * 24];
};

void layOut(SquareReach& out, const ReachTable& table) {
    std::uint32_t used = 0;
    for (int k = 0; k < 40; ++k)
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const KindReach& r = table[k];
                const int sq = at(x, y);
                out.begin[k][sq] = used;
                int n = 0;
                for (int j = 0; j < r.steps; ++j) {
                    const int tx = x + r.step[j].dx, ty = y + r.step[j].dy;
                    if (!onBoard(tx, ty)) continue;
                    out.pool[used + n] = static_cast<std::uint8_t>(at(tx, ty));
                    ++n;
                }
                out.count[k][sq] = static_cast<std::uint8_t>(n);
                used += n;
                for (int j = 0; j < r.lines; ++j)
                    out.lineLength[k][sq][j] =
                        static_cast<std::uint8_t>(lineLength(x, y, r.line[j].dx, r.line[j].dy));
            }
}

const SquareReach& manSquareReach() {
    static const SquareReach* laid = [] {
        static SquareReach r;
        layOut(r, kManReach);
        return &r;
    }();
    return *laid;
}

const SquareReach& comSquareReach() {
    static const SquareReach* laid = [] {
        static SquareReach r;
        layOut(r, kComReach);
        return &r;
    }();
    return *laid;
}

// The maps of one side as flat 13 x 13 arrays. The MAN side keeps no guard
// squares; both keep attacker squares.
struct Maps {
    const SquareReach* reach;
    const PieceCode* board;
    int* influence;
    int* guard;
    int* attack;
    int* attackerX;
    int* attackerY;
    int* guardX;
    int* guardY;
    int* marks;
};

constexpr int kOwnMan = -10, kOwnCom = 10;  // tenths bounds of the two sides' codes
constexpr int kManKing = -390, kManPrince = -380, kComKing = 390, kComPrince = 380;

// One MAN reach onto index i from (x, y) with value v. A step gives check to
// the king only; the gold pattern to the king or the prince; a line to none.
enum class ManCheck { None, King, KingOrPrince };
template <ManCheck check>
inline void recordMan(const Maps& m, int i, int x, int y, int v) {
    const int t = m.board[i].tenths();
    m.influence[i] += 1;
    if (t <= kOwnMan) {
        if (m.guard[i] > v) m.guard[i] = v;
    } else if (t >= kOwnCom) {
        if (m.attack[i] > v) {
            m.attack[i] = v;
            m.attackerX[i] = x;
            m.attackerY[i] = y;
        }
    }
    if constexpr (check == ManCheck::King) {
        if (t == kComKing) m.marks[at(x, y)] = 9;
    } else if constexpr (check == ManCheck::KingOrPrince) {
        if (t == kComKing || t == kComPrince) m.marks[at(x, y)] = 9;
    }
}

// One COM reach. The gold pattern keeps no guard square and enters no attack;
// steps and the gold pattern give check to king or prince, lines to none.
template <bool gold, bool checks>
inline void recordCom(const Maps& m, int i, int x, int y, int v) {
    const int t = m.board[i].tenths();
    m.influence[i] += 1;
    if (t <= kOwnMan) {
        if constexpr (!gold) {
            if (m.attack[i] > v) {
                m.attack[i] = v;
                m.attackerX[i] = x;
                m.attackerY[i] = y;
            }
        }
    } else if (t >= kOwnCom) {
        if (m.guard[i] > v) {
            m.guard[i] = v;
            if constexpr (!gold) {
                m.guardX[i] = x;
                m.guardY[i] = y;
            }
        }
    }
    if constexpr (checks) {
        if (t == kManKing || t == kManPrince) m.marks[at(x, y)] = 9;
    }
}

// A ranging line: every square up to and including the first piece, looking
// through the enemy king and marking the checking line on its way.
template <bool man>
inline void walkLine(const Maps& m, int x, int y, int dx, int dy, int n, int v) {
    const int enemyKing = man ? kComKing : kManKing;
    const int origin = at(x, y);
    const int d = dx * kStride + dy;
    int i = origin;
    for (int k = 0; k < n; ++k) {
        i += d;
        if constexpr (man)
            recordMan<ManCheck::None>(m, i, x, y, v);
        else
            recordCom<false, false>(m, i, x, y, v);
        const int t = m.board[i].tenths();
        if (t == enemyKing) {
            for (int j = origin + d; j != i; j += d) m.marks[j] = 1;
            m.marks[origin] = 9;
        } else if (t != 0) {
            break;
        }
    }
}

// The king's neighbours: counted, and its own pieces there take the king's
// signed code as guard value when that is lower. No square, attack or check.
template <bool man>
inline void kingRule(const Maps& m, const KindReach& r, int x, int y) {
    const int king = man ? -39 : 39;
    for (int k = 0; k < r.steps; ++k) {
        const int tx = x + r.step[k].dx, ty = y + r.step[k].dy;
        if (!onBoard(tx, ty)) continue;
        const int i = at(tx, ty);
        m.influence[i] += 1;
        const int t = m.board[i].tenths();
        const bool own = man ? t <= kOwnMan : t >= kOwnCom;
        if (own && m.guard[i] > king) m.guard[i] = king;
    }
}

// Enter every reach of the piece c on (x, y).
template <bool man>
inline void reachOf(ComState& s, const Maps& m, int x, int y, PieceCode c) {
    if (c.isMidMove()) return;  // a piece between two steps reaches nothing
    const int kind = c.kind();
    const KindReach& r = man ? kManReach[kind] : kComReach[kind];
    if (r.king) {
        kingRule<man>(m, r, x, y);
        if (man) {
            s.manKingX = x;
            s.manKingY = y;
        } else {
            s.comKingX = x;
            s.comKingY = y;
        }
        return;
    }
    const int v = s.pieceValue[kind];
    const int sq = at(x, y);
    const std::uint8_t* target = m.reach->pool + m.reach->begin[kind][sq];
    const int steps = m.reach->count[kind][sq];
    if constexpr (man) {
        if (r.gold)
            for (int k = 0; k < steps; ++k)
                recordMan<ManCheck::KingOrPrince>(m, target[k], x, y, v);
        else
            for (int k = 0; k < steps; ++k) recordMan<ManCheck::King>(m, target[k], x, y, v);
    } else {
        if (r.gold)
            for (int k = 0; k < steps; ++k) recordCom<true, true>(m, target[k], x, y, v);
        else
            for (int k = 0; k < steps; ++k) recordCom<false, true>(m, target[k], x, y, v);
    }
    const std::uint8_t* length = m.reach->lineLength[kind][sq];
    for (int k = 0; k < r.lines; ++k)
        walkLine<man>(m, x, y, r.line[k].dx, r.line[k].dy, length[k], v);
    if (kind == 33 || kind == 34) {
        if (man) {
            s.manLionX = x;
            s.manLionY = y;
        }
    } else if (kind == 38) {
        if (man) {
            s.manPrinceX = x;
            s.manPrinceY = y;
        } else {
            s.comPrinceX = x;
            s.comPrinceY = y;
        }
    }
}

int* flat(IntGrid& g) { return &g[0][0]; }

thread_local std::uint64_t manSurveys = 0;
thread_local std::uint64_t comSurveys = 0;

// How a human piece reaches a square, kept with its source in a reacher entry:
// a step, jump or area (kStep), the king's rule (kKing), or a line in the
// direction numbered (dx + 1) * 3 + (dy + 1) (kLine + that number).
constexpr int kStep = 0, kKing = 1, kLine = 2;
constexpr int directionOf(int dx, int dy) { return (dx + 1) * 3 + (dy + 1); }
constexpr int deltaOf(int direction) { return (direction / 3 - 1) * kStride + (direction % 3 - 1); }

// How a computer piece reaches a square: kStep, kKing, kLine + direction as
// for the human side, or the gold pattern.
constexpr int kGold = 11;

// How many squares a line from src in `direction` records on `board`: up to
// and including the first piece, looking through `seeThrough` (the other
// side's king).
// How far each line runs before leaving the board, by source square and
// direction, and the index step of each direction.
struct LineTables {
    std::uint8_t length[kStride * kStride][9];
    int delta[9];
};
constexpr LineTables makeLineTables() {
    LineTables t{};
    for (int i = 0; i < kStride * kStride; ++i)
        for (int direction = 0; direction < 9; ++direction)
            t.length[i][direction] = static_cast<std::uint8_t>(
                lineLength(i / kStride, i % kStride, direction / 3 - 1, direction % 3 - 1));
    for (int direction = 0; direction < 9; ++direction) t.delta[direction] = deltaOf(direction);
    return t;
}
constexpr LineTables kLineTables = makeLineTables();

int lineRun(const PieceCode* board, int src, int direction, int seeThrough) {
    const int n = kLineTables.length[src][direction];
    const int d = kLineTables.delta[direction];
    int i = src;
    for (int k = 1; k <= n; ++k) {
        i += d;
        const int t = board[i].tenths();
        if (t != 0 && t != seeThrough) return k;
    }
    return n;
}

// A line of the side `side` (-1 human, +1 computer) looks through the other
// side's king.
inline int sideLineRun(const PieceCode* board, int src, int direction, int side) {
    return lineRun(board, src, direction, side < 0 ? kComKing : kManKing);
}

// Every reach of the piece c of the side `sign` (-1 human, +1 computer) on
// square src of `board`, as (index, how); only the computer's gold pattern
// reaches as kGold.
template <int sign, typename F>
void reachesOf(const PieceCode* board, int src, PieceCode c, F reach) {
    if (c.isMidMove()) return;
    constexpr bool man = sign < 0;
    const int kind = c.kind();
    const KindReach& r = man ? kManReach[kind] : kComReach[kind];
    const SquareReach& sr = man ? manSquareReach() : comSquareReach();
    const std::uint8_t* target = sr.pool + sr.begin[kind][src];
    const int how = r.king ? kKing : (!man && r.gold) ? kGold : kStep;
    for (int k = 0; k < sr.count[kind][src]; ++k) reach(target[k], how);
    for (int k = 0; k < r.lines; ++k) {
        const int direction = directionOf(r.line[k].dx, r.line[k].dy);
        const int run = sideLineRun(board, src, direction, sign);
        const int d = kLineTables.delta[direction];
        for (int j = 1, i = src + d; j <= run; ++j, i += d) reach(i, kLine + direction);
    }
}

// The squares a move changed for a map patch, in the order first touched.
// The marks outlive the call, so that nothing is cleared per patch: a square
// is listed when its mark is this patch's stamp.
struct ChangedSquares {
    static inline thread_local std::array<std::uint32_t, 169> mark{};
    static inline thread_local std::uint32_t lastStamp = 0;
    std::uint32_t stamp;
    std::array<std::uint8_t, 169> changed;
    int count = 0;
    ChangedSquares() {
        if (++lastStamp == 0) {
            mark.fill(0);
            lastStamp = 1;
        }
        stamp = lastStamp;
    }
    bool listed(int i) const { return mark[i] == stamp; }
    void touch(int i) {
        if (mark[i] != stamp) {
            mark[i] = stamp;
            changed[count++] = static_cast<std::uint8_t>(i);
        }
    }
};

// A line whose run (squares recorded, counted from its source) went from
// `before` to `after` with the move.
struct ChangedLine {
    int src, direction, before, after;
};

// The COM values of one square replayed from its reachers in the survey's
// order, as the survey enters them: the guard and attacker squares are
// written only on a strict improvement, over what they held.
struct ComSquare {
    int influence = 0, guard = 999, attack = 999;
    int guardX, guardY, attackerX, attackerY;
    bool guardWritten = false, attackerWritten = false;
    bool guardLastWritten = false;  // the last guard improvement entered its square
};

inline void replayCom(ComSquare& q, int t, int entry, int v) {
    const int src = entry & 0xff, how = entry >> 8;
    ++q.influence;
    if (how == kKing) {
        if (t >= kOwnCom && q.guard > 39) {
            q.guard = 39;
            q.guardLastWritten = false;
        }
        return;
    }
    if (t <= kOwnMan) {
        if (how != kGold && q.attack > v) {
            q.attack = v;
            q.attackerX = src / kStride;
            q.attackerY = src % kStride;
            q.attackerWritten = true;
        }
    } else if (t >= kOwnCom) {
        if (q.guard > v) {
            q.guard = v;
            q.guardLastWritten = how != kGold;
            if (how != kGold) {
                q.guardX = src / kStride;
                q.guardY = src % kStride;
                q.guardWritten = true;
            }
        }
    }
}

// Set the board squares (rows and columns 1..12) of a map to v.
void clearSquares(IntGrid& g, int v) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) g[x][y] = v;
}

}  // namespace

// Rebuild the MAN maps from the board. The MAN attacker squares are cleared;
// royal and lion squares are only written when the piece is found.
void 勢力調査_MAN(ComState& s) {
    ++manSurveys;
    clearSquares(s.manInfluence, 0);
    clearSquares(s.manCheckMarks, 0);
    clearSquares(s.manAttackerX, 0);
    clearSquares(s.manAttackerY, 0);
    clearSquares(s.manGuardValue, 999);
    clearSquares(s.manAttackValue, 999);
    const Maps m{&manSquareReach(),
                 &s.Board[0][0],
                 flat(s.manInfluence),
                 flat(s.manGuardValue),
                 flat(s.manAttackValue),
                 flat(s.manAttackerX),
                 flat(s.manAttackerY),
                 nullptr,
                 nullptr,
                 flat(s.manCheckMarks)};
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = s.Board[x][y];
            if (c <= -1) reachOf<true>(s, m, x, y, c);
        }
}

// Rebuild the COM maps from the board. The COM guard and attacker squares are
// not cleared: an entry is read only where its value map is below 999.
void 勢力調査_COM(ComState& s) {
    ++comSurveys;
    clearSquares(s.comInfluence, 0);
    clearSquares(s.comCheckMarks, 0);
    clearSquares(s.comGuardValue, 999);
    clearSquares(s.comAttackValue, 999);
    const Maps m{&comSquareReach(),     &s.Board[0][0],         flat(s.comInfluence),
                 flat(s.comGuardValue), flat(s.comAttackValue), flat(s.comAttackerX),
                 flat(s.comAttackerY),  flat(s.comGuardX),      flat(s.comGuardY),
                 flat(s.comCheckMarks)};
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = s.Board[x][y];
            if (c >= 1) reachOf<false>(s, m, x, y, c);
        }
}

}  // namespace zk

namespace zk {

std::uint64_t 勢力調査_MAN_回数() { return manSurveys; }

void 勢力基準_MAN(const ComState& s, ManSurveyBase& base) {
    // Taken whole, row and column 0 included, so that whole grids copy back.
    base.board = s.Board;
    base.influence = s.manInfluence;
    base.guardValue = s.manGuardValue;
    base.attackValue = s.manAttackValue;
    base.attackerX = s.manAttackerX;
    base.attackerY = s.manAttackerY;
    base.count.fill(0);
    base.valid = true;
    base.kingX = base.princeX = base.lionX = 0;
    const PieceCode* board = &base.board[0][0];
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = base.board[x][y];
            if (!(c <= -1)) continue;
            // Kept as the survey writes them: the last found in its order.
            const int kind = c.isMidMove() ? 0 : c.kind();
            if (kind == 39) {
                base.kingX = x;
                base.kingY = y;
            } else if (kind == 38) {
                base.princeX = x;
                base.princeY = y;
            } else if (kind == 33 || kind == 34) {
                base.lionX = x;
                base.lionY = y;
            }
            const int src = at(x, y);
            reachesOf<-1>(board, src, c, [&](int i, int how) {
                if (base.count[i] == ManSurveyBase::kMaxReachers) {
                    base.valid = false;
                    return;
                }
                base.reacher[i][base.count[i]++] = static_cast<std::uint16_t>(src | how << 8);
            });
        }
}

bool 勢力差分_MAN(ComState& s, const ManSurveyBase& base, int x, int y, int tx, int ty,
                  PatchTrail* trail) {
    if (!base.valid || !onBoard(x, y) || !onBoard(tx, ty) || (x == tx && y == ty)) return false;
    const PieceCode taken = base.board[tx][ty];
    if (!(base.board[x][y] >= 1) || !s.Board[x][y].isEmpty() || !(s.Board[tx][ty] >= 1) ||
        !(taken <= 0))
        return false;
    // Taking a royal piece or a lion moves the squares the survey records.
    const int takenKind = taken.kind();
    if (takenKind == 33 || takenKind == 34 || takenKind == 38 || takenKind == 39) return false;

    const PieceCode* before = &base.board[0][0];
    const PieceCode* now = &s.Board[0][0];
    const int from = at(x, y), to = at(tx, ty);

    // The squares whose reachers or occupant changed, each listed once.
    ChangedSquares changedSet;
    auto& changed = changedSet.changed;
    int& changes = changedSet.count;
    auto touch = [&](int i) { changedSet.touch(i); };
    touch(from);
    touch(to);
    if (taken <= -1) reachesOf<-1>(before, to, taken, [&](int i, int) { touch(i); });

    // Lines that reached either square may now run shorter or longer.
    std::array<ChangedLine, 2 * ManSurveyBase::kMaxReachers> lines;
    int lineCount = 0;
    for (const int square : {from, to})
        for (int k = 0; k < base.count[square]; ++k) {
            const int entry = base.reacher[square][k];
            const int src = entry & 0xff, how = entry >> 8;
            if (how < kLine || src == to) continue;
            const int direction = how - kLine;
            bool seen = false;
            for (int j = 0; j < lineCount; ++j)
                seen = seen || (lines[j].src == src && lines[j].direction == direction);
            if (seen) continue;
            const int was = sideLineRun(before, src, direction, -1);
            const int is = sideLineRun(now, src, direction, -1);
            if (was == is) continue;
            lines[lineCount++] = {src, direction, was, is};
            const int d = kLineTables.delta[direction];
            const int lo = was < is ? was : is, hi = was < is ? is : was;
            for (int j = lo + 1; j <= hi; ++j) touch(src + j * d);
        }

    // The survey writes the royal and lion squares it finds.
    if (base.kingX > 0) {
        s.manKingX = base.kingX;
        s.manKingY = base.kingY;
    }
    if (base.princeX > 0) {
        s.manPrinceX = base.princeX;
        s.manPrinceY = base.princeY;
    }
    if (base.lionX > 0) {
        s.manLionX = base.lionX;
        s.manLionY = base.lionY;
    }

    // Squares not touched keep the base values: only those the last patch
    // wrote differ from them when the trail is known.
    if (trail && trail->known) {
        for (int k = 0; k < trail->count; ++k) {
            const int i = trail->square[k];
            if (changedSet.listed(i)) continue;
            const int cx = i / kStride, cy = i % kStride;
            s.manInfluence[cx][cy] = base.influence[cx][cy];
            s.manGuardValue[cx][cy] = base.guardValue[cx][cy];
            s.manAttackValue[cx][cy] = base.attackValue[cx][cy];
            s.manAttackerX[cx][cy] = base.attackerX[cx][cy];
            s.manAttackerY[cx][cy] = base.attackerY[cx][cy];
        }
    } else {
        s.manInfluence = base.influence;
        s.manGuardValue = base.guardValue;
        s.manAttackValue = base.attackValue;
        s.manAttackerX = base.attackerX;
        s.manAttackerY = base.attackerY;
    }
    if (trail) {
        trail->known = true;
        trail->count = changes;
        std::copy(changed.begin(), changed.begin() + changes, trail->square.begin());
    }

    // Replay the reachers of each changed square in the survey's order.
    for (int c = 0; c < changes; ++c) {
        const int i = changed[c];
        // Reachers gained here, by source square.
        std::array<std::uint16_t, 2 * ManSurveyBase::kMaxReachers> gained;
        int gains = 0;
        for (int j = 0; j < lineCount; ++j) {
            const ChangedLine& l = lines[j];
            if (l.after <= l.before) continue;
            const int d = kLineTables.delta[l.direction];
            const int step = i - l.src;
            if (step % d != 0) continue;
            const int pos = step / d;
            if (pos > l.before && pos <= l.after) {
                int k = gains++;
                const auto entry = static_cast<std::uint16_t>(l.src | (kLine + l.direction) << 8);
                while (k > 0 && (gained[k - 1] & 0xff) > l.src) {
                    gained[k] = gained[k - 1];
                    --k;
                }
                gained[k] = entry;
            }
        }
        const int t = now[i].tenths();
        int influence = 0, guard = 999, attack = 999, ax = 0, ay = 0;
        auto apply = [&](int entry) {
            const int src = entry & 0xff, how = entry >> 8;
            ++influence;
            if (how == kKing) {
                if (t <= kOwnMan && guard > -39) guard = -39;
                return;
            }
            const int v = s.pieceValue[before[src].kind()];
            if (t <= kOwnMan) {
                if (guard > v) guard = v;
            } else if (t >= kOwnCom) {
                if (attack > v) {
                    attack = v;
                    ax = src / kStride;
                    ay = src % kStride;
                }
            }
        };
        int g = 0;
        for (int k = 0; k < base.count[i]; ++k) {
            const int entry = base.reacher[i][k];
            const int src = entry & 0xff, how = entry >> 8;
            if (src == to) continue;  // the piece taken
            if (how >= kLine) {
                bool lost = false;
                for (int j = 0; j < lineCount; ++j) {
                    const ChangedLine& l = lines[j];
                    if (l.src != src || l.direction != how - kLine || l.after >= l.before) continue;
                    const int pos = (i - src) / kLineTables.delta[l.direction];
                    lost = pos > l.after;
                }
                if (lost) continue;
            }
            while (g < gains && (gained[g] & 0xff) < src) apply(gained[g++]);
            apply(entry);
        }
        while (g < gains) apply(gained[g++]);
        const int cx = i / kStride, cy = i % kStride;
        s.manInfluence[cx][cy] = influence;
        s.manGuardValue[cx][cy] = guard;
        s.manAttackValue[cx][cy] = attack;
        s.manAttackerX[cx][cy] = ax;
        s.manAttackerY[cx][cy] = ay;
    }
    return true;
}

}  // namespace zk

namespace zk {

std::uint64_t 勢力調査_COM_回数() { return comSurveys; }

void 勢力基準_COM(const ComState& s, ComSurveyBase& base) {
    base.board = s.Board;
    // Row and column 0 as the maps hold them, so that whole grids copy back.
    base.influence = s.comInfluence;
    base.guardValue = s.comGuardValue;
    base.attackValue = s.comAttackValue;
    base.written = 0;
    base.enteredAt.fill(-1);
    base.count.fill(0);
    base.lineCount.fill(0);
    base.valid = true;
    base.kingX = base.princeX = 0;
    const PieceCode* board = &base.board[0][0];
    int reached = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = base.board[x][y];
            base.value[at(x, y)] = s.pieceValue[c.kind()];
            base.reachedFrom[at(x, y)] = static_cast<std::uint16_t>(reached);
            base.reachedCount[at(x, y)] = 0;
            if (!(c >= 1)) continue;
            // Kept as the survey writes them: the last found in its order.
            const int kind = c.isMidMove() ? 0 : c.kind();
            if (kind == 39) {
                base.kingX = x;
                base.kingY = y;
            } else if (kind == 38) {
                base.princeX = x;
                base.princeY = y;
            }
            const int src = at(x, y);
            reachesOf<1>(board, src, c, [&](int i, int how) {
                if (base.count[i] == ComSurveyBase::kMaxReachers) {
                    base.valid = false;
                    return;
                }
                const auto entry = static_cast<std::uint16_t>(src | how << 8);
                base.reacher[i][base.count[i]++] = entry;
                if (how >= kLine && how != kGold) base.lineReacher[i][base.lineCount[i]++] = entry;
                base.reached[reached++] = static_cast<std::uint8_t>(i);
                ++base.reachedCount[src];
            });
            if (!c.isMidMove()) {
                const KindReach& r = kComReach[c.kind()];
                for (int k = 0; k < r.lines; ++k) {
                    const int direction = directionOf(r.line[k].dx, r.line[k].dy);
                    base.lineRun[src * 9 + direction] =
                        static_cast<std::uint8_t>(sideLineRun(board, src, direction, 1));
                }
            }
        }
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const int i = at(x, y);
            ComSquare q;
            q.guardX = q.guardY = q.attackerX = q.attackerY = 0;
            for (int k = 0; k < base.count[i]; ++k) {
                const int entry = base.reacher[i][k];
                replayCom(q, board[i].tenths(), entry, base.value[entry & 0xff]);
            }
            base.influence[x][y] = q.influence;
            base.guardKept[i] = q.guardLastWritten;
            base.guardValue[x][y] = q.guard;
            base.attackValue[x][y] = q.attack;
            if (q.guardWritten || q.attackerWritten) {
                base.enteredAt[i] = static_cast<std::int16_t>(base.written);
                base.entered[base.written++] = {i, q.guardWritten ? q.guardX : -1, q.guardY,
                                                q.attackerWritten ? q.attackerX : -1, q.attackerY};
            }
        }
}

bool 勢力差分_COM(ComState& s, const ComSurveyBase& base, int x, int y, int tx, int ty,
                  PatchTrail* trail) {
    if (!base.valid || !onBoard(x, y) || !onBoard(tx, ty) || (x == tx && y == ty)) return false;
    const PieceCode was = base.board[x][y], moved = s.Board[tx][ty];
    if (!(was >= 1) || !s.Board[x][y].isEmpty() || !(moved >= 1) || !(base.board[tx][ty] <= 0))
        return false;
    // A royal piece moved moves the squares the survey records.
    for (const PieceCode c : {was, moved})
        if (c.kind() == 38 || c.kind() == 39) return false;

    const PieceCode* now = &s.Board[0][0];
    const int from = at(x, y), to = at(tx, ty);

    // What the move changes, square by square, in one block so that it is
    // cleared at once.
    struct Changes {
        std::array<std::uint8_t, 169> listed;  // in `changed`
        // Its values depend on the destination; the rest depend only on the
        // square the piece left.
        std::array<std::uint8_t, 169> byDestination;
        std::array<std::uint8_t, 169>
            reachedBefore;  // the moved piece reached it from its old square
        std::array<std::uint8_t, 169>
            movedReach;  // how + 1 the moved piece reaches it from the new one
        std::array<std::uint8_t, 169> losses, gains;  // line reachers lost and gained
    } sq{};
    // The squares whose reachers or occupant changed, each listed once.
    std::array<std::uint8_t, 169> changed;
    int changes = 0;
    auto touch = [&](int i) {
        if (!sq.listed[i]) {
            sq.listed[i] = 1;
            changed[changes++] = static_cast<std::uint8_t>(i);
        }
    };
    touch(from);
    touch(to);
    sq.byDestination[to] = 1;
    for (int k = 0; k < base.reachedCount[from]; ++k) {
        const int i = base.reached[base.reachedFrom[from] + k];
        touch(i);
        sq.reachedBefore[i] = 1;
    }
    int reachCount = 0;
    reachesOf<1>(now, to, moved, [&](int i, int how) {
        touch(i);
        sq.movedReach[i] = static_cast<std::uint8_t>(how + 1);
        sq.byDestination[i] = 1;
        if (trail) trail->reach[reachCount++] = static_cast<std::uint8_t>(i);
    });
    if (trail) trail->reachCount = reachCount;

    // Lines that reached either square may now run shorter or longer: the
    // reachers each square loses and gains, the gains by source square.
    constexpr int kPerSquare = 8;
    std::array<std::array<std::uint8_t, kPerSquare>, 169> lost;
    std::array<std::array<std::uint16_t, kPerSquare + 1>, 169> gained;
    std::array<std::uint16_t, 2 * ComSurveyBase::kMaxReachers> seen;
    int seenCount = 0;
    auto gain = [&](int i, int src, int how) {
        int k = sq.gains[i]++;
        while (k > 0 && (gained[i][k - 1] & 0xff) > src) {
            gained[i][k] = gained[i][k - 1];
            --k;
        }
        gained[i][k] = static_cast<std::uint16_t>(src | how << 8);
    };
    for (const int square : {from, to})
        for (int k = 0; k < base.lineCount[square]; ++k) {
            const int entry = base.lineReacher[square][k];
            const int src = entry & 0xff, how = entry >> 8;
            if (src == from) continue;
            bool known = false;
            for (int j = 0; j < seenCount; ++j) known = known || seen[j] == entry;
            if (known) continue;
            seen[seenCount++] = static_cast<std::uint16_t>(entry);
            const int direction = how - kLine;
            const int runBefore = base.lineRun[src * 9 + direction];
            const int runNow = sideLineRun(now, src, direction, 1);
            const int d = kLineTables.delta[direction];
            // A line the destination lies on runs as far as the destination lets it.
            const int far = runBefore > runNow ? runBefore : runNow;
            const int toStep = to - src;
            const std::uint8_t cut =
                square == to || (toStep % d == 0 && toStep / d > 0 && toStep / d <= far);
            // Where it would run with the piece lifted alone depends on the
            // destination too: none of it is the lift's alone.
            if (cut)
                for (int j = 1, n = kLineTables.length[src][direction]; j <= n; ++j)
                    sq.byDestination[src + j * d] = 1;
            for (int j = runNow + 1; j <= runBefore; ++j) {
                const int i = src + j * d;
                if (sq.losses[i] == kPerSquare) return false;
                touch(i);
                lost[i][sq.losses[i]++] = static_cast<std::uint8_t>(src);
            }
            for (int j = runBefore + 1; j <= runNow; ++j) {
                const int i = src + j * d;
                if (sq.gains[i] == kPerSquare) return false;
                touch(i);
                gain(i, src, how);
            }
        }

    if (base.kingX > 0) {
        s.comKingX = base.kingX;
        s.comKingY = base.kingY;
    }
    if (base.princeX > 0) {
        s.comPrinceX = base.princeX;
        s.comPrinceY = base.princeY;
    }

    // Squares not touched get what the survey enters there for the base; when
    // the trail is known, only the squares the last patch wrote lack it.
    int* influence = &s.comInfluence[0][0];
    int* guardValue = &s.comGuardValue[0][0];
    int* attackValue = &s.comAttackValue[0][0];
    int* guardX = &s.comGuardX[0][0];
    int* guardY = &s.comGuardY[0][0];
    int* attackerX = &s.comAttackerX[0][0];
    int* attackerY = &s.comAttackerY[0][0];
    auto enter = [&](const ComSurveyBase::Entered& e) {
        if (e.guardX >= 0) {
            guardX[e.square] = e.guardX;
            guardY[e.square] = e.guardY;
        }
        if (e.attackerX >= 0) {
            attackerX[e.square] = e.attackerX;
            attackerY[e.square] = e.attackerY;
        }
    };
    // The last patch lifted the same piece and nothing wrote the maps since:
    // the squares that lift alone wrote then are already right.
    const bool sameLift = trail && trail->known && trail->count > 0 && trail->lifted == from;
    const std::uint32_t lastStamp = trail ? trail->stamp : 0;
    if (trail && trail->known) {
        // Held in locals: the map writes below might otherwise alias them.
        const int lastCount = trail->count;
        const auto* lastSquares = trail->square.data();
        for (int k = 0; k < lastCount; ++k) {
            const int i = lastSquares[k];
            if (sq.listed[i]) continue;
            influence[i] = (&base.influence[0][0])[i];
            guardValue[i] = (&base.guardValue[0][0])[i];
            attackValue[i] = (&base.attackValue[0][0])[i];
            if (base.enteredAt[i] >= 0) enter(base.entered[base.enteredAt[i]]);
        }
    } else {
        s.comInfluence = base.influence;
        s.comGuardValue = base.guardValue;
        s.comAttackValue = base.attackValue;
        for (int w = 0; w < base.written; ++w)
            if (!sq.listed[base.entered[w].square]) enter(base.entered[w]);
    }
    std::uint32_t* liftOnly = nullptr;
    std::uint32_t stamp = 0;
    if (trail) {
        trail->known = true;
        trail->count = changes;
        std::copy(changed.begin(), changed.begin() + changes, trail->square.begin());
        trail->lifted = from;
        stamp = trail->stamp = lastStamp + 1;
        liftOnly = trail->liftOnly.data();
    }

    const int movedValue = s.pieceValue[moved.kind()];
    auto valueAt = [&](int src) { return src == to ? movedValue : base.value[src]; };
    for (int c = 0; c < changes; ++c) {
        const int i = changed[c];
        if (liftOnly && !sq.byDestination[i]) {
            const bool already = sameLift && liftOnly[i] == lastStamp;
            liftOnly[i] = stamp;
            if (already) continue;
        }
        const int t = now[i].tenths();
        if (t == 0) {
            // An empty square only counts its reachers; no value is entered.
            influence[i] = (&base.influence[0][0])[i] - sq.reachedBefore[i] - sq.losses[i] +
                           sq.gains[i] + (sq.movedReach[i] ? 1 : 0);
            guardValue[i] = attackValue[i] = 999;
            continue;
        }
        if (i != to) {
            // The occupant is the base's: reachers that come or go dearer than
            // the cheapest guard (own piece) or attacker (human piece), which
            // was entered with its square, leave what the base entered.
            const bool own = t >= kOwnCom;
            const int cheapest = own ? (base.guardKept[i] ? (&base.guardValue[0][0])[i] : 999)
                                     : (t <= kOwnMan ? (&base.attackValue[0][0])[i] : 999);
            bool dearer = cheapest < 999 && (!sq.reachedBefore[i] || base.value[from] > cheapest) &&
                          (!sq.movedReach[i] || movedValue > cheapest);
            for (int j = 0; dearer && j < sq.losses[i]; ++j)
                dearer = base.value[lost[i][j]] > cheapest;
            for (int j = 0; dearer && j < sq.gains[i]; ++j)
                dearer = valueAt(gained[i][j] & 0xff) > cheapest;
            if (dearer) {
                influence[i] = (&base.influence[0][0])[i] - sq.reachedBefore[i] - sq.losses[i] +
                               sq.gains[i] + (sq.movedReach[i] ? 1 : 0);
                guardValue[i] = (&base.guardValue[0][0])[i];
                attackValue[i] = (&base.attackValue[0][0])[i];
                enter(base.entered[base.enteredAt[i]]);
                continue;
            }
        }
        if (sq.movedReach[i]) gain(i, to, sq.movedReach[i] - 1);
        ComSquare q;
        q.guardX = guardX[i];
        q.guardY = guardY[i];
        q.attackerX = attackerX[i];
        q.attackerY = attackerY[i];
        const std::uint16_t* more = gained[i].data();
        const int moreCount = sq.gains[i], lossCount = sq.losses[i];
        const std::uint16_t* entries = base.reacher[i].data();
        const int count = base.count[i];
        // The base's reachers are computer pieces of the base, never the
        // destination; the moved piece is left out.
        if (moreCount == 0 && lossCount == 0) {
            for (int k = 0; k < count; ++k) {
                const int src = entries[k] & 0xff;
                if (src != from) replayCom(q, t, entries[k], base.value[src]);
            }
        } else {
            int g = 0;
            // The source of the next gained reacher (256: none left).
            int nextGained = moreCount > 0 ? more[0] & 0xff : 256;
            for (int k = 0; k < count; ++k) {
                const int entry = entries[k];
                const int src = entry & 0xff;
                if (src == from) continue;
                bool gone = false;
                for (int j = 0; j < lossCount; ++j) gone = gone || lost[i][j] == src;
                if (gone) continue;
                while (nextGained < src) {
                    replayCom(q, t, more[g], valueAt(nextGained));
                    ++g;
                    nextGained = g < moreCount ? more[g] & 0xff : 256;
                }
                replayCom(q, t, entry, base.value[src]);
            }
            for (; g < moreCount; ++g) replayCom(q, t, more[g], valueAt(more[g] & 0xff));
        }
        influence[i] = q.influence;
        guardValue[i] = q.guard;
        attackValue[i] = q.attack;
        guardX[i] = q.guardX;
        guardY[i] = q.guardY;
        attackerX[i] = q.attackerX;
        attackerY[i] = q.attackerY;
    }
    return true;
}

}  // namespace zk
