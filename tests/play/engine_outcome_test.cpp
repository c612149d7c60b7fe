// The engine's verdict on a game's end against the window's own end rules.
#include <gtest/gtest.h>

#include <random>

#include "com_mate.h"
#include "end_rules.h"
#include "engine.h"

namespace zk::engine {
namespace {

// The window's own verdict after `movedSide` made `m`, leading to `after`.
Outcome windowVerdict(const Position& after, int movedSide, const Move& m) {
    State s;
    駒価値設定(s.com);
    s.game.Board = after.Board;
    EndVerdict v;
    if (movedSide < 0) {
        v = 終局判定_対COM(s, m.captured);
    } else {
        終局前調査_COM手(computerPart(s));
        v = 終局判定_COM手(s, m.captured);
    }
    if (!v.ended) return Outcome::None;
    if (v.winner == "あなた") return Outcome::BottomWins;
    if (v.winner == "ｺﾝﾋﾟｭｰﾀ") return Outcome::TopWins;
    return Outcome::Draw;
}

TEST(EngineOutcome, AgreesWithTheWindowOverSeededGamesToTheirEnd) {
    int ended = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        Position p = Position::initial();
        for (int ply = 0; ply < 600; ++ply) {
            const auto moves = legalMoves(p, p.mover > 0 ? Mover::Computer : Mover::Presses);
            if (moves.empty()) break;
            const Move m = moves[rng() % moves.size()];
            Position next = p;
            apply(next, m);
            const Outcome mine = outcomeAfter(next, p.mover);
            // A royal piece taken on a lion's mid square is the one case the
            // window's test (which reads the destination) does not see.
            if (m.capturedMid.kind() < 38) {
                ASSERT_EQ(mine, windowVerdict(next, p.mover, m))
                    << "seed " << seed << " ply " << ply;
            }
            if (mine != Outcome::None) {
                ++ended;
                break;
            }
            p = next;
        }
    }
    // Most random games reach an end; the comparison must have seen some.
    EXPECT_GT(ended, 20);
}

}  // namespace
}  // namespace zk::engine
