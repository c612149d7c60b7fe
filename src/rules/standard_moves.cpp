#include "standard_moves.h"

#include <cstdlib>

#include "game_end.h"
#include "lion_rules.h"
#include "move_check.h"
#include "move_table.h"

namespace zk {

namespace {

constexpr RuleSet kStd = RuleSet::Standard;

// Does the side of `sign` own this code?
bool owns(int sign, PieceCode c) { return sign > 0 ? c >= 1 : c <= -1; }

// The far four rows of the side of `sign`.
bool inZone(int sign, int y) { return sign < 0 ? y <= 4 : y >= 9; }

// Does a run or leap of `c` bring it from (fx, fy) to (tx, ty), the squares
// between a run empty?
bool reachesSquare(const BoardGrid& b, PieceCode c, int fx, int fy, int tx, int ty) {
    const Reach how = reachOf(pieceMoves(kStd, c), tx - fx, ty - fy);
    if (how != Reach::Slide) return how == Reach::Leap;
    const int sx = (tx > fx) - (tx < fx), sy = (ty > fy) - (ty < fy);
    for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy)
        if (!b[x][y].isEmpty()) return false;
    return true;
}

// May some piece of the side `side` move onto (x, y) of the board?
bool attacked(const BoardGrid& b, int side, int x, int y) {
    for (int px = 1; px <= 12; ++px)
        for (int py = 1; py <= 12; ++py)
            if (owns(side, b[px][py]) && reachesSquare(b, b[px][py], px, py, x, y)) return true;
    return false;
}

// The lion-capture rules on a whole move, the board as before it. A lion
// takes an adjacent lion freely, a lion two squares away only when no enemy
// piece could take back on that square, or when the move's first step took
// something worth more than a pawn or a go-between. Right after a lion was
// taken by another piece, no lion is taken but by a lion.
bool lionRulesAllow(const BoardGrid& b, const LionHistory& h, const Move& m) {
    const bool takesLion = isLionCode(m.captured) || isLionCode(m.capturedMid);
    if (!takesLion) return true;
    const bool counterStrike = isLionCode(h.lastCaptured) && !isLionCode(h.lastAfter);
    if (!isLionCode(m.piece)) return !counterStrike;
    if (!isLionCode(m.captured)) return true;  // a lion on the first step is adjacent
    if (std::abs(m.toX - m.fromX) <= 1 && std::abs(m.toY - m.fromY) <= 1) return true;
    const int bridge = m.capturedMid.kind();
    if (m.isTwoStep() && bridge != 0 && bridge != 1 && bridge != 35) return true;
    BoardGrid after = b;
    after[m.fromX][m.fromY] = code::EMPTY;
    if (m.isTwoStep()) after[m.midX][m.midY] = code::EMPTY;
    after[m.toX][m.toY] = m.after;
    return !attacked(after, m.captured >= 1 ? 1 : -1, m.toX, m.toY);
}

// The single moves of the piece on (fx, fy): each destination it reaches,
// plain and, where it may, promoted.
void singleMoves(const Position& p, int fx, int fy, std::vector<Move>& out) {
    const BoardGrid& b = p.Board;
    const PieceCode c = b[fx][fy];
    const int sign = c >= 1 ? 1 : -1;
    const PieceCode promoted = pieceMoves(kStd, c).promoted;
    for (const auto& [dx, dy] : emptyBoardSteps(c, kStd)) {
        const int tx = fx + dx, ty = fy + dy;
        if (!onBoard(tx, ty) || owns(sign, b[tx][ty])) continue;
        if (!reachesSquare(b, c, fx, fy, tx, ty)) continue;
        Move m = Move::single(fx, fy, tx, ty, c, c, b[tx][ty]);
        if (!lionRulesAllow(b, p.history, m)) continue;
        out.push_back(m);
        if (!promoted.isEmpty() && standardMayPromote(c, fy, ty, !m.captured.isEmpty())) {
            m.after = promoted;
            out.push_back(m);
        }
    }
}

// The two-step moves of a lion, falcon or eagle on (fx, fy): a first king
// step along a line that goes on, then a step of its mid-move code, which
// may come back to the square it left. A pass through an empty square
// counts as a move of its own.
void twoStepMoves(const Position& p, int fx, int fy, std::vector<Move>& out) {
    const BoardGrid& b = p.Board;
    const PieceCode c = b[fx][fy];
    const int sign = c >= 1 ? 1 : -1;
    const PieceMoves& pm = pieceMoves(kStd, c);
    for (int d = 0; d < 8; ++d) {
        if (pm.goesOn[d].isEmpty()) continue;
        const int mx = fx + kLines[d].dx, my = fy + kLines[d].dy;
        if (!onBoard(mx, my) || owns(sign, b[mx][my])) continue;
        const PieceMoves& second = pieceMoves(kStd, pm.goesOn[d]);
        for (int e = 0; e < 8; ++e) {
            if (second.run[e] < 1) continue;
            const int tx = mx + kLines[e].dx, ty = my + kLines[e].dy;
            if (!onBoard(tx, ty)) continue;
            const bool home = tx == fx && ty == fy;
            if (!home && owns(sign, b[tx][ty])) continue;
            Move m = Move::single(fx, fy, tx, ty, c, c, home ? code::EMPTY : b[tx][ty]);
            m.midX = static_cast<std::int8_t>(mx);
            m.midY = static_cast<std::int8_t>(my);
            m.midAfter = c;
            m.capturedMid = b[mx][my];
            if (!lionRulesAllow(b, p.history, m)) continue;
            out.push_back(m);
        }
    }
}

// Put the bottom side's half of the array on the board; the top side's is
// the same turned half a turn.
void standardArray(BoardGrid& b) {
    constexpr int kBack[3][12] = {
        {7, 11, 15, 23, 17, 34, 27, 17, 23, 15, 11, 7},  // row 10
        {28, 0, 21, 0, 30, 32, 25, 30, 0, 21, 0, 28},    // row 11
        {3, 19, 5, 9, 13, 39, 37, 13, 9, 5, 19, 3},      // row 12
    };
    b = BoardGrid{};
    for (int x = 1; x <= 12; ++x) {
        b[x][9] = PieceCode(-1);
        for (int r = 0; r < 3; ++r) b[x][10 + r] = PieceCode(-kBack[r][x - 1]);
    }
    b[4][8] = b[9][8] = PieceCode(-35);
    for (int x = 1; x <= 12; ++x)
        for (int y = 8; y <= 12; ++y) b[13 - x][13 - y] = -b[x][y];
}

}  // namespace

Position standardInitial() {
    Position p;
    standardArray(p.Board);
    p.rules = RuleSet::Standard;
    return p;
}

bool standardMayPromote(PieceCode c, int fromY, int toY, bool takes) {
    if (pieceMoves(kStd, c).promoted.isEmpty()) return false;
    const int sign = c >= 1 ? 1 : -1;
    if (!inZone(sign, fromY) && inZone(sign, toY)) return true;
    if (takes && (inZone(sign, fromY) || inZone(sign, toY))) return true;
    const bool lastRow = sign < 0 ? toY == 1 : toY == 12;
    return lastRow && (c.kind() == 1 || c.kind() == 3);
}

void standardLegalMoves(const Position& p, std::vector<Move>& out) {
    out.clear();
    if (!standardGameEnded(p)) standardMovesOnBoard(p, out);
}

void standardMovesOnBoard(const Position& p, std::vector<Move>& out) {
    out.clear();
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = p.Board[x][y];
            if (!owns(p.mover, c) || c.isMidMove()) continue;
            singleMoves(p, x, y, out);
            if (pieceMoves(kStd, c).twoStep != TwoStep::None) twoStepMoves(p, x, y, out);
        }
}

LionHistory standardHistoryAfter(const LionHistory& before, const Move& m) {
    const PieceCode taken = isLionCode(m.capturedMid) && !isLionCode(m.captured) ? m.capturedMid
                            : m.captured.isEmpty()                               ? m.capturedMid
                                                                                 : m.captured;
    return {taken, m.piece, before.lastAfter};
}

}  // namespace zk
