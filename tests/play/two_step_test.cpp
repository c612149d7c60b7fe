#include "two_step.h"

#include "script_fixture.h"

namespace zk {
namespace {

TEST(TwoStepStart, OnlyTheShortStepsOfTheThreePiecesStartATwoStepMove) {
    struct Case {
        int fx, fy, tx, ty;
        PieceCode piece, mid;
    } cases[] = {
        {5, 10, 4, 9, code::MAN_鷲, code::MAN_鷲_1},  // toward column 1
        {5, 10, 6, 9, code::MAN_鷲, code::MAN_鷲_2},  // toward column 12
        {5, 3, 4, 4, code::COM_鷲, code::COM_鷲_1},
        {5, 3, 6, 4, code::COM_鷲, code::COM_鷲_2},
        {5, 10, 5, 9, code::MAN_鷲, code::EMPTY},   // straight: a single move
        {5, 10, 3, 8, code::MAN_鷲, code::EMPTY},   // the jump
        {5, 10, 4, 11, code::MAN_鷲, code::EMPTY},  // backward
        {4, 3, 4, 4, code::COM_鷹, code::COM_仲},
        {4, 10, 4, 9, code::MAN_鷹, code::MAN_仲},
        {4, 3, 4, 5, code::COM_鷹, code::EMPTY},  // two forward
        {4, 3, 4, 2, code::COM_鷹, code::EMPTY},  // backward
        {4, 3, 5, 4, code::COM_鷹, code::EMPTY},  // diagonal
        {6, 10, 7, 11, code::MAN_獅_B, code::MAN_獅_B_1},
        {7, 2, 6, 2, code::COM_獅_R, code::COM_獅_R_1},
        {6, 10, 6, 8, code::MAN_獅_B, code::EMPTY},  // the jump
        {6, 10, 6, 9, code::MAN_麒, code::EMPTY},
        {6, 10, 6, 9, code::MAN_王, code::EMPTY},
    };
    for (const auto& c : cases)
        EXPECT_EQ(二手目駒(c.fx, c.fy, c.tx, c.ty, c.piece), c.mid)
            << c.fx << c.fy << "->" << c.tx << c.ty;
}

using TwoStep = ScriptTest;

TEST_F(TwoStep, LionTakesThenReturnsToItsStartingSquare) {
    twoHumansOnQuietBoard();
    run({"put 6 8 -34", "put 6 7 1", "press 6 8", "answer yes"});
    Lines first = press(6, 7);
    EXPECT_EQ(first, (Lines{"sound 駒打音.wav", "ask [２手移動] もう一手移動しますか？ -> yes"}));
    EXPECT_EQ(s().press.moveStep, 2);
    EXPECT_EQ(s().press.clickPhase, 1);
    EXPECT_EQ(s().press.selX, 6);
    EXPECT_EQ(s().press.selY, 7);
    EXPECT_EQ(s().game.Board[6][7], code::MAN_獅_B);
    EXPECT_EQ(s().game.Board[6][8], code::EMPTY);
    EXPECT_EQ(s().game.moveCount, 0);
    EXPECT_EQ(s().game.turnPlayer, Game::firstPlayer);
    EXPECT_EQ(outline(6, 7), Screen::selectColour);

    EXPECT_EQ(press(6, 8), (Lines{"sound 駒打音.wav"}));
    EXPECT_EQ(s().game.Board[6][8], code::MAN_獅_B);
    EXPECT_EQ(s().game.Board[6][7], code::EMPTY);
    EXPECT_EQ(s().press.moveStep, 1);
    EXPECT_EQ(s().press.clickPhase, 0);
    EXPECT_EQ(s().game.moveCount, 1);
    EXPECT_EQ(s().game.turnPlayer, Game::secondPlayer);
    ASSERT_EQ(s().game.record.recordEnd, 2);
    EXPECT_EQ(s().game.record.at(1),
              (MoveRecord{6, 8, 6, 7, code::COM_歩, code::MAN_獅_B, code::MAN_獅_B}));
    EXPECT_EQ(s().game.record.at(2),
              (MoveRecord{6, 7, 6, 8, code::EMPTY, code::MAN_獅_B, code::MAN_獅_B}));
}

TEST_F(TwoStep, TheSecondStepIsRefusedWhenOutOfReachAndTheLionKeepsWaiting) {
    twoHumansOnQuietBoard();
    run({"put 6 8 -34", "put 6 7 1", "put 5 8 -9", "press 6 8", "answer yes", "press 6 7"});
    const BoardGrid waiting = s().game.Board;
    const Lines refused{"sound 禁止.wav", "box [2手目移動中] そこへ移動できません！"};
    EXPECT_EQ(press(6, 5), refused);  // two away from the intermediate square
    EXPECT_EQ(press(6, 7), refused);  // the intermediate square itself
    EXPECT_EQ(press(5, 8), refused);  // an own piece: no reselection now
    EXPECT_EQ(s().game.Board, waiting);
    EXPECT_EQ(s().press.moveStep, 2);
    EXPECT_EQ(s().game.record.recordEnd, 1);
    run("press 7 6");
    EXPECT_EQ(s().game.Board[7][6], code::MAN_獅_B);
    EXPECT_EQ(s().press.moveStep, 1);
    EXPECT_EQ(s().game.moveCount, 1);
}

TEST_F(TwoStep, DecliningTheSecondStepLeavesTwoRecordEntries) {
    twoHumansOnQuietBoard();
    run({"put 6 8 -33", "put 6 7 9", "press 6 8", "answer no"});
    Lines out = press(6, 7);
    EXPECT_EQ(out, (Lines{"sound 駒打音.wav", "ask [２手移動] もう一手移動しますか？ -> no",
                          "sound 駒打音.wav"}));
    EXPECT_EQ(s().game.Board[6][7], code::MAN_獅_R);
    EXPECT_EQ(s().game.Board[6][8], code::EMPTY);
    EXPECT_EQ(s().game.moveCount, 1);
    EXPECT_EQ(s().press.moveStep, 1);
    EXPECT_EQ(s().game.turnPlayer, Game::secondPlayer);
    ASSERT_EQ(s().game.record.recordEnd, 2);
    EXPECT_EQ(s().game.record.at(1),
              (MoveRecord{6, 8, 6, 7, code::COM_銀, code::MAN_獅_R, code::MAN_獅_R}));
    EXPECT_EQ(s().game.record.at(2),
              (MoveRecord{6, 8, 6, 7, code::MAN_獅_R, code::MAN_獅_R, code::MAN_獅_R}));
}

TEST_F(TwoStep, AnEagleThatPromotesAndStopsIsRecordedPromoted) {
    twoHumansOnQuietBoard();
    run({"put 5 5 -18", "press 5 5", "answer no", "press 4 4"});
    EXPECT_EQ(s().game.Board[4][4], code::MAN_龍_B);
    ASSERT_EQ(s().game.record.recordEnd, 2);
    EXPECT_EQ(s().game.record.at(1).pieceAfter, code::MAN_龍_B);
    EXPECT_EQ(s().game.record.at(2).movedPiece, code::MAN_鷲);  // pairs with the first entry
    EXPECT_EQ(s().game.record.at(2).pieceAfter, code::MAN_龍_B);
}

TEST_F(TwoStep, EagleContinuesAlongItsDiagonalOnly) {
    twoHumansOnQuietBoard();
    run({"put 5 10 -18", "press 5 10", "answer yes", "press 4 9"});
    EXPECT_EQ(s().press.secondStepPiece, code::MAN_鷲_1);
    EXPECT_EQ(s().game.Board[4][9], code::MAN_鷲);
    for (auto [x, y] : {std::pair{4, 8}, {5, 8}, {3, 9}, {3, 10}, {2, 7}}) {
        EXPECT_EQ(press(x, y),
                  (Lines{"sound 禁止.wav", "box [2手目移動中] そこへ移動できません！"}))
            << x << "," << y;
    }
    run("press 3 8");
    EXPECT_EQ(s().game.Board[3][8], code::MAN_鷲);
    EXPECT_EQ(s().game.moveCount, 1);
}

TEST_F(TwoStep, EagleMayGoBackToItsStartingSquare) {
    twoHumansOnQuietBoard();
    run({"put 5 10 -18", "put 6 9 5", "press 5 10", "answer yes", "press 6 9"});
    EXPECT_EQ(s().press.secondStepPiece, code::MAN_鷲_2);
    run("press 5 10");
    EXPECT_EQ(s().game.Board[5][10], code::MAN_鷲);
    EXPECT_EQ(s().game.Board[6][9], code::EMPTY);
}

TEST_F(TwoStep, FalconOfTheTopSideContinuesStraight) {
    twoHumansOnQuietBoard();
    run({"press 10 11", "press 10 10"});  // the bottom side moves first
    run({"put 4 3 24", "press 4 3", "answer yes", "press 4 4"});
    EXPECT_EQ(s().press.secondStepPiece, code::COM_仲);
    EXPECT_EQ(s().game.Board[4][4], code::COM_鷹);
    for (auto [x, y] : {std::pair{4, 6}, {5, 5}, {3, 4}}) {
        EXPECT_EQ(press(x, y),
                  (Lines{"sound 禁止.wav", "box [2手目移動中] そこへ移動できません！"}));
    }
    run("press 4 5");
    EXPECT_EQ(s().game.Board[4][5], code::COM_鷹);
    EXPECT_EQ(s().game.turnPlayer, Game::firstPlayer);
    EXPECT_EQ(s().game.moveCount, 2);
}

TEST_F(TwoStep, FalconMayComeBack) {
    twoHumansOnQuietBoard();
    run({"press 10 11", "press 10 10", "put 4 3 24", "put 4 4 -5", "press 4 3", "answer yes",
         "press 4 4", "press 4 3"});
    EXPECT_EQ(s().game.Board[4][3], code::COM_鷹);
    EXPECT_EQ(s().game.Board[4][4], code::EMPTY);
}

TEST_F(TwoStep, LongerMovesOfTheThreePiecesAskNothing) {
    twoHumansOnQuietBoard();
    run({"put 4 10 -24", "put 5 10 -18", "put 8 10 -34"});
    struct Case {
        int fx, fy, tx, ty;
    } cases[] = {{4, 10, 4, 8}, {5, 10, 5, 5}, {8, 10, 8, 8}};
    for (const auto& c : cases) {
        s().game.turnPlayer = Game::firstPlayer;
        const PieceCode piece = s().game.Board[c.fx][c.fy];
        Lines out = run({"press " + std::to_string(c.fx) + " " + std::to_string(c.fy),
                         "press " + std::to_string(c.tx) + " " + std::to_string(c.ty)});
        EXPECT_EQ(out, (Lines{"sound 駒打音.wav"})) << c.fx;
        EXPECT_EQ(s().game.Board[c.tx][c.ty], piece);
    }
}

TEST_F(TwoStep, ALionThatPromotesOnItsFirstStepMayStillStepOrthogonally) {
    twoHumansOnQuietBoard();
    run({"put 6 5 -33", "put 6 4 9", "put 5 4 5", "press 6 5", "answer yes"});
    EXPECT_EQ(press(6, 4),
              (Lines{"sound 駒打音.wav", "ask [２手移動] もう一手移動しますか？ -> yes"}));
    EXPECT_EQ(s().game.Board[6][4], code::MAN_麒);
    run("press 5 4");
    EXPECT_EQ(s().game.Board[5][4], code::MAN_麒);
    EXPECT_EQ(s().game.Board[6][4], code::EMPTY);
    EXPECT_EQ(s().press.moveStep, 1);
    EXPECT_EQ(s().press.clickPhase, 0);
    EXPECT_EQ(s().game.turnPlayer, Game::secondPlayer);
}

TEST_F(TwoStep, ARoyalTakenOnTheFirstStepEndsTheGameWhenTheSecondStepTakesNothing) {
    twoHumansOnQuietBoard();
    // The top side has its king only; the lion takes it and steps back.
    run({"put 6 1 0", "put 7 3 -34", "put 7 2 39", "put 7 1 0", "press 7 3", "answer yes",
         "press 7 2", "answer no"});
    Lines out = press(7, 3);
    EXPECT_TRUE(has(out, "box [終了] 先手の勝ちです")) << out.size();
    EXPECT_TRUE(ui().quitRequested);
}

}  // namespace
}  // namespace zk
