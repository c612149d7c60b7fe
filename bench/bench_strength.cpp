// Strength of the computer: seeded games of each level against a uniformly
// random legal mover, and of level 3 against levels 1 and 2, where the other
// side is played by the same procedures on the board turned 180 degrees with
// every code negated. Prints wins, losses, draws and game lengths.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "com_games.h"

namespace zk::bench {
namespace {

constexpr int kMoveLimit = 300;  // moves of both sides; a longer game is a draw

struct Tally {
    int wins = 0, losses = 0, draws = 0, limit = 0;
    std::vector<int> lengths;
    void add(int result, int length) {
        (result > 0 ? wins : result < 0 ? losses : draws) += 1;
        lengths.push_back(length);
    }
    void print(const char* name) const {
        std::vector<int> l = lengths;
        std::sort(l.begin(), l.end());
        double mean = 0;
        for (int v : l) mean += v;
        mean /= static_cast<double>(l.size());
        std::printf("%-22s %5zu %5d %6d %5d %6d %8.1f %7d %5d\n", name, l.size(), wins, losses,
                    draws, limit, mean, l[l.size() / 2], l.back());
    }
};

// The computer at `level` against a random mover; +1 when the computer wins.
int vsRandom(int level, std::uint32_t seed, int& length, bool& limited) {
    HeadlessPlatform ui;
    State s = newGame(ui, level);
    std::mt19937 rng(seed);
    const bool humanFirst = seed % 2 == 0;
    limited = false;
    for (length = 0; length < kMoveLimit;) {
        if (humanFirst || length > 0) {
            std::vector<Move> moves = legalMoves(s, -1);
            if (moves.empty()) return 1;
            const PieceCode captured = playHuman(s, moves[rng() % moves.size()]);
            ++length;
            const EndVerdict v = 終局判定_対COM(s, captured);
            if (v.ended) return v.winner == "あなた" ? -1 : 0;
        }
        const ComOutcome out = com_ban(s);
        ++length;
        if (out.ended) return out.winner == "ｺﾝﾋﾟｭｰﾀ" ? 1 : out.winner == "あなた" ? -1 : 0;
    }
    limited = true;
    return 0;
}

// Level `top` (the top side) against level `bottom`, each side a com_ban on
// its own state; +1 when the top side wins.
int levelGame(int top, int bottom, bool bottomFirst, int& length, bool& limited) {
    HeadlessPlatform uiTop, uiBottom;
    State t = newGame(uiTop, top);
    State b = newGame(uiBottom, bottom);
    limited = false;
    for (length = 0; length < kMoveLimit;) {
        if (bottomFirst || length > 0) {
            mirrorInto(t, b);
            const ComOutcome out = com_ban(b);
            ++length;
            mirrorInto(b, t);
            if (out.ended) return out.winner == "ｺﾝﾋﾟｭｰﾀ" ? -1 : out.winner == "あなた" ? 1 : 0;
        }
        mirrorInto(b, t);
        const ComOutcome out = com_ban(t);
        ++length;
        mirrorInto(t, b);
        if (out.ended) return out.winner == "ｺﾝﾋﾟｭｰﾀ" ? 1 : out.winner == "あなた" ? -1 : 0;
    }
    limited = true;
    return 0;
}

}  // namespace
}  // namespace zk::bench

int main(int argc, char** argv) {
    using namespace zk::bench;
    const int games = argc > 1 ? std::max(2, std::atoi(argv[1])) : 40;
    std::printf("%d seeded games per row; a game stops as a draw after %d moves\n", games,
                kMoveLimit);
    std::printf("%-22s %5s %5s %6s %5s %6s %8s %7s %5s\n", "match (first named)", "games", "wins",
                "losses", "draws", "limit", "mean len", "median", "max");
    for (int level = 1; level <= 3; ++level) {
        Tally t;
        for (int g = 0; g < games; ++g) {
            int length = 0;
            bool limited = false;
            t.add(vsRandom(level, static_cast<std::uint32_t>(g + 1), length, limited), length);
            t.limit += limited;
        }
        const std::string name = "LEVEL" + std::to_string(level) + " vs random";
        t.print(name.c_str());
    }
    for (int other : {1, 2}) {
        Tally t;
        for (int g = 0; g < games; ++g) {
            int length = 0;
            bool limited = false;
            // Level 3 alternately on top and at the bottom, and moving first
            // or second.
            const bool l3Top = g % 2 == 0;
            const bool bottomFirst = (g / 2) % 2 == 0;
            int r = l3Top ? levelGame(3, other, bottomFirst, length, limited)
                          : -levelGame(other, 3, bottomFirst, length, limited);
            t.add(r, length);
            t.limit += limited;
        }
        const std::string name = "LEVEL3 vs LEVEL" + std::to_string(other);
        t.print(name.c_str());
    }
    return 0;
}
