#include "game_clock.h"

#include <algorithm>

namespace zk {

void GameClock::reset(const ClockSettings& c) {
    c_ = c;
    // The increment comes before the first move too, so that a game of
    // increment alone has time for it.
    main_[0] = main_[1] = c.mainSeconds + c.incrementSeconds;
    byoyomiUsed_[0] = byoyomiUsed_[1] = 0;
    running_ = 0;
    since_ = 0;
}

// Seconds the side has used of its current turn (0 while it does not run).
double GameClock::spent(int side, double now) const {
    if (running_ == 0 || index(side) != index(running_)) return 0;
    return std::max(0.0, now - since_);
}

void GameClock::start(int side, double now) {
    stop(now);
    running_ = side;
    since_ = now;
}

void GameClock::stop(double now) {
    if (running_ == 0) return;
    const int i = index(running_);
    const double over = spent(running_, now) - main_[i];
    // What went past the main time is 秒読み used, kept across a pause.
    if (over > 0) byoyomiUsed_[i] += over;
    main_[i] = std::max(0.0, -over);
    running_ = 0;
}

void GameClock::moveMade(int side, double now) {
    if (running_ != 0 && index(running_) == index(side)) stop(now);
    byoyomiUsed_[index(side)] = 0;  // the next move has a full period
    if (c_.incrementSeconds > 0) main_[index(side)] += c_.incrementSeconds;
    start(-side, now);
}

double GameClock::mainLeft(int side, double now) const {
    return std::max(0.0, main_[index(side)] - spent(side, now));
}

double GameClock::byoyomiLeft(int side, double now) const {
    if (c_.byoyomiSeconds <= 0) return -1;
    const int i = index(side);
    const double over = spent(side, now) - main_[i];
    if (over < 0) return -1;
    return std::max(0.0, c_.byoyomiSeconds - byoyomiUsed_[i] - over);
}

bool GameClock::flagged(int side, double now) const {
    if (!enabled()) return false;
    const int i = index(side);
    const double used = spent(side, now);
    return used > 0 && used - main_[i] + byoyomiUsed_[i] >= c_.byoyomiSeconds;
}

void GameClock::setMainLeft(int side, double seconds) {
    main_[index(side)] = std::max(0.0, seconds);
}

engine::TimeBudget clockTimeBudget(double mainLeft, int byoyomi, int increment) {
    // The window shows the move and stops the clock through its event loop.
    constexpr std::int64_t kWindowOverhead = 300;
    engine::Clock c;
    c.left = static_cast<std::int64_t>(mainLeft * 1000);
    c.byoyomi = std::int64_t{byoyomi} * 1000;
    c.inc = std::int64_t{increment} * 1000;
    return engine::timeBudget(c, kWindowOverhead);
}

}  // namespace zk
