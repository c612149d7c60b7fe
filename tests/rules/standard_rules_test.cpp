// The standard rule set, one rule at a time on small hand-made boards: the
// start, the falcon's jump, the lion's steps and its capture rules,
// promotion, the dead pawn and the bare royal piece. The published move
// counts (tests/formats) prove the whole; these say which rule broke.
#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "game_end.h"
#include "position.h"

namespace zk {
namespace {

using Piece = std::tuple<int, int, int>;  // column, row, code

// A standard position: both kings and a gold of each side in their corners,
// so that neither side is bare, and the pieces given.
Position board(std::initializer_list<Piece> pieces, int mover = -1) {
    BoardGrid b{};
    b[12][12] = PieceCode(-39);
    b[11][12] = PieceCode(-13);
    b[1][1] = PieceCode(39);
    b[2][1] = PieceCode(13);
    for (const auto& [x, y, c] : pieces) b[x][y] = PieceCode(c);
    Position p = Position::fromBoard(b, mover);
    p.rules = RuleSet::Standard;
    return p;
}

// The moves from (fx, fy) to (tx, ty): through (mx, my) when it is given,
// else single moves. Each is returned by its code after the move.
std::vector<Move> movesBetween(const Position& p, int fx, int fy, int tx, int ty, int mx = 0,
                               int my = 0) {
    std::vector<Move> found;
    for (const Move& m : legalMoves(p, Mover::Computer))
        if (m.fromX == fx && m.fromY == fy && m.toX == tx && m.toY == ty && m.midX == mx &&
            m.midY == my)
            found.push_back(m);
    return found;
}

TEST(StandardRules, TheStartIsTheStandardArrayEveryPiecePlain) {
    const Position p = Position::initial(RuleSet::Standard);
    EXPECT_EQ(p.rules, RuleSet::Standard);
    EXPECT_EQ(p.mover, -1);
    EXPECT_EQ(p.Board[6][10], PieceCode(-34));  // the bottom lion, left of the free king
    EXPECT_EQ(p.Board[7][10], PieceCode(-27));
    EXPECT_EQ(p.Board[6][11], PieceCode(-32));  // kirin, then phoenix
    EXPECT_EQ(p.Board[7][11], PieceCode(-25));
    EXPECT_EQ(p.Board[7][3], PieceCode(34));  // turned half a turn for the top side
    EXPECT_EQ(p.Board[4][8], PieceCode(-35));
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(p.Board[x][y], -p.Board[13 - x][13 - y]);
    EXPECT_EQ(Position::initial(RuleSet::Zenkoru), Position::initial());
    EXPECT_EQ(Position::initial().rules, RuleSet::Zenkoru);
}

TEST(StandardRules, TheFalconJumpsOverAPieceWhereZenkorusCannot) {
    Position p = board({{6, 8, -24}, {6, 7, -1}});
    EXPECT_EQ(movesBetween(p, 6, 8, 6, 6).size(), 1u);
    p.rules = RuleSet::Zenkoru;
    EXPECT_TRUE(movesBetween(p, 6, 8, 6, 6).empty());
    // The eagle likewise along its forward diagonals.
    const Position e = board({{6, 8, -18}, {5, 7, 1}});
    EXPECT_EQ(movesBetween(e, 6, 8, 4, 6).size(), 1u);
    EXPECT_EQ(movesBetween(e, 6, 8, 4, 6, 5, 7).size(), 1u);  // taking the pawn on the way
}

TEST(StandardRules, TheLionStepsTwiceCapturesInPlaceAndPasses) {
    const Position p = board({{6, 6, -34}, {6, 5, 1}, {7, 5, 9}});
    // Taking the pawn without moving, then the pawn and the silver.
    const auto igui = movesBetween(p, 6, 6, 6, 6, 6, 5);
    ASSERT_EQ(igui.size(), 1u);
    EXPECT_EQ(igui[0].capturedMid, PieceCode(1));
    EXPECT_EQ(movesBetween(p, 6, 6, 7, 5, 6, 5).size(), 1u);
    // A pass through an empty square; a jump and a two-step move to one square are two moves.
    EXPECT_EQ(movesBetween(p, 6, 6, 6, 6, 5, 6).size(), 1u);
    EXPECT_EQ(movesBetween(p, 6, 6, 4, 4).size(), 1u);
    EXPECT_EQ(movesBetween(p, 6, 6, 4, 4, 5, 5).size(), 1u);
    Position after = p;
    apply(after, igui[0]);
    EXPECT_EQ(after.Board[6][6], PieceCode(-34));
    EXPECT_TRUE(after.Board[6][5].isEmpty());
    EXPECT_EQ(after.mover, 1);
}

TEST(StandardRules, ALionTakesAProtectedLionTwoAwayOnlyOverABridge) {
    // The top lion on (6, 6) is protected by the gold behind it.
    const Position alone = board({{6, 8, -34}, {6, 6, 34}, {6, 5, 13}});
    EXPECT_TRUE(movesBetween(alone, 6, 8, 6, 6).empty());
    EXPECT_TRUE(movesBetween(alone, 6, 8, 6, 6, 6, 7).empty());
    // Unprotected, it may be taken from two squares away.
    EXPECT_EQ(movesBetween(board({{6, 8, -34}, {6, 6, 34}}), 6, 8, 6, 6).size(), 1u);
    // Adjacent, it may always be taken.
    EXPECT_EQ(movesBetween(board({{6, 7, -34}, {6, 6, 34}, {6, 5, 13}}), 6, 7, 6, 6).size(), 1u);
    // A pawn or a go-between is no bridge; a silver is.
    EXPECT_TRUE(
        movesBetween(board({{6, 8, -34}, {6, 7, 1}, {6, 6, 34}, {6, 5, 13}}), 6, 8, 6, 6, 6, 7)
            .empty());
    EXPECT_TRUE(
        movesBetween(board({{6, 8, -34}, {6, 7, 35}, {6, 6, 34}, {6, 5, 13}}), 6, 8, 6, 6, 6, 7)
            .empty());
    const Position bridge = board({{6, 8, -34}, {6, 7, 9}, {6, 6, 34}, {6, 5, 13}});
    EXPECT_EQ(movesBetween(bridge, 6, 8, 6, 6, 6, 7).size(), 1u);
    EXPECT_TRUE(movesBetween(bridge, 6, 8, 6, 6).empty());
    // The promoted kirin is a lion to these rules.
    EXPECT_TRUE(movesBetween(board({{6, 8, -33}, {6, 6, 34}, {6, 5, 13}}), 6, 8, 6, 6).empty());
}

TEST(StandardRules, AfterALionFallsToAnotherPieceOnlyALionTakesALion) {
    // The top gold may take the bottom lion; the bottom rook and promoted
    // kirin both reach the top lion.
    const Position p = board({{3, 8, -34}, {3, 7, 13}, {9, 4, 34}, {9, 10, -15}, {10, 5, -33}}, 1);
    const auto take = movesBetween(p, 3, 7, 3, 8);
    ASSERT_EQ(take.size(), 1u);
    Position next = p;
    apply(next, take[0]);
    EXPECT_TRUE(movesBetween(next, 9, 10, 9, 4).empty());
    EXPECT_EQ(movesBetween(next, 10, 5, 9, 4).size(), 1u);
    // Without the capture before it, the rook may take the lion.
    Position quiet = p;
    apply(quiet, movesBetween(p, 3, 7, 4, 8)[0]);
    EXPECT_FALSE(movesBetween(quiet, 9, 10, 9, 4).empty());
    // Only on the very next move.
    Position later = next;
    apply(later, movesBetween(next, 10, 5, 11, 6)[0]);
    apply(later, movesBetween(later, 3, 8, 4, 8)[0]);
    EXPECT_FALSE(movesBetween(later, 9, 10, 9, 4).empty());
}

// The codes a move from (fx, fy) to (tx, ty) may end with.
std::vector<int> afters(const Position& p, int fx, int fy, int tx, int ty) {
    std::vector<int> out;
    for (const Move& m : movesBetween(p, fx, fy, tx, ty)) out.push_back(m.after.whole());
    return out;
}

TEST(StandardRules, PromotionIsAChoiceOnEnteringTheZoneOrCapturingInIt) {
    using V = std::vector<int>;
    // Entering: plain or promoted to a vertical mover.
    EXPECT_EQ(afters(board({{5, 5, -9}}), 5, 5, 5, 4), (V{-9, -10}));
    // Within the zone: only with a capture, at either end of the move.
    EXPECT_EQ(afters(board({{5, 4, -9}}), 5, 4, 5, 3), (V{-9}));
    EXPECT_EQ(afters(board({{5, 4, -9}, {5, 3, 1}}), 5, 4, 5, 3), (V{-9, -10}));
    EXPECT_EQ(afters(board({{5, 4, -9}, {4, 5, 1}}), 5, 4, 4, 5), (V{-9, -10}));
    EXPECT_EQ(afters(board({{5, 4, -9}}), 5, 4, 4, 5), (V{-9}));
    // The top side's zone is rows 9..12; a promoted piece stays promoted.
    EXPECT_EQ(afters(board({{5, 8, 19}}, 1), 5, 8, 5, 9), (V{19, 20}));
    EXPECT_EQ(afters(board({{5, 8, 2}}, 1), 5, 8, 5, 9), (V{2}));
    // Pieces with no promoted form never promote.
    EXPECT_EQ(afters(board({{5, 5, -34}}), 5, 5, 5, 3), (V{-34}));
    // Both movers are given the choice.
    EXPECT_EQ(legalMoves(board({{5, 5, -9}}), Mover::Presses),
              legalMoves(board({{5, 5, -9}}), Mover::Computer));
}

TEST(StandardRules, APawnLeftPlainOnTheLastRowIsDead) {
    using V = std::vector<int>;
    // Within the zone a pawn promotes only on the last row, a lance likewise.
    EXPECT_EQ(afters(board({{5, 3, -1}}), 5, 3, 5, 2), (V{-1}));
    const Position p = board({{5, 2, -1}, {8, 3, -3}});
    EXPECT_EQ(afters(p, 5, 2, 5, 1), (V{-1, -2}));
    EXPECT_EQ(afters(p, 8, 3, 8, 1), (V{-3, -4}));
    // Left plain there, it never moves again.
    Position dead = board({{5, 1, -1}});
    for (const Move& m : legalMoves(dead)) EXPECT_FALSE(m.fromX == 5 && m.fromY == 1);
    EXPECT_TRUE(isDeadPiece(PieceCode(-1), 1));
    EXPECT_FALSE(isDeadPiece(PieceCode(-2), 1));
    EXPECT_FALSE(isDeadPiece(PieceCode(1), 1));
    EXPECT_TRUE(isDeadPiece(PieceCode(3), 12));
}

// A position with the two kings and the pieces given, nothing else.
Position kingsAnd(std::initializer_list<Piece> pieces, int mover) {
    BoardGrid b{};
    b[6][12] = PieceCode(-39);
    b[6][1] = PieceCode(39);
    for (const auto& [x, y, c] : pieces) b[x][y] = PieceCode(c);
    Position p = Position::fromBoard(b, mover);
    p.rules = RuleSet::Standard;
    return p;
}

TEST(StandardRules, ABareRoyalPieceEndsTheGameUnlessItBaresTheOtherAtOnce) {
    // The bottom king is bare (its dead pawn does not count).
    const Position answer = kingsAnd({{3, 1, -1}, {6, 11, 13}}, -1);
    EXPECT_TRUE(isBareRoyal(answer.Board, -1));
    EXPECT_FALSE(isBareRoyal(answer.Board, 1));
    // It may take the top side's last piece: the game goes on.
    EXPECT_TRUE(canBareAtOnce(answer));
    EXPECT_FALSE(standardGameEnded(answer));
    EXPECT_FALSE(legalMoves(answer).empty());
    // It cannot: the game is over and nothing moves.
    const Position lost = kingsAnd({{3, 1, -1}, {6, 6, 13}}, -1);
    EXPECT_FALSE(canBareAtOnce(lost));
    EXPECT_TRUE(standardGameEnded(lost));
    EXPECT_TRUE(legalMoves(lost).empty());
    // The bare side has had its move.
    EXPECT_TRUE(standardGameEnded(kingsAnd({{6, 11, 13}}, 1)));
    // A live pawn keeps a side from bare; a crown prince is royal and does not.
    EXPECT_FALSE(isBareRoyal(kingsAnd({{3, 2, -1}}, -1).Board, -1));
    EXPECT_TRUE(isBareRoyal(kingsAnd({{3, 11, -38}}, -1).Board, -1));
    // Both bare: over.
    EXPECT_TRUE(standardGameEnded(kingsAnd({}, -1)));
    // A side without a royal piece: over.
    Position noKing = board({{6, 6, -9}});
    noKing.Board[1][1] = code::EMPTY;
    EXPECT_TRUE(hasNoRoyal(noKing.Board, 1));
    EXPECT_TRUE(legalMoves(noKing).empty());
}

}  // namespace
}  // namespace zk
