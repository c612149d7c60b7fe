#include "end_rules.h"

#include "com_mate.h"
#include "game_end.h"

namespace zk {

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
int comReach(const ComState& s, int x, int y) {
    if (x < 0 || x > 12 || y < 0 || y > 12) return 0;
    return s.comInfluence[x][y];
}

}  // namespace

// End test after a human move against the computer.
EndVerdict 終局判定_対COM(State& s, PieceCode captured) {
    const Census count = 調査_駒数(s.game.Board);
    const int man = count.pieces[0], com = count.pieces[1];
    ComState& c = computerPart(s);
    終局前調査_MAN手(c);

    if ((man <= 1 || com <= 1) && man > com) return endsWith("あなた", true);

    // A mate of the computer does not count while the human's only royal
    // piece stands attacked.
    if (詰めかCOM(c) == 1) {
        const bool ownRoyalAttacked =
            (c.manKingX > 0 && c.manPrinceX == 0 && comReach(c, c.manKingX, c.manKingY) > 0) ||
            (c.manKingX == 0 && c.manPrinceX > 0 && comReach(c, c.manPrinceX, c.manPrinceY) > 0);
        if (!ownRoyalAttacked) return endsWith("あなた");
    }

    if ((captured == 39 && c.comPrinceX == 0) || (captured == 38 && c.comKingX == 0))
        return endsWith("あなた");
    return {};
}

// End test after a move in two-human play; there is no mate test.
EndVerdict 終局判定_対人(State& s, PieceCode captured) {
    const Census count = 調査_駒数(s.game.Board);
    const int man = count.pieces[0], com = count.pieces[1];
    ComState& c = computerPart(s);
    終局前調査_MAN手(c);

    if (man <= 1 || com <= 1) return endsWith(man > com ? "先手" : "後手", true);
    if ((captured == 39 && c.comPrinceX == 0) || (captured == 38 && c.comKingX == 0))
        return endsWith("先手");
    if ((captured == -39 && c.manPrinceX == 0) || (captured == -38 && c.manKingX == 0))
        return endsWith("後手");
    return {};
}

// End test after a computer move; the caller has run 終局前調査_COM手.
EndVerdict 終局判定_COM手(State& s, PieceCode captured) {
    ComState& c = computerPart(s);
    EndVerdict v;
    if (詰めかMAN(c) == 1) {
        v.mateNotice = true;
        return v;
    }

    const Census count = 調査_駒数(s.game.Board);
    const int man = count.pieces[0], com = count.pieces[1];
    if ((man < 2 || com < 2) && com > man) return endsWith("引き分け", true);

    if ((captured == -39 && c.manPrinceX == 0) || (captured == -38 && c.manKingX == 0))
        return endsWith("ｺﾝﾋﾟｭｰﾀ");

    if (captured != -39 && captured != -38) {
        if (comReach(c, c.manKingX, c.manKingY) > 0)
            v.checkNotice = "   ** 王手 **";
        else if (comReach(c, c.manPrinceX, c.manPrinceY) > 0)
            v.checkNotice = "   ** 王手(太子) **";
    }
    return v;
}

}  // namespace zk
