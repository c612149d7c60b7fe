// The thinking time for a move from the GUI's clock.
#include "time_control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "engine.h"
#include "position.h"

namespace {

using zk::engine::Clock;
using zk::engine::kMinimumThought;
using zk::engine::kTimeOverhead;
using zk::engine::timeBudget;
using zk::engine::TimeBudget;

}  // namespace

// Byoyomi is used in full less the overhead, a fixed move time likewise, and
// no clock at all bounds nothing.
TEST(TimeControl, ByoyomiAndMoveTimeAreUsedInFull) {
    const TimeBudget byoyomi = timeBudget(Clock{0, 0, 1000, 0, 0});
    EXPECT_EQ(byoyomi.hard, 1000 - kTimeOverhead);
    EXPECT_EQ(byoyomi.soft, byoyomi.hard);
    // Main time left comes on top of the byoyomi.
    const TimeBudget both = timeBudget(Clock{60000, 0, 1000, 0, 0});
    EXPECT_GT(both.soft, byoyomi.soft);
    EXPECT_LE(both.hard, 60000 + 1000 - kTimeOverhead);
    const TimeBudget fixed = timeBudget(Clock{-1, 0, 0, 0, 500});
    EXPECT_EQ(fixed.soft, 500 - kTimeOverhead);
    EXPECT_EQ(fixed.hard, 500 - kTimeOverhead);
    const TimeBudget none = timeBudget(Clock{});
    EXPECT_EQ(none.soft, 0);
    EXPECT_EQ(none.hard, 0);
}

// Over a grid of clocks the hard bound never passes what is on the clock less
// the overhead (unless that is below the minimum), and soft <= hard.
TEST(TimeControl, NeverPlansBeyondTheClock) {
    for (const std::int64_t left : {0, 1, 30, 50, 200, 1000, 5000, 60000, 600000, 36000000})
        for (const std::int64_t inc : {0, 100, 1000, 10000})
            for (const std::int64_t byoyomi : {0, 100, 1000, 30000})
                for (const int movesToGo : {0, 1, 2, 40, 200}) {
                    const TimeBudget b = timeBudget(Clock{left, inc, byoyomi, movesToGo, 0});
                    const std::int64_t available =
                        std::max(left + byoyomi - kTimeOverhead, kMinimumThought);
                    EXPECT_LE(b.hard, available) << left << ' ' << inc << ' ' << byoyomi;
                    EXPECT_GE(b.soft, kMinimumThought);
                    EXPECT_LE(b.soft, b.hard);
                }
}

// 60 s sudden death: a hundred moves, each run halfway from its soft to its
// hard bound and then the overhead more, leave time on the clock; 10 s with a
// 1 s increment keeps most of each increment in play.
TEST(TimeControl, SuddenDeathLastsAHundredMoves) {
    std::int64_t left = 60000;
    for (int move = 0; move < 100; ++move) {
        const TimeBudget b = timeBudget(Clock{left, 0, 0, 0, 0});
        left -= (b.soft + b.hard) / 2 + kTimeOverhead;
        ASSERT_GT(left, 0) << "flagged at move " << move + 1;
    }
    EXPECT_GT(left, 500);
    left = 10000;
    for (int move = 0; move < 100; ++move) {
        const TimeBudget b = timeBudget(Clock{left, 1000, 0, 0, 0});
        EXPECT_GE(b.soft, 700);
        left -= b.hard + kTimeOverhead;
        ASSERT_GT(left, 0) << "flagged at move " << move + 1;
        left += 1000;
    }
}

// A soft limit the search does not reach changes nothing: the same move,
// score and nodes as without one, under both rule sets.
TEST(TimeControl, SoftLimitNotReachedChangesNothing) {
    for (const zk::RuleSet rules : {zk::RuleSet::Standard, zk::RuleSet::Zenkoru}) {
        const zk::Position p = zk::Position::initial(rules);
        zk::engine::Limits plain;
        plain.depth = 3;
        zk::engine::Limits timed = plain;
        timed.softMillis = 1'000'000;
        timed.millis = 2'000'000;
        zk::engine::Engine a(4), b(4);
        const zk::engine::Result x = a.search(p, p.mover, plain);
        const zk::engine::Result y = b.search(p, p.mover, timed);
        EXPECT_TRUE(x.best == y.best);
        EXPECT_EQ(x.score, y.score);
        EXPECT_EQ(x.nodes, y.nodes);
        EXPECT_EQ(x.depth, 3);
        EXPECT_EQ(y.depth, 3);
    }
}
