#include "repetition.h"

#include "standard_moves.h"

namespace zk {

namespace {

bool isRoyalCode(PieceCode c) { return c.kind() == 38 || c.kind() == 39; }

// A move after which no earlier position can come back.
bool isIrreversible(const Move& m) {
    const int k = m.piece.kind();
    return !m.captured.isEmpty() || !m.capturedMid.isEmpty() || m.promotes() || k == 1 || k == 3;
}

// The same position: the same board and the same side to move.
bool samePosition(const Position& a, const Position& b) {
    return a.mover == b.mover && a.Board == b.Board;
}

}  // namespace

// The side that moved is asked to move again on the same board, and its
// captures are read off its moves.
bool attacksWith(const Position& after, const Move& m) {
    Position again = after;
    again.mover = -after.mover;
    std::vector<Move> moves;
    standardMovesOnBoard(again, moves);
    for (const Move& r : moves) {
        if (isRoyalCode(r.captured) || isRoyalCode(r.capturedMid)) return true;
        if (r.fromX == m.toX && r.fromY == m.toY &&
            (!r.captured.isEmpty() || !r.capturedMid.isEmpty()))
            return true;
    }
    return false;
}

// Walk back from the last position to the last irreversible move, counting
// the occurrences of the last position; at the fourth, judge the moves from
// the first of them on.
RepetitionVerdict repetitionVerdict(const std::vector<Position>& positions,
                                    const std::vector<Move>& moves) {
    const int n = static_cast<int>(moves.size());
    if (static_cast<int>(positions.size()) != n + 1) return RepetitionVerdict::None;
    int count = 1, first = n;
    for (int i = n - 1; i >= 0; --i) {
        if (isIrreversible(moves[i])) break;
        if (samePosition(positions[i], positions[n])) {
            ++count;
            first = i;
        }
    }
    if (count < 4) return RepetitionVerdict::None;
    bool allAttacks[2] = {true, true};  // [0] the bottom side, [1] the top side
    for (int i = first; i < n; ++i) {
        const int side = positions[i].mover > 0 ? 1 : 0;
        if (allAttacks[side] && !attacksWith(positions[i + 1], moves[i])) allAttacks[side] = false;
    }
    if (allAttacks[0] == allAttacks[1]) return RepetitionVerdict::Draw;
    return allAttacks[0] ? RepetitionVerdict::BottomLoses : RepetitionVerdict::TopLoses;
}

}  // namespace zk
