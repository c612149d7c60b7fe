// Turning the board by 180 degrees and exchanging the sides changes nothing
// that the rules decide: a property over many seeded random positions.
#include <gtest/gtest.h>

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
        test::TestGame s = test::randomPosition(seed, 20 + seed % 40, [](int) { return true; });
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

        test::TestGame t = test::turnedState(s);
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

}  // namespace
}  // namespace zk
