#include <gtest/gtest.h>

#include <random>

#include "com_danger.h"
#include "com_fixture.h"
#include "com_search.h"
#include "influence.h"
#include "move_check.h"

namespace zk::test {
namespace {

// The danger sum with the moved piece on a far square nobody reaches.
Tenths dangerOf(ComState& s) { return 盤評価_COM危険座標(s, s.Board[12][12], 12, 12); }

TEST(Danger, SquaresNobodyReachesAddNothing) {
    ComFixture f;
    f.put(12, 12, 13);
    blankMaps(f.s);
    f.s.comInfluence[6][6] = 3;
    EXPECT_EQ(dangerOf(f.s), 0);
}

TEST(Danger, EmptySquaresByTheKingAndInTheCamp) {
    struct Case {
        const char* name;
        int x, y, man, com;
        std::vector<std::pair<std::pair<int, int>, int>> extra;  // pieces
        Tenths expected;
    };
    const std::vector<Case> cases = {
        // By the computer king on (6, 6): half a point per human reach.
        {"by the king", 6, 7, 3, 2, {}, -15},
        {"by the king, outnumbered single guard", 6, 7, 2, 1, {}, -10 - 100},
        // Camp squares (rows 1..3) that the computer does not reach.
        {"camp, unguarded", 10, 3, 1, 0, {}, -1},
        {"camp, unguarded, lance below", 10, 3, 1, 0, {{{10, 9}, -3}}, -1 - 100},
        {"camp, guarded", 10, 3, 1, 1, {}, 0},
        // A human pawn in front of a camp square.
        {"pawn in front", 10, 2, 1, 1, {{{10, 3}, -1}}, -300},
        {"pawn in front, rook behind it",
         10,
         2,
         1,
         1,
         {{{10, 3}, -1}, {{10, 11}, -15}},
         -300 - 700},
        {"pawn in front, outnumbered by the computer", 10, 2, 1, 2, {{{10, 3}, -1}}, 0},
    };
    for (const Case& c : cases) {
        ComFixture f;
        f.put(6, 6, 39);
        f.put(12, 12, 13);
        for (auto [sq, code] : c.extra) f.put(sq.first, sq.second, code);
        blankMaps(f.s);
        f.s.comKingX = 6;
        f.s.comKingY = 6;
        f.s.manInfluence[c.x][c.y] = c.man;
        f.s.comInfluence[c.x][c.y] = c.com;
        EXPECT_EQ(dangerOf(f.s), c.expected) << c.name;
    }
}

TEST(Danger, KingOnTheBackRowWithTheSquareInFrontReached) {
    for (auto [man, com, expected] : {std::tuple{1, 2, -500}, {2, 2, -3000}, {0, 0, 0}}) {
        ComFixture f;
        f.put(7, 1, 39);
        f.put(12, 12, 13);
        blankMaps(f.s);
        f.s.comKingX = 7;
        f.s.comKingY = 1;
        f.s.manInfluence[7][2] = man;
        f.s.comInfluence[7][2] = com;
        // (7, 2) is empty and not next to the king in this count: keep the
        // empty-square terms out by putting a piece there.
        f.put(7, 2, 1);
        f.s.savedBoard = f.s.Board;
        EXPECT_EQ(dangerOf(f.s), expected) << man << "/" << com;
    }
}

// A computer silver (value 5) on (6, 8), attacked by a human pawn (value 1)
// from (6, 9).
struct AttackedSilver : ComFixture {
    AttackedSilver(bool defended, bool attackerPinned) {
        put(6, 8, 9);
        put(6, 9, -1);
        put(12, 12, 13);
        blankMaps(s);
        s.manInfluence[6][8] = 1;
        s.manAttackValue[6][8] = 1;
        s.manAttackValueBefore[6][8] = 1;
        s.manAttackerX[6][8] = 6;
        s.manAttackerY[6][8] = 9;
        s.comInfluence[6][8] = defended ? 1 : 0;
        s.comGuardValue[6][8] = defended ? 8 : 999;
        s.manPinned[6][9] = attackerPinned ? 1 : 0;
    }
};

TEST(Danger, DefendedPieceAttackedByCheaperCountsTheDifferenceTwiceUnlessPinned) {
    {
        AttackedSilver f(true, false);
        EXPECT_EQ(dangerOf(f.s), -80);  // 2 x (5 - 1)
    }
    {
        AttackedSilver f(true, true);
        EXPECT_EQ(dangerOf(f.s), -40);
    }
}

TEST(Danger, UndefendedPieceCostsItsCodeAndGetsBackWhatItCaptured) {
    AttackedSilver f(false, true);  // pinned attacker: only the code terms
    EXPECT_EQ(dangerOf(f.s), -90);
    f.s.savedBoard[6][8] = PieceCode(-22);  // it took a horse there
    EXPECT_EQ(dangerOf(f.s), -90 + 220);
    // In the camp one more point.
    AttackedSilver g(false, true);
    g.s.Board[6][3] = g.s.Board[6][8];
    g.s.Board[6][8] = code::EMPTY;
    g.s.manInfluence[6][3] = 1;
    g.s.manInfluence[6][8] = 0;
    g.s.manAttackerX[6][3] = 6;
    g.s.manAttackerY[6][3] = 9;
    EXPECT_EQ(dangerOf(g.s), -90 - 10);
}

TEST(Danger, OutnumberedDefendedPieceCostsItsCode) {
    AttackedSilver f(true, false);
    f.s.manInfluence[6][8] = 2;  // two attackers, one defender
    // guard value 8 >= attack value 1: the code on top of the two differences
    EXPECT_EQ(dangerOf(f.s), -80 - 90);
    AttackedSilver g(true, true);  // a pinned attacker spares the code term
    g.s.manInfluence[6][8] = 2;
    EXPECT_EQ(dangerOf(g.s), -40);
}

TEST(Danger, CampPieceEvenlyContestedWithAStraightGuardBehindTheSquareInFront) {
    ComFixture f;
    f.put(5, 3, 9);
    f.put(5, 4, 1);
    f.put(5, 10, -3);
    f.put(12, 12, 13);
    blankMaps(f.s);
    f.s.manInfluence[5][3] = 1;
    f.s.comInfluence[5][3] = 1;
    f.s.manAttackValue[5][4] = 2;
    EXPECT_EQ(dangerOf(f.s), -(90 + 20));
    f.s.Board[5][7] = PieceCode(-1);  // a human piece blocks the lance
    EXPECT_EQ(dangerOf(f.s), 0);
}

TEST(Danger, PieceGuardedOnlyByItsKing) {
    AttackedSilver f(true, true);
    f.s.comGuardValue[6][8] = 39;
    // code 9 > attack value 1: -100, plus the pinned-attacker terms (-4)
    // and the outnumbered code term does not apply (1 attacker, 1 guard).
    EXPECT_EQ(dangerOf(f.s), -1000 - 40);
}

TEST(Danger, HumanPiecesNearTheKingAndOnItsColumn) {
    ComFixture f;
    f.put(6, 2, 39);
    f.put(7, 4, -5);    // newly attacked, within two squares of the king
    f.put(6, 10, -15);  // a rook on the king's column
    f.put(6, 11, -5);   // a copper there is no ranging piece
    f.put(12, 12, 13);
    blankMaps(f.s);
    f.s.comKingX = 6;
    f.s.comKingY = 2;
    f.s.comInfluence[7][4] = 1;
    f.s.manInfluence[7][4] = 1;  // defended: no fork
    f.s.manInfluence[6][10] = 1;
    f.s.manInfluence[6][11] = 1;
    EXPECT_EQ(dangerOf(f.s), 150 - 10);
    f.s.comInfluenceBefore[7][4] = 1;  // it was attacked already
    EXPECT_EQ(dangerOf(f.s), -10);
}

TEST(Danger, ForkCountsEachUndefendedTargetAndAddsTheSmallestCode) {
    // A computer lion on (6, 6) that reaches everything within two squares.
    auto danger = [](std::vector<std::pair<std::pair<int, int>, int>> targets, int movedReach) {
        ComFixture f;
        f.put(6, 6, 34);
        for (auto [sq, code] : targets) f.put(sq.first, sq.second, code);
        blankMaps(f.s);
        f.s.manInfluence[6][6] = movedReach;
        f.s.manKingX = 1;
        f.s.manKingY = 12;
        return 盤評価_COM危険座標(f.s, PieceCode(34), 6, 6);
    };
    EXPECT_EQ(danger({{{7, 7}, -22}}, 0), 1);
    EXPECT_EQ(danger({{{7, 7}, -22}, {{5, 8}, -9}}, 0), 2 + 90);
    EXPECT_EQ(danger({{{7, 7}, -22}, {{5, 8}, -9}, {{8, 4}, -13}}, 0), 3 + 90);
    // The moved piece attacked: no fork, and it hangs (minus its code).
    EXPECT_EQ(danger({{{7, 7}, -22}, {{5, 8}, -9}}, 1), -340);
    EXPECT_EQ(danger({{{7, 7}, -22}, {{10, 10}, -9}}, 0), 1);  // out of reach
}

TEST(Danger, TheHumanKingCountsAsAForkTargetEvenWhenDefended) {
    ComFixture f;
    f.put(6, 6, 34);
    f.put(7, 7, -39);
    f.put(5, 5, -13);
    blankMaps(f.s);
    f.s.manKingX = 7;
    f.s.manKingY = 7;
    f.s.manInfluence[7][7] = 2;
    f.s.manInfluence[5][5] = 1;  // the gold is defended: no target
    EXPECT_EQ(盤評価_COM危険座標(f.s, PieceCode(34), 6, 6), 1);
}

// Weighing again only what a trial's map patches changed gives the sum of a
// whole pass, over every computer move of crowded random positions (both
// camps full, kings among them); after a rebuild the stale delta is not used.
TEST(Danger, ATrialWeighedFromTheBaseEqualsAWholePass) {
    int trials = 0;
    for (std::uint32_t seed = 1; seed <= 9; ++seed) {
        ComFixture f;
        std::mt19937 rng(seed);
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y)
                if (rng() % 100 < 40) {
                    const int kind = 1 + static_cast<int>(rng() % 37);
                    f.put(x, y, y <= 6 ? kind : -kind);
                }
        // Every third board has its king out of the camp, where the squares
        // around it read the computer's maps too.
        if (seed % 3 == 0)
            f.put(6, 6, 39);
        else
            f.put(7, 1, 39);
        f.put(6, 12, -39);
        f.put(6, 11, -1);
        if (seed % 2) {
            // A human lion reaching the square before the king, which the
            // trials guard more or less.
            for (int x = 5; x <= 9; ++x)
                for (int y = 1; y <= 3; ++y) f.put(x, y, 0);
            f.put(7, 1, 39);
            f.put(8, 4, -33);
        }
        ComState& s = f.s;
        com_準備(s);
        ManSurveyBase manBase;
        ComSurveyBase comBase;
        勢力基準_MAN(s, manBase);
        勢力基準_COM(s, comBase);
        DangerBase base;
        危険座標基準(s, base);
        PatchTrail manTrail, comTrail;
        manTrail.known = comTrail.known = true;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode moving = s.Board[x][y];
                if (!(moving >= 1) || moving.kind() >= 38) continue;
                for (const auto& [dx, dy] : emptyBoardSteps(moving)) {
                    const int tx = x + dx, ty = y + dy;
                    if (!onBoard(tx, ty) || 移動チェック(s, false, x, y, tx, ty, moving) != 1)
                        continue;
                    const PieceCode taken = s.Board[tx][ty];
                    s.Board[x][y] = code::EMPTY;
                    s.Board[tx][ty] = moving;
                    const bool patched = 勢力差分_MAN(s, manBase, x, y, tx, ty, &manTrail) &&
                                         勢力差分_COM(s, comBase, x, y, tx, ty, &comTrail);
                    if (!patched) {
                        勢力調査_MAN(s);
                        勢力調査_COM(s);
                        manTrail.known = comTrail.known = false;
                    }
                    DangerDelta delta{
                        &base, &manTrail, &comTrail, 勢力調査_MAN_回数(), 勢力調査_COM_回数(),
                        x,     y};
                    if (patched && ++trials % 5 == 0) {
                        // A term rebuilt the maps of another board meanwhile.
                        s.Board[tx][ty] = code::EMPTY;
                        勢力調査_MAN(s);
                        s.Board[tx][ty] = moving;
                        manTrail.known = false;
                    }
                    const Tenths whole = 盤評価_COM危険座標(s, moving, tx, ty);
                    ASSERT_EQ(盤評価_COM危険座標(s, moving, tx, ty, patched ? &delta : nullptr),
                              whole)
                        << "seed " << seed << ": " << x << "," << y << " to " << tx << "," << ty;
                    s.Board[x][y] = moving;
                    s.Board[tx][ty] = taken;
                }
            }
    }
    EXPECT_GT(trials, 500);
}

}  // namespace
}  // namespace zk::test
