// The engine (top side) against LEVEL3 (bottom side, played by its own
// procedures on the board turned 180 degrees) after a seeded random opening.
//   bench_engine_match [games] [nodes per engine move]
// Prints each game's result and length, then the totals.
#include <cstdio>
#include <cstdlib>

#include "engine_games.h"

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 4;
    const std::uint64_t nodes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 3000;
    int wins = 0, losses = 0, draws = 0;
    for (int g = 0; g < games; ++g) {
        zk::engine::Limits limits;
        limits.nodes = nodes;
        const zk::bench::EngineGame r =
            zk::bench::engineVsLevel(3, static_cast<std::uint32_t>(g + 1), limits, 300);
        (r.result > 0 ? wins : r.result < 0 ? losses : draws) += 1;
        std::printf("game %d: %s after %d moves\n", g + 1,
                    r.result > 0   ? "engine wins"
                    : r.result < 0 ? "LEVEL3 wins"
                                   : "draw or move limit",
                    r.length);
        std::fflush(stdout);
    }
    std::printf("engine (%llu nodes a move) vs LEVEL3: %d wins, %d losses, %d draws\n",
                static_cast<unsigned long long>(nodes), wins, losses, draws);
    return 0;
}
