// The end of a game against the computer, judged on a Position. Counting and
// royal presence are read here; the mate test is the window's own, run on a
// scratch State only when it can matter (the side it tests has exactly one
// royal piece), so the verdict is always the one the window announces.
#include "engine.h"
#include "game_end.h"
#include "mate.h"
#include "pieces.h"

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

// One scratch State per thread: it is large, and the surveys write into it.
State& scratch(const BoardGrid& b) {
    thread_local State s = [] {
        State t;
        駒価値設定(t);
        return t;
    }();
    s.Board = b;
    s.manKingX = s.manPrinceX = s.comKingX = s.comPrinceX = 0;
    return s;
}

int reach(const IntGrid& g, int x, int y) {
    if (x < 0 || x > 12 || y < 0 || y > 12) return 0;
    return g[x][y];
}

}  // namespace

Outcome outcomeAfter(const Position& after, int movedSide) {
    const Census c = census(after.Board);
    if (movedSide < 0) {
        // The human moved: baring the computer wins, then mate, then royal capture.
        if ((c.bottom <= 1 || c.top <= 1) && c.bottom > c.top) return Outcome::BottomWins;
        if (c.topRoyals == 1) {
            State& s = scratch(after.Board);
            終局前調査_MAN手(s);
            if (詰めかCOM(s) == State::flagOn) {
                const bool ownRoyalAttacked =
                    (s.manKingX > 0 && s.manPrinceX == 0 &&
                     reach(s.comInfluence, s.manKingX, s.manKingY) > 0) ||
                    (s.manKingX == 0 && s.manPrinceX > 0 &&
                     reach(s.comInfluence, s.manPrinceX, s.manPrinceY) > 0);
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
        State& s = scratch(after.Board);
        終局前調査_COM手(s);
        if (詰めかMAN(s) == State::flagOn) return Outcome::None;
    }
    if (bare) return Outcome::Draw;
    if (c.bottomRoyals == 0) return Outcome::TopWins;
    return Outcome::None;
}

}  // namespace zk::engine
