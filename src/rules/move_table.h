// How each piece moves, as data: for each rule set and each code, its runs
// along the eight lines, its leaps, whether it may go on after a first step,
// and what it promotes to. The move check, the empty-board steps, promotion
// and the engine's own generator all read this one table.
#pragma once

#include <array>
#include <cstdint>

#include "position.h"

namespace zk {

// A run as long as the board allows.
constexpr int kWholeLine = 11;

// One step along each of the eight lines in board terms (dy toward row 12).
// Line 7 - d runs the other way from line d.
struct LineStep {
    int dx, dy;
};
inline constexpr std::array<LineStep, 8> kLines = {
    {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

// The line of a unit step (sx, sy), both in -1..1 and not both 0.
constexpr int lineOf(int sx, int sy) {
    const int n = (sy + 1) * 3 + sx + 1;
    return n > 4 ? n - 1 : n;
}

// The bit of the square (dx, dy) away in a 5 x 5 block of leaps.
constexpr std::uint32_t leapBit(int dx, int dy) {
    return std::uint32_t{1} << ((dy + 2) * 5 + dx + 2);
}

// A two-step piece: a lion makes any king step and then may make a second;
// an eagle or falcon may go on (or come back) along the line of some first steps.
enum class TwoStep : std::uint8_t { None, Lion, Line };

// The movement of one code.
struct PieceMoves {
    std::array<std::int8_t, 8> run{};  // by kLines: the longest run; a piece between stops it
    std::uint32_t leaps = 0;           // leapBit squares, reached whatever stands between
    TwoStep twoStep = TwoStep::None;
    // By kLines, for a first king step: the mid-move code the second step is
    // checked with, or empty when the move ends there.
    std::array<PieceCode, 8> goesOn{};
    PieceCode promoted;  // what a promoting move turns it into; empty: it never does
};

namespace move_table {
// The table itself: per rule set, the whole codes -39..39, the ten mid-move
// codes and one that moves nowhere; and the slot of each code by its tenths
// (-395..395), so that a look-up is two loads.
constexpr int kSlots = 90;
extern const std::array<std::array<PieceMoves, kSlots>, 2> tables;
extern const std::array<std::uint8_t, 791> slotOfTenths;
}  // namespace move_table

// The movement of a whole code or a mid-move code under a rule set; any other
// code moves nowhere.
inline const PieceMoves& pieceMoves(RuleSet rules, PieceCode c) {
    const unsigned at = static_cast<unsigned>(c.tenths() + 395);
    const int slot = at < 791 ? move_table::slotOfTenths[at] : move_table::kSlots - 1;
    return move_table::tables[static_cast<int>(rules)][slot];
}

// How a piece reaches the square (dx, dy) away on an empty board.
enum class Reach : std::uint8_t { None, Slide, Leap };
constexpr Reach reachOf(const PieceMoves& m, int dx, int dy) {
    const int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    if (adx == 0 && ady == 0) return Reach::None;
    if (adx <= 2 && ady <= 2 && (m.leaps & leapBit(dx, dy))) return Reach::Leap;
    if (dx != 0 && dy != 0 && adx != ady) return Reach::None;
    const int length = adx > ady ? adx : ady;
    const int line = lineOf((dx > 0) - (dx < 0), (dy > 0) - (dy < 0));
    return m.run[line] >= length ? Reach::Slide : Reach::None;
}

// Does a move of a piece of the side `sign` from row fromY to row toY
// promote, when its kind can? `takes`: it captures there. Entering the far
// four rows promotes, and so does a capture within them.
constexpr bool promotingMove(int sign, int fromY, int toY, bool takes) {
    if (sign < 0) return toY < 5 && (fromY > 4 || takes);
    return toY > 8 && (fromY < 9 || takes);
}

}  // namespace zk
