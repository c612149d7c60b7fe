// A searching computer player on the rules alone: iterative deepening
// alpha-beta from a Position, on a board of the engine's own. It never draws,
// sleeps, prints or waits; the caller bounds it by depth, nodes, a time budget
// on the monotonic clock or a stop flag, and runs it on whatever thread it likes.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "position.h"

namespace zk::engine {

// Scores are in hundredths of a pawn from the side to move's view. A won
// game scores kWin minus the plies to the win, a lost one the negation.
constexpr int kWin = 30000;
constexpr int kWinBound = kWin - 1000;  // any score beyond this is a decided game

// How a game ends, as the caller plays it; both are decided on the rules'
// symmetric facts (pieces and royal pieces left, mate).
enum class EndRules : std::uint8_t {
    // The window's game against the computer, the human the bottom side: it
    // wins by baring, mating or taking the top side's royal pieces; the top
    // side baring it is a draw, and a mate of it is only announced.
    WindowVsComputer,
    // Two programs: a side with no royal piece loses, a side mated loses, and
    // a side bared against more pieces loses; two bare sides draw.
    Symmetric,
};

struct Result;

struct Limits {
    int depth = 64;           // deepest iteration
    std::uint64_t nodes = 0;  // 0: no node limit
    std::int64_t millis = 0;  // 0: no time limit (steady clock from the call)
    // No iteration starts after this many milliseconds, nor one that would
    // likely not end before `millis` (0: iterations run until a limit stops them).
    std::int64_t softMillis = 0;
    const std::atomic<bool>* stop = nullptr;  // the caller's stop flag, read while searching
    bool nullMove = true;                     // prune by null move (off: to measure what it gains)
    bool reductions = true;                   // late-move reductions (off: likewise)
    bool futility = true;  // quiet moves a ply from the horizon skipped when far below alpha
    EndRules endRules = EndRules::WindowVsComputer;
    // Keys (positionKey) of the earlier positions of the game since its last
    // capture or promotion, oldest first. Under the standard rules a position
    // met again, here or earlier on the search path, scores as a draw (0): a
    // sound approximation of the repetition rule that never lets the engine
    // count on a repetition to win.
    std::vector<std::uint64_t> history;
    // For weak levels: every static evaluation gets a number in
    // [-randomMargin, randomMargin] centipawns fixed by the position and the
    // seed, so moves within about that much of the best are played at random
    // (0: none, the search as it always was).
    int randomMargin = 0;
    std::uint32_t randomSeed = 0;
    // Called on the searching thread as each iteration completes, with the
    // result so far (what a protocol's per-iteration info line reports).
    std::function<void(const Result& soFar)> onIteration;
};

struct Result {
    bool found = false;  // false: the side to move has no legal move
    Move best;
    int score = 0;
    int depth = 0;     // the last iteration that completed
    int seldepth = 0;  // the deepest ply reached, quiescence included
    std::uint64_t nodes = 0;
    std::vector<Move> pv;
};

// How a game ends, read after a move; the bottom side has the negative codes.
enum class Outcome { None, BottomWins, TopWins, Draw };

// The verdict after `movedSide` (-1 or +1) made a move leading to `after`,
// under `rules` (by default what the window announces). A standard position
// is judged by the standard rules whatever `rules` says; its repetitions are
// the caller's to count.
Outcome outcomeAfter(const Position& after, int movedSide,
                     EndRules rules = EndRules::WindowVsComputer);

// Zobrist key of the board, the side to move and the lion history: what
// Limits::history holds.
std::uint64_t positionKey(const Position& p);

// Keep a game's Limits::history as it goes: `before`'s key joins `keys`, and
// a capture or promotion, which no later position can undo, empties them.
void addGameKey(std::vector<std::uint64_t>& keys, const Position& before, const Move& m);

// The computer's strengths the window offers for a rule set, 1 (weakest) to
// kStrengths: the limits to search with. Under the standard rules they bound
// nodes (and the weakest plays a little at random); under Zenkoru's rules they
// are the window's levels' limits.
constexpr int kStrengths = 3;
Limits strengthLimits(RuleSet rules, int strength);

// Static evaluation from the side to move's view.
int evaluate(const Position& p);

class Engine {
public:
    explicit Engine(std::size_t hashMegabytes = 64);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Resize (and empty) the transposition table.
    void setHashSize(std::size_t megabytes);
    // Forget everything learnt from earlier searches.
    void clear();

    // Search the side to move of `p`. `computerSide` is the sign of the side
    // that chooses promotion freely (Mover::Computer); the other side's moves
    // are those its presses can make (Mover::Presses). A hint for the human
    // is the same call with the human to move.
    Result search(const Position& p, int computerSide, const Limits& limits);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zk::engine
