// legalMoves on hand-made positions for each lion rule, apply's lion history,
// and positions made from a record.
#include "position.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zk {
namespace {

struct Placed {
    int x, y;
    PieceCode c;
};

// The bottom side to move on a board holding only these pieces.
Position board(std::initializer_list<Placed> pieces, LionHistory h = {{}, PieceCode(1), {}}) {
    BoardGrid b{};
    for (const Placed& p : pieces) b[p.x][p.y] = p.c;
    Position p = Position::fromBoard(b, -1);
    p.history = h;
    return p;
}

// The moves from (fx, fy) ending on (tx, ty): single (mx 0) or via (mx, my).
std::vector<Move> movesTo(const Position& p, int fx, int fy, int mx, int my, int tx, int ty,
                          Mover who = Mover::Presses) {
    std::vector<Move> out;
    for (const Move& m : legalMoves(p, who))
        if (m.fromX == fx && m.fromY == fy && m.midX == mx && m.midY == my && m.toX == tx &&
            m.toY == ty)
            out.push_back(m);
    return out;
}

using code::COM_獅_B;
using code::COM_獅_R;
using code::MAN_獅_R;

TEST(LegalMovesLion, NeverTakesAProtectedLionInOneStepButMayAnUnprotectedOne) {
    // The top lion on (6, 4) is guarded by a gold behind it.
    const Position guarded = board({{6, 6, MAN_獅_R}, {6, 4, COM_獅_R}, {6, 3, code::COM_金}});
    EXPECT_TRUE(movesTo(guarded, 6, 6, 0, 0, 6, 4).empty());
    const Position adjacent = board({{6, 5, MAN_獅_R}, {6, 4, COM_獅_R}, {6, 3, code::COM_金}});
    EXPECT_TRUE(movesTo(adjacent, 6, 5, 0, 0, 6, 4).empty());
    const Position alone = board({{6, 6, MAN_獅_R}, {6, 4, COM_獅_R}});
    EXPECT_EQ(movesTo(alone, 6, 6, 0, 0, 6, 4).size(), 1u);
}

TEST(LegalMovesLion, SecondStepTakesAProtectedLionOnlyAfterAWorthyFirstCapture) {
    // The lion steps to (6, 6), then onto the guarded lion on (6, 5).
    auto take = [](PieceCode bait) {
        return movesTo(
            board({{6, 7, MAN_獅_R}, {6, 6, bait}, {6, 5, COM_獅_B}, {6, 4, code::COM_金}}), 6, 7,
            6, 6, 6, 5);
    };
    EXPECT_EQ(take(code::COM_金).size(), 1u);
    EXPECT_TRUE(take(code::COM_歩).empty());   // a pawn is too weak a bait
    EXPECT_TRUE(take(code::COM_仲).empty());   // so is a go-between
    EXPECT_TRUE(take(code::EMPTY).empty());    // no bait at all
    EXPECT_EQ(take(code::COM_と).size(), 1u);  // a tokin is no pawn
}

TEST(LegalMovesLion, NoSideTakesALionRightAfterLosingItsOwn) {
    // The bottom side's lion was just taken by the top side's lion of the
    // same code; a bottom gold may not take it back at once...
    const LionHistory lost{MAN_獅_R, COM_獅_R, code::COM_金};
    const Position p = board({{6, 8, code::MAN_金}, {6, 7, COM_獅_R}}, lost);
    EXPECT_TRUE(movesTo(p, 6, 8, 0, 0, 6, 7).empty());
    // ...unless that lion is what the move before the last left, as when it
    // took with the second step of a two-step move.
    Position twoStep = p;
    twoStep.history.previousAfter = COM_獅_R;
    EXPECT_EQ(movesTo(twoStep, 6, 8, 0, 0, 6, 7).size(), 1u);
    // A lion of the other code lost does not stop the move check, but the
    // press is still refused for any lion lost.
    Position other = p;
    other.history.lastCaptured = code::MAN_獅_B;
    EXPECT_TRUE(movesTo(other, 6, 8, 0, 0, 6, 7).empty());
}

TEST(LegalMovesLion, AStoppedLionStepRecordsItselfAsItsCapture) {
    // A lion takes a lion with one step and stops: the record's second entry
    // "captures" the mover, so the counter-strike rule never sees the loss.
    Position p = board({{6, 7, MAN_獅_R}, {6, 6, COM_獅_R}, {2, 2, COM_獅_B}});
    const std::vector<Move> stop = movesTo(p, 6, 7, 0, 0, 6, 6);
    ASSERT_EQ(stop.size(), 1u);
    EXPECT_TRUE(stop[0].stopped);
    apply(p, stop[0]);
    EXPECT_EQ(p.history, (LionHistory{MAN_獅_R, MAN_獅_R, MAN_獅_R}));
    EXPECT_EQ(p.mover, 1);
}

TEST(LegalMovesTwoStep, ReturnsToTheStartAndPromotesAsTheFlowDoes) {
    // A lion eats the pawn in front of it and returns home.
    Position p = board({{6, 7, MAN_獅_R}, {6, 6, code::COM_歩}});
    const std::vector<Move> back = movesTo(p, 6, 7, 6, 6, 6, 7);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].capturedMid, code::COM_歩);
    apply(p, back[0]);
    EXPECT_EQ(p.Board[6][7], MAN_獅_R);
    EXPECT_TRUE(p.Board[6][6].isEmpty());
    EXPECT_EQ(p.history, (LionHistory{code::EMPTY, MAN_獅_R, MAN_獅_R}));

    // Entering the zone promotes a move made by presses; the computer has both.
    const Position falcon = board({{5, 6, code::MAN_鷹}});
    const std::vector<Move> pressed = movesTo(falcon, 5, 6, 0, 0, 5, 4);
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(pressed[0].after, code::MAN_馬_B);
    EXPECT_EQ(movesTo(falcon, 5, 6, 0, 0, 5, 4, Mover::Computer).size(), 2u);
}

TEST(PositionFromRecord, ReplaysEntriesAndReadsTheLionHistory) {
    GameRecord r;
    r.slot(0).pieceAfter = PieceCode(1);
    r.slot(1) = {6, 9, 6, 8, {}, code::MAN_と, code::MAN_と};
    r.slot(2) = {6, 4, 6, 5, {}, code::COM_と, code::COM_と};
    r.recordCount = r.recordEnd = 2;
    const Position start = Position::initial();
    const Position p = Position::fromRecord(start.Board, -1, r, 2);
    Position q = start;
    for (const Move& m : legalMoves(q))
        if (m.fromX == 6 && m.fromY == 9 && m.toY == 8 && m.toX == 6) apply(q, m);
    for (const Move& m : legalMoves(q))
        if (m.fromX == 6 && m.fromY == 4 && m.toY == 5 && m.toX == 6) apply(q, m);
    EXPECT_EQ(p, q);
    EXPECT_EQ(Position::fromRecord(start.Board, -1, r, 0), start);
}

}  // namespace
}  // namespace zk
