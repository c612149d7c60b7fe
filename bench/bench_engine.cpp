// The searching engine's speed and reach: nodes per second and the depth
// completed in 1 s and 5 s on positions of seeded games.
//   bench_engine            both budgets, 20 positions
//   bench_engine 1          the 1 s budget only
//   bench_engine prune D    nodes to depth D with and without null move and
//                           late-move reductions, on the first 8 positions
//   bench_engine nodes N    N nodes on each of the 20 positions, no clock: for
//                           instruction counts under callgrind
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine.h"
#include "seeded_positions.h"

namespace {

zk::Position benchPosition(int i) {
    const std::uint32_t seed = 1000 + static_cast<std::uint32_t>(i);
    return zk::bench::randomGamePosition(seed, 20 + (i * 13) % 80);
}

// What null move and reductions save at a fixed depth.
void pruning(int depth) {
    using namespace zk;
    struct Mode {
        const char* name;
        bool nullMove, reductions;
    };
    for (const Mode mode : {Mode{"both", true, true}, Mode{"no null move", false, true},
                            Mode{"no reductions", true, false}, Mode{"neither", false, false}}) {
        std::uint64_t nodes = 0;
        double seconds = 0;
        long long scoreSum = 0;
        for (int i = 0; i < 8; ++i) {
            engine::Engine e(64);
            engine::Limits l;
            l.depth = depth;
            l.nullMove = mode.nullMove;
            l.reductions = mode.reductions;
            const auto t0 = std::chrono::steady_clock::now();
            const engine::Result r = e.search(benchPosition(i), benchPosition(i).mover, l);
            seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            nodes += r.nodes;
            scoreSum += r.score;
        }
        std::printf("depth %d %-14s nodes %9llu  time %6.2f s  score sum %lld\n", depth, mode.name,
                    static_cast<unsigned long long>(nodes), seconds, scoreSum);
        std::fflush(stdout);
    }
}

// A fixed amount of search, the same on every run.
void fixedNodes(std::uint64_t budget) {
    using namespace zk;
    std::uint64_t nodes = 0;
    long long scoreSum = 0;
    int depthSum = 0;
    for (int i = 0; i < 20; ++i) {
        engine::Engine e(2);
        engine::Limits l;
        l.nodes = budget;
        const engine::Result r = e.search(benchPosition(i), benchPosition(i).mover, l);
        nodes += r.nodes;
        scoreSum += r.score;
        depthSum += r.depth;
    }
    std::printf("%llu nodes on 20 positions, depth sum %d, score sum %lld\n",
                static_cast<unsigned long long>(nodes), depthSum, scoreSum);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zk;
    if (argc > 2 && std::strcmp(argv[1], "prune") == 0) {
        pruning(std::atoi(argv[2]));
        return 0;
    }
    if (argc > 2 && std::strcmp(argv[1], "nodes") == 0) {
        fixedNodes(std::strtoull(argv[2], nullptr, 10));
        return 0;
    }
    std::vector<std::int64_t> budgets = {1000, 5000};
    if (argc > 1) budgets = {std::atoll(argv[1]) * 1000};
    constexpr int kPositions = 20;
    for (const std::int64_t ms : budgets) {
        std::uint64_t allNodes = 0;
        double allSeconds = 0;
        int depthSum = 0, depthMin = 99;
        std::printf("budget %lld ms\n", static_cast<long long>(ms));
        for (int i = 0; i < kPositions; ++i) {
            const std::uint32_t seed = 1000 + static_cast<std::uint32_t>(i);
            const int plies = 20 + (i * 13) % 80;
            const Position p = benchPosition(i);
            engine::Engine e(64);
            engine::Limits l;
            l.millis = ms;
            const auto t0 = std::chrono::steady_clock::now();
            const engine::Result r = e.search(p, p.mover, l);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            allSeconds += seconds;
            allNodes += r.nodes;
            depthSum += r.depth;
            depthMin = std::min(depthMin, r.depth);
            std::printf("  seed %u plies %2d: depth %d  nodes %8llu  nps %8.0f  score %6d\n", seed,
                        plies, r.depth, static_cast<unsigned long long>(r.nodes), r.nodes / seconds,
                        r.score);
            std::fflush(stdout);
        }
        std::printf("budget %lld ms: mean depth %.2f, min depth %d, nodes/s %.0f\n",
                    static_cast<long long>(ms), depthSum / double(kPositions), depthMin,
                    static_cast<double>(allNodes) / allSeconds);
    }
    return 0;
}
