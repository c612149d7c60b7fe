#include <gtest/gtest.h>

#include "com_fixture.h"

namespace zk::test {
namespace {

// A quiet copper move (5, 5) -> (5, 6) on blank maps: every stage adds
// nothing, so each case below shows exactly the term it sets up.
struct QuietCopper : ComFixture {
    explicit QuietCopper(int level) : ComFixture(level) {
        put(5, 6, 5);
        blankMaps(s);
        s.movingPiece = PieceCode(5);
        s.distToManKing = 0;
    }
    Tenths eval(PieceCode captured = code::EMPTY, PieceCode piece = PieceCode(5)) {
        return 盤評価(s, captured, piece, 5, 5, 5, 6);
    }
};

TEST(EvalBaseline, QuietCopperOnBlankMapsScoresZeroAtEveryLevel) {
    for (int level : {1, 2, 3}) {
        QuietCopper f(level);
        EXPECT_EQ(f.eval(), 0) << level;
    }
}

TEST(EvalRoyal, CapturesAndAttacksOnRoyalPieces) {
    struct Case {
        const char* name;
        int captured;
        int manKingX, manPrinceX, comKingX, comPrinceX;
        int attackComKing, attackComPrince;
        Tenths expected;
    };
    const std::vector<Case> cases = {
        {"king taken, no prince", -39, 0, 0, 1, 0, 0, 0, 99990},
        {"prince taken, no king", -38, 0, 0, 1, 0, 0, 0, 99990},
        {"own king attacked, no prince", 0, 8, 0, 1, 0, 1, 0, -99980},
        {"own king attacked, prince on board", 0, 8, 0, 1, 3, 1, 0, 0},
        {"own prince attacked, no king", 0, 8, 0, 0, 3, 0, 1, -99980},
        {"own prince attacked, king on board", 0, 8, 0, 1, 3, 0, 1, -100},
    };
    for (const Case& c : cases) {
        QuietCopper f(1);
        f.s.manKingX = c.manKingX;
        f.s.manKingY = 11;
        f.s.manPrinceX = c.manPrinceX;
        f.s.manPrinceY = 11;
        f.s.comKingX = c.comKingX;
        f.s.comKingY = 1;
        f.s.comPrinceX = c.comPrinceX;
        f.s.comPrinceY = 1;
        // The royal pieces stand defended so that the danger test stays quiet.
        if (c.comKingX > 0) f.put(c.comKingX, 1, 39);
        if (c.comPrinceX > 0) f.put(c.comPrinceX, 1, 38);
        f.s.comInfluence[c.comKingX][1] = f.s.comInfluence[c.comPrinceX][1] = 1;
        f.s.manInfluence[c.comKingX][1] += c.attackComKing;
        f.s.manInfluence[c.comPrinceX][1] += c.attackComPrince;
        f.s.distToManKing = 99;  // no approach bonus in the level-2 run
        EXPECT_EQ(f.eval(PieceCode(c.captured)), c.expected) << c.name;
    }
}

TEST(EvalRoyal, TakingTheKingWhileThePrinceStandsGoesOnWithTheCaptureTerms) {
    QuietCopper f(2);
    f.put(9, 12, -38);
    f.put(1, 12, -1);
    f.put(12, 1, 39);
    f.s.manPrinceX = 9;
    f.s.manPrinceY = 12;
    // A safe capture of the king by the copper: (30 - 4) + 5 x 30 + 300.
    EXPECT_EQ(f.eval(PieceCode(-39)), 260 + 1500 + 3000);
}

// The human king cornered on (1, 12) behind its own golds, with no capture
// anywhere: mated as soon as it is attacked.
TEST(EvalAttack, AMateScoresForEveryPieceButThePawn) {
    for (int piece : {5, 1}) {
        QuietCopper f(1);
        f.put(5, 6, piece);
        f.put(1, 12, -39);
        f.put(1, 11, -13);
        f.put(2, 11, -13);
        f.put(2, 12, -13);
        f.s.manKingX = 1;
        f.s.manKingY = 12;
        f.s.comInfluence[1][12] = 1;
        EXPECT_EQ(f.eval(code::EMPTY, PieceCode(piece)), piece == 1 ? -99980 : 99980) << piece;
    }
}

// The human king on (8, 8) attacked but free to step away.
struct CheckingCopper : QuietCopper {
    explicit CheckingCopper(int toX = 5, int toY = 6) : QuietCopper(1) {
        s.Board[5][6] = code::EMPTY;
        put(toX, toY, 5);
        put(8, 8, -39);
        s.manKingX = 8;
        s.manKingY = 8;
        s.comInfluence[8][8] = 1;
        tx = toX;
        ty = toY;
    }
    Tenths eval() { return 盤評価(s, code::EMPTY, PieceCode(5), 5, 5, tx, ty); }
    int tx, ty;
};

TEST(EvalAttack, CheckTerms) {
    {
        CheckingCopper f;
        EXPECT_EQ(f.eval(), 100);  // safe destination
        f.s.manInfluence[5][6] = 1;
        f.s.comInfluence[5][6] = 1;  // attacked but defended: no danger term
        EXPECT_EQ(f.eval(), 0);
        f.s.manAttackValue[5][6] = 30;  // only the king attacks it
        EXPECT_EQ(f.eval(), 500);
    }
    {
        // Diagonally next to the king, guarded by a dragon on the king's row
        // or column (the last tenth: the copper attacks the king, a fork
        // target).
        CheckingCopper f(7, 7);
        f.s.comGuardValue[7][7] = 22;
        f.s.comGuardX[7][7] = 8;
        f.s.comGuardY[7][7] = 3;
        EXPECT_EQ(f.eval(), 5000 + 100 + 1);
        f.s.comGuardX[7][7] = 2;
        EXPECT_EQ(f.eval(), 100 + 1);
        f.s.comGuardY[7][7] = 8;
        EXPECT_EQ(f.eval(), 5000 + 100 + 1);
        f.s.manInfluence[7][7] = 3;  // too many attackers (and now no +10)
        f.s.comInfluence[7][7] = 3;
        EXPECT_EQ(f.eval(), 0);
    }
    {
        CheckingCopper f(8, 7);  // same column as the king: not diagonal
        f.s.comGuardValue[8][7] = 22;
        f.s.comGuardX[8][7] = 8;
        EXPECT_EQ(f.eval(), 100 + 1);
    }
}

TEST(EvalHigherCode, AddsATenthAndTenMoreOnASafeSquare) {
    QuietCopper f(1);
    f.s.movingPiece = PieceCode(4);
    EXPECT_EQ(f.eval(), 101);
    f.s.manInfluence[5][6] = 1;
    f.s.comInfluence[5][6] = 1;
    EXPECT_EQ(f.eval(), 1);
    f.s.movingPiece = PieceCode(5);
    EXPECT_EQ(f.eval(), 0);
    f.s.movingPiece = PieceCode::fromTenths(51);  // stale fractional code
    EXPECT_EQ(f.eval(), 0);
}

TEST(EvalLevels, EachLevelAddsItsOwnStages) {
    // A side mover stepping forward off an attacked, undefended square.
    auto score = [](int level) {
        QuietCopper f(level);
        f.put(5, 6, 6);
        f.s.movingPiece = PieceCode(6);
        f.s.manInfluenceBefore[5][5] = 1;
        return f.eval(code::EMPTY, PieceCode(6));
    };
    EXPECT_EQ(score(1), 0);
    EXPECT_EQ(score(2), 10);       // left an attacked, undefended square
    EXPECT_EQ(score(3), 10 + 10);  // the side mover's forward step
}

TEST(EvalSafety, DestinationSafetyTerms) {
    {
        QuietCopper f(2);
        f.s.manLionX = 9;
        f.s.manLionY = 9;
        f.s.comInfluence[9][9] = 1;
        EXPECT_EQ(f.eval(), 50);  // newly attacks the human lion
        f.s.comInfluenceBefore[9][9] = 1;
        EXPECT_EQ(f.eval(), 0);
    }
    {
        QuietCopper f(2);
        f.s.manInfluence[5][5] = 1;  // the source is reached now
        f.s.manAttackValueBefore[5][5] = 1;
        EXPECT_EQ(f.eval(), 40);  // the copper's value
        f.s.manAttackValueBefore[5][5] = 4;
        EXPECT_EQ(f.eval(), 0);
    }
}

TEST(EvalApproach, PlusOneAlongTheLongerAxisAndATenthOtherwiseNeverAPenalty) {
    struct Case {
        int kingX, kingY, dist;
        Tenths expected;
    };
    // Destination (5, 6).
    const std::vector<Case> cases = {
        {11, 7, 7, 10},  // dx 6 > dy 1, closer than before
        {11, 7, 6, 0},   // same distance
        {11, 7, 2, 0},   // farther: no penalty
        {6, 12, 7, 1},   // dx 1 <= dy 6, closer
        {6, 12, 6, 0},
    };
    for (const Case& c : cases) {
        QuietCopper f(2);
        f.s.manKingX = c.kingX;
        f.s.manKingY = c.kingY;
        f.s.distToManKing = c.dist;
        EXPECT_EQ(f.eval(), c.expected) << c.kingX << "," << c.kingY << " " << c.dist;
    }
}

// The copper moves (4, 5) -> (5, 6); its only attacker is a human gold on
// (5, 7), defended and pinned to the human king on (8, 7).
struct PinnedAttacker : ComFixture {
    explicit PinnedAttacker(bool pinned) : ComFixture(2) {
        put(5, 6, 5);
        put(5, 7, -13);
        put(5, 5, 1);
        blankMaps(s);
        s.movingPiece = PieceCode(5);
        s.manKingX = 8;
        s.manKingY = 7;
        s.manInfluence[5][6] = 1;
        s.manAttackValue[5][6] = 8;
        s.manAttackerX[5][6] = 5;
        s.manAttackerY[5][6] = 7;
        s.manInfluence[5][7] = 1;
        s.manPinned[5][7] = pinned ? 1 : 0;
        s.comAttackerXBefore[5][7] = 5;
        s.comAttackerYBefore[5][7] = 5;
    }
    Tenths eval() { return 盤評価(s, code::EMPTY, PieceCode(5), 4, 5, 5, 6); }
};

TEST(EvalPins, TakingAPinnedDefendedAttackerIsWorthItsCode) {
    PinnedAttacker pinned(true), loose(false);
    EXPECT_EQ(pinned.eval() - loose.eval(), 130);
    // The computer piece that attacked it before has gone.
    PinnedAttacker gone(true);
    gone.s.Board[5][5] = code::EMPTY;
    EXPECT_EQ(gone.eval(), loose.eval());
    // The attacker on the king's column but the destination too: no line.
    PinnedAttacker column(true);
    column.s.manKingX = 5;
    column.s.manKingY = 10;
    PinnedAttacker columnLoose(false);
    columnLoose.s.manKingX = 5;
    columnLoose.s.manKingY = 10;
    EXPECT_EQ(column.eval(), columnLoose.eval());
}

TEST(EvalQuiet, CheaperAttackerEscapesAndTheHumanLion) {
    {
        QuietCopper f(2);
        f.s.manAttackValue[5][6] = 1;
        EXPECT_EQ(f.eval(), -30);
    }
    {
        // The human king on (7, 8): escapes drop from 6 to 3.
        QuietCopper f(2);
        f.put(7, 8, -39);
        f.s.manKingX = 7;
        f.s.manKingY = 8;
        f.s.distToManKing = 0;
        f.s.manKingEscapesBefore = 6;
        for (auto [x, y] : {std::pair{6, 7}, {7, 7}, {8, 7}, {6, 8}, {8, 8}})
            f.s.comInfluence[x][y] = 1;
        EXPECT_EQ(f.eval(), 30);
        f.s.manInfluence[5][6] = 1;  // only on a safe destination
        f.s.comInfluence[5][6] = 1;
        EXPECT_EQ(f.eval(), 0);
    }
    {
        QuietCopper f(2);
        f.s.manLionX = 6;
        f.s.manLionY = 7;
        EXPECT_EQ(f.eval(), -50);  // the destination is next to the lion
        f.s.manLionX = 4;
        f.s.manLionY = 4;
        EXPECT_EQ(f.eval(), -10 + 50);  // the source was, the destination is safe
        f.s.manInfluence[5][6] = 1;
        f.s.comInfluence[5][6] = 1;
        EXPECT_EQ(f.eval(), -10);
    }
}

// A silver capture (5, 5) -> (5, 6), tested through the material stage.
struct SilverCapture : ComFixture {
    explicit SilverCapture(int victim) : ComFixture(2), victim(PieceCode(victim)) {
        put(5, 6, 9);
        put(12, 12, 39);
        put(1, 12, -39);
        put(2, 12, -1);
        blankMaps(s);
        s.movingPiece = PieceCode(9);
        s.savedBoard[5][6] = this->victim;
    }
    Tenths stage6() {
        Tenths score = 0;
        EvalMove m{victim, PieceCode(9), 5, 5, 5, 6};
        評価_駒得(s, m, score);
        return score;
    }
    PieceCode victim;
};

TEST(EvalCapture, ValueDifferenceEqualValueAndSafeCaptureBonuses) {
    struct Case {
        int victim;
        Tenths expected;
    };
    const std::vector<Case> cases = {
        {-9, 50 + 250},            // equal value: +5, not 0
        {-5, -10 + 200},           // copper 4 for silver 5
        {-2, 20 + 350 + 500},      // tokin bonus
        {-4, 10 + 300 + 500},      // white horse bonus
        {-36, 230 + 1400 + 3000},  // elephant bonus
        {-38, 240 + 1450 + 3000},  // prince
        {-22, 180 + 1150},         // no bonus for a horse
    };
    for (const Case& c : cases) {
        SilverCapture f(c.victim);
        EXPECT_EQ(f.stage6(), c.expected) << c.victim;
    }
}

TEST(EvalCapture, UndefendedRecaptureCountsTheDifferenceTwice) {
    SilverCapture f(-13);  // gold 8 for silver 5
    f.s.manInfluence[5][6] = 1;
    EXPECT_EQ(f.stage6(), 30 + 30);
    // The silver stood attacked with no safe square to go to: + the gold.
    f.s.manInfluenceBefore[5][5] = 1;
    for (auto [x, y] : {std::pair{4, 6}, {6, 6}, {4, 4}, {6, 4}}) f.s.manInfluence[x][y] = 1;
    EXPECT_EQ(f.stage6(), 30 + 30 + 80);
    f.s.manInfluence[6][4] = 0;  // one safe retreat left
    EXPECT_EQ(f.stage6(), 30 + 30);
}

TEST(EvalCapture, DefendedRecaptureGainsTheVictimWhenTheAttackerIsDearer) {
    SilverCapture f(-13);
    f.s.manInfluence[5][6] = 1;
    f.s.comInfluence[5][6] = 1;
    f.s.manAttackValue[5][6] = 7;
    EXPECT_EQ(f.stage6(), 30 + 80);
    f.s.manAttackValue[5][6] = 5;
    EXPECT_EQ(f.stage6(), 30);
}

TEST(EvalCapture, SmallWonEndgameIsDecisive) {
    ComFixture f(2);
    f.put(5, 6, 9);
    f.put(12, 12, 39);
    f.put(1, 12, -39);
    blankMaps(f.s);
    Tenths score = 123;
    EvalMove m{PieceCode(-1), PieceCode(9), 5, 5, 5, 6};
    EXPECT_TRUE(評価_駒得(f.s, m, score));
    EXPECT_EQ(score, 99990);
    f.put(1, 1, -1);  // four pieces: no longer decisive
    score = 0;
    EXPECT_FALSE(評価_駒得(f.s, m, score));
}

TEST(EvalCapture, AtLevelOneACaptureCountsOnlyThroughTheEarlierStages) {
    SilverCapture one(-22);
    one.s.level = 1;
    EXPECT_EQ(盤評価(one.s, PieceCode(-22), PieceCode(9), 5, 5, 5, 6), 0);
    SilverCapture two(-22);
    EXPECT_EQ(盤評価(two.s, PieceCode(-22), PieceCode(9), 5, 5, 5, 6), 180 + 1150);
}

}  // namespace
}  // namespace zk::test
