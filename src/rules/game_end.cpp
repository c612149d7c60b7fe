#include "game_end.h"

#include "mate.h"
#include "move_check.h"

namespace zk {

Census 調査_駒数(const BoardGrid& b) {
    Census c;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode p = b[x][y];
            if (p.isEmpty()) continue;
            const int i = p >= 1 ? 1 : 0;
            c.pieces[i] += 1;
            if (p.kind() >= 38) c.royals[i] += 1;
        }
    return c;
}

RoyalSquares royalSquaresOf(const BoardGrid& b, int side) {
    RoyalSquares r;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (b[x][y] == PieceCode(side * 39)) r.kingX = x, r.kingY = y;
            if (b[x][y] == PieceCode(side * 38)) r.princeX = x, r.princeY = y;
        }
    return r;
}

bool reaches(BoardGrid& b, const LionHistory& h, bool secondStep, int side, int x, int y) {
    for (int fx = 1; fx <= 12; ++fx)
        for (int fy = 1; fy <= 12; ++fy) {
            const PieceCode c = b[fx][fy];
            const bool own = side > 0 ? c >= 1 : c <= -1;
            if (own && moveCheck(b, h, secondStep, fx, fy, x, y, c) == 1) return true;
        }
    return false;
}

namespace {

// A verdict that ends the game with this winner.
EndVerdict endsWith(const char* winner, bool bare = false) {
    EndVerdict v;
    v.bare = bare;
    v.ended = true;
    v.winner = winner;
    return v;
}

// comInfluence on a royal square; a column of 0 reads the always-empty edge.
int comReach(const State& s, int x, int y) {
    if (x < 0 || x > 12 || y < 0 || y > 12) return 0;
    return s.comInfluence[x][y];
}

}  // namespace

// End test after a human move against the computer.
EndVerdict 終局判定_対COM(State& s, PieceCode captured) {
    int man = 0, com = 0;
    調査_駒数(s, man, com);
    終局前調査_MAN手(s);

    if ((man <= 1 || com <= 1) && man > com) return endsWith("あなた", true);

    // A mate of the computer does not count while the human's only royal
    // piece stands attacked.
    if (詰めかCOM(s) == State::flagOn) {
        const bool ownRoyalAttacked =
            (s.manKingX > 0 && s.manPrinceX == 0 && comReach(s, s.manKingX, s.manKingY) > 0) ||
            (s.manKingX == 0 && s.manPrinceX > 0 && comReach(s, s.manPrinceX, s.manPrinceY) > 0);
        if (!ownRoyalAttacked) return endsWith("あなた");
    }

    if ((captured == 39 && s.comPrinceX == 0) || (captured == 38 && s.comKingX == 0))
        return endsWith("あなた");
    return {};
}

// End test after a move in two-human play; there is no mate test.
EndVerdict 終局判定_対人(State& s, PieceCode captured) {
    int man = 0, com = 0;
    調査_駒数(s, man, com);
    終局前調査_MAN手(s);

    if (man <= 1 || com <= 1) return endsWith(man > com ? "先手" : "後手", true);
    if ((captured == 39 && s.comPrinceX == 0) || (captured == 38 && s.comKingX == 0))
        return endsWith("先手");
    if ((captured == -39 && s.manPrinceX == 0) || (captured == -38 && s.manKingX == 0))
        return endsWith("後手");
    return {};
}

// End test after a computer move; the caller has run 終局前調査_COM手.
EndVerdict 終局判定_COM手(State& s, PieceCode captured) {
    EndVerdict v;
    if (詰めかMAN(s) == State::flagOn) {
        v.mateNotice = true;
        return v;
    }

    int man = 0, com = 0;
    調査_駒数(s, man, com);
    if ((man < 2 || com < 2) && com > man) return endsWith("引き分け", true);

    if ((captured == -39 && s.manPrinceX == 0) || (captured == -38 && s.manKingX == 0))
        return endsWith("ｺﾝﾋﾟｭｰﾀ");

    if (captured != -39 && captured != -38) {
        if (comReach(s, s.manKingX, s.manKingY) > 0)
            v.checkNotice = "   ** 王手 **";
        else if (comReach(s, s.manPrinceX, s.manPrinceY) > 0)
            v.checkNotice = "   ** 王手(太子) **";
    }
    return v;
}

}  // namespace zk
