// The end of a game judged on a Position, under the caller's end rules, from
// the rules' symmetric facts: the census, the royal squares, whether a side
// reaches a square, and the mate test of either side.
#include "engine.h"
#include "game_end.h"
#include "mate.h"
#include "standard_moves.h"

namespace zk::engine {

namespace {

// Does a piece of `side` reach the only royal piece of the other side? Only
// a side with exactly one royal piece on the board is asked about.
bool attacksLoneRoyal(Position& p, int side) {
    const BoardGrid& b = p.Board;
    const RoyalSquares r = royalSquaresOf(b, -side);
    if (r.kingX > 0 && r.princeX == 0) return reaches(p, side, r.kingX, r.kingY);
    if (r.kingX == 0 && r.princeX > 0) return reaches(p, side, r.princeX, r.princeY);
    return false;
}

// The window's game against the computer, the human at the bottom.
Outcome windowVerdict(Position& p, int movedSide) {
    BoardGrid& b = p.Board;
    const Census c = 調査_駒数(b);
    const int bottom = c.pieces[0], top = c.pieces[1];
    if (movedSide < 0) {
        // The human moved: baring the computer wins, then mate, then royal capture.
        if ((bottom <= 1 || top <= 1) && bottom > top) return Outcome::BottomWins;
        if (c.royals[1] == 1) {
            // The computer's royal piece itself takes no part in the captures,
            // and a capture saves it when no human piece reaches it after.
            const auto stillAttacked = [&](int x, int y) { return reaches(p, -1, x, y); };
            const bool mated =
                詰めか(p, 1, royalSquaresOf(b, 1), RoyalCaptures::Excluded, stillAttacked) == 1;
            // A mate does not count while the human's only royal piece stands attacked.
            if (mated && !attacksLoneRoyal(p, 1)) return Outcome::BottomWins;
        }
        // A side without a royal piece has lost, however it was taken.
        if (c.royals[1] == 0) return Outcome::BottomWins;
        return Outcome::None;
    }
    // The computer moved: a mate of the human is only announced and stops the
    // test; then baring the human is a draw; then royal capture.
    const bool bare = (bottom < 2 || top < 2) && top > bottom;
    if (bare && c.royals[0] == 1) {
        // Any human piece may capture, and the square the royal piece stood on
        // is the one asked about.
        const auto stillAttacked = [&](int x, int y) { return reaches(p, 1, x, y); };
        if (詰めか(p, -1, royalSquaresOf(b, -1), RoyalCaptures::Included, stillAttacked) == 1)
            return Outcome::None;
    }
    if (bare) return Outcome::Draw;
    if (c.royals[0] == 0) return Outcome::TopWins;
    return Outcome::None;
}

Outcome winner(int side) { return side > 0 ? Outcome::TopWins : Outcome::BottomWins; }

// Two programs under one set of rules for both sides.
Outcome symmetricVerdict(Position& p, int movedSide) {
    BoardGrid& b = p.Board;
    const Census c = 調査_駒数(b);
    const int mover = sideIndex(movedSide), other = sideIndex(-movedSide);
    if (c.royals[other] == 0) return winner(movedSide);
    if (c.royals[mover] == 0) return winner(-movedSide);
    if (c.pieces[0] <= 1 || c.pieces[1] <= 1) {
        if (c.pieces[0] == c.pieces[1]) return Outcome::Draw;
        return c.pieces[1] > c.pieces[0] ? Outcome::TopWins : Outcome::BottomWins;
    }
    if (c.royals[other] == 1) {
        // Every piece may capture, the royal piece too, and it must stand
        // unattacked wherever it ends.
        const int side = -movedSide;
        const auto stillAttacked = [&](int x, int y) {
            if (b[x][y].kind() >= 38 && (b[x][y] >= 1) == (side > 0))
                return reaches(p, movedSide, x, y);
            const RoyalSquares r = royalSquaresOf(b, side);
            return r.kingX > 0 ? reaches(p, movedSide, r.kingX, r.kingY)
                               : reaches(p, movedSide, r.princeX, r.princeY);
        };
        if (詰めか(p, side, royalSquaresOf(b, side), RoyalCaptures::Included, stillAttacked) == 1)
            return winner(movedSide);
    }
    return Outcome::None;
}

}  // namespace

Outcome standardOutcome(const Position& after, bool askMoves) {
    const StandardEnding e = standardEnding(after, askMoves);
    if (e.reason == EndReason::None) return Outcome::None;
    return e.winner == 0 ? Outcome::Draw : winner(e.winner);
}

Outcome outcomeAfter(const Position& after, int movedSide, EndRules rules) {
    // The mate tests try captures on the board and put them back.
    if (after.rules == RuleSet::Standard) return standardOutcome(after, true);
    Position p = after;
    if (rules == EndRules::Symmetric) return symmetricVerdict(p, movedSide);
    return windowVerdict(p, movedSide);
}

}  // namespace zk::engine
