// The end of a game against the computer, judged on a Position with the
// rules' symmetric facts: counting, royal presence, and the mate test only
// when it can matter (the side it tests has exactly one royal piece).
#include "engine.h"
#include "game_end.h"
#include "mate.h"

namespace zk::engine {

namespace {

struct Census {
    int bottom = 0, top = 0;              // pieces of each side
    int bottomRoyals = 0, topRoyals = 0;  // kings and crown princes
};

Census census(const BoardGrid& b) {
    Census c;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const int t = b[x][y].tenths();
            if (t == 0) continue;
            const bool royal = b[x][y].kind() >= 38;
            if (t < 0) {
                ++c.bottom;
                c.bottomRoyals += royal;
            } else {
                ++c.top;
                c.topRoyals += royal;
            }
        }
    return c;
}

}  // namespace

Outcome outcomeAfter(const Position& after, int movedSide) {
    const Census c = census(after.Board);
    if (movedSide < 0) {
        // The human moved: baring the computer wins, then mate, then royal capture.
        if ((c.bottom <= 1 || c.top <= 1) && c.bottom > c.top) return Outcome::BottomWins;
        if (c.topRoyals == 1) {
            BoardGrid b = after.Board;
            const LionHistory& h = after.history;
            const auto bottomReaches = [&](int x, int y) { return reaches(b, h, false, -1, x, y); };
            if (詰めか(b, h, 1, royalSquaresOf(b, 1), RoyalCaptures::Excluded, bottomReaches) ==
                1) {
                const RoyalSquares own = royalSquaresOf(b, -1);
                const bool ownRoyalAttacked = (own.kingX > 0 && own.princeX == 0 &&
                                               reaches(b, h, false, 1, own.kingX, own.kingY)) ||
                                              (own.kingX == 0 && own.princeX > 0 &&
                                               reaches(b, h, false, 1, own.princeX, own.princeY));
                if (!ownRoyalAttacked) return Outcome::BottomWins;
            }
        }
        // A side without a royal piece has lost, however it was taken.
        if (c.topRoyals == 0) return Outcome::BottomWins;
        return Outcome::None;
    }
    // The computer moved: a mate of the human is only announced and stops the
    // test; then baring the human is a draw; then royal capture.
    const bool bare = (c.bottom < 2 || c.top < 2) && c.top > c.bottom;
    if (bare && c.bottomRoyals == 1) {
        BoardGrid b = after.Board;
        const LionHistory& h = after.history;
        const auto topReaches = [&](int x, int y) { return reaches(b, h, false, 1, x, y); };
        if (詰めか(b, h, -1, royalSquaresOf(b, -1), RoyalCaptures::Included, topReaches) == 1)
            return Outcome::None;
    }
    if (bare) return Outcome::Draw;
    if (c.bottomRoyals == 0) return Outcome::TopWins;
    return Outcome::None;
}

}  // namespace zk::engine
