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

struct Limits {
    int depth = 64;                           // deepest iteration
    std::uint64_t nodes = 0;                  // 0: no node limit
    std::int64_t millis = 0;                  // 0: no time limit (steady clock from the call)
    const std::atomic<bool>* stop = nullptr;  // the caller's stop flag, read while searching
    bool nullMove = true;                     // prune by null move (off: to measure what it gains)
    bool reductions = true;                   // late-move reductions (off: likewise)
    bool futility = true;  // quiet moves a ply from the horizon skipped when far below alpha
    // Called on the searching thread as each iteration completes.
    std::function<void(int depth)> onIteration;
};

struct Result {
    bool found = false;  // false: the side to move has no legal move
    Move best;
    int score = 0;
    int depth = 0;  // the last iteration that completed
    std::uint64_t nodes = 0;
    std::vector<Move> pv;
};

// How a game against the computer ends, read after a move. The bottom side
// (negative codes) is the human of the window's game, the top side the
// computer; the rules are not symmetric (baring the human is a draw).
enum class Outcome { None, BottomWins, TopWins, Draw };

// The verdict the window announces after `movedSide` (-1 or +1) made a move
// leading to `after`.
Outcome outcomeAfter(const Position& after, int movedSide);

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
