// Promotion on entering the zone or capturing inside it, and the record.
#include <gtest/gtest.h>

#include "move_check.h"
#include "move_record.h"
#include "rules_fixture.h"

namespace zk {
namespace {

struct PromotionCase {
    const char* what;
    int fromY, toX, toY;
    PieceCode piece;
    int onTarget;  // code standing on the destination
    int expected;
    int promoted;  // expected promotedPiece (when expected is 1)
};

TEST(Promotion, EnteringTheZoneOrCapturingInsideIt) {
    const std::vector<PromotionCase> cases = {
        {"human tokin enters the zone", 5, 3, 4, PieceCode(-2), 0, 1, -1},
        {"human tokin moves inside the zone", 4, 3, 3, PieceCode(-2), 0, 0, 0},
        {"human tokin captures inside the zone", 4, 3, 3, PieceCode(-2), 5, 1, -1},
        {"human leaves the zone, capturing", 3, 3, 5, PieceCode(-16), 5, 0, 0},
        {"human captures outside the zone", 6, 3, 5, PieceCode(-16), 5, 0, 0},
        {"a human piece on the destination is no capture", 3, 3, 2, PieceCode(-16), -5, 0, 0},
        {"computer eagle enters the zone", 8, 5, 9, PieceCode(18), 0, 1, 17},
        {"computer dragon (unpromoted) enters the zone", 8, 5, 9, PieceCode(17), 0, 0, 0},
        {"computer stag inside, capturing", 10, 5, 11, PieceCode(31), -1, 1, 30},
        {"computer moves inside onto an empty square", 10, 5, 11, PieceCode(31), 0, 0, 0},
        {"computer leaving its zone with a capture", 9, 5, 8, PieceCode(18), -1, 0, 0},
        {"a human piece does not use the computer's zone", 8, 5, 9, PieceCode(-18), 0, 0, 0},
        {"a computer piece does not use the human's zone", 5, 5, 4, PieceCode(18), 0, 0, 0},
        {"mid-move eagle never", 8, 5, 9, code::COM_鷲_1, 0, 0, 0},
        {"mid-move lion never", 5, 5, 4, code::MAN_獅_R_1, 0, 0, 0},
        {"destination off the board", 5, 5, 0, PieceCode(-2), 0, 0, 0},
        {"destination column off the board", 5, 13, 3, PieceCode(-2), 0, 0, 0},
    };
    for (const PromotionCase& c : cases) {
        test::TestGame s = test::emptyState();
        if (onBoard(c.toX, c.toY)) s.Board[c.toX][c.toY] = PieceCode(c.onTarget);
        const PieceCode promoted = promotionOf(s.Board, c.fromY, c.toX, c.toY, c.piece);
        EXPECT_EQ(promoted.isEmpty() ? 0 : 1, c.expected) << c.what;
        EXPECT_EQ(promoted, PieceCode(c.expected ? c.promoted : 0)) << c.what;
    }
}

TEST(Promotion, EveryPromotedFormDropsOneAndNoOtherCodePromotes) {
    const std::set<int> promoted = {2,  4,  6,  8,  10, 12, 14, 16, 18,
                                    20, 22, 24, 26, 29, 31, 33, 36, 38};
    for (int k = 1; k <= 39; ++k) {
        test::TestGame s = test::emptyState();
        const PieceCode top = promotionOf(s.Board, 8, 1, 9, PieceCode(k));
        EXPECT_EQ(top.isEmpty() ? 0 : 1, promoted.count(k) ? 1 : 0) << k;
        if (promoted.count(k)) {
            EXPECT_EQ(top, PieceCode(k - 1)) << k;
        }
        const PieceCode bottom = promotionOf(s.Board, 5, 1, 4, PieceCode(-k));
        EXPECT_EQ(bottom.isEmpty() ? 0 : 1, promoted.count(k) ? 1 : 0) << -k;
        if (promoted.count(k)) {
            EXPECT_EQ(bottom, PieceCode(-k + 1)) << -k;
        }
    }
}

TEST(MoveRecordSave, AppendsWithTheCaptureAndDropsWhatWasAhead) {
    test::TestGame s = test::emptyState();
    s.Board[3][4] = PieceCode(5);
    手順保存(s.record, s.Board, 3, 6, 3, 4, PieceCode(-2), PieceCode(-1));
    ASSERT_EQ(s.record.recordCount, 1);
    EXPECT_EQ(s.record.recordEnd, 1);
    EXPECT_EQ(s.record.at(1), (MoveRecord{3, 6, 3, 4, PieceCode(5), PieceCode(-2), PieceCode(-1)}));
    EXPECT_EQ(s.record.at(0).pieceAfter, PieceCode(1));

    手順保存(s.record, s.Board, 1, 1, 1, 2, PieceCode(3), PieceCode(3));
    手順保存(s.record, s.Board, 1, 2, 1, 3, PieceCode(3), PieceCode(3));
    s.record.recordCount = 1;  // two moves taken back
    手順保存(s.record, s.Board, 5, 5, 5, 6, PieceCode(-1), PieceCode(-1));
    EXPECT_EQ(s.record.recordCount, 2);
    EXPECT_EQ(s.record.recordEnd, 2);
    EXPECT_EQ(s.record.at(2).fromX, 5);
}

TEST(MoveRecordSave, GrowsPastFiveHundredEntries) {
    test::TestGame s = test::emptyState();
    for (int i = 1; i <= 1200; ++i)
        手順保存(s.record, s.Board, 1 + i % 12, 1, 1 + i % 12, 2, PieceCode(1), PieceCode(1));
    EXPECT_EQ(s.record.recordCount, 1200);
    EXPECT_EQ(s.record.recordEnd, 1200);
    EXPECT_EQ(s.record.at(1200).fromX, 1 + 1200 % 12);
    EXPECT_EQ(s.record.at(501).fromX, 1 + 501 % 12);
}

}  // namespace
}  // namespace zk
