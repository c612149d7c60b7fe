#include "com_mate.h"

#include "game_end.h"
#include "influence.h"
#include "mate.h"

namespace zk {

namespace {

constexpr int kBottom = -1, kTop = 1;

// After a try of the human's, may a computer piece move onto the royal square?
auto comStillReaches(ComState& s) {
    return [&s](int x, int y) { return reaches(s, kTop, x, y); };
}

// After a try of the computer's, does the rebuilt MAN map reach the square?
auto manMapStillReaches(ComState& s) {
    return [&s](int x, int y) {
        勢力調査_MAN(s);
        return s.manInfluence[x][y] != 0;
    };
}

RoyalSquares manRoyals(const ComState& s) {
    return {s.manKingX, s.manKingY, s.manPrinceX, s.manPrinceY};
}

RoyalSquares comRoyals(const ComState& s) {
    return {s.comKingX, s.comKingY, s.comPrinceX, s.comPrinceY};
}

}  // namespace

int 詰めかMAN(ComState& s) {
    return 詰めか(s, kBottom, manRoyals(s), RoyalCaptures::Included, comStillReaches(s));
}

int 詰めかCOM(ComState& s) {
    return 詰めか(s, kTop, comRoyals(s), RoyalCaptures::Excluded, manMapStillReaches(s));
}

int 詰めかMAN_王(ComState& s) {
    return 詰めか_王族(s, kBottom, s.manKingX, s.manKingY, code::MAN_王, RoyalCaptures::Included,
                       comStillReaches(s));
}

int 詰めかMAN_太(ComState& s) {
    return 詰めか_王族(s, kBottom, s.manPrinceX, s.manPrinceY, code::MAN_太,
                       RoyalCaptures::Included, comStillReaches(s));
}

int 詰めかCOM_王(ComState& s) {
    return 詰めか_王族(s, kTop, s.comKingX, s.comKingY, code::COM_王, RoyalCaptures::Excluded,
                       manMapStillReaches(s));
}

int 詰めかCOM_太(ComState& s) {
    return 詰めか_王族(s, kTop, s.comPrinceX, s.comPrinceY, code::COM_太, RoyalCaptures::Excluded,
                       manMapStillReaches(s));
}

// After a human move: every royal column is cleared so that a royal piece just
// captured reads as 0, then both sides are surveyed (MAN first).
void 終局前調査_MAN手(ComState& s) {
    s.manKingX = 0;
    s.manPrinceX = 0;
    s.comKingX = 0;
    s.comPrinceX = 0;
    勢力調査_MAN(s);
    勢力調査_COM(s);
}

// After a computer move: only the human's royal columns are cleared, then
// both sides are surveyed (COM first).
void 終局前調査_COM手(ComState& s) {
    s.manKingX = 0;
    s.manPrinceX = 0;
    勢力調査_COM(s);
    勢力調査_MAN(s);
}

}  // namespace zk
