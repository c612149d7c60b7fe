// Shared between the engine's files: piece values and position keys.
#pragma once

#include <cstdint>

#include "position.h"

namespace zk::engine {

// Centipawn value of a piece kind (1..39); the royal pieces count as the
// insurance a second royal piece gives.
int materialValue(int kind);

// Zobrist key of the board, the side to move and the lion history.
std::uint64_t positionKey(const Position& p);

// The parts of that key: a code on a square, the side to move being the top
// side, and a code in one of the three history slots (0 lastCaptured,
// 1 lastAfter, 2 previousAfter).
std::uint64_t squareKey(int x, int y, PieceCode c);
std::uint64_t sideKey();
std::uint64_t historyKey(int slot, PieceCode c);

}  // namespace zk::engine
