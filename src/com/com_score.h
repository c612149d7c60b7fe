// Scores of the computer's evaluation, held as whole tenths so that the 0.1
// steps of the terms add up exactly and ties break the same way every time.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "com_state.h"

namespace zk {

using Tenths = std::int64_t;

// n whole points as tenths.
constexpr Tenths pts(int n) { return static_cast<Tenths>(n) * 10; }

// The decisive scores.
constexpr Tenths kScoreWin = pts(9999);         // last human royal taken, or a won endgame
constexpr Tenths kScoreMate = pts(9998);        // the move mates the human
constexpr Tenths kScoreLoss = -pts(9998);       // own last royal attacked, or a pawn mate
constexpr Tenths kScoreSecondStep = pts(1000);  // a two-step piece asks for its second step

// True for an index pair inside the 13 x 13 grids (row and column 0 included).
constexpr bool inGrid(int x, int y) { return x >= 0 && x <= 12 && y >= 0 && y <= 12; }

// A grid cell, or `outside` for an index pair off the grid; guards the reads
// whose indices come from stale or offset coordinates.
template <typename T>
T cell(const Grid13<T>& g, int x, int y, T outside = T{}) {
    return inGrid(x, y) ? g[x][y] : outside;
}

// The value of a piece by its kind (mid-move codes index their piece).
inline int valueOf(const ComState& s, PieceCode c) { return s.pieceValue[c.kind()]; }

// Ends an evaluation stage with the final score `v`.
inline bool endWith(Tenths& score, Tenths v) {
    score = v;
    return true;
}

// A code as tenths of a point, for the terms that weigh a code itself.
inline Tenths codeTenths(PieceCode c) { return c.tenths(); }
inline Tenths absCodeTenths(PieceCode c) { return std::abs(c.tenths()); }

}  // namespace zk
