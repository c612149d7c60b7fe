// Think time of the computer's search alone (no caption, blinks, boxes or
// drawing) per move at each level, over a fixed corpus of positions taken
// from seeded games: half against a random legal mover, half between level 3
// and level 1 after a short random opening (fuller boards, longer games).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "com_games.h"
#include "com_search.h"
#include "com_turn.h"

namespace zk::bench {
namespace {

// Positions with the computer (top side) to move from seeded games of level
// 3 against level 1, the bottom side played on the mirrored board.
void levelGames(HeadlessPlatform& ui, std::size_t wanted, std::vector<State>& out) {
    HeadlessPlatform other;
    for (std::uint32_t seed = 1; out.size() < wanted; ++seed) {
        State t = newGame(ui, 3);
        State b = newGame(other, 1);
        std::mt19937 rng(seed);
        for (int i = 0, side = -1; i < 6; ++i, side = -side) {
            std::vector<Move> moves = legalMoves(t, side);
            playHuman(t, moves[rng() % moves.size()]);
        }
        for (int ply = 0; ply < 20 && out.size() < wanted; ++ply) {
            mirrorInto(t, b);
            if (com_ban(b).ended) break;
            mirrorInto(b, t);
            out.push_back(t);
            if (com_ban(t).ended) break;
        }
    }
}

// Positions with the computer to move: games at level 3 against a random
// mover, then level games.
std::vector<State> corpus(HeadlessPlatform& ui, std::size_t wanted) {
    std::vector<State> out;
    levelGames(ui, wanted / 2, out);
    for (std::uint32_t seed = 1; out.size() < wanted; ++seed) {
        State s = newGame(ui, 3);
        std::mt19937 rng(seed);
        for (int ply = 0; ply < 60 && out.size() < wanted; ++ply) {
            std::vector<Move> moves = legalMoves(s, -1);
            if (moves.empty()) break;
            const PieceCode captured = playHuman(s, moves[rng() % moves.size()]);
            if (終局判定_対COM(s, captured).ended) break;
            out.push_back(s);
            if (com_ban(s).ended) break;
        }
    }
    return out;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const std::size_t i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

}  // namespace
}  // namespace zk::bench

int main() {
    using namespace zk;
    using namespace zk::bench;
    HeadlessPlatform ui;
    const std::vector<State> positions = corpus(ui, 240);
    std::printf("corpus: %zu positions from seeded games (level 3 vs level 1, vs random mover)\n",
                positions.size());
    std::printf("%-7s %10s %10s %10s %10s %18s\n", "level", "median ms", "p90 ms", "max ms",
                "mean ms", "signature");
    for (int level = 1; level <= 3; ++level) {
        // A hash of every move and score chosen: it changes exactly when play changes.
        std::uint64_t signature = 1469598103934665603ull;
        auto mix = [&signature](std::int64_t v) {
            signature = (signature ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
        };
        std::vector<double> ms;
        ms.reserve(positions.size());
        for (const State& p : positions) {
            State s = p;
            s.game.comLevel = level;
            const auto start = std::chrono::steady_clock::now();
            const ComChoice c = com_探索(computerPart(s));
            const auto stop = std::chrono::steady_clock::now();
            if (!c.found) std::printf("(a position without a legal move)\n");
            for (std::int64_t v :
                 {std::int64_t{c.x}, std::int64_t{c.y}, std::int64_t{c.tx}, std::int64_t{c.ty},
                  std::int64_t{c.pieceAfter.tenths()}, std::int64_t{s.com.bestScore}})
                mix(v);
            ms.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        }
        double sum = 0;
        for (double v : ms) sum += v;
        std::printf("LEVEL%-2d %10.3f %10.3f %10.3f %10.3f %18llx\n", level, percentile(ms, 0.5),
                    percentile(ms, 0.9), *std::max_element(ms.begin(), ms.end()),
                    sum / static_cast<double>(ms.size()),
                    static_cast<unsigned long long>(signature));
    }
    return 0;
}
