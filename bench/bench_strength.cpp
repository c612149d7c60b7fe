// Strength of the computer: seeded games of each level against a uniformly
// random legal mover, and of level 3 against levels 1 and 2, where the other
// side is played by the same procedures on the board turned 180 degrees with
// every code negated. Prints wins, losses, draws and game lengths.
//   bench_strength [games]                 LEVEL1..3 (40 games a row)
//   bench_strength [games] BUDGET          LEVEL4, the searching engine, with BUDGET
//                                          a move: "3000" nodes or "100ms", against
//                                          a random mover, LEVEL1, LEVEL3 and itself
//                                          on a tenth of the budget
//   bench_strength [games] standard [ROW]  the standard game from its start: each
//                                          strength against a random mover, the
//                                          strongest against itself on a tenth of
//                                          its nodes, and each strength against the
//                                          next (ROW 1..6: that row alone)
//   bench_strength [games] BUDGET ROW [FIRST] only row ROW (1 random, 2 LEVEL1, 3 LEVEL3,
//                                          4 itself, 5 and 6 against itself without
//                                          futility pruning, either side), seeds FIRST..,
//                                          a line a game
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "com_games.h"
#include "com_turn.h"
#include "engine_games.h"
#include "game_judge.h"
#include "standard_moves.h"

namespace zk::bench {
namespace {

constexpr int kMoveLimit = 400;  // moves of both sides; a longer game is a draw
constexpr int kOpening = 6;      // seeded random moves (both sides) before a level game

// The board with the side to move, as a key for spotting repetitions.
std::string positionKey(const State& s, bool bottomToMove) {
    std::string key(1, bottomToMove ? 'b' : 't');
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) key += static_cast<char>(s.game.Board[x][y].whole() + 64);
    return key;
}

// Material of the top side minus that of the bottom side, by piece value.
int materialBalance(const State& s, const BoardGrid& board) {
    int sum = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = board[x][y];
            if (c >= 1) sum += s.com.pieceValue[c.kind()];
            if (c <= -1) sum -= s.com.pieceValue[c.kind()];
        }
    return sum;
}

struct Tally {
    int wins = 0, losses = 0, draws = 0, limit = 0, ahead = 0, behind = 0;
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
        std::printf("%-22s %5zu %5d %6d %5d %6d %6d/%-6d %8.1f %7d %5d\n", name, l.size(), wins,
                    losses, draws, limit, ahead, behind, mean, l[l.size() / 2], l.back());
    }
};

// The computer at `level` against a random mover; +1 when the computer wins.
int vsRandom(int level, std::uint32_t seed, int& length, bool& limited) {
    HeadlessPlatform ui;
    State s = newGame(ui, level);
    std::mt19937 rng(seed);
    bool humanToMove = seed % 2 == 0;
    limited = false;
    for (length = 0; length < kMoveLimit; ++length, humanToMove = !humanToMove) {
        if (humanToMove) {
            std::vector<Move> moves = legalMoves(s, -1);
            if (moves.empty()) return 1;
            const PieceCode captured = playHuman(s, moves[rng() % moves.size()]);
            const EndVerdict v = 終局判定_対COM(s, captured);
            if (v.ended) {
                ++length;
                return v.winner == "あなた" ? -1 : 0;
            }
        } else {
            const ComOutcome out = com_ban(s);
            if (out.ended) {
                ++length;
                return out.winner == "ｺﾝﾋﾟｭｰﾀ" ? 1 : out.winner == "あなた" ? -1 : 0;
            }
        }
    }
    limited = true;
    return 0;
}

// Level `top` (the top side) against level `bottom`, each side a com_ban on
// its own state, after a seeded random opening; +1 when the top side wins.
// `balance` receives the material balance for the top side at the end.
int levelGame(int top, int bottom, bool bottomFirst, std::uint32_t seed, int& length, bool& limited,
              int& balance) {
    HeadlessPlatform uiTop, uiBottom;
    State t = newGame(uiTop, top);
    State b = newGame(uiBottom, bottom);
    limited = false;
    std::mt19937 rng(seed);
    int side = bottomFirst ? -1 : 1;
    for (int i = 0; i < kOpening; ++i, side = -side) {
        std::vector<Move> moves = legalMoves(t, side);
        playHuman(t, moves[rng() % moves.size()]);
    }
    mirrorInto(t, b);
    bool bottomToMove = side < 0;
    std::map<std::string, int> seen;
    for (length = kOpening; length < kMoveLimit; ++length, bottomToMove = !bottomToMove) {
        // Both players are deterministic: a third repetition repeats forever.
        if (++seen[positionKey(t, bottomToMove)] == 3) break;
        // The side to move plays on its own state, which then hands the
        // position to the other.
        State& mover = bottomToMove ? b : t;
        State& other = bottomToMove ? t : b;
        mirrorInto(other, mover);
        const ComOutcome out = com_ban(mover);
        mirrorInto(mover, other);
        if (out.ended) {
            ++length;
            const int moverWins = out.winner == "ｺﾝﾋﾟｭｰﾀ" ? 1 : out.winner == "あなた" ? -1 : 0;
            return bottomToMove ? -moverWins : moverWins;
        }
    }
    limited = true;
    balance = materialBalance(t, t.game.Board);  // t holds the last position in its own view
    return 0;
}

// A budget a move: "100ms" is a time, a bare number a count of nodes.
engine::Limits budgetOf(const std::string& text, int divisor) {
    engine::Limits l;
    const long long n = std::atoll(text.c_str()) / divisor;
    if (text.find("ms") != std::string::npos)
        l.millis = std::max(1LL, n);
    else
        l.nodes = static_cast<std::uint64_t>(std::max(1LL, n));
    return l;
}

// The searching engine's rows: always on the top side, as in the window.
// `only` (1..6) keeps one row and prints a line a game from seed `first` on.
void level4Rows(int games, const std::string& budget, int only, int first) {
    HeadlessPlatform ui;
    const State values = newGame(ui, 1);  // for piece values only
    const engine::Limits full = budgetOf(budget, 1), tenth = budgetOf(budget, 10);
    engine::Limits plain = full;  // without futility pruning, to measure what it gains
    plain.futility = false;
    struct Row {
        std::string name;
        int level;                      // a LEVEL opponent, or 0
        const engine::Limits* against;  // else an engine on this budget, or random
        const engine::Limits* top;      // the first named, on the top side
        bool asked;                     // played only when asked for by number
    };
    const Row rows[] = {{"LEVEL4 vs random", 0, nullptr, &full, false},
                        {"LEVEL4 vs LEVEL1", 1, nullptr, &full, false},
                        {"LEVEL4 vs LEVEL3", 3, nullptr, &full, false},
                        {"LEVEL4 vs LEVEL4/10", 0, &tenth, &full, false},
                        {"LEVEL4 vs no futility", 0, &plain, &full, true},
                        {"no futility vs LEVEL4", 0, &full, &plain, true}};
    std::printf("LEVEL4 budget a move: %s (the tenth: %s)\n", budget.c_str(),
                tenth.millis ? (std::to_string(tenth.millis) + "ms").c_str()
                             : std::to_string(tenth.nodes).c_str());
    for (const Row& row : rows) {
        if (only ? &row != &rows[only - 1] : row.asked) continue;
        Tally t;
        for (int g = 0; g < games; ++g) {
            const auto seed = static_cast<std::uint32_t>(g + first);
            const EngineGame r = row.level
                                     ? engineVsLevel(row.level, seed, *row.top, kMoveLimit)
                                     : engineVsBottom(seed, *row.top, row.against, kMoveLimit);
            t.add(r.result, r.length);
            t.limit += r.limited;
            const int balance = materialBalance(values, r.board);
            if (r.limited && balance > 0) ++t.ahead;
            if (r.limited && balance < 0) ++t.behind;
            if (only) {
                std::printf("  seed %u: %+d in %d moves%s, balance %d\n", seed, r.result, r.length,
                            r.limited ? " (limit)" : "", balance);
                // The last position of a game that did not end, top side first.
                for (int y = 1; r.limited && y <= 12; ++y) {
                    std::printf("   ");
                    for (int x = 12; x >= 1; --x) std::printf(" %3d", r.board[x][y].whole());
                    std::printf("\n");
                }
                std::fflush(stdout);
            }
        }
        t.print(row.name.c_str());
        std::fflush(stdout);
    }
}

// One standard game from the standard start after `opening` seeded random
// plies: `first` and `second` are limits a move or, when null, a random
// mover; `firstBottom` puts the first at the bottom, which moves first. The
// game is drawn at the third time a position is met or after kMoveLimit
// plies. +1 when the first wins.
int standardGame(const engine::Limits* first, const engine::Limits* second, bool firstBottom,
                 std::uint32_t seed, int& length, bool& limited) {
    constexpr int kStandardOpening = 4;
    std::mt19937 rng(seed);
    Position p = standardInitial();
    engine::Engine a(16), b(16);
    std::vector<std::uint64_t> since;  // keys since the last capture or promotion
    std::map<std::uint64_t, int> seen;
    limited = false;
    for (length = 0; length < kMoveLimit; ++length) {
        const bool firstToMove = (p.mover < 0) == firstBottom;
        const engine::Limits* limits = firstToMove ? first : second;
        zk::Move m;
        if (!limits || length < kStandardOpening) {
            std::vector<zk::Move> moves;
            standardLegalMoves(p, moves);
            if (moves.empty()) return firstToMove ? -1 : 1;
            m = moves[rng() % moves.size()];
        } else {
            engine::Limits l = *limits;
            l.history = since;
            l.randomSeed = seed * 2 + (firstToMove ? 1 : 0) + static_cast<std::uint32_t>(length);
            const engine::Result r = (firstToMove ? a : b).search(p, p.mover, l);
            if (!r.found) return firstToMove ? -1 : 1;
            m = r.best;
        }
        const int moved = p.mover;
        engine::addGameKey(since, p, m);
        apply(p, m);
        const Ending e = endingAfter(p, moved);
        if (e.over) {
            ++length;
            if (e.winner == 0) return 0;
            const bool bottomWon = e.winner < 0;
            return bottomWon == firstBottom ? 1 : -1;
        }
        if (++seen[engine::positionKey(p)] == 3) return 0;
    }
    limited = true;
    return 0;
}

// The standard game's rows, from the standard start.
void standardRows(int games, int only) {
    using engine::strengthLimits;
    const RuleSet kStd = RuleSet::Standard;
    std::vector<engine::Limits> levels;
    for (int s = 1; s <= engine::kStrengths; ++s) levels.push_back(strengthLimits(kStd, s));
    engine::Limits tenth = levels.back();
    tenth.nodes /= 10;
    struct Row {
        std::string name;
        const engine::Limits *first, *second;
    };
    std::vector<Row> rows;
    for (int s = 1; s <= engine::kStrengths; ++s)
        rows.push_back({"STD" + std::to_string(s) + " vs random", &levels[s - 1], nullptr});
    const std::string top = "STD" + std::to_string(engine::kStrengths);
    rows.push_back({top + " vs " + top + "/10", &levels.back(), &tenth});
    for (int s = 2; s <= engine::kStrengths; ++s)
        rows.push_back({"STD" + std::to_string(s) + " vs STD" + std::to_string(s - 1),
                        &levels[s - 1], &levels[s - 2]});
    std::printf("standard strengths, nodes a move:");
    for (const engine::Limits& l : levels)
        std::printf(" %llu", static_cast<unsigned long long>(l.nodes));
    std::printf("\n");
    for (const Row& row : rows) {
        if (only && &row != &rows[static_cast<std::size_t>(only - 1)]) continue;
        Tally t;
        for (int g = 0; g < games; ++g) {
            int length = 0;
            bool limited = false;
            const int r = standardGame(row.first, row.second, g % 2 == 0,
                                       static_cast<std::uint32_t>(g + 1), length, limited);
            t.add(r, length);
            t.limit += limited;
        }
        t.print(row.name.c_str());
        std::fflush(stdout);
    }
}

}  // namespace
}  // namespace zk::bench

int main(int argc, char** argv) {
    using namespace zk::bench;
    const int games = argc > 1 ? std::max(2, std::atoi(argv[1])) : 40;
    std::printf(
        "%d seeded games per row; a game stops as a draw after %d moves or, between two\n"
        "levels, at the third repetition of a position (both counted under 'limit', with\n"
        "the material balance there as ahead/behind for the first named)\n",
        games, kMoveLimit);
    std::printf("%-22s %5s %5s %6s %5s %6s %13s %8s %7s %5s\n", "match (first named)", "games",
                "wins", "losses", "draws", "limit", "ahead/behind", "mean len", "median", "max");
    if (argc > 2 && std::string(argv[2]) == "standard") {
        standardRows(games, argc > 3 ? std::clamp(std::atoi(argv[3]), 1, 6) : 0);
        return 0;
    }
    if (argc > 2) {
        const int only = argc > 3 ? std::clamp(std::atoi(argv[3]), 1, 6) : 0;
        const int first = argc > 4 ? std::max(1, std::atoi(argv[4])) : 1;
        level4Rows(games, argv[2], only, first);
        return 0;
    }
    for (int level = 1; level <= 3; ++level) {
        Tally t;
        for (int g = 0; g < games; ++g) {
            int length = 0;
            bool limited = false;
            const int r = vsRandom(level, static_cast<std::uint32_t>(g + 1), length, limited);
            t.add(r, length);
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
            const auto seed = static_cast<std::uint32_t>(g + 1);
            int balance = 0;
            const int r = l3Top ? levelGame(3, other, bottomFirst, seed, length, limited, balance)
                                : -levelGame(other, 3, bottomFirst, seed, length, limited, balance);
            t.add(r, length);
            t.limit += limited;
            if (!l3Top) balance = -balance;
            if (limited && balance > 0) ++t.ahead;
            if (limited && balance < 0) ++t.behind;
        }
        const std::string name = "LEVEL3 vs LEVEL" + std::to_string(other);
        t.print(name.c_str());
    }
    return 0;
}
