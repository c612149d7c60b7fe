// Turning the board by 180 degrees and exchanging the sides changes nothing
// that the rules decide: a property over many seeded random positions.
#include <gtest/gtest.h>

#include "influence.h"
#include "move_check.h"
#include "rules_fixture.h"

namespace zk {
namespace {

PieceCode lionish(std::mt19937& rng) {
    static const int pool[] = {0, 1, 33, 34, -33, -34, 15, -15, 24, -1};
    return PieceCode(pool[rng() % 10]);
}

TEST(Symmetry, MoveCheckAnswersTheSameForTheTurnedMove) {
    const std::vector<PieceCode> codes = test::allCodes();
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        std::mt19937 rng(seed * 7919);
        // Plenty of lions, so that protection and recapture come up often.
        State s = test::randomPosition(seed, 20 + seed % 40, [](int) { return true; });
        for (int i = 0; i < 6; ++i) {
            const int x = 1 + rng() % 12, y = 1 + rng() % 12;
            s.Board[x][y] = PieceCode(rng() % 2 ? 33 + static_cast<int>(rng() % 2)
                                                : -33 - static_cast<int>(rng() % 2));
        }
        s.record.slot(1).pieceAfter = lionish(rng);
        s.record.slot(2).capturedPiece = lionish(rng);
        s.record.slot(2).pieceAfter = lionish(rng);
        s.record.recordCount = s.record.recordEnd = 2;
        s.moveStep = rng() % 4 == 0 ? 2 : 1;
        if (seed % 2) std::swap(s.manPlayer, s.comPlayer);

        State t = test::turnedState(s);
        for (int trial = 0; trial < 40; ++trial) {
            const int fx = 1 + rng() % 12, fy = 1 + rng() % 12;
            const PieceCode c = trial % 2 && !s.Board[fx][fy].isEmpty()
                                    ? s.Board[fx][fy]
                                    : codes[rng() % codes.size()];
            for (int tx = 1; tx <= 12; ++tx)
                for (int ty = 1; ty <= 12; ++ty)
                    ASSERT_EQ(移動チェック(s, fx, fy, tx, ty, c),
                              移動チェック(t, 13 - fx, 13 - fy, 13 - tx, 13 - ty, test::turned(c)))
                        << "seed " << seed << " code " << c.tenths() << " " << fx << "," << fy
                        << " -> " << tx << "," << ty;
        }
    }
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
        State s = test::randomPosition(seed, 15 + seed % 50, [&](int k) {
            if (noKings && k == 39) return false;
            if (noGolds && (k == 2 || k == 13)) return false;
            if (noPrinces && k == 38) return false;
            return true;
        });
        if (seed % 5 == 0) {  // make sure kings give checks along lines too
            s.Board[1 + seed % 12][1 + seed / 12 % 12] = noKings ? PieceCode(0) : PieceCode(39);
        }
        State t = test::turnedState(s);
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
