// The clock model on given times: sudden death, 秒読み and an increment, the
// flag of each, 秒読み starting afresh with each move and kept across a
// pause, and the computer's time budget staying inside what its clock holds.
#include "game_clock.h"

#include <gtest/gtest.h>

namespace zk {
namespace {

TEST(GameClock, SuddenDeathFlagsEachSideAtItsOwnTime) {
    GameClock c;
    c.reset({300, 0, 0});
    c.start(-1, 0);
    EXPECT_DOUBLE_EQ(c.mainLeft(-1, 100), 200);
    EXPECT_DOUBLE_EQ(c.mainLeft(+1, 100), 300);
    EXPECT_FALSE(c.flagged(-1, 299.9));
    EXPECT_TRUE(c.flagged(-1, 300));
    c.moveMade(-1, 100);
    EXPECT_EQ(c.running(), +1);
    EXPECT_DOUBLE_EQ(c.mainLeft(-1, 1000), 200);  // a stopped side keeps its time
    EXPECT_FALSE(c.flagged(+1, 399.9));
    EXPECT_TRUE(c.flagged(+1, 400));
    EXPECT_FALSE(c.flagged(-1, 1000));
    EXPECT_EQ(c.byoyomiLeft(-1, 100), -1);
}

TEST(GameClock, ByoyomiStartsAfreshWithEachMoveAndSurvivesAPause) {
    GameClock c;
    c.reset({60, 10, 0});
    c.start(-1, 0);
    EXPECT_EQ(c.byoyomiLeft(-1, 59), -1);
    EXPECT_DOUBLE_EQ(c.byoyomiLeft(-1, 65), 5);
    EXPECT_FALSE(c.flagged(-1, 69.9));
    EXPECT_TRUE(c.flagged(-1, 70));
    c.moveMade(-1, 69);  // in time: the next move has a full period
    c.moveMade(+1, 70);
    EXPECT_DOUBLE_EQ(c.byoyomiLeft(-1, 70), 10);
    EXPECT_FALSE(c.flagged(-1, 79.9));
    // A pause keeps what was used of the period: it does not start afresh.
    c.stop(76);
    c.start(-1, 100);
    EXPECT_DOUBLE_EQ(c.byoyomiLeft(-1, 100), 4);
    EXPECT_TRUE(c.flagged(-1, 104));
    // 秒読み alone: every move has the period, the first included.
    c.reset({0, 30, 0});
    c.start(+1, 0);
    EXPECT_DOUBLE_EQ(c.byoyomiLeft(+1, 0), 30);
    EXPECT_FALSE(c.flagged(+1, 29.9));
    EXPECT_TRUE(c.flagged(+1, 30));
}

TEST(GameClock, IncrementIsAddedAfterEachMoveAndBeforeTheFirst) {
    GameClock c;
    c.reset({60, 0, 10});
    EXPECT_DOUBLE_EQ(c.mainLeft(-1, 0), 70);
    c.start(-1, 0);
    c.moveMade(-1, 30);
    EXPECT_DOUBLE_EQ(c.mainLeft(-1, 30), 50);
    c.moveMade(+1, 100);
    EXPECT_DOUBLE_EQ(c.mainLeft(+1, 100), 10);
    EXPECT_TRUE(c.flagged(-1, 150));
    EXPECT_FALSE(c.flagged(-1, 149.9));
}

TEST(GameClock, ThinkBudgetStaysInsideTheClockAndGrowsWithIt) {
    std::int64_t before = 0;
    for (double left : {1.0, 3.0, 10.0, 60.0, 300.0, 1800.0}) {
        for (int byoyomi : {0, 10, 30}) {
            for (int increment : {0, 10}) {
                if (byoyomi && increment) continue;
                const std::int64_t ms = clockTimeBudget(left, byoyomi, increment).hard;
                SCOPED_TRACE(std::to_string(left) + " " + std::to_string(byoyomi) + " " +
                             std::to_string(increment));
                EXPECT_GT(ms, 0);
                EXPECT_LT(ms, (left + byoyomi) * 1000);
            }
        }
        const std::int64_t ms = clockTimeBudget(left, 0, 0).hard;
        EXPECT_GE(ms, before);
        before = ms;
    }
}

}  // namespace
}  // namespace zk
