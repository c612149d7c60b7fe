#include "pieces.h"
#include "script_fixture.h"

namespace zk {
namespace {

int countSide(const BoardGrid& b, int sign) {
    int n = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (sign > 0 ? b[x][y] >= 1 : b[x][y] <= -1) ++n;
    return n;
}

// The start position with every applied record entry put on it.
BoardGrid replay(const GameRecord& r) {
    State fresh;
    初期配置(fresh.game.Board);
    for (int n = 1; n <= r.recordCount; ++n) {
        const MoveRecord& e = r.at(n);
        fresh.game.Board[e.fromX][e.fromY] = code::EMPTY;
        fresh.game.Board[e.toX][e.toY] = e.pieceAfter;
    }
    return fresh.game.Board;
}

// The board before a move with that move put on it: the piece leaves its
// square (and its intermediate square) and lands, possibly promoted.
BoardGrid applyMove(BoardGrid b, const RandomMove& m, PieceCode landed) {
    b[m.fromX][m.fromY] = code::EMPTY;
    if (m.secondX != 0) {
        b[m.toX][m.toY] = code::EMPTY;
        b[m.secondX][m.secondY] = landed;
    } else {
        b[m.toX][m.toY] = landed;
    }
    return b;
}

class RandomGame : public ScriptTest, public ::testing::WithParamInterface<int> {
    std::string settings() const override { return "移動指導=OFF\r\nBGM=OFF\r\n"; }
};

TEST_P(RandomGame, TwoHumansPlayLegalMovesThatKeepBoardAndRecordInStep) {
    run({"seed " + std::to_string(GetParam()), "menu START"});
    int men = countSide(s().game.Board, -1), coms = countSide(s().game.Board, 1);
    bool ended = false;
    int plies = 0;
    for (; plies < 600 && !ended; ++plies) {
        const BoardGrid before = s().game.Board;
        const int turn = s().game.turnPlayer;
        const int moves = s().game.moveCount;
        Lines out = run("random-move");
        const RandomMove& m = runner().lastRandomMove();
        ASSERT_TRUE(m.made) << (out.empty() ? "" : out.back());
        if (has(out, "ask [再ゲーム] 続けますか？ -> yes")) {
            ASSERT_TRUE(has(out, "box [終了] 先手の勝ちです") ||
                        has(out, "box [終了] 後手の勝ちです"));
            ended = true;
            break;
        }
        const PieceCode moved = before[m.fromX][m.fromY];
        const PieceCode landed = s().game.record.at(s().game.record.recordCount).pieceAfter;
        // The piece lands as itself or promoted to its unpromoted form.
        EXPECT_TRUE(landed == moved || landed == PieceCode(moved.whole() + (moved >= 1 ? -1 : 1)))
            << "ply " << plies;
        EXPECT_EQ(s().game.Board, applyMove(before, m, landed)) << "ply " << plies << " " << out[0];
        EXPECT_EQ(s().game.Board, replay(s().game.record)) << "ply " << plies;
        EXPECT_EQ(s().game.moveCount, moves + 1);
        EXPECT_EQ(s().game.turnPlayer, -turn);
        EXPECT_EQ(s().press.clickPhase, 0);
        EXPECT_EQ(s().press.moveStep, 1);
        const int menNow = countSide(s().game.Board, -1), comsNow = countSide(s().game.Board, 1);
        EXPECT_LE(menNow, men);
        EXPECT_LE(comsNow, coms);
        men = menNow;
        coms = comsNow;
        if (HasFailure()) break;
    }
    EXPECT_TRUE(ended || plies == 600);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomGame, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace zk
