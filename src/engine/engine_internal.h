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

}  // namespace zk::engine
