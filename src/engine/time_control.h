// How long to think for a move, from what a GUI says of the clock: a soft
// bound after which no new iteration starts and a hard bound at which the
// search stops. Pure arithmetic on milliseconds; the clock is the caller's.
#pragma once

#include <cstdint>

namespace zk::engine {

// What the GUI says of the side to move's clock, in milliseconds.
struct Clock {
    std::int64_t left = -1;     // main time left; -1: not given
    std::int64_t inc = 0;       // added after each move (Fischer)
    std::int64_t byoyomi = 0;   // available in full each move once the main time is spent
    int movesToGo = 0;          // moves until the main time is renewed; 0: the rest of the game
    std::int64_t movetime = 0;  // exactly this long for this move; 0: not given
};

// Both 0: no time bound at all.
struct TimeBudget {
    std::int64_t soft = 0;
    std::int64_t hard = 0;
};

// Kept back from every move for what the engine does not see: the pipe, the
// process being scheduled, the GUI's own reading of its clock.
constexpr std::int64_t kTimeOverhead = 40;
// The least thought given to a move, even when the clock says less.
constexpr std::int64_t kMinimumThought = 10;

// The budget for one move under `clock`, `overhead` kept back.
TimeBudget timeBudget(const Clock& clock, std::int64_t overhead = kTimeOverhead);

}  // namespace zk::engine
