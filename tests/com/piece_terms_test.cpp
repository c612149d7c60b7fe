#include <gtest/gtest.h>

#include "com_fixture.h"

namespace zk::test {
namespace {

// One level-3 piece term run on a hand-made position with blank maps.
struct Term : ComFixture {
    Term() { blankMaps(s); }
    // Run the piece terms for `piece` moving from -> to, capturing
    // `captured`; the piece is put on `to` and `from` emptied first.
    Tenths run(int piece, int fx, int fy, int tx, int ty, int captured = 0) {
        s.Board[fx][fy] = code::EMPTY;
        s.Board[tx][ty] = PieceCode(piece);
        Tenths score = 0;
        ended =
            評価_駒別(s, EvalMove{PieceCode(captured), PieceCode(piece), fx, fy, tx, ty}, score);
        return score;
    }
    bool ended = false;
};

TEST(PieceTerms, SmallPiecesForwardAndSafeSteps) {
    struct Case {
        const char* name;
        int piece, fx, fy, tx, ty, manAtTo;
        Tenths expected;
    };
    const std::vector<Case> cases = {
        {"side mover forward, safe", 6, 5, 5, 5, 6, 0, 10},
        {"side mover sideways", 7, 5, 5, 8, 5, 0, 0},
        {"side mover forward, attacked", 6, 5, 5, 5, 6, 1, 0},
        {"go-between forward, safe", 35, 5, 5, 5, 6, 0, 10},
        {"go-between back", 35, 5, 5, 5, 4, 0, 0},
        {"leopard forward, attacked or not", 19, 5, 5, 6, 6, 1, 10},
        {"leopard back", 19, 5, 5, 6, 4, 0, 0},
        {"tokin, outnumbered", 2, 5, 5, 5, 6, 1, 0},
        {"tokin, even", 2, 5, 5, 5, 6, 0, 10},
        {"silver straight forward", 9, 5, 5, 5, 6, 0, -1},
        {"silver diagonal forward", 9, 5, 5, 6, 6, 0, 0},
        {"gold diagonal forward", 13, 5, 5, 6, 6, 0, -5},
        {"gold straight forward", 13, 5, 5, 5, 6, 0, 0},
        {"white horse adds nothing", 4, 5, 5, 5, 9, 0, 0},
        {"copper adds nothing", 5, 5, 5, 5, 6, 0, 0},
        {"mid-move code adds nothing", 0, 5, 5, 5, 6, 0, 0},
    };
    for (const Case& c : cases) {
        Term f;
        f.s.manInfluence[c.tx][c.ty] = c.manAtTo;
        EXPECT_EQ(f.run(c.piece, c.fx, c.fy, c.tx, c.ty), c.expected) << c.name;
    }
}

TEST(PieceTerms, OpeningPatternsOfSilverAndGold) {
    {
        Term f;
        f.put(8, 3, 1);
        f.put(8, 5, -1);
        EXPECT_EQ(f.run(9, 7, 2, 7, 3), -1 + 1150);
        EXPECT_TRUE(f.ended);
    }
    {
        Term f;
        f.put(6, 4, 20);
        f.s.manInfluence[6][4] = 1;
        EXPECT_EQ(f.run(13, 6, 3, 5, 4), -5 - 50);
        EXPECT_TRUE(f.ended);
    }
    {
        Term f;
        f.put(8, 3, 1);
        f.put(8, 6, -1);
        f.s.manGuardValue[8][6] = 17;
        EXPECT_EQ(f.run(13, 7, 1, 7, 2), 100);
        Term g;
        g.put(8, 3, 1);
        g.put(8, 6, -1);
        g.s.manGuardValue[8][6] = 17;
        EXPECT_EQ(g.run(13, 6, 1, 6, 2), 0);  // only to column 7
    }
}

TEST(PieceTerms, PawnFacingAHumanPawnWithoutSuperiorityEndsAtMinusFive) {
    Term f;
    f.put(6, 7, -1);
    f.s.manInfluence[6][7] = 1;  // the human pawn is defended
    // -5 for the defended pawn ahead (step 6), then -5 and the end (step 8);
    // the undefended, unattacked pawn gets +0.5 first (step 2).
    EXPECT_EQ(f.run(1, 6, 5, 6, 6), 5 - 50 - 50);
    EXPECT_TRUE(f.ended);
    Term g;
    g.put(6, 7, -1);
    g.s.comInfluence[6][6] = 2;
    g.s.manInfluence[6][6] = 1;  // superiority on its square
    EXPECT_EQ(g.run(1, 6, 5, 6, 6), 10);
}

TEST(PieceTerms, PawnDefenders) {
    {
        Term f;  // a lance behind it
        f.s.comInfluence[6][6] = 1;
        f.s.comGuardValue[6][6] = 2;
        EXPECT_EQ(f.run(1, 6, 5, 6, 6), 10);
    }
    {
        Term f;  // a rook behind it in its column, at least as many defenders
        f.s.comInfluence[6][6] = 1;
        f.s.comGuardValue[6][6] = 17;
        f.s.comGuardX[6][6] = 6;
        f.s.comGuardY[6][6] = 2;
        EXPECT_EQ(f.run(1, 6, 5, 6, 6), 20);
        f.s.comGuardY[6][6] = 9;  // the rook is in front
        EXPECT_EQ(f.run(1, 6, 5, 6, 6), 0);
    }
    {
        Term f;  // a vertical mover as cheapest defender, a rook beside
        f.put(7, 6, 15);
        f.s.comInfluence[6][6] = 1;
        f.s.comGuardValue[6][6] = 13;
        EXPECT_EQ(f.run(1, 6, 5, 6, 6), -10 + 10);
    }
    {
        Term f;  // gold or silver defender
        f.s.comInfluence[6][6] = 1;
        f.s.comGuardValue[6][6] = 8;
        EXPECT_EQ(f.run(1, 6, 5, 6, 6), 6);
    }
}

TEST(PieceTerms, PawnWithPiecesInFrontAndBishopsBeside) {
    {
        Term f;  // a human piece in front with no safe square
        f.put(6, 7, -13);
        for (auto [x, y] : {std::pair{5, 6}, {7, 6}, {5, 7}, {7, 7}, {6, 8}})
            f.s.comInfluence[x][y] = 1;
        f.s.comInfluence[6][6] = 1;
        f.s.manInfluence[6][6] = 2;
        // +8 (trapped gold) ... the gold is undefended, the pawn defended
        // but outnumbered: step 8 returns the score.
        EXPECT_EQ(f.run(1, 6, 5, 6, 6), 80);
    }
    {
        Term f;  // a bishop on the column-12 side with a human pawn beyond
        f.put(7, 6, 21);
        f.put(7, 8, -1);
        f.s.comInfluence[6][6] = 1;
        EXPECT_EQ(f.run(1, 6, 5, 6, 6), 5 + 50);
    }
    {
        Term f;  // the fixed pattern on (7, 4) with a bishop on (8, 2)
        f.put(8, 2, 20);
        f.s.comInfluence[7][4] = 1;
        EXPECT_EQ(f.run(1, 7, 3, 7, 4), 100);
    }
    {
        Term f;  // a pawn taking with a single defender of its source
        f.s.comInfluence[6][5] = 1;
        f.s.comInfluence[6][6] = 1;
        EXPECT_EQ(f.run(1, 6, 5, 6, 6, -1), 50);
        Term g;  // ... where a human lance attacks and a bishop stands behind
        g.put(6, 4, 20);
        g.s.comInfluence[6][5] = 1;
        g.s.comInfluence[6][6] = 1;
        g.s.manAttackValue[6][6] = 2;
        EXPECT_EQ(g.run(1, 6, 5, 6, 6, -1), -50 + 500);
    }
}

TEST(PieceTerms, BishopCrowdingAndTrapping) {
    {
        Term f;
        f.put(5, 5, 27);
        f.put(7, 7, 20);
        f.put(7, 5, 5);
        EXPECT_EQ(f.run(21, 3, 3, 6, 6), -20);
    }
    {
        Term f;  // the square in front is reached and the bishop has no way out
        f.s.manInfluence[6][7] = 1;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) f.s.manInfluence[x][y] = 1;
        EXPECT_EQ(f.run(21, 3, 3, 6, 6), -1000);
        f.put(6, 8, -1);
        EXPECT_EQ(f.run(21, 3, 3, 6, 6), -1000 - 10);
    }
    {
        Term f;  // leaving (7, 3) weakens (8, 4) against a rook-guarded pawn
        f.put(8, 5, -1);
        f.s.manGuardValue[8][5] = 17;
        f.s.comInfluenceBefore[8][4] = 2;
        f.s.comInfluence[8][4] = 1;
        EXPECT_EQ(f.run(20, 7, 3, 5, 1), -100);
        EXPECT_TRUE(f.ended);
    }
}

TEST(PieceTerms, RookTrappedOrBesideTheKing) {
    {
        Term f;  // boxed in: at most one safe move
        f.put(6, 5, 1);
        f.put(6, 7, 1);
        f.put(5, 6, 1);
        f.put(8, 6, 1);
        EXPECT_EQ(f.run(15, 7, 6, 6, 6), -350);  // (7, 6) is the one way out
        EXPECT_TRUE(f.ended);
    }
    {
        Term f;  // on the human king's row, two squares from it
        f.s.manKingX = 8;
        f.s.manKingY = 6;
        EXPECT_EQ(f.run(15, 6, 2, 6, 6), 1000);
        EXPECT_TRUE(f.ended);
        f.s.manKingX = 9;  // three squares away
        EXPECT_EQ(f.run(15, 6, 2, 6, 6), 0);
    }
    {
        Term f;  // the square in front reached, a human pawn beyond, sideways move
        f.s.manInfluence[6][7] = 1;
        f.put(6, 8, -1);
        EXPECT_EQ(f.run(15, 3, 6, 6, 6), -10 - 50);
    }
}

TEST(PieceTerms, DragonBesideTheKingAndTheSilverPatterns) {
    {
        Term f;
        f.s.manKingX = 6;
        f.s.manKingY = 8;
        f.s.manAttackValue[6][6] = 30;
        f.s.manInfluence[6][6] = 1;
        f.s.comInfluence[6][6] = 1;  // attacked only by the king, defended
        EXPECT_EQ(f.run(17, 6, 2, 6, 6), 1000);
    }
    {
        Term f;  // a human silver behind it, a gold diagonally behind
        f.put(6, 5, -9);
        f.put(5, 6, 1);
        f.put(7, 5, -13);
        EXPECT_EQ(f.run(16, 6, 12, 6, 6), -100);
    }
    {
        Term f;  // a back-row dragon king walking into a gold trap
        f.put(3, 11, -1);
        f.put(2, 12, -5);
        f.put(4, 8, -13);
        EXPECT_EQ(f.run(16, 3, 4, 3, 12), -1500);
    }
}

TEST(PieceTerms, FalconAndEagleAskForTheSecondStepWhenTheOriginIsSafe) {
    struct Case {
        const char* name;
        int piece, tx, ty, victim;
        bool originAttacked;
        Tenths expected;
    };
    const std::vector<Case> cases = {
        {"falcon straight forward", 24, 6, 6, -13, false, 10000 + 130},
        {"falcon, origin attacked", 24, 6, 6, -13, true, 0},
        {"falcon diagonal", 24, 7, 6, -13, false, 0},
        {"eagle diagonal forward", 18, 7, 6, -36, false, 10000 + 360},
        {"eagle straight forward", 18, 6, 6, -36, false, 0},
    };
    for (const Case& c : cases) {
        Term f;
        f.put(6, 5, c.piece);
        f.s.savedBoard = f.s.Board;              // it stood on (6, 5) at the start
        if (c.originAttacked) f.put(6, 9, -15);  // a rook up the column
        Tenths got = f.run(c.piece, 6, 5, c.tx, c.ty, c.victim);
        EXPECT_EQ(got, c.expected) << c.name;
        if (c.expected != 0) {
            EXPECT_TRUE(f.s.Board[c.tx][c.ty].isEmpty()) << c.name;
        }
    }
}

TEST(PieceTerms, LionCaptureReturnsExactlyOneThousandAndLeavesItsTestPosition) {
    Term f;
    f.put(6, 5, 34);
    f.s.savedBoard = f.s.Board;
    EXPECT_EQ(f.run(34, 6, 5, 6, 6, -9), 10000);
    EXPECT_TRUE(f.s.Board[6][6].isEmpty());
    EXPECT_EQ(f.s.Board[6][5], PieceCode(33));  // put back as code 33
}

TEST(PieceTerms, LionPositionalTerms) {
    Term f;
    f.put(6, 7, -1);
    f.put(7, 7, -1);
    f.s.manLionX = 6;
    f.s.manLionY = 9;
    // Two human pieces ahead (+4), three rows before the human lion (+5).
    EXPECT_EQ(f.run(33, 6, 4, 6, 6), 40 + 50);
    Term g;
    g.s.manLionX = 8;
    g.s.manLionY = 8;
    g.s.comInfluence[6][6] = 1;
    EXPECT_EQ(g.run(33, 6, 4, 6, 6), 1 + 50);  // defended, two squares from it
    g.s.manLionX = 7;
    g.s.manLionY = 7;
    EXPECT_EQ(g.run(33, 6, 4, 6, 6), 1);  // adjacent: no +5
}

TEST(PieceTerms, KingPinsInfluenceAndMobility) {
    Term f;
    EXPECT_EQ(f.run(39, 6, 5, 6, 6), 0);
    f.s.comPinFlag = 1;
    f.s.comInfluence[6][6] = 2;
    f.s.comInfluenceBefore[6][6] = 1;
    EXPECT_EQ(f.run(39, 6, 5, 6, 6), 100 + 10);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) f.s.manInfluence[x][y] = 1;
    f.s.manInfluence[6][7] = 0;  // one safe step left
    EXPECT_EQ(f.run(39, 6, 5, 6, 6), 100 + 10 - 200);
    EXPECT_TRUE(f.ended);
}

}  // namespace
}  // namespace zk::test
