// Middle-game positions for benchmarks and tests: seeded random legal moves
// from the initial position that never take a royal piece, so the game is
// still in progress.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "position.h"

namespace zk::bench {

inline Position randomGamePosition(std::uint32_t seed, int plies) {
    Position p = Position::initial();
    std::mt19937 rng(seed);
    std::vector<Move> moves, quiet;
    for (int ply = 0; ply < plies; ++ply) {
        legalMoves(p, Mover::Presses, moves);
        quiet.clear();
        for (const Move& m : moves) {
            const int a = m.captured.kind(), b = m.capturedMid.kind();
            if (a != 38 && a != 39 && b != 38 && b != 39) quiet.push_back(m);
        }
        if (quiet.empty()) break;
        apply(p, quiet[rng() % quiet.size()]);
    }
    return p;
}

}  // namespace zk::bench
