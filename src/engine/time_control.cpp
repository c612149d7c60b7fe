// Sudden death, increment and byoyomi in one rule: the main time is spread
// over the moves expected to remain, an increment is mostly spent on the move
// it comes with, and byoyomi, lost when not used, is used in full.
#include "time_control.h"

#include <algorithm>

namespace zk::engine {

namespace {

// Moves a game is assumed to have left when the GUI does not say; Chu games
// are long, and a share this small still leaves time for a hundred moves.
constexpr int kMovesToGo = 50;
// How far past its share one move may run when an iteration is under way.
constexpr int kHardShares = 3;

}  // namespace

TimeBudget timeBudget(const Clock& c, std::int64_t overhead) {
    if (c.movetime > 0) {
        const std::int64_t t = std::max(c.movetime - overhead, kMinimumThought);
        return {t, t};
    }
    if (c.left < 0 && c.byoyomi <= 0 && c.inc <= 0) return {};
    const std::int64_t left = std::max<std::int64_t>(c.left, 0);
    const std::int64_t inc = std::max<std::int64_t>(c.inc, 0);
    const std::int64_t byoyomi = std::max<std::int64_t>(c.byoyomi, 0);
    const int movesToGo = c.movesToGo > 0 ? std::min(c.movesToGo, kMovesToGo) : kMovesToGo;
    const std::int64_t share = left / movesToGo;
    // Never the whole main time left: the increment comes after the move.
    const std::int64_t mainHard = std::min(left * 3 / 4, kHardShares * share + inc);
    const std::int64_t mainSoft = std::min(mainHard, share + inc * 3 / 4);
    TimeBudget b;
    b.hard = std::max(mainHard + byoyomi - overhead, kMinimumThought);
    b.soft = std::clamp(mainSoft + byoyomi - overhead, kMinimumThought, b.hard);
    return b;
}

}  // namespace zk::engine
