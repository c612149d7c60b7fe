// A lion against a lion: the protection test and the recapture rule.
#include <gtest/gtest.h>

#include "move_check.h"
#include "move_record.h"
#include "rules_fixture.h"

namespace zk {
namespace {

struct LionCase {
    const char* what;
    std::vector<std::tuple<int, int, int>> pieces;
    int fx, fy, tx, ty;
    int moveStep;
    int expected;
};

TEST(LionAgainstLion, ProtectedLionsCannotBeTakenInOneStep) {
    // The MAN lion on (6, 8) or (6, 7) goes for the COM lion on (6, 6).
    const std::vector<LionCase> cases = {
        {"two apart, unprotected", {{6, 8, -34}, {6, 6, 33}}, 6, 8, 6, 6, 1, 1},
        {"two apart, a pawn protects", {{6, 8, -34}, {6, 6, 33}, {6, 5, 1}}, 6, 8, 6, 6, 1, 0},
        {"adjacent, unprotected", {{6, 7, -33}, {6, 6, 34}}, 6, 7, 6, 6, 1, 1},
        {"adjacent, a gold protects", {{6, 7, -33}, {6, 6, 34}, {5, 6, 13}}, 6, 7, 6, 6, 1, 0},
        {"a rook behind the capturer protects",
         {{6, 7, -33}, {6, 6, 34}, {6, 10, 15}},
         6,
         7,
         6,
         6,
         1,
         0},
        {"the rook behind is blocked by another piece",
         {{6, 7, -33}, {6, 6, 34}, {6, 10, 15}, {6, 9, -1}},
         6,
         7,
         6,
         6,
         1,
         1},
        {"another lion of the same side protects",
         {{6, 8, -34}, {6, 6, 33}, {8, 4, 34}},
         6,
         8,
         6,
         6,
         1,
         0},
        {"a piece of the capturer's side does not protect",
         {{6, 8, -34}, {6, 6, 33}, {6, 3, -15}},
         6,
         8,
         6,
         6,
         1,
         1},
        {"second step of a two-step move is not tested",
         {{6, 7, -33}, {6, 6, 34}, {5, 6, 13}},
         6,
         7,
         6,
         6,
         2,
         1},
        {"three away is beyond a lion's reach", {{6, 9, -34}, {6, 6, 33}}, 6, 9, 6, 6, 1, 0},
        {"a human pawn behind its lion protects it",
         {{6, 6, 34}, {6, 8, -33}, {6, 9, -1}},
         6,
         6,
         6,
         8,
         1,
         0},
        {"a human pawn in front of its lion does not",
         {{6, 6, 34}, {6, 8, -33}, {6, 7, -1}},
         6,
         6,
         6,
         8,
         1,
         1},
        {"a human gold protects the human lion",
         {{6, 6, 34}, {6, 8, -33}, {6, 9, -13}},
         6,
         6,
         6,
         8,
         1,
         0},
        {"non-lion pieces may take a protected lion",
         {{6, 7, -13}, {6, 6, 34}, {5, 6, 13}},
         6,
         7,
         6,
         6,
         1,
         1},
    };
    for (const LionCase& c : cases) {
        test::TestGame s = test::emptyState();
        for (auto [x, y, k] : c.pieces) s.Board[x][y] = PieceCode(k);
        s.moveStep = c.moveStep;
        const BoardGrid before = s.Board;
        EXPECT_EQ(移動チェック(s, c.fx, c.fy, c.tx, c.ty, s.Board[c.fx][c.fy]), c.expected)
            << c.what;
        EXPECT_EQ(s.Board, before) << c.what;
    }
}

TEST(LionProtection, AsksTheSideGivenAndPutsTheBoardBack) {
    test::TestGame s = test::emptyState();
    s.Board[6][7] = PieceCode(-33);
    s.Board[6][6] = PieceCode(34);
    s.Board[6][10] = PieceCode(15);  // protects through the capturer's square
    const BoardGrid before = s.Board;
    EXPECT_EQ(lionGuarded(s.Board, 1, 6, 7, 6, 6), 1);
    EXPECT_EQ(s.Board, before);
    EXPECT_EQ(lionGuarded(s.Board, -1, 6, 7, 6, 6), 0);
    EXPECT_EQ(s.Board, before);
    EXPECT_EQ(lionGuarded(s.Board, 0, 6, 7, 6, 6), 0);
    EXPECT_EQ(s.Board, before);
    // Squares off the board are never touched: the lion on (6, 7) stays and
    // blocks the rook.
    EXPECT_EQ(lionGuarded(s.Board, 1, -1, 20, 6, 6), 0);
    EXPECT_EQ(lionGuarded(s.Board, 1, 6, 7, 0, 13), 0);
    EXPECT_EQ(s.Board, before);
}

// The record left by the last two steps decides whether a lion may be taken
// back at once.
struct RecaptureCase {
    const char* what;
    MoveRecord before;  // entry n - 1
    MoveRecord last;    // entry n
    PieceCode target;   // the lion on (6, 6)
    int expected;
};

MoveRecord entry(int captured, int after) {
    MoveRecord e;
    e.capturedPiece = PieceCode(captured);
    e.pieceAfter = PieceCode(after);
    e.movedPiece = PieceCode(after);
    return e;
}

TEST(LionRecapture, TheSideThatLostALionMayNotTakeTheLionOfThatCodeAtOnce) {
    const std::vector<RecaptureCase> cases = {
        {"lost -33, takes +33", entry(0, -1), entry(-33, 15), PieceCode(33), 0},
        {"lost -34, takes +34", entry(0, -1), entry(-34, 15), PieceCode(34), 0},
        {"lost -33, takes +34: other code", entry(0, -1), entry(-33, 15), PieceCode(34), 1},
        {"took a lion itself", entry(0, -1), entry(33, -15), PieceCode(33), 1},
        {"the lion that took was the step before", entry(0, 33), entry(-33, 33), PieceCode(33), 1},
        {"lost nothing", entry(0, -1), entry(0, 15), PieceCode(33), 1},
    };
    for (const RecaptureCase& c : cases)
        for (int mover : {-1, -34, -15}) {
            test::TestGame s = test::emptyState();
            s.record.slot(1) = c.before;
            s.record.slot(2) = c.last;
            s.record.recordCount = s.record.recordEnd = 2;
            s.Board[6][6] = c.target;
            s.Board[6][7] = PieceCode(mover);
            EXPECT_EQ(移動チェック(s, 6, 7, 6, 6, PieceCode(mover)), c.expected)
                << c.what << " mover " << mover;
        }
}

TEST(LionRecapture, NeverAppliesBeforeTheFirstMove) {
    test::TestGame s = test::emptyState();
    s.Board[6][6] = PieceCode(-33);
    s.Board[6][5] = PieceCode(1);
    EXPECT_EQ(移動チェック(s, 6, 5, 6, 6, PieceCode(1)), 1);
}

// A lion that took a lion and declined its second step leaves two entries;
// the second has the lion itself as its capture, so it may be taken back.
TEST(LionRecapture, ADeclinedTwoStepMoveMayBeAnsweredAtOnce) {
    test::TestGame s = test::emptyState();
    s.Board[6][6] = PieceCode(33);
    s.Board[6][7] = PieceCode(-33);
    s.Board[6][9] = PieceCode(-15);
    // The computer's lion takes the human lion with one step and stops.
    手順保存(s.record, s.Board, 6, 6, 6, 7, PieceCode(33), PieceCode(33));
    s.Board[6][7] = PieceCode(33);
    s.Board[6][6] = code::EMPTY;
    手順保存(s.record, s.Board, 6, 6, 6, 7, PieceCode(33), PieceCode(33));
    ASSERT_EQ(s.record.recordCount, 2);
    EXPECT_EQ(s.record.at(1).capturedPiece, PieceCode(-33));
    EXPECT_EQ(s.record.at(2).capturedPiece, PieceCode(33));
    EXPECT_EQ(s.record.at(1).movedPiece, s.record.at(2).movedPiece);
    EXPECT_EQ(移動チェック(s, 6, 9, 6, 7, PieceCode(-15)), 1);

    // Had the record only the single entry of the capture, the rook could not.
    s.record.recordCount = 1;
    EXPECT_EQ(移動チェック(s, 6, 9, 6, 7, PieceCode(-15)), 0);
}

}  // namespace
}  // namespace zk
