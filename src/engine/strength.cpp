// The computer's strengths the window offers, as search limits.
#include "engine.h"

namespace zk::engine {

// Standard games bound the search by nodes, so a strength plays alike on any
// machine; Zenkoru's strengths are the window's thinking times.
Limits strengthLimits(RuleSet rules, int strength) {
    const int s = strength < 1 ? 1 : strength > kStrengths ? kStrengths : strength;
    Limits limits;
    if (rules == RuleSet::Standard) {
        static constexpr std::uint64_t kNodes[kStrengths] = {3000, 30000, 200000};
        limits.nodes = kNodes[s - 1];
        limits.endRules = EndRules::Symmetric;
        if (s == 1) limits.randomMargin = 200;
    } else {
        static constexpr std::int64_t kMillis[kStrengths] = {1000, 5000, 15000};
        limits.millis = kMillis[s - 1];
    }
    return limits;
}

}  // namespace zk::engine
