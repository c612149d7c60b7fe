#include "move_help.h"

#include "script_fixture.h"

namespace zk {
namespace {

TEST(HelpRow, PlacesShortRangePiecesNearerTheMiddleThanLongRangeOnes) {
    const int shortKinds[] = {1, 2, 5, 6, 7, 9, 13, 19, 30, 35, 36, 37, 38, 39};
    for (int kind = 1; kind <= 39; ++kind) {
        bool isShort = false;
        for (int k : shortKinds) isShort = isShort || k == kind;
        EXPECT_EQ(HLP駒Y座標(PieceCode(-kind)), isShort ? 5 : 6) << kind;
        EXPECT_EQ(HLP駒Y座標(PieceCode(kind)), isShort ? 8 : 7) << kind;
    }
    EXPECT_EQ(HLP駒Y座標(code::EMPTY), 0);
    EXPECT_EQ(HLP駒Y座標(code::COM_鷲_1), 0);
    EXPECT_EQ(HLP駒Y座標(code::MAN_獅_B_1), 0);
}

class MoveHelp : public ScriptTest {
protected:
    // The board and the screen of every square, to compare before and after.
    std::pair<BoardGrid, Lines> snapshot() { return {s().game.Board, runner().screenDump()}; }
};

const Lines kPickAPiece{"box [移動ﾍﾙﾌﾟ] 駒をｸﾘｯｸして下さい"};
const Lines kCannotGo{"sound 禁止.wav", "box [移動ﾍﾙﾌﾟ] そこへ移動できません！"};

TEST_F(MoveHelp, ABottomTokinIsTriedAloneAndPromotesOnRowFour) {
    run({"menu START", "press 1 9", "press 1 8"});
    const auto before = snapshot();
    const Lines stateBefore = runner().stateDump();
    const Lines recordBefore = runner().recordDump();

    EXPECT_EQ(run("menu IDOU_HLP"), kPickAPiece);
    EXPECT_EQ(s().help.moveHelpMode, 1);
    EXPECT_TRUE(press(5, 9).empty());
    EXPECT_EQ(s().help.moveHelpMode, 2);
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            EXPECT_EQ(s().game.Board[x][y], (x == 6 && y == 5) ? code::MAN_と : code::EMPTY);
    EXPECT_EQ(imageOn(6, 5), "SITA_TO");
    EXPECT_EQ(imageOn(5, 9), "KARA_MASU");
    EXPECT_EQ(outline(6, 5), Screen::selectColour);
    for (auto [x, y] : {std::pair{5, 4}, {6, 4}, {7, 4}, {5, 5}, {7, 5}, {6, 6}})
        EXPECT_EQ(outline(x, y), Screen::textWhite) << x << "," << y;
    EXPECT_NE(outline(5, 6), Screen::textWhite);

    EXPECT_EQ(press(6, 4), (Lines{"sound 駒打音.wav"}));
    EXPECT_EQ(s().help.moveHelpMode, 3);
    EXPECT_EQ(imageOn(6, 4), "SITA_HU");  // shown promoted, not put on the board
    EXPECT_EQ(s().game.Board[6][4], code::EMPTY);
    EXPECT_EQ(outline(6, 3), Screen::textWhite);  // where the pawn could go next
    EXPECT_EQ(outline(6, 4), Screen::selectColour);

    EXPECT_TRUE(press(1, 1).empty());
    EXPECT_EQ(s().help.moveHelpMode, 0);
    EXPECT_EQ(snapshot().first, before.first);
    EXPECT_EQ(runner().stateDump(), stateBefore);
    EXPECT_EQ(runner().recordDump(), recordBefore);
}

TEST_F(MoveHelp, ATopPieceStandsOnItsOwnRow) {
    run({"menu IDOU_HLP", "press 5 4"});
    EXPECT_EQ(s().game.Board[6][8], code::COM_と);
    EXPECT_EQ(outline(6, 9), Screen::textWhite);
    run({"menu IDOU_HLP", "press 7 1"});
    EXPECT_EQ(s().game.Board[6][8], code::COM_王);
    run({"menu IDOU_HLP", "press 3 3"});
    EXPECT_EQ(s().game.Board[6][7], code::COM_龍_R);
}

TEST_F(MoveHelp, WorksWithoutAGameAndRefusesEmptyOrOutsidePresses) {
    run("menu IDOU_HLP");
    EXPECT_EQ(press(6, 6), kPickAPiece);
    EXPECT_EQ(run("click 100 100"), kPickAPiece);
    EXPECT_EQ(run("click -2147483648 2147483647"), kPickAPiece);
    EXPECT_EQ(s().help.moveHelpMode, 1);
    run("press 6 10");
    EXPECT_EQ(s().help.moveHelpMode, 2);
    EXPECT_EQ(s().game.Board[6][6], code::MAN_獅_B);
}

TEST_F(MoveHelp, AnImpossibleOrOutsideDestinationIsRefused) {
    run({"menu IDOU_HLP", "press 5 9"});
    const BoardGrid scratch = s().game.Board;
    EXPECT_EQ(press(6, 3), kCannotGo);
    EXPECT_EQ(run("click 100 100"), kCannotGo);
    EXPECT_EQ(run("click 2147483647 -2147483648"), kCannotGo);
    EXPECT_EQ(s().game.Board, scratch);
    EXPECT_EQ(s().help.moveHelpMode, 2);
}

TEST_F(MoveHelp, ALionTriesBothStepsOnTheScratchBoard) {
    const auto before = snapshot();
    run({"menu IDOU_HLP", "press 6 10", "answer yes"});
    EXPECT_EQ(press(6, 5),
              (Lines{"sound 駒打音.wav", "ask [２手移動] もう一手移動しますか？ -> yes"}));
    EXPECT_EQ(s().game.Board[6][5], code::MAN_獅_B_1);
    EXPECT_EQ(s().help.helpStep, 2);
    EXPECT_EQ(s().help.moveHelpMode, 2);
    EXPECT_EQ(press(6, 3), kCannotGo);  // the second step is one square
    EXPECT_EQ(press(5, 4), (Lines{"sound 駒打音.wav"}));
    EXPECT_EQ(s().help.moveHelpMode, 3);
    EXPECT_EQ(imageOn(5, 4), "SITA_SISI_B");
    run("press 1 1");
    EXPECT_EQ(snapshot().first, before.first);
}

TEST_F(MoveHelp, DecliningTheSecondStepEndsMoveHelp) {
    const auto before = snapshot();
    run({"menu IDOU_HLP", "press 6 11", "answer no"});
    EXPECT_EQ(press(7, 5),
              (Lines{"sound 駒打音.wav", "ask [２手移動] もう一手移動しますか？ -> no"}));
    EXPECT_EQ(s().help.moveHelpMode, 0);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(MoveHelp, TheEagleAndFalconContinueWithTheirMidMoveCodes) {
    run({"menu IDOU_HLP", "press 5 10", "answer yes", "press 5 5"});
    EXPECT_EQ(s().game.Board[5][5], code::MAN_鷲_1);
    EXPECT_EQ(press(6, 4), kCannotGo);
    EXPECT_EQ(press(4, 4), (Lines{"sound 駒打音.wav"}));

    run({"menu IDOU_HLP", "press 4 3", "answer yes", "press 6 8"});
    EXPECT_EQ(s().game.Board[6][8], code::COM_鷹_1);
    EXPECT_EQ(press(6, 7), (Lines{"sound 駒打音.wav"}));  // back again
    EXPECT_EQ(imageOn(6, 7), "UE_TAKA");
}

TEST_F(MoveHelp, RestartingPutsThePositionBackFirst) {
    const auto before = snapshot();
    run({"menu IDOU_HLP", "press 5 9"});
    run("menu IDOU_HLP");
    EXPECT_EQ(s().help.moveHelpMode, 1);
    EXPECT_EQ(snapshot(), before);
    run("press 8 9");
    EXPECT_EQ(s().game.Board[6][5], code::MAN_と);
}

TEST_F(MoveHelp, TheGameWaitsAndResumesUnchanged) {
    run({"menu START", "press 5 9", "press 5 8", "press 8 4"});
    const BoardGrid board = s().game.Board;
    run({"menu IDOU_HLP", "press 8 4", "press 6 9", "press 1 1"});
    EXPECT_EQ(s().game.Board, board);
    EXPECT_EQ(s().game.turnPlayer, Game::secondPlayer);
    EXPECT_EQ(s().game.moveCount, 1);
    EXPECT_EQ(s().game.record.recordEnd, 1);
    // The selection from before is still there.
    run("press 8 5");
    EXPECT_EQ(s().game.Board[8][5], code::COM_と);
}

}  // namespace
}  // namespace zk
