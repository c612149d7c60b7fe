// The two sides' clocks of a game: 持ち時間 (the main time), then either
// 秒読み (a fixed time for every move once the main time is spent) or an
// increment added after each move, or neither (sudden death). A pure model:
// every call is given the time now, so the window's tick, the script
// runner's fake time and the tests drive it alike. Sides are the board's:
// -1 the bottom side, +1 the top side.
#pragma once

#include <cstdint>

#include "time_control.h"

namespace zk {

struct ClockSettings {
    int mainSeconds = 0;       // 持ち時間
    int byoyomiSeconds = 0;    // 秒読み (0: none)
    int incrementSeconds = 0;  // 加算 (0: none); never together with 秒読み
    // No time at all: the game is played without clocks.
    bool enabled() const { return mainSeconds > 0 || byoyomiSeconds > 0 || incrementSeconds > 0; }
    friend bool operator==(const ClockSettings&, const ClockSettings&) = default;
};

class GameClock {
public:
    // Both sides get the full main time; nothing runs.
    void reset(const ClockSettings& c);
    const ClockSettings& settings() const { return c_; }
    bool enabled() const { return c_.enabled(); }

    // The side whose time runs (0: none).
    int running() const { return running_; }
    // Start `side`'s time (the other's stops without a move being counted).
    void start(int side, double now);
    // Charge the running side and stop; a move is not counted.
    void stop(double now);
    // `side` has moved: its time is charged, its 秒読み starts afresh or its
    // increment is added, and the other side's time starts.
    void moveMade(int side, double now);

    // Main time left to `side` (never below 0).
    double mainLeft(int side, double now) const;
    // In 秒読み: the seconds left of this move's period (the full period
    // while the side does not run); -1 when the side is not in 秒読み.
    double byoyomiLeft(int side, double now) const;
    // The side has run out of time.
    bool flagged(int side, double now) const;

    // Set a side's main time left (a game resumed as it was left).
    void setMainLeft(int side, double seconds);

private:
    static int index(int side) { return side > 0 ? 1 : 0; }
    double spent(int side, double now) const;

    ClockSettings c_;
    double main_[2] = {0, 0};
    // Seconds of this move's 秒読み already used before a pause.
    double byoyomiUsed_[2] = {0, 0};
    int running_ = 0;
    double since_ = 0;
};

// How long the searching computer may think for its next move, from its own
// clock: `mainLeft` seconds of main time, `byoyomi` or `increment` seconds.
// The engine's own time management, with the window's time to show the move
// kept back; never 0 while the clock still has time.
engine::TimeBudget clockTimeBudget(double mainLeft, int byoyomi, int increment);

}  // namespace zk
