// Shared between the engine's files: piece values and position keys.
#pragma once

#include <cstdint>

#include "engine.h"
#include "position.h"

namespace zk::engine {

// Centipawn value of a piece kind (1..39); the royal pieces count as the
// insurance a second royal piece gives.
int materialValue(int kind);

// A side ahead by this much material presses to convert it: it brings its
// pieces toward the enemy royal pieces and welcomes trades.
constexpr int kConvertFrom = 1000;

// How hard the side ahead presses, signed for the top side's view: 0 below
// kConvertFrom, growing with the lead up to 4000.
inline int convertScale(int topMaterial, int bottomMaterial) {
    const int lead = topMaterial - bottomMaterial;
    if (lead >= kConvertFrom) return lead < 4000 ? lead : 4000;
    if (-lead >= kConvertFrom) return lead > -4000 ? lead : -4000;
    return 0;
}

// The press in the top side's view: `closeness` sums 8 minus the distance
// (at most 7) of each non-royal piece of the side ahead to the nearest enemy
// royal piece, and `nonRoyal` is the material of both sides' other pieces.
int convertBonus(int scale, int closeness, int nonRoyal);

// The parts of that key: a code on a square, the side to move being the top
// side, and a code in one of the three history slots (0 lastCaptured,
// 1 lastAfter, 2 previousAfter).
std::uint64_t squareKey(int x, int y, PieceCode c);
std::uint64_t sideKey();
std::uint64_t historyKey(int slot, PieceCode c);

// The standard game's verdict on `after`, the side that moved there having
// the turn after it; the test for no legal move is made only when `askMoves`
// (the search finds it itself).
Outcome standardOutcome(const Position& after, bool askMoves);

}  // namespace zk::engine
