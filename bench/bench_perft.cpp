// bench_perft [DEPTH]: the number of move sequences of 1..DEPTH moves (3 by
// default) from the initial position and from two seeded middle games, with
// the rate of legalMoves + apply. Moves are counted as the board-click flow
// allows them: a two-step piece's first step that stops counts on its own.
// The standard game's initial position counts 36, 1,296, 52,599 and
// 2,134,748 sequences of 1..4 moves.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "seeded_positions.h"

int main(int argc, char** argv) {
    using namespace zk;
    const int depth = argc > 1 ? std::atoi(argv[1]) : 3;
    struct Named {
        const char* name;
        Position p;
    };
    const Named positions[] = {
        {"initial", Position::initial()},
        {"middle game A (seed 20240601, 60 plies)", bench::randomGamePosition(20240601u, 60)},
        {"middle game B (seed 7, 100 plies)", bench::randomGamePosition(7u, 100)},
        {"standard initial", Position::initial(RuleSet::Standard)}};
    std::printf("%-42s %5s %14s %12s\n", "position", "depth", "perft", "nodes/s");
    for (const Named& n : positions)
        for (int d = 1; d <= depth; ++d) {
            const auto start = std::chrono::steady_clock::now();
            const std::uint64_t count = perft(n.p, d);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::printf("%-42s %5d %14llu %12.0f\n", n.name, d,
                        static_cast<unsigned long long>(count),
                        seconds > 0 ? static_cast<double>(count) / seconds : 0.0);
        }
    return 0;
}
