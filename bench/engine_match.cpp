// Engine against engine over the USI protocol: N games from seeded openings
// (a few random legal plies, each opening played twice with the colours
// swapped), under either rule set, each engine with its own command line,
// options and limit, the clocks kept here as a GUI keeps them. Prints a line
// a game, then the totals, the Elo difference and optionally an SPRT.
//   engine_match [--rules chushogi|zenkoru] [--games N] [--concurrency K]
//                [--a "CMD ARGS"] [--b "CMD ARGS"] [--option-a NAME=VALUE] [--option-b ...]
//                [--limit SPEC] [--limit-a SPEC] [--limit-b SPEC]
//                    SPEC: nodes=N | movetime=MS | byoyomi=MS | clock=BASE+INC (seconds)
//                [--seed S] [--opening-plies K] [--max-plies P] [--tolerance MS]
//                [--timeout MS] [--resign CP MOVES] [--sprt ELO0 ELO1 ALPHA BETA] [--moves]
//                [--log FILE]
// Both engines default to the zenkoru-engine beside this program.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <mutex>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "game_judge.h"
#include "match_player.h"
#include "match_stats.h"
#include "sfen.h"

namespace zk::bench {
namespace {

struct Options {
    bool standard = true;
    int games = 2;
    int concurrency = 1;
    EngineSpec a{"A", {}, {}, {}}, b{"B", {}, {}, {}};
    std::uint32_t seed = 1;
    int openingPlies = -1;  // -1: the rule set's default
    int maxPlies = 400;
    std::int64_t toleranceMs = 50;
    std::int64_t timeoutMs = 60000;     // a node-limited move's longest wait
    int resignCp = 0, resignMoves = 0;  // 0: no resign adjudication
    bool sprt = false;
    double elo0 = 0, elo1 = 5, alpha = 0.05, beta = 0.05;
    bool printMoves = false;
};

// One finished game, from engine A's view.
struct GameResult {
    int index = 0;
    int opening = 0;
    bool aBlack = true;
    int aScore = 1;  // half points: 2 a win, 1 a draw, 0 a loss
    std::string reason;
    int plies = 0;
    std::string text;  // the game as "position sfen ... moves ..."
};

// What the worker threads share: the next game to play, the results and
// the largest time overruns.
struct Match {
    const Options* options = nullptr;
    std::atomic<int> next{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    int wins = 0, draws = 0, losses = 0, resignAdjudicated = 0, timeLosses[2]{};
    std::map<int, int> firstOfPair;  // opening -> A's half points in its first finished game
    std::array<int, 5> pairs{};
    // A, B: the largest time used minus the time available (negative: always inside).
    std::int64_t overrunMs[2] = {std::numeric_limits<std::int64_t>::min(),
                                 std::numeric_limits<std::int64_t>::min()};
};

std::vector<std::string> splitWords(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    for (std::string x; in >> x;) w.push_back(x);
    return w;
}

// The zenkoru-engine in this program's own directory.
std::string siblingEngine() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "zenkoru-engine";
    std::string p(path, static_cast<std::size_t>(n));
    return p.substr(0, p.rfind('/') + 1) + "zenkoru-engine";
}

// The opening of number `opening`: `plies` random legal moves from the start,
// none of which ends the game, the same for both games of the pair.
std::vector<Move> openingMoves(const Options& o, int opening, int plies) {
    std::mt19937 rng(o.seed * 7919u + static_cast<std::uint32_t>(opening));
    GameJudge judge(Position::initial(o.standard ? RuleSet::Standard : RuleSet::Zenkoru));
    std::vector<Move> line;
    for (int i = 0; i < plies; ++i) {
        std::vector<Move> moves = legalMoves(judge.current(), Mover::Computer);
        std::shuffle(moves.begin(), moves.end(), rng);
        bool played = false;
        for (const Move& m : moves) {
            GameJudge trial = judge;
            if (trial.play(m).over) continue;
            judge = trial;
            line.push_back(m);
            played = true;
            break;
        }
        if (!played) break;
    }
    return line;
}

// Black's last `n` scores and white's, each from its own view, say black
// has lost (-1), white has (+1), or neither (0).
int resignVerdict(const std::vector<int>& a, const std::vector<int>& b, int cp, int n) {
    if (n <= 0 || static_cast<int>(a.size()) < n || static_cast<int>(b.size()) < n) return 0;
    const auto all = [n](const std::vector<int>& v, auto pred) {
        return std::all_of(v.end() - n, v.end(), pred);
    };
    const auto low = [cp](int s) { return s <= -cp; };
    const auto high = [cp](int s) { return s >= cp; };
    if (all(a, low) && all(b, high)) return -1;
    if (all(b, low) && all(a, high)) return 1;
    return 0;
}

// One game: `players[0]` is A, `players[1]` B. Fills `r` from A's view.
void playGame(Match& match, int index, EnginePlayer* players[2], GameResult& r) {
    const Options& o = *match.options;
    r.index = index;
    r.opening = index / 2;
    r.aBlack = index % 2 == 0;
    const int plies = o.openingPlies >= 0 ? o.openingPlies : o.standard ? 4 : 6;
    const RuleSet rules = o.standard ? RuleSet::Standard : RuleSet::Zenkoru;
    GameJudge judge(Position::initial(rules));
    std::vector<std::string> usi;
    for (const Move& m : openingMoves(o, r.opening, plies)) {
        usi.push_back(usiMove(m));
        judge.play(m);
    }
    // Side 0 is black (the bottom side, moving first), 1 white.
    const EngineSpec* specs[2] = {r.aBlack ? &o.a : &o.b, r.aBlack ? &o.b : &o.a};
    EnginePlayer* bySide[2] = {r.aBlack ? players[0] : players[1],
                               r.aBlack ? players[1] : players[0]};
    std::int64_t left[2] = {specs[0]->limit.baseMs, specs[1]->limit.baseMs};
    std::vector<int> scores[2];  // by side, each from the mover's view
    bool ready = bySide[0]->newGame() && bySide[1]->newGame();
    int winner = 0;  // the side sign that won (-1 black, +1 white), 0 a draw
    std::string reason;
    for (;;) {
        if (!ready) {
            reason = "engine not ready";
            break;
        }
        const Position& p = judge.current();
        const int side = p.mover < 0 ? 0 : 1;
        const int sign = p.mover;
        if (static_cast<int>(judge.moves().size()) >= o.maxPlies) {
            reason = "move cap";
            break;
        }
        const std::vector<Move> legal = legalMoves(p, Mover::Computer);
        if (legal.empty()) {
            winner = -sign;
            reason = "no legal moves";
            break;
        }
        const Limit& limit = specs[side]->limit;
        MoveRequest q;
        q.moves = usi;
        q.limit = &limit;
        q.blackToMove = side == 0;
        q.blackLeftMs = std::max<std::int64_t>(left[0], 0);
        q.whiteLeftMs = std::max<std::int64_t>(left[1], 0);
        q.blackIncMs = specs[0]->limit.incMs;
        q.whiteIncMs = specs[1]->limit.incMs;
        // The time this move may take; a node-limited engine has no clock.
        std::int64_t available = -1;
        if (limit.kind == Limit::Kind::Movetime) available = limit.movetimeMs;
        if (limit.kind == Limit::Kind::Byoyomi) available = limit.byoyomiMs;
        if (limit.kind == Limit::Kind::Fischer) available = std::max<std::int64_t>(left[side], 0);
        q.waitMs = available >= 0 ? available + o.toleranceMs : o.timeoutMs;
        const MoveReply reply = bySide[side]->play(q);
        const bool isA = (side == 0) == r.aBlack;
        if (available >= 0 && reply.kind != MoveReply::Kind::Gone) {
            std::lock_guard<std::mutex> lock(match.mutex);
            std::int64_t& worst = match.overrunMs[isA ? 0 : 1];
            worst = std::max(worst, reply.elapsedMs - available);
        }
        if (reply.kind == MoveReply::Kind::Gone) {
            winner = -sign;
            reason = "engine gone";
            break;
        }
        if (reply.kind == MoveReply::Kind::NoReply ||
            (available >= 0 && reply.elapsedMs > available + o.toleranceMs)) {
            winner = -sign;
            reason = available >= 0 ? "time" : "no reply";
            if (available >= 0) {
                std::lock_guard<std::mutex> lock(match.mutex);
                ++match.timeLosses[isA ? 0 : 1];
            }
            break;
        }
        if (reply.kind == MoveReply::Kind::Resign) {
            winner = -sign;
            reason = "resigns";
            break;
        }
        const auto found = std::find_if(legal.begin(), legal.end(),
                                        [&](const Move& m) { return usiMove(m) == reply.move; });
        if (found == legal.end()) {
            winner = -sign;
            reason = "illegal move " + reply.move;
            break;
        }
        if (limit.kind == Limit::Kind::Fischer) left[side] += limit.incMs - reply.elapsedMs;
        usi.push_back(reply.move);
        const Ending e = judge.play(*found);
        if (e.over) {
            winner = e.winner;
            reason = e.reason;
            break;
        }
        if (reply.hasScore) scores[side].push_back(reply.scoreCp);
        const int v = resignVerdict(scores[0], scores[1], o.resignCp, o.resignMoves);
        if (v != 0) {
            winner = v < 0 ? 1 : -1;  // v is -1 when black is judged lost
            reason = "adjudicated";
            std::lock_guard<std::mutex> lock(match.mutex);
            ++match.resignAdjudicated;
            break;
        }
    }
    const int aSign = r.aBlack ? -1 : 1;
    r.aScore = winner == 0 ? 1 : winner == aSign ? 2 : 0;
    r.reason = reason;
    r.plies = static_cast<int>(judge.moves().size());
    r.text = formatGameText(judge.start(), judge.moves());
    players[0]->gameOver(r.aScore - 1);
    players[1]->gameOver(1 - r.aScore);
}

// The totals so far, with the SPRT when asked for; true when it has a verdict.
bool printTotals(const Match& m) {
    const Options& o = *m.options;
    const int n = m.wins + m.draws + m.losses;
    const EloEstimate tri = trinomialElo(m.wins, m.draws, m.losses);
    int pairs = 0;
    for (int c : m.pairs) pairs += c;
    std::printf("games %d: A %d wins, %d losses, %d draws; score %.1f %%\n", n, m.wins, m.losses,
                m.draws, n ? 100.0 * tri.score : 0.0);
    std::printf("Elo A-B %s (95 %%, trinomial over %d games)\n", formatElo(tri).c_str(), n);
    if (pairs)
        std::printf("Elo A-B %s (95 %%, pentanomial over %d pairs)\n",
                    formatElo(pentanomialElo(m.pairs)).c_str(), pairs);
    std::printf("pairs by A's points 0/0.5/1/1.5/2: %d %d %d %d %d\n", m.pairs[0], m.pairs[1],
                m.pairs[2], m.pairs[3], m.pairs[4]);
    if (o.a.limit.timed() || o.b.limit.timed()) {
        const auto overrun = [](std::int64_t v) {
            return v == std::numeric_limits<std::int64_t>::min() ? std::string("-")
                                                                 : std::to_string(v) + " ms";
        };
        std::printf(
            "largest overrun (time used minus time available): A %s, B %s (tolerance "
            "%lld ms); losses on time: A %d, B %d\n",
            overrun(m.overrunMs[0]).c_str(), overrun(m.overrunMs[1]).c_str(),
            static_cast<long long>(o.toleranceMs), m.timeLosses[0], m.timeLosses[1]);
    }
    if (o.resignMoves > 0)
        std::printf("resign adjudication at %d cp for %d moves: %d games\n", o.resignCp,
                    o.resignMoves, m.resignAdjudicated);
    if (!o.sprt) return false;
    if (m.stop && n < o.games) std::printf("stopped on the SPRT's verdict after %d games\n", n);
    const Sprt s = pentanomialSprt(m.pairs, o.elo0, o.elo1, o.alpha, o.beta);
    std::printf(
        "SPRT elo0 %.1f elo1 %.1f alpha %.3f beta %.3f (pentanomial): LLR %.3f "
        "[%.3f, %.3f] %s\n",
        o.elo0, o.elo1, o.alpha, o.beta, s.llr, s.lower, s.upper, verdictName(s.verdict));
    return s.verdict != SprtVerdict::Continue;
}

// Record a finished game and print its line; stop the match on an SPRT verdict.
void record(Match& m, const GameResult& r) {
    std::lock_guard<std::mutex> lock(m.mutex);
    const Options& o = *m.options;
    (r.aScore == 2 ? m.wins : r.aScore == 1 ? m.draws : m.losses) += 1;
    const auto first = m.firstOfPair.find(r.opening);
    if (first == m.firstOfPair.end()) {
        m.firstOfPair[r.opening] = r.aScore;
    } else {
        ++m.pairs[static_cast<std::size_t>(first->second + r.aScore)];
        m.firstOfPair.erase(first);
    }
    const char* result = r.aScore == 2 ? "A wins" : r.aScore == 1 ? "draw" : "B wins";
    std::printf("game %3d  opening %3d  black %s  white %s  %-6s  %-22s %4d plies\n", r.index + 1,
                r.opening + 1, r.aBlack ? "A" : "B", r.aBlack ? "B" : "A", result, r.reason.c_str(),
                r.plies);
    if (o.printMoves) std::printf("  %s\n", r.text.c_str());
    std::fflush(stdout);
    if (o.sprt) {
        const Sprt s = pentanomialSprt(m.pairs, o.elo0, o.elo1, o.alpha, o.beta);
        if (s.verdict != SprtVerdict::Continue) m.stop = true;
    }
}

// A worker: its own pair of engines, games taken in turn until none is left.
void worker(Match& m, int number, bool& failed) {
    const Options& o = *m.options;
    // Each worker's engines by a name of their own in the log: A1, B1, A2, ...
    EngineSpec specA = o.a, specB = o.b;
    specA.label += std::to_string(number);
    specB.label += std::to_string(number);
    std::unique_ptr<EnginePlayer> a = makePlayer(specA, o.standard),
                                  b = makePlayer(specB, o.standard);
    EnginePlayer* players[2] = {a.get(), b.get()};
    for (;;) {
        if (m.stop) break;
        const int index = m.next++;
        if (index >= o.games) break;
        // An engine that stopped answering is started afresh for the next game.
        for (EnginePlayer* p : players) {
            if (p->healthy()) continue;
            p->quit();
            std::string error;
            if (!p->start(o.standard, error)) {
                std::lock_guard<std::mutex> lock(m.mutex);
                std::fprintf(stderr, "engine_match: %s\n", error.c_str());
                failed = true;
                m.stop = true;
                return;
            }
        }
        GameResult r;
        playGame(m, index, players, r);
        record(m, r);
    }
    a->quit();
    b->quit();
}

int usage() {
    std::fprintf(stderr,
                 "usage: engine_match [--rules chushogi|zenkoru] [--games N] [--concurrency K]\n"
                 "  [--a \"CMD ARGS\"] [--b \"CMD ARGS\"] [--option-a NAME=VALUE] [--option-b "
                 "NAME=VALUE]\n"
                 "  [--protocol|--protocol-a|--protocol-b usi|xboard]\n"
                 "  [--limit SPEC] [--limit-a SPEC] [--limit-b SPEC]   SPEC: nodes=N | depth=N | "
                 "movetime=MS | byoyomi=MS | clock=BASE+INC (s)\n"
                 "  (XBoard engines: depth, movetime in whole seconds, or clock)\n"
                 "  [--seed S] [--opening-plies K] [--max-plies P] [--tolerance MS] [--timeout "
                 "MS]\n"
                 "  [--resign CP MOVES] [--sprt ELO0 ELO1 ALPHA BETA] [--moves] [--log FILE]\n");
    return 2;
}

}  // namespace
}  // namespace zk::bench

int main(int argc, char** argv) {
    using namespace zk::bench;
    Options o;
    o.a.limit.nodes = o.b.limit.nodes = 3000;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto option = [](EngineSpec& e, const std::string& text) {
        const std::size_t eq = text.find('=');
        if (eq == std::string::npos) return false;
        e.options.emplace_back(text.substr(0, eq), text.substr(eq + 1));
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& k = args[i];
        const auto has = [&](std::size_t n) { return i + n < args.size(); };
        const auto num = [&](std::size_t n) { return std::atof(args[i + n].c_str()); };
        if (k == "--rules" && has(1)) {
            if (args[i + 1] != "chushogi" && args[i + 1] != "zenkoru") return usage();
            o.standard = args[++i] == "chushogi";
        } else if (k == "--games" && has(1)) {
            o.games = std::max(1, static_cast<int>(num(1))), ++i;
        } else if (k == "--concurrency" && has(1)) {
            o.concurrency = std::clamp(static_cast<int>(num(1)), 1, 64), ++i;
        } else if ((k == "--a" || k == "--b") && has(1)) {
            (k == "--a" ? o.a : o.b).argv = splitWords(args[++i]);
        } else if ((k == "--option-a" || k == "--option-b") && has(1)) {
            if (!option(k == "--option-a" ? o.a : o.b, args[++i])) return usage();
        } else if ((k == "--protocol" || k == "--protocol-a" || k == "--protocol-b") && has(1)) {
            const std::string p = args[++i];
            if (p != "usi" && p != "xboard") return usage();
            if (k != "--protocol-b") o.a.xboard = p == "xboard";
            if (k != "--protocol-a") o.b.xboard = p == "xboard";
        } else if ((k == "--limit" || k == "--limit-a" || k == "--limit-b") && has(1)) {
            Limit l;
            if (!parseLimit(args[++i], l)) return usage();
            if (k != "--limit-b") o.a.limit = l;
            if (k != "--limit-a") o.b.limit = l;
        } else if (k == "--seed" && has(1)) {
            o.seed = static_cast<std::uint32_t>(num(1)), ++i;
        } else if (k == "--opening-plies" && has(1)) {
            o.openingPlies = std::max(0, static_cast<int>(num(1))), ++i;
        } else if (k == "--max-plies" && has(1)) {
            o.maxPlies = std::max(1, static_cast<int>(num(1))), ++i;
        } else if (k == "--tolerance" && has(1)) {
            o.toleranceMs = std::max<std::int64_t>(0, static_cast<std::int64_t>(num(1))), ++i;
        } else if (k == "--timeout" && has(1)) {
            o.timeoutMs = std::max<std::int64_t>(1, static_cast<std::int64_t>(num(1))), ++i;
        } else if (k == "--resign" && has(2)) {
            o.resignCp = static_cast<int>(num(1)), o.resignMoves = static_cast<int>(num(2));
            i += 2;
        } else if (k == "--sprt" && has(4)) {
            o.sprt = true;
            o.elo0 = num(1), o.elo1 = num(2), o.alpha = num(3), o.beta = num(4);
            if (!(o.alpha > 0 && o.alpha < 1 && o.beta > 0 && o.beta < 1)) return usage();
            i += 4;
        } else if (k == "--log" && has(1)) {
            o.a.log = o.b.log = std::fopen(args[++i].c_str(), "w");
            if (!o.a.log) return usage();
        } else if (k == "--moves") {
            o.printMoves = true;
        } else {
            return usage();
        }
    }
    // XBoard counts no nodes and keeps no byoyomi.
    for (const EngineSpec* e : {&o.a, &o.b})
        if (e->xboard &&
            (e->limit.kind == Limit::Kind::Nodes || e->limit.kind == Limit::Kind::Byoyomi))
            return usage();
    std::mutex logMutex;
    o.a.logMutex = o.b.logMutex = &logMutex;
    if (o.a.argv.empty()) o.a.argv = {siblingEngine()};
    if (o.b.argv.empty()) o.b.argv = {siblingEngine()};
    std::printf("%s rules, %d games, concurrency %d; A: %s (%s); B: %s (%s)\n",
                o.standard ? "standard (chushogi)" : "zenkoru", o.games, o.concurrency,
                o.a.argv[0].c_str(), describeLimit(o.a.limit).c_str(), o.b.argv[0].c_str(),
                describeLimit(o.b.limit).c_str());
    std::fflush(stdout);
    Match m;
    m.options = &o;
    bool failed = false;
    std::vector<std::thread> threads;
    std::vector<char> failures(static_cast<std::size_t>(o.concurrency), 0);
    for (int t = 0; t < o.concurrency; ++t)
        threads.emplace_back([&m, &failures, t] {
            bool f = false;
            worker(m, t + 1, f);
            failures[static_cast<std::size_t>(t)] = f;
        });
    for (std::thread& t : threads) t.join();
    for (char f : failures) failed = failed || f;
    printTotals(m);
    return failed ? 1 : 0;
}
