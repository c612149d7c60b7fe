#include "move_check.h"

#include <array>
#include <cstdlib>
#include <mutex>

#include "move_table.h"

namespace zk {

namespace {

// A lion of either side (the two lion codes, never a mid-move code).
bool isLion(PieceCode c) { return isLionCode(c); }

// Does the piece's movement bring it from the origin to the destination, the
// squares between a run empty?
bool reaches(const BoardGrid& b, const PieceMoves& m, int fx, int fy, int tx, int ty) {
    const Reach how = reachOf(m, tx - fx, ty - fy);
    if (how != Reach::Slide) return how == Reach::Leap;
    const int sx = (tx > fx) - (tx < fx), sy = (ty > fy) - (ty < fy);
    for (int x = fx + sx, y = fy + sy; x != tx || y != ty; x += sx, y += sy)
        if (!b[x][y].isEmpty()) return false;
    return true;
}

}  // namespace

// May the code c move from the origin to the destination on the board?
// Changes nothing.
int moveCheck(BoardGrid& b, const LionHistory& history, bool secondStep, int fx, int fy, int tx,
              int ty, PieceCode c, RuleSet rules) {
    if (tx < 1 || tx > 12 || ty < 1 || ty > 12) return 0;
    // An origin off the board would make the line walks leave the grid.
    if (!onBoard(fx, fy)) return 0;
    const PieceCode target = b[tx][ty];
    if ((c >= 1 && target >= 1) || (c <= -1 && target <= -1)) return 0;
    if (fx == tx && fy == ty) return 0;

    // The side that has just lost a lion may not take the lion of that code
    // back at once, unless it is the piece the move before the last left.
    if (isLion(target) && history.lastCaptured == -target && target != history.previousAfter)
        return 0;

    if (!reaches(b, pieceMoves(rules, c), fx, fy, tx, ty)) return 0;
    // A lion may not take a protected lion except in the second step of a
    // two-step move.
    if (isLion(c) && !secondStep && isLion(target) &&
        lionGuarded(b, target >= 1 ? 1 : -1, fx, fy, tx, ty, rules) == 1)
        return 0;
    return 1;
}

const std::vector<std::pair<std::int8_t, std::int8_t>>& emptyBoardSteps(PieceCode c,
                                                                        RuleSet rules) {
    using Steps = std::vector<std::pair<std::int8_t, std::int8_t>>;
    // Each code's list is made when first asked for: a game meets few codes.
    static std::array<std::array<Steps, 79>, 2> table;
    static std::array<std::array<std::once_flag, 79>, 2> made;
    const int set = static_cast<int>(rules);
    const int index = c.whole() + 39;
    std::call_once(made[set][index], [set, index, rules] {
        // A mid-move code lists the steps of its whole code.
        const PieceMoves& m = pieceMoves(rules, PieceCode(index - 39));
        for (int dx = -11; dx <= 11; ++dx)
            for (int dy = -11; dy <= 11; ++dy)
                if (reachOf(m, dx, dy) != Reach::None) table[set][index].emplace_back(dx, dy);
    });
    return table[set][index];
}

// The move check in a position: its board and the lion history it carries.
int 移動チェック(Position& p, bool secondStep, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 PieceCode 移動駒種類) {
    return moveCheck(p.Board, p.history, secondStep, 移動元X, 移動元Y, 移動先X, 移動先Y,
                     移動駒種類);
}

}  // namespace zk
