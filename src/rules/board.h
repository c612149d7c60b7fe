// The 13 x 13 grids of the game: the board's codes and the number maps that
// share its indexing.
#pragma once

#include <array>

#include "piece_code.h"

namespace zk {

// A 13 x 13 grid indexed [x][y], x the column from the left and y the row from
// the top, both 1..12; row and column 0 stay 0.
template <typename T>
using Grid13 = std::array<std::array<T, 13>, 13>;
using BoardGrid = Grid13<PieceCode>;
using IntGrid = Grid13<int>;

// True when (x, y) is a square of the board.
constexpr bool onBoard(int x, int y) { return x >= 1 && x <= 12 && y >= 1 && y <= 12; }

}  // namespace zk
