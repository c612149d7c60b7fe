#include "game_end.h"

#include <vector>

#include "move_check.h"
#include "standard_moves.h"

namespace zk {

Census 調査_駒数(const BoardGrid& b) {
    Census c;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode p = b[x][y];
            if (p.isEmpty()) continue;
            const int i = p >= 1 ? 1 : 0;
            c.pieces[i] += 1;
            if (p.kind() >= 38) c.royals[i] += 1;
        }
    return c;
}

RoyalSquares royalSquaresOf(const BoardGrid& b, int side) {
    RoyalSquares r;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (b[x][y] == PieceCode(side * 39)) r.kingX = x, r.kingY = y;
            if (b[x][y] == PieceCode(side * 38)) r.princeX = x, r.princeY = y;
        }
    return r;
}

bool reaches(Position& p, int side, int x, int y) {
    for (int fx = 1; fx <= 12; ++fx)
        for (int fy = 1; fy <= 12; ++fy) {
            const PieceCode c = p.Board[fx][fy];
            const bool own = side > 0 ? c >= 1 : c <= -1;
            if (own && moveCheck(p.Board, p.history, false, fx, fy, x, y, c, p.rules) == 1)
                return true;
        }
    return false;
}

bool isDeadPiece(PieceCode c, int y) {
    if (c.kind() != 1 && c.kind() != 3) return false;
    return c >= 1 ? y == 12 : y == 1;
}

bool hasNoRoyal(const BoardGrid& b, int side) { return 調査_駒数(b).royals[sideIndex(side)] == 0; }

bool isBareRoyal(const BoardGrid& b, int side) {
    int royals = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = b[x][y];
            if (c.isEmpty() || (c >= 1) != (side > 0)) continue;
            if (c.kind() >= 38)
                ++royals;
            else if (!isDeadPiece(c, y))
                return false;
        }
    return royals > 0;
}

namespace {

// A piece that keeps its side from being bare: not royal, not dead.
bool keepsFromBare(PieceCode c, int y) {
    return !c.isEmpty() && c.kind() < 38 && !isDeadPiece(c, y);
}

}  // namespace

bool canBareAtOnce(const Position& p) {
    // The other side's pieces that keep it from bare: a move takes two at most.
    int left = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if ((p.Board[x][y] >= 1) == (p.mover < 0) && keepsFromBare(p.Board[x][y], y)) ++left;
    if (left == 0 || left > 2) return left == 0;
    std::vector<Move> moves;
    standardMovesOnBoard(p, moves);
    for (const Move& m : moves) {
        int taken = keepsFromBare(m.captured, m.toY) ? 1 : 0;
        if (m.isTwoStep() && keepsFromBare(m.capturedMid, m.midY)) ++taken;
        if (taken == left) return true;
    }
    return false;
}

bool standardGameEnded(const Position& p) {
    const BoardGrid& b = p.Board;
    if (hasNoRoyal(b, -1) || hasNoRoyal(b, 1)) return true;
    const bool moverBare = isBareRoyal(b, p.mover), otherBare = isBareRoyal(b, -p.mover);
    if (otherBare) return true;
    return moverBare && !canBareAtOnce(p);
}

StandardEnding standardEnding(const Position& p, bool askMoves) {
    const BoardGrid& b = p.Board;
    const int moved = -p.mover;
    if (hasNoRoyal(b, -moved)) return {EndReason::NoRoyal, moved};
    if (hasNoRoyal(b, moved)) return {EndReason::NoRoyal, -moved};
    const bool movedBare = isBareRoyal(b, moved), otherBare = isBareRoyal(b, -moved);
    if (movedBare && otherBare) return {EndReason::BareRoyal, 0};
    if (movedBare) return {EndReason::BareRoyal, -moved};
    if (otherBare && !canBareAtOnce(p)) return {EndReason::BareRoyal, moved};
    if (askMoves && !otherBare) {
        std::vector<Move> moves;
        standardMovesOnBoard(p, moves);
        if (moves.empty()) return {EndReason::NoMoves, moved};
    }
    return {};
}

}  // namespace zk
