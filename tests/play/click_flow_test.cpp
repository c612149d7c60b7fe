#include <climits>

#include "board_click.h"
#include "pieces.h"
#include "script_fixture.h"

namespace zk {
namespace {

using ClickFlow = ScriptTest;

TEST(PressSquare, MapsTwipsToColumnAndRowWithANegativeRowOrigin) {
    struct Case {
        int X, Y, col, row;
    } cases[] = {
        {710, 300, 1, 1},
        {709, 300, 0, 1},
        {710, 299, 1, 0},
        {6829, 7499, 12, 12},
        {6830, 7500, 13, 13},
        {199, -301, -1, -1},
        {INT_MIN, INT_MIN, -99, -99},
        {INT_MAX, INT_MAX, 99, 99},
    };
    for (const auto& c : cases) {
        int col = 0, row = 0;
        押下桝(c.X, c.Y, col, row);
        EXPECT_EQ(col, c.col) << c.X;
        EXPECT_EQ(row, c.row) << c.Y;
    }
}

TEST_F(ClickFlow, YThreeHundredIsRowOneAndYTwoNinetyNineIsOffTheBoard) {
    run("menu START");
    // Column 1 of row 1 holds a top-side piece: a press there shows its reach.
    run("click 720 299");
    EXPECT_EQ(s().press.selX, 0);
    EXPECT_EQ(s().press.selY, 0);
    run("click 720 300");
    EXPECT_EQ(s().press.selX, 1);
    EXPECT_EQ(s().press.selY, 1);
    EXPECT_EQ(s().press.selPiece, code::COM_白);
    EXPECT_EQ(s().press.clickPhase, 0);
}

TEST_F(ClickFlow, PressesFarOutsideTheWindowAreHarmless) {
    run("menu START");
    const BoardGrid before = s().game.Board;
    for (const char* line : {"click -2147483648 -2147483648", "click 2147483647 2147483647",
                             "click 0 0", "click 7000 100", "click -5 4000"}) {
        EXPECT_TRUE(run(line).empty()) << line;
    }
    run({"press 5 9", "click -2147483648 5000", "click 2147483647 5000"});
    EXPECT_EQ(s().game.Board, before);
    EXPECT_EQ(s().press.clickPhase, 1);
}

TEST_F(ClickFlow, SelectingOwnPieceMarksItsReachAndAwaitsTheDestination) {
    run("menu START");
    EXPECT_TRUE(press(5, 9).empty());
    EXPECT_EQ(s().press.clickPhase, 1);
    EXPECT_EQ(s().press.moveStep, 1);
    EXPECT_EQ(outline(5, 9), Screen::selectColour);
    EXPECT_EQ(outline(5, 8), Screen::textWhite);  // guidance is on
    EXPECT_EQ(outline(6, 8), Screen::textWhite);
    EXPECT_EQ(outline(5, 7), Screen::boardGridColour);
}

TEST_F(ClickFlow, SelectingAnOpponentPieceShowsItsReachButDoesNotSelectIt) {
    run("menu START");
    EXPECT_TRUE(press(5, 4).empty());
    EXPECT_EQ(s().press.clickPhase, 0);
    EXPECT_EQ(outline(5, 4), Screen::textWhite);
    EXPECT_EQ(outline(5, 5), Screen::textWhite);
}

TEST_F(ClickFlow, AnEmptySquareSelectsNothing) {
    run("menu START");
    EXPECT_TRUE(press(6, 6).empty());
    EXPECT_EQ(s().press.clickPhase, 0);
    EXPECT_EQ(s().press.moveStep, 1);
}

TEST_F(ClickFlow, PressingAnotherOwnPieceMovesTheSelection) {
    run({"menu START", "press 5 9"});
    EXPECT_TRUE(press(7, 9).empty());
    EXPECT_EQ(s().press.clickPhase, 1);
    EXPECT_EQ(s().press.selX, 7);
    EXPECT_EQ(s().press.selY, 9);
    EXPECT_EQ(outline(7, 9), Screen::selectColour);
    run("press 7 8");
    EXPECT_EQ(s().game.Board[7][8], code::MAN_と);
    EXPECT_EQ(s().game.Board[5][9], code::MAN_と);
}

TEST_F(ClickFlow, AnUncapturableOpponentPieceDropsTheSelectionSilently) {
    run({"menu START", "press 5 9"});
    EXPECT_TRUE(press(5, 4).empty());
    EXPECT_EQ(s().press.clickPhase, 0);
    EXPECT_EQ(outline(5, 9), Screen::boardGridColour);
    EXPECT_EQ(outline(5, 4), Screen::textWhite);
    EXPECT_EQ(outline(5, 5), Screen::textWhite);  // where the opponent's tokin can go
    EXPECT_EQ(s().game.record.recordEnd, 0);
}

TEST_F(ClickFlow, AnUnreachableEmptySquareIsIgnoredAndTheSelectionStays) {
    run({"menu START", "press 5 9"});
    EXPECT_TRUE(press(5, 6).empty());
    EXPECT_EQ(s().press.clickPhase, 1);
    EXPECT_EQ(s().press.selX, 5);
    EXPECT_EQ(s().press.selY, 9);
    run("press 5 8");
    EXPECT_EQ(s().game.Board[5][8], code::MAN_と);
}

TEST_F(ClickFlow, TwoHumansAlternateAndEachMoveIsRecordedCountedAndSounded) {
    run("menu START");
    Lines out = run({"press 5 9", "press 5 8"});
    EXPECT_EQ(out, (Lines{"sound 駒打音.wav"}));
    EXPECT_EQ(s().game.turnPlayer, Game::secondPlayer);
    EXPECT_EQ(s().game.moveCount, 1);
    EXPECT_EQ(s().press.clickPhase, 0);
    ASSERT_EQ(s().game.record.recordEnd, 1);
    EXPECT_EQ(s().game.record.at(1),
              (MoveRecord{5, 9, 5, 8, code::EMPTY, code::MAN_と, code::MAN_と}));
    EXPECT_EQ(imageOn(5, 8), "SITA_TO");
    EXPECT_EQ(imageOn(5, 9), "KARA_MASU");

    // The bottom side may not move again; the top side may.
    run({"press 6 9", "press 6 8"});
    EXPECT_EQ(s().game.Board[6][8], code::EMPTY);
    run({"press 8 4", "press 8 5"});
    EXPECT_EQ(s().game.Board[8][5], code::COM_と);
    EXPECT_EQ(s().game.turnPlayer, Game::firstPlayer);
    EXPECT_EQ(s().game.moveCount, 2);
}

TEST_F(ClickFlow, APromotionIsMadeAndRecordedWithBothCodes) {
    twoHumansOnQuietBoard();
    run({"put 3 5 -2", "put 3 4 9"});
    run({"press 3 5", "press 3 4"});
    EXPECT_EQ(s().game.Board[3][4], code::MAN_歩);
    EXPECT_EQ(s().game.record.at(1),
              (MoveRecord{3, 5, 3, 4, code::COM_銀, code::MAN_と, code::MAN_歩}));
}

TEST_F(ClickFlow, PhasesFollowTheTable) {
    run("menu START");
    EXPECT_EQ(s().press.clickPhase, 0);
    run("press 6 6");  // empty: stays 0
    EXPECT_EQ(s().press.clickPhase, 0);
    run("press 5 4");  // opponent: stays 0
    EXPECT_EQ(s().press.clickPhase, 0);
    run("press 5 9");  // own: 1
    EXPECT_EQ(s().press.clickPhase, 1);
    run("press 6 9");  // own again: reselect, still 1
    EXPECT_EQ(s().press.clickPhase, 1);
    run("press 6 6");  // unreachable: still 1
    EXPECT_EQ(s().press.clickPhase, 1);
    run("press 6 8");  // legal: moved, 0
    EXPECT_EQ(s().press.clickPhase, 0);
    EXPECT_EQ(s().press.moveStep, 1);
}

TEST_F(ClickFlow, TheTurnNoticeOfTwoHumansIsShownOnceOnTheNextPress) {
    run("menu START");
    s().press.turnNoticePending = Game::flagOn;
    EXPECT_EQ(run("click 0 0"), (Lines{"box [対局] 先手の番です"}));
    EXPECT_TRUE(run("click 0 0").empty());
    run({"press 5 9", "press 5 8"});
    s().press.turnNoticePending = Game::flagOn;
    EXPECT_EQ(press(8, 4), (Lines{"box [対局] 後手の番です"}));
    EXPECT_EQ(s().press.clickPhase, 1);  // the press still selects
}

TEST_F(ClickFlow, TheTurnNoticeAgainstTheComputerNamesMan) {
    run("menu SENTE");
    s().press.turnNoticePending = Game::flagOn;
    EXPECT_EQ(press(5, 9), (Lines{"box [対局] MANの番です"}));
    EXPECT_EQ(s().press.clickPhase, 1);
}

TEST_F(ClickFlow, APressOnTheComputersTurnLetsItMoveThenCountsAsTheHumans) {
    run("menu SENTE");
    s().game.turnPlayer = s().game.comPlayer;
    s().press.turnNoticePending = Game::flagOn;
    Lines out = press(5, 9);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out.front(), "box [再開(COM)] OKですか？");
    EXPECT_EQ(s().game.moveCount, 1);
    EXPECT_EQ(s().game.record.recordEnd, 1);
    EXPECT_GE(s().game.record.at(1).movedPiece, 1);
    EXPECT_EQ(s().game.turnPlayer, s().game.manPlayer);
    EXPECT_EQ(s().press.turnNoticePending, Game::flagOff);
    EXPECT_EQ(s().press.clickPhase, 1);
    EXPECT_EQ(s().press.selX, 5);
}

TEST_F(ClickFlow, InRecordModeEveryPressAsksAndYesChangesNothing) {
    run({"menu START", "press 5 9", "press 5 8"});
    s().game.recordMode = Game::flagOn;
    const BoardGrid before = s().game.Board;
    EXPECT_EQ(press(5, 8), (Lines{"ask [棋譜] 棋譜を '進 'で進めて下さい -> yes"}));
    EXPECT_EQ(s().game.Board, before);
    EXPECT_EQ(s().game.recordMode, Game::flagOn);
    EXPECT_EQ(s().press.clickPhase, 0);
}

TEST_F(ClickFlow, DecliningRecordModeSetsUpAFreshBoard) {
    run({"menu START", "press 5 9", "press 5 8"});
    s().game.recordMode = Game::flagOn;
    run("answer no");
    EXPECT_EQ(run("click 0 0"),
              (Lines{"ask [棋譜] 棋譜を '進 'で進めて下さい -> no", "sound 禁止.wav"}));
    State fresh;
    初期配置(fresh.game.Board);
    EXPECT_EQ(s().game.Board, fresh.game.Board);
    EXPECT_EQ(s().game.recordMode, Game::flagOff);
    EXPECT_EQ(s().game.turnPlayer, Game::noPlayer);
}

TEST_F(ClickFlow, EveryPressHidesTheRecordFilePanel) {
    ui().setFileListsVisible(true, true, true);
    ui().setNameInputVisible(true);
    ui().setNameInputText("abc");
    press(5, 9);
    EXPECT_FALSE(ui().driveVisible || ui().dirVisible || ui().fileVisible);
    EXPECT_FALSE(ui().nameInputVisible);
    EXPECT_EQ(ui().nameText, "");
}

}  // namespace
}  // namespace zk
