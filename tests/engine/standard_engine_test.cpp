// The engine under the standard rules: it takes what a standard position
// offers, scores a position met before in the game as a draw, and ends a game
// where the rules' facts end it.
#include <gtest/gtest.h>

#include <random>

#include "engine.h"
#include "engine_board.h"
#include "game_end.h"
#include "standard_moves.h"

namespace zk::engine {
namespace {

// Kings at home and a few pawns each (so neither side is bare), bottom to move.
Position sparse() {
    Position p = standardInitial();
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) p.Board[x][y] = code::EMPTY;
    p.Board[6][12] = code::MAN_王;
    p.Board[7][1] = code::COM_王;
    for (int x : {1, 2, 11}) {
        p.Board[x][9] = code::MAN_歩;
        p.Board[x][4] = code::COM_歩;
    }
    p.mover = -1;
    return p;
}

TEST(StandardEngine, TakesAHangingLionAndTheLastRoyalPiece) {
    Engine e(8);
    Limits l;
    l.depth = 4;

    Position lion = sparse();
    lion.Board[4][8] = code::MAN_飛_B;
    lion.Board[4][5] = code::COM_獅_B;
    Result r = e.search(lion, -1, l);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.best.toX, 4);
    EXPECT_EQ(r.best.toY, 5);
    EXPECT_GT(r.score, 300);  // it stood a lion for a rook down

    // A crown prince would keep the top side alive; it has none.
    Position king = sparse();
    king.Board[7][8] = code::MAN_飛_B;
    r = e.search(king, -1, l);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.best.toX, 7);
    EXPECT_EQ(r.best.toY, 1);
    EXPECT_EQ(r.score, kWin - 1);
}

TEST(StandardEngine, APositionMetBeforeInTheGameIsADraw) {
    // The bottom side a lion down: every move of its own loses material.
    Position p = sparse();
    p.Board[4][3] = code::COM_獅_B;
    Engine e(8);
    Limits l;
    l.depth = 3;
    const Result alone = e.search(p, -1, l);
    EXPECT_LT(alone.score, -1000);

    // Every position its moves lead to was met before: all of them draw.
    std::vector<Move> moves;
    standardLegalMoves(p, moves);
    for (const Move& m : moves) {
        Position next = p;
        apply(next, m);
        l.history.push_back(positionKey(next));
    }
    e.clear();
    EXPECT_EQ(e.search(p, -1, l).score, 0);
}

// The verdict after each move of seeded standard games that prefer captures
// (so that bare sides come), against the rules' facts; the search board's
// verdict is the same but for the side with no move, which the search finds.
TEST(StandardEngine, OutcomeFollowsTheRulesFactsOverSeededGames) {
    int ended = 0, bare = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        Position p = standardInitial();
        for (int ply = 0; ply < 600; ++ply) {
            std::vector<Move> moves;
            standardLegalMoves(p, moves);
            std::vector<Move> pick;
            for (const Move& m : moves)
                if (!m.captured.isEmpty() || !m.capturedMid.isEmpty()) pick.push_back(m);
            if (pick.empty() || rng() % 4 == 0) pick = moves;
            ASSERT_FALSE(pick.empty());
            const int moved = p.mover;
            apply(p, pick[rng() % pick.size()]);
            const Outcome o = outcomeAfter(p, moved, EndRules::Symmetric);
            std::vector<Move> replies;
            standardLegalMoves(p, replies);
            ASSERT_EQ(o != Outcome::None, replies.empty()) << "seed " << seed << " ply " << ply;
            const SearchBoard b(p);
            if (!replies.empty() || standardGameEnded(p)) {
                ASSERT_EQ(b.outcome(moved, EndRules::Symmetric), o);
            }
            if (o == Outcome::None) continue;
            ++ended;
            const BoardGrid& g = p.Board;
            const bool movedBare = isBareRoyal(g, moved), otherBare = isBareRoyal(g, -moved);
            bare += movedBare || otherBare;
            const Outcome moverWins = moved > 0 ? Outcome::TopWins : Outcome::BottomWins;
            if (hasNoRoyal(g, -moved) || (otherBare && !movedBare))
                EXPECT_EQ(o, moverWins);
            else if (movedBare && otherBare)
                EXPECT_EQ(o, Outcome::Draw);
            else
                EXPECT_NE(o, Outcome::Draw);
            break;
        }
    }
    EXPECT_GE(ended, 10);
    EXPECT_GE(bare, 1);
}

}  // namespace
}  // namespace zk::engine
