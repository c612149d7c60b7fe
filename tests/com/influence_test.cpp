// The influence surveys: counts, cheapest guard and attacker, check marks,
// the king rule, the members' differences and what each survey keeps.
#include "influence.h"

#include <gtest/gtest.h>

#include "com_fixture.h"
#include "move_check.h"

namespace zk {
namespace {

// Each member of one side's maps that a patch must leave as a rebuild does.
::testing::AssertionResult sameManMaps(const ComState& a, const ComState& b) {
    const bool same = a.manInfluence == b.manInfluence && a.manGuardValue == b.manGuardValue &&
                      a.manAttackValue == b.manAttackValue && a.manAttackerX == b.manAttackerX &&
                      a.manAttackerY == b.manAttackerY && a.manLionX == b.manLionX &&
                      a.manKingX == b.manKingX && a.manPrinceY == b.manPrinceY;
    return same ? ::testing::AssertionSuccess()
                : ::testing::AssertionFailure() << "MAN maps differ";
}

::testing::AssertionResult sameComMaps(const ComState& a, const ComState& b) {
    const bool same = a.comInfluence == b.comInfluence && a.comGuardValue == b.comGuardValue &&
                      a.comAttackValue == b.comAttackValue && a.comGuardX == b.comGuardX &&
                      a.comGuardY == b.comGuardY && a.comAttackerX == b.comAttackerX &&
                      a.comAttackerY == b.comAttackerY && a.comKingX == b.comKingX &&
                      a.comPrinceY == b.comPrinceY;
    return same ? ::testing::AssertionSuccess()
                : ::testing::AssertionFailure() << "COM maps differ";
}

::testing::Message trialOf(std::uint32_t seed, int x, int y, int tx, int ty) {
    return ::testing::Message() << "seed " << seed << ": " << x << "," << y << " to " << tx << ","
                                << ty;
}

// On an open board a lone piece reaches exactly the squares it may move to.
TEST(Influence, ALonePieceReachesWhereItMayMove) {
    for (int k = 1; k <= 39; ++k)
        for (auto [x, y] : std::vector<test::Square>{{6, 6}, {1, 1}, {12, 12}, {2, 11}, {11, 3}}) {
            for (int sign : {-1, 1}) {
                ComState s = test::emptyComState();
                const PieceCode c(sign * k);
                s.Board[x][y] = c;
                勢力調査_MAN(s);
                勢力調査_COM(s);
                const IntGrid& mine = sign < 0 ? s.manInfluence : s.comInfluence;
                const IntGrid& theirs = sign < 0 ? s.comInfluence : s.manInfluence;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty) {
                        EXPECT_EQ(mine[tx][ty], 移動チェック(s, false, x, y, tx, ty, c))
                            << "code " << sign * k << " at " << x << "," << y << " onto " << tx
                            << "," << ty;
                        EXPECT_EQ(theirs[tx][ty], 0);
                    }
            }
        }
}

TEST(Influence, AnEmptySideResetsItsMaps) {
    ComState s = test::initialComState();
    s.Board[6][6] = PieceCode(-15);  // attacks the tokin on (6, 4)
    勢力調査_MAN(s);
    勢力調査_COM(s);
    ASSERT_NE(s.manAttackerX, IntGrid{});
    s.Board = BoardGrid{};
    勢力調査_MAN(s);
    勢力調査_COM(s);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            for (const IntGrid* g : {&s.manInfluence, &s.comInfluence, &s.manCheckMarks,
                                     &s.comCheckMarks, &s.manAttackerX, &s.manAttackerY})
                EXPECT_EQ((*g)[x][y], 0) << x << "," << y;
            for (const IntGrid* g :
                 {&s.manGuardValue, &s.manAttackValue, &s.comGuardValue, &s.comAttackValue})
                EXPECT_EQ((*g)[x][y], 999) << x << "," << y;
        }
}

TEST(Influence, ComSquaresAndAllRoyalSquaresSurviveASurvey) {
    ComState s = test::emptyComState();
    s.comAttackerX[3][3] = 7;
    s.comAttackerY[3][3] = 8;
    s.comGuardX[4][4] = 9;
    s.comGuardY[4][4] = 10;
    s.manKingX = 3, s.manKingY = 4, s.manPrinceX = 5, s.manPrinceY = 6;
    s.manLionX = 7, s.manLionY = 8;
    s.comKingX = 9, s.comKingY = 10, s.comPrinceX = 11, s.comPrinceY = 12;
    const ComState before = s;
    勢力調査_MAN(s);
    勢力調査_COM(s);
    EXPECT_EQ(s.comAttackerX, before.comAttackerX);
    EXPECT_EQ(s.comAttackerY, before.comAttackerY);
    EXPECT_EQ(s.comGuardX, before.comGuardX);
    EXPECT_EQ(s.comGuardY, before.comGuardY);
    EXPECT_EQ((std::array{s.manKingX, s.manKingY, s.manPrinceX, s.manPrinceY, s.manLionX,
                          s.manLionY, s.comKingX, s.comKingY, s.comPrinceX, s.comPrinceY}),
              (std::array{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(Influence, RoyalAndLionSquaresAreFoundTheLastLionWinning) {
    ComState s = test::emptyComState();
    s.Board[2][9] = PieceCode(-33);
    s.Board[5][3] = PieceCode(-34);
    s.Board[5][2] = PieceCode(-39);
    s.Board[8][8] = PieceCode(-38);
    s.Board[1][1] = PieceCode(39);
    s.Board[12][12] = PieceCode(38);
    s.Board[10][10] = PieceCode(33);  // the COM survey keeps no lion square
    勢力調査_MAN(s);
    EXPECT_EQ((std::array{s.manLionX, s.manLionY, s.manKingX, s.manKingY, s.manPrinceX,
                          s.manPrinceY, s.comKingX}),
              (std::array{5, 3, 5, 2, 8, 8, 0}));
    勢力調査_COM(s);
    EXPECT_EQ((std::array{s.comKingX, s.comKingY, s.comPrinceX, s.comPrinceY, s.manLionX}),
              (std::array{1, 1, 12, 12, 5}));
}

// A MAN rook looks through the COM king and marks the checking line.
TEST(Influence, RankingLineSeesThroughTheEnemyKing) {
    ComState s = test::emptyComState();
    s.Board[5][9] = PieceCode(-15);
    s.Board[5][7] = PieceCode(39);
    s.Board[5][5] = PieceCode(1);
    勢力調査_MAN(s);
    for (int y : {8, 7, 6, 5}) EXPECT_EQ(s.manInfluence[5][y], 1) << y;
    EXPECT_EQ(s.manInfluence[5][4], 0);
    EXPECT_EQ(s.manCheckMarks[5][8], 1);
    EXPECT_EQ(s.manCheckMarks[5][9], 9);
    EXPECT_EQ(s.manCheckMarks[5][6], 0);
    for (int y : {7, 5}) {
        EXPECT_EQ(s.manAttackValue[5][y], 17) << y;
        EXPECT_EQ(s.manAttackerX[5][y], 5) << y;
        EXPECT_EQ(s.manAttackerY[5][y], 9) << y;
    }

    // The same seen from the other side, on the turned board.
    ComState t = test::turnedComState(s);
    勢力調査_COM(t);
    for (int y : {5, 6, 7, 8}) EXPECT_EQ(t.comInfluence[8][y], 1) << y;
    EXPECT_EQ(t.comInfluence[8][9], 0);
    EXPECT_EQ(t.comCheckMarks[8][5], 1);
    EXPECT_EQ(t.comCheckMarks[8][4], 9);
    for (int y : {6, 8}) {
        EXPECT_EQ(t.comAttackValue[8][y], 17) << y;
        EXPECT_EQ(t.comAttackerX[8][y], 8) << y;
        EXPECT_EQ(t.comAttackerY[8][y], 4) << y;
    }
}

TEST(Influence, DiagonalChecksMarkTheSquaresBetweenAndTheCrownPrinceBlocks) {
    ComState s = test::emptyComState();
    s.Board[9][9] = PieceCode(-21);  // bishop toward the COM king on (5, 5)
    s.Board[5][5] = PieceCode(39);
    s.Board[1][9] = PieceCode(-15);  // rook toward the COM prince on (1, 4)
    s.Board[1][4] = PieceCode(38);
    勢力調査_MAN(s);
    for (int d : {8, 7, 6}) EXPECT_EQ(s.manCheckMarks[d][d], 1) << d;
    EXPECT_EQ(s.manCheckMarks[9][9], 9);
    EXPECT_EQ(s.manInfluence[4][4], 1);  // through the king
    EXPECT_EQ(s.manCheckMarks[1][9], 0);
    EXPECT_EQ(s.manInfluence[1][3], 0);  // the prince stops the line
    for (int y = 5; y <= 8; ++y) EXPECT_EQ(s.manCheckMarks[1][y], 0);
}

// Which royal piece a step, the gold pattern or a line marks as checked.
TEST(Influence, CheckMarksOfEachMember) {
    struct Row {
        const char* what;
        int piece, target;
        int manMark;  // expected mark on the MAN piece's square
    };
    // A MAN piece on (6, 7) with the COM royal on (6, 6) right in front.
    for (const Row& r : std::vector<Row>{
             {"pawn step at the king", -1, 39, 9},
             {"pawn step at the prince", -1, 38, 0},
             {"gold pattern at the king", -13, 39, 9},
             {"gold pattern at the prince", -2, 38, 9},
             {"line at the king", -15, 39, 9},
             {"line at the prince", -15, 38, 0},
             {"king never marks", -39, 39, 0},
         }) {
        ComState s = test::emptyComState();
        s.Board[6][7] = PieceCode(r.piece);
        s.Board[6][6] = PieceCode(r.target);
        勢力調査_MAN(s);
        EXPECT_EQ(s.manCheckMarks[6][7], r.manMark) << r.what;

        // The same pieces for COM on the turned board.
        ComState t = test::turnedComState(s);
        勢力調査_COM(t);
        const int comMark = (r.piece == -1 && r.target == 38) ? 9 : r.manMark;
        EXPECT_EQ(t.comCheckMarks[7][6], comMark) << r.what << " (COM)";
    }
}

TEST(Influence, CheapestAttackerKeepsTheFirstInScanOrder) {
    ComState s = test::emptyComState();
    s.Board[5][6] = PieceCode(5);
    s.Board[4][7] = PieceCode(-9);  // silver, value 5, earlier in scan order
    s.Board[6][7] = PieceCode(-9);
    勢力調査_MAN(s);
    EXPECT_EQ(s.manInfluence[5][6], 2);
    EXPECT_EQ(s.manAttackValue[5][6], 5);
    EXPECT_EQ(s.manAttackerX[5][6], 4);
    EXPECT_EQ(s.manAttackerY[5][6], 7);
    s.Board[5][7] = PieceCode(-1);  // a pawn is cheaper, later in scan order
    勢力調査_MAN(s);
    EXPECT_EQ(s.manAttackValue[5][6], 1);
    EXPECT_EQ(s.manAttackerX[5][6], 5);
    EXPECT_EQ(s.manAttackerY[5][6], 7);

    // COM guards and attackers, with their squares.
    ComState c = test::emptyComState();
    c.Board[5][7] = PieceCode(-5);
    c.Board[5][6] = PieceCode(5);
    c.Board[4][5] = PieceCode(9);
    c.Board[6][5] = PieceCode(9);
    c.Board[5][4] = PieceCode(15);  // the rook's line stops at (5, 6)
    勢力調査_COM(c);
    EXPECT_EQ(c.comInfluence[5][6], 3);
    EXPECT_EQ(c.comGuardValue[5][6], 5);
    EXPECT_EQ(c.comGuardX[5][6], 4);
    EXPECT_EQ(c.comGuardY[5][6], 5);
    EXPECT_EQ(c.comInfluence[5][7], 1);
    EXPECT_EQ(c.comAttackValue[5][7], 4);
    EXPECT_EQ(c.comAttackerX[5][7], 5);
    EXPECT_EQ(c.comAttackerY[5][7], 6);
}

TEST(Influence, KingRuleGuardsWithItsSignedCode) {
    ComState s = test::emptyComState();
    s.Board[6][12] = PieceCode(-39);
    s.Board[7][11] = PieceCode(-5);
    s.Board[7][12] = PieceCode(-1);  // a pawn guards (7, 11) too
    s.Board[5][11] = PieceCode(4);   // an enemy next to the king
    勢力調査_MAN(s);
    EXPECT_EQ(s.manGuardValue[7][11], -39);
    EXPECT_EQ(s.manInfluence[7][11], 2);
    EXPECT_EQ(s.manInfluence[5][11], 1);
    EXPECT_EQ(s.manAttackValue[5][11], 999);
    EXPECT_EQ(s.manCheckMarks[6][12], 0);

    ComState c = test::emptyComState();
    c.Board[7][1] = PieceCode(39);
    c.Board[6][2] = PieceCode(5);
    c.Board[6][1] = PieceCode(1);  // a pawn guards (6, 2)
    c.Board[8][2] = PieceCode(5);  // only the king guards (8, 2)
    c.comGuardX[8][2] = 11;
    c.comGuardY[8][2] = 12;
    勢力調査_COM(c);
    EXPECT_EQ(c.comGuardValue[6][2], 1);
    EXPECT_EQ(c.comGuardX[6][2], 6);
    EXPECT_EQ(c.comGuardValue[8][2], 39);
    EXPECT_EQ(c.comGuardX[8][2], 11);
    EXPECT_EQ(c.comGuardY[8][2], 12);
}

TEST(Influence, GoldPatternsDifferBetweenTheSides) {
    // COM gold on (6, 6): a MAN piece in front, a COM piece beside it.
    ComState c = test::emptyComState();
    c.Board[6][6] = PieceCode(13);
    c.Board[6][7] = PieceCode(-5);
    c.Board[7][6] = PieceCode(1);
    c.comAttackerX[6][7] = 4;
    c.comGuardX[7][6] = 3;
    勢力調査_COM(c);
    EXPECT_EQ(c.comInfluence[6][7], 1);
    EXPECT_EQ(c.comAttackValue[6][7], 999);
    EXPECT_EQ(c.comAttackerX[6][7], 4);
    EXPECT_EQ(c.comGuardValue[7][6], 8);
    EXPECT_EQ(c.comGuardX[7][6], 3);

    // The MAN gold on the turned board enters its attack with the square.
    ComState m = test::turnedComState(c);
    勢力調査_MAN(m);
    EXPECT_EQ(m.manAttackValue[7][6], 8);
    EXPECT_EQ(m.manAttackerX[7][6], 7);
    EXPECT_EQ(m.manAttackerY[7][6], 7);
    EXPECT_EQ(m.manGuardValue[6][7], 8);
}

TEST(Influence, LionReachesItsBlockAndJumpsPassBlockers) {
    ComState s = test::emptyComState();
    s.Board[1][1] = PieceCode(-34);
    勢力調査_MAN(s);
    int reached = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) reached += s.manInfluence[x][y];
    EXPECT_EQ(reached, 8);
    EXPECT_EQ(s.manInfluence[1][1], 0);
    EXPECT_EQ(s.manInfluence[3][3], 1);

    // The falcon's two-square forward reach ignores the square between.
    ComState f = test::emptyComState();
    f.Board[4][9] = PieceCode(-24);
    f.Board[4][8] = PieceCode(5);
    f.Board[4][7] = PieceCode(5);
    勢力調査_MAN(f);
    EXPECT_EQ(f.manAttackValue[4][7], 24);
    EXPECT_EQ(f.manInfluence[4][6], 0);
}

}  // namespace
}  // namespace zk

namespace zk {
namespace {

// Patching the MAN maps after a computer piece moves or takes gives what a
// rebuild gives, on scattered positions of every kind (several lions and
// royals, lines through the king); a royal or lion taken is refused.
TEST(Influence, APatchAfterAComputerMoveEqualsARebuild) {
    int patched = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        ComState a = test::emptyComState();
        a.Board = test::randomBoard(seed, 30, [](int) { return true; });
        勢力調査_MAN(a);
        ManSurveyBase base;
        勢力基準_MAN(a, base);
        ComState b = a;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode moving = base.board[x][y];
                if (!(moving >= 1)) continue;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty) {
                        const PieceCode taken = base.board[tx][ty];
                        if (taken >= 1) continue;
                        for (ComState* s : {&a, &b}) {
                            s->Board[x][y] = code::EMPTY;
                            s->Board[tx][ty] = moving;
                        }
                        const int k = taken.kind();
                        const bool royal = k == 33 || k == 34 || k == 38 || k == 39;
                        ASSERT_EQ(勢力差分_MAN(a, base, x, y, tx, ty), !royal);
                        if (!royal) {
                            ++patched;
                            勢力調査_MAN(b);
                            const auto where = trialOf(seed, x, y, tx, ty);
                            ASSERT_TRUE(sameManMaps(a, b)) << where;
                        }
                        for (ComState* s : {&a, &b}) {
                            s->Board[x][y] = moving;
                            s->Board[tx][ty] = taken;
                        }
                    }
            }
    }
    EXPECT_GT(patched, 10000);
}

}  // namespace
}  // namespace zk

namespace zk {
namespace {

// The same for the COM maps, over a whole sequence of moves so that the
// guard and attacker squares a rebuild leaves behind are compared too; a
// royal piece moved is refused.
TEST(Influence, APatchOfTheComMapsEqualsARebuildOverASequence) {
    int patched = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        ComState a = test::emptyComState();
        a.Board = test::randomBoard(seed, 30, [](int) { return true; });
        勢力調査_COM(a);
        ComSurveyBase base;
        勢力基準_COM(a, base);
        ComState b = a;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode moving = base.board[x][y];
                if (!(moving >= 1)) continue;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty) {
                        const PieceCode taken = base.board[tx][ty];
                        if (taken >= 1) continue;
                        // Every other move lands promoted, as a trial may.
                        const PieceCode landed = (tx + ty) % 2 && moving.kind() < 30
                                                     ? PieceCode(moving.kind() + 1)
                                                     : moving;
                        for (ComState* s : {&a, &b}) {
                            s->Board[x][y] = code::EMPTY;
                            s->Board[tx][ty] = landed;
                        }
                        const bool royal = moving.kind() >= 38 || landed.kind() >= 38;
                        ASSERT_EQ(勢力差分_COM(a, base, x, y, tx, ty), !royal);
                        if (!royal) {
                            ++patched;
                            勢力調査_COM(b);
                            const auto where = trialOf(seed, x, y, tx, ty);
                            ASSERT_TRUE(sameComMaps(a, b)) << where;
                        }
                        for (ComState* s : {&a, &b}) {
                            s->Board[x][y] = moving;
                            s->Board[tx][ty] = taken;
                        }
                    }
            }
    }
    EXPECT_GT(patched, 10000);
}

}  // namespace
}  // namespace zk

namespace zk {
namespace {

// Patches that put back only the squares the last patch wrote leave the maps
// as rebuilds do, over a long sequence of trials with rebuilds between some
// of them (the trail is then unknown and the whole maps are put back).
TEST(Influence, PatchesAlongATrailEqualRebuilds) {
    int patched = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        ComState a = test::emptyComState();
        a.Board = test::randomBoard(seed, 30, [](int) { return true; });
        勢力調査_MAN(a);
        勢力調査_COM(a);
        ManSurveyBase manBase;
        ComSurveyBase comBase;
        勢力基準_MAN(a, manBase);
        勢力基準_COM(a, comBase);
        PatchTrail manTrail, comTrail;
        manTrail.known = comTrail.known = true;
        ComState b = a;
        int trial = 0;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode moving = comBase.board[x][y];
                if (!(moving >= 1) || moving.kind() >= 38) continue;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty) {
                        const PieceCode taken = comBase.board[tx][ty];
                        const int k = taken.kind();
                        if (taken >= 1 || k == 33 || k == 34 || k >= 38) continue;
                        for (ComState* s : {&a, &b}) {
                            s->Board[x][y] = code::EMPTY;
                            s->Board[tx][ty] = moving;
                        }
                        if (++trial % 7 == 0) {
                            // Something rebuilt the maps of a board in between.
                            勢力調査_MAN(a);
                            勢力調査_COM(a);
                            勢力調査_MAN(b);
                            勢力調査_COM(b);
                            manTrail.known = comTrail.known = false;
                        }
                        ASSERT_TRUE(勢力差分_MAN(a, manBase, x, y, tx, ty, &manTrail));
                        ASSERT_TRUE(勢力差分_COM(a, comBase, x, y, tx, ty, &comTrail));
                        ++patched;
                        勢力調査_MAN(b);
                        勢力調査_COM(b);
                        const auto where = trialOf(seed, x, y, tx, ty);
                        ASSERT_TRUE(sameManMaps(a, b)) << where;
                        ASSERT_TRUE(sameComMaps(a, b)) << where;
                        for (ComState* s : {&a, &b}) {
                            s->Board[x][y] = moving;
                            s->Board[tx][ty] = taken;
                        }
                    }
            }
    }
    EXPECT_GT(patched, 5000);
}

}  // namespace
}  // namespace zk

namespace zk {
namespace {

// The computer's search tries a piece only on squares its survey reaches:
// every destination the move check allows a computer piece must be one, with
// every kind, sparse and crowded boards and lions on the destinations.
TEST(Influence, EveryComputerMoveLandsOnASquareItsPieceReaches) {
    int moves = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        ComState s = test::emptyComState();
        s.Board = test::randomBoard(seed, seed % 2 ? 25 : 60, [](int) { return true; });
        勢力調査_COM(s);
        ComSurveyBase base;
        勢力基準_COM(s, base);
        ASSERT_TRUE(base.valid);
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode c = s.Board[x][y];
                if (!(c >= 1) || c.isMidMove()) continue;
                std::array<bool, 169> reached{};
                const int from = x * 13 + y;
                for (int k = 0; k < base.reachedCount[from]; ++k)
                    reached[base.reached[base.reachedFrom[from] + k]] = true;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty) {
                        if (移動チェック(s, false, x, y, tx, ty, c) != 1) continue;
                        ++moves;
                        ASSERT_TRUE(reached[tx * 13 + ty])
                            << "seed " << seed << ": " << x << "," << y << " to " << tx << "," << ty
                            << " code " << c.tenths();
                    }
            }
    }
    EXPECT_GT(moves, 3000);
}

// The MAN maps of a position against the COM maps of the turned position.
// Counts always match. Guard values match without kings (the king rule
// differs), attack values without golds and tokins (the COM gold pattern
// enters no attack), check marks without crown princes (the COM step
// recorder also marks checks on the prince). Attacker and guard squares are
// not compared: equal values keep the first piece in scan order, and the
// turn reverses that order.
TEST(Symmetry, InfluenceMapsMirrorBetweenTheSurveys) {
    int guardsCompared = 0, attacksCompared = 0, checksCompared = 0;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        const bool noKings = seed % 3 == 0, noGolds = seed % 3 == 1, noPrinces = seed % 2 == 0;
        ComState s = test::emptyComState();
        s.Board = test::randomBoard(seed, 15 + seed % 50, [&](int k) {
            if (noKings && k == 39) return false;
            if (noGolds && (k == 2 || k == 13)) return false;
            if (noPrinces && k == 38) return false;
            return true;
        });
        if (seed % 5 == 0) {  // make sure kings give checks along lines too
            s.Board[1 + seed % 12][1 + seed / 12 % 12] = noKings ? PieceCode(0) : PieceCode(39);
        }
        ComState t = test::turnedComState(s);
        勢力調査_MAN(s);
        勢力調査_COM(s);
        勢力調査_MAN(t);
        勢力調査_COM(t);
        bool hasKing = false, hasGold = false, hasPrince = false;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const int k = s.Board[x][y].kind();
                hasKing |= k == 39;
                hasGold |= k == 2 || k == 13;
                hasPrince |= k == 38;
            }
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const int rx = 13 - x, ry = 13 - y;
                ASSERT_EQ(s.manInfluence[x][y], t.comInfluence[rx][ry]) << seed;
                ASSERT_EQ(s.comInfluence[x][y], t.manInfluence[rx][ry]) << seed;
                if (!hasKing) {
                    ASSERT_EQ(s.manGuardValue[x][y], t.comGuardValue[rx][ry]) << seed;
                    ++guardsCompared;
                }
                if (!hasGold) {
                    ASSERT_EQ(s.manAttackValue[x][y], t.comAttackValue[rx][ry]) << seed;
                    ASSERT_EQ(s.comAttackValue[x][y], t.manAttackValue[rx][ry]) << seed;
                    ++attacksCompared;
                }
                if (!hasPrince) {
                    ASSERT_EQ(s.manCheckMarks[x][y], t.comCheckMarks[rx][ry]) << seed;
                    ASSERT_EQ(s.comCheckMarks[x][y], t.manCheckMarks[rx][ry]) << seed;
                    ++checksCompared;
                }
            }
        // With one royal piece of a kind the found squares mirror too (with
        // several, the last in scan order wins, and the turn reverses it).
        int manKings = 0, manPrinces = 0;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                manKings += s.Board[x][y] == -39;
                manPrinces += s.Board[x][y] == -38;
            }
        if (manKings == 1) {
            EXPECT_EQ(t.comKingX, 13 - s.manKingX);
            EXPECT_EQ(t.comKingY, 13 - s.manKingY);
        }
        if (manPrinces == 1) {
            EXPECT_EQ(t.comPrinceX, 13 - s.manPrinceX);
            EXPECT_EQ(t.comPrinceY, 13 - s.manPrinceY);
        }
    }
    EXPECT_GT(guardsCompared, 0);
    EXPECT_GT(attacksCompared, 0);
    EXPECT_GT(checksCompared, 0);
}

}  // namespace
}  // namespace zk
