#include "position.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "move_check.h"
#include "move_table.h"
#include "pieces.h"
#include "standard_moves.h"

namespace zk {

namespace {

// Does the side of `sign` own this code?
bool owns(int sign, PieceCode c) { return sign > 0 ? c >= 1 : c <= -1; }

// The codes a step may end with: the code itself, or for the computer also
// the promoted one (at most two).
int afterChoices(const BoardGrid& b, RuleSet rules, int fromY, int tx, int ty, PieceCode c,
                 Mover who, PieceCode out[2]) {
    const PieceCode promoted = promotionOf(b, fromY, tx, ty, c, rules);
    if (promoted.isEmpty()) {
        out[0] = c;
        return 1;
    }
    if (who == Mover::Presses) {
        out[0] = promoted;
        return 1;
    }
    out[0] = c;
    out[1] = promoted;
    return 2;
}

// The history after a move that wrote one record entry.
LionHistory afterOneEntry(const LionHistory& h, PieceCode after, PieceCode captured) {
    return {captured, after, h.lastAfter};
}

// The second steps of a two-step piece that went on from (fx, fy) to the mid
// square (mx, my): the board shows the first step, `h` holds its entry.
void secondSteps(BoardGrid& b, RuleSet rules, const LionHistory& h, Mover who, const Move& first,
                 PieceCode midCode, std::vector<Move>& out) {
    const int mx = first.toX, my = first.toY;
    for (int x = mx - 1; x <= mx + 1; ++x)
        for (int y = my - 1; y <= my + 1; ++y) {
            if (moveCheck(b, h, true, mx, my, x, y, midCode, rules) != 1) continue;
            if (lionCaptureRefusal(b, h, true, mx, my, first.after, x, y, rules) !=
                LionRefusal::None)
                continue;
            PieceCode afters[2];
            const int n = afterChoices(b, rules, my, x, y, first.after, who, afters);
            for (int i = 0; i < n; ++i) {
                Move m = first;
                m.midX = first.toX;
                m.midY = first.toY;
                m.midAfter = first.after;
                m.capturedMid = first.captured;
                m.toX = static_cast<std::int8_t>(x);
                m.toY = static_cast<std::int8_t>(y);
                m.after = afters[i];
                m.captured = b[x][y];
                out.push_back(m);
            }
        }
}

// Every move of the piece on (fx, fy), in destination order.
void movesOfPiece(BoardGrid& b, RuleSet rules, const LionHistory& h, Mover who, int fx, int fy,
                  std::vector<Move>& out) {
    const PieceCode c = b[fx][fy];
    for (const auto& [dx, dy] : emptyBoardSteps(c, rules)) {
        const int tx = fx + dx, ty = fy + dy;
        if (!onBoard(tx, ty)) continue;
        const PieceCode target = b[tx][ty];
        if (lionCaptureRefusal(b, h, false, fx, fy, c, tx, ty, rules) != LionRefusal::None)
            continue;
        if (moveCheck(b, h, false, fx, fy, tx, ty, c, rules) != 1) continue;
        PieceCode afters[2];
        const int n = afterChoices(b, rules, fy, tx, ty, c, who, afters);
        const PieceCode mid = 二手目駒(fx, fy, tx, ty, c, rules);
        for (int i = 0; i < n; ++i) {
            Move m = Move::single(fx, fy, tx, ty, c, afters[i], target);
            m.stopped = !mid.isEmpty() && who == Mover::Presses;
            out.push_back(m);
            if (mid.isEmpty()) continue;
            // The first step stands on the board while the second is chosen:
            // a lion shows its code after promotion, the others their own.
            b[fx][fy] = code::EMPTY;
            b[tx][ty] = isLionCode(c) ? m.after : c;
            m.stopped = false;
            secondSteps(b, rules, afterOneEntry(h, m.after, target), who, m, mid, out);
            b[tx][ty] = target;
            b[fx][fy] = c;
        }
    }
}

}  // namespace

LionHistory lionHistoryOf(const GameRecord& r, int n) {
    return {r.at(n).capturedPiece, r.at(n).pieceAfter, r.at(n - 1).pieceAfter};
}

Position Position::initial() {
    Position p;
    初期配置(p.Board);
    return p;
}

Position Position::initial(RuleSet rules) {
    return rules == RuleSet::Standard ? standardInitial() : initial();
}

Position Position::fromBoard(const BoardGrid& board, int mover) {
    Position p;
    p.Board = board;
    p.mover = mover;
    return p;
}

Position Position::fromRecord(const BoardGrid& start, int firstMover, const GameRecord& r, int n) {
    Position p = fromBoard(start, firstMover);
    for (int k = 1; k <= n; ++k) {
        const MoveRecord& e = r.at(k);
        if (onBoard(e.fromX, e.fromY)) p.Board[e.fromX][e.fromY] = code::EMPTY;
        if (onBoard(e.toX, e.toY)) p.Board[e.toX][e.toY] = e.pieceAfter;
    }
    if (n >= 1 && !r.at(n).movedPiece.isEmpty()) p.mover = r.at(n).movedPiece >= 1 ? -1 : 1;
    // Entry 0 reads as the start of a game.
    p.history = lionHistoryOf(r, n);
    if (n == 0) p.history.lastAfter = PieceCode(1);
    return p;
}

void legalMoves(const Position& p, Mover who, std::vector<Move>& out) {
    if (p.rules == RuleSet::Standard) return standardLegalMoves(p, out);
    out.clear();
    Position scratch = p;  // the lion test empties squares and puts them back
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (owns(p.mover, scratch.Board[x][y]) && !scratch.Board[x][y].isMidMove())
                movesOfPiece(scratch.Board, p.rules, p.history, who, x, y, out);
}

std::vector<Move> legalMoves(const Position& p, Mover who) {
    std::vector<Move> out;
    out.reserve(256);
    legalMoves(p, who, out);
    return out;
}

void apply(Position& p, const Move& m) {
    p.Board[m.fromX][m.fromY] = code::EMPTY;
    if (p.rules == RuleSet::Standard) {
        if (m.isTwoStep()) p.Board[m.midX][m.midY] = code::EMPTY;
        p.history = standardHistoryAfter(p.history, m);
    } else if (m.isTwoStep()) {
        p.Board[m.midX][m.midY] = code::EMPTY;
        // Two entries: the first step's, then the second step's.
        p.history = {m.captured, m.after, m.midAfter};
    } else if (m.stopped) {
        // The declined question writes a second entry for the same step, made
        // with the piece already standing there: it "captures" itself.
        const PieceCode shown = isLionCode(m.piece) ? m.after : m.piece;
        p.history = {shown, m.after, m.after};
    } else {
        p.history = afterOneEntry(p.history, m.after, m.captured);
    }
    p.Board[m.toX][m.toY] = m.after;
    p.mover = -p.mover;
}

std::uint64_t perft(const Position& p, int depth, Mover who) {
    if (depth <= 0) return 1;
    std::vector<Move> moves;
    legalMoves(p, who, moves);
    if (depth == 1) return moves.size();
    std::uint64_t total = 0;
    for (const Move& m : moves) {
        Position next = p;
        apply(next, m);
        total += perft(next, depth - 1, who);
    }
    return total;
}

PieceCode 二手目駒(int selX, int selY, int destX, int destY, PieceCode pieceBefore, RuleSet rules) {
    const int dx = destX - selX, dy = destY - selY;
    // Only a king step can be a first step that goes on.
    if (dx < -1 || dx > 1 || dy < -1 || dy > 1 || (dx == 0 && dy == 0)) return code::EMPTY;
    return pieceMoves(rules, pieceBefore).goesOn[lineOf(dx, dy)];
}

}  // namespace zk
