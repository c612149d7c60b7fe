#include <fstream>
#include <sstream>

#include "cell_text.h"
#include "form1.h"
#include "script_fixture.h"

namespace zk {
namespace {

using GameMenu = ScriptTest;

TEST_F(GameMenu, SenteAfterStartUpLetsTheHumanMoveFirst) {
    EXPECT_EQ(run("menu SENTE"), (Lines{"box [ ] MANの番です"}));
    EXPECT_EQ(s().game.gameMode, Game::modeCom);
    EXPECT_EQ(s().game.manPlayer, Game::firstPlayer);
    EXPECT_EQ(s().game.comPlayer, Game::secondPlayer);
    EXPECT_EQ(s().game.turnPlayer, Game::firstPlayer);
    EXPECT_EQ(panelTexts(ui(), 5), (Lines{"COM:", "COM:"}));
    EXPECT_EQ(panelTexts(ui(), 6), (Lines{"MAN:", "MAN:"}));
    press(5, 9);
    EXPECT_EQ(s().press.clickPhase, 1);
}

TEST_F(GameMenu, GoteAfterStartUpLetsTheComputerMoveAtOnce) {
    Lines out = run("menu GOTE");
    EXPECT_EQ(s().game.manPlayer, Game::secondPlayer);
    EXPECT_EQ(s().game.comPlayer, Game::firstPlayer);
    EXPECT_EQ(s().game.moveCount, 1);
    ASSERT_EQ(s().game.record.recordEnd, 1);
    EXPECT_GE(s().game.record.at(1).movedPiece, 1);
    EXPECT_EQ(s().game.turnPlayer, s().game.manPlayer);
    EXPECT_TRUE(has(out, "sound 駒打音.wav"));
    for (const auto& line : out) EXPECT_NE(line, "box [ ] MANの番です");
}

TEST_F(GameMenu, SenteOrGoteInTheMiddleOfAGameKeepsPositionAndRecord) {
    for (const char* command : {"menu SENTE", "menu GOTE"}) {
        run({"menu START", "press 5 9", "press 5 8", "press 8 4", "press 8 5"});
        const BoardGrid board = s().game.Board;
        const int entries = s().game.record.recordEnd;
        ASSERT_EQ(s().game.turnPlayer, s().game.manPlayer);
        EXPECT_EQ(run(command), (Lines{"box [対局] MANの番です"})) << command;
        EXPECT_EQ(s().game.Board, board);
        EXPECT_EQ(s().game.record.recordEnd, entries);
        EXPECT_EQ(s().game.manPlayer, Game::firstPlayer);
        EXPECT_EQ(s().game.turnPlayer, Game::firstPlayer);
        EXPECT_EQ(s().game.gameMode, Game::modeCom);
        初期設定(s());
    }
}

TEST_F(GameMenu, SenteOrGoteBetweenTheTwoStepsOfAMoveAreRefused) {
    for (const char* command : {"menu SENTE", "menu GOTE"}) {
        // The bottom lion steps next to itself and waits for its second step.
        run({"menu START", "press 5 9", "press 5 8", "press 8 4", "press 8 5", "answer yes",
             "press 6 10", "press 5 9"});
        ASSERT_EQ(s().press.moveStep, 2);
        const BoardGrid board = s().game.Board;
        const int entries = s().game.record.recordEnd;
        EXPECT_EQ(run(command), (Lines{"sound 禁止.wav", "box [対局] 2手目移動中はできません！"}))
            << command;
        EXPECT_EQ(s().game.Board, board);
        EXPECT_EQ(s().game.record.recordEnd, entries);
        EXPECT_EQ(s().press.moveStep, 2);
        EXPECT_EQ(s().press.clickPhase, 1);
        EXPECT_EQ(s().game.gameMode, Game::modeHumans);
        // The second step can still be taken.
        run("press 6 8");
        EXPECT_EQ(s().press.moveStep, 1);
        初期設定(s());
    }
}

TEST_F(GameMenu, SenteWhileItIsTheComputersTurnLetsItMoveAtOnce) {
    run({"menu START", "press 5 9", "press 5 8"});
    ASSERT_EQ(s().game.turnPlayer, s().game.comPlayer);
    run("menu SENTE");
    EXPECT_EQ(s().game.moveCount, 2);
    EXPECT_GE(s().game.record.at(2).movedPiece, 1);
    EXPECT_EQ(s().game.turnPlayer, s().game.manPlayer);
}

TEST_F(GameMenu, ContinuingAGameKeepsEveryRecordedStep) {
    // A declined two-step move leaves two entries for one move.
    run({"menu START", "put 6 8 -34", "press 6 8", "answer no", "press 6 7"});
    ASSERT_EQ(s().game.record.recordCount, 2);
    ASSERT_EQ(s().game.moveCount, 1);
    s().game.turnPlayer = s().game.manPlayer;
    run("menu SENTE");
    EXPECT_EQ(s().game.record.recordEnd, 2);
    EXPECT_EQ(s().game.record.recordCount, 2);
}

TEST_F(GameMenu, StartBeginsATwoHumanGameWithTheBottomSide) {
    s().press.clickPhase = 1;
    EXPECT_EQ(run("menu START"), (Lines{"box [ ] 先手の番です"}));
    EXPECT_EQ(s().game.gameMode, Game::modeHumans);
    EXPECT_EQ(s().game.manPlayer, Game::firstPlayer);
    EXPECT_EQ(s().game.turnPlayer, Game::firstPlayer);
    EXPECT_EQ(s().press.clickPhase, 1);  // not touched by スタート
    EXPECT_EQ(panelTexts(ui(), 5), (Lines{"後手:", "後手:"}));
    EXPECT_EQ(panelTexts(ui(), 6), (Lines{"先手:", "先手:"}));
}

TEST_F(GameMenu, StartContinuesAGameWhoseTopSideMovedFirst) {
    run("menu GOTE");
    ASSERT_EQ(s().game.comPlayer, Game::firstPlayer);
    ASSERT_EQ(s().game.turnPlayer, Game::secondPlayer);
    EXPECT_EQ(run("menu START"), (Lines{"box [ ] 後手の番です"}));
    // The labels drawn last: shadow, then the label itself.
    Lines upper = panelTexts(ui(), 5), lower = panelTexts(ui(), 6);
    ASSERT_GE(upper.size(), 2u);
    ASSERT_GE(lower.size(), 2u);
    EXPECT_EQ(Lines(upper.end() - 2, upper.end()), (Lines{"先手:", "先手:"}));
    EXPECT_EQ(Lines(lower.end() - 2, lower.end()), (Lines{"後手:", "後手:"}));
    EXPECT_EQ(s().game.comPlayer, Game::firstPlayer);
}

TEST_F(GameMenu, GameCommandsLeaveRecordModeAndMoveHelp) {
    for (const char* command : {"menu SENTE", "menu START"}) {
        初期設定(s());
        const BoardGrid board = s().game.Board;
        run({"menu IDOU_HLP", "press 5 9"});
        s().game.recordMode = Game::flagOn;
        s().press.turnNoticePending = Game::flagOn;
        run(command);
        EXPECT_EQ(s().help.moveHelpMode, 0) << command;
        EXPECT_EQ(s().game.recordMode, Game::flagOff);
        EXPECT_EQ(s().press.turnNoticePending, Game::flagOff);
        EXPECT_EQ(s().game.Board, board);
    }
}

TEST_F(GameMenu, OpeningTheMenusHidesTheRecordFilePanel) {
    for (const char* command : {"menu TAIKYOKU", "menu STOP", "menu OPTION"}) {
        ui().setFileListsVisible(true, true, true);
        ui().setNameInputVisible(true);
        EXPECT_TRUE(run(command).empty());
        EXPECT_FALSE(ui().driveVisible || ui().dirVisible || ui().fileVisible) << command;
        EXPECT_FALSE(ui().nameInputVisible) << command;
    }
}

TEST_F(GameMenu, EveryControlOfTheMenuIsACommandAndSubmenusDoNothing) {
    for (const char* control :
         {"TAIKYOKU", "MATCH_MAN", "START",      "START2", "SENTE",     "GOTE",       "LEVEL",
          "LEVEL1",   "LEVEL2",    "LEVEL3",     "STOP",   "CANCEL",    "REVERSE",    "REPLAY",
          "AFTER",    "LBEL_UP",   "LEBEL_DOWN", "KIFU",   "KIFU_READ", "KIFU_WRITE", "OPTION",
          "SIDOU",    "BGM",       "IDOU_HLP",   "VER",    "OWARI"})
        EXPECT_TRUE(runMenuCommand(s(), control)) << control;
    EXPECT_FALSE(runMenuCommand(s(), "NOSUCH"));
    EXPECT_FALSE(runMenuCommand(s(), "sente"));
}

TEST_F(GameMenu, SubmenuEntriesChangeNothing) {
    const Lines before = runner().stateDump();
    const BoardGrid board = s().game.Board;
    EXPECT_TRUE(run({"menu MATCH_MAN", "menu START2", "menu LEVEL", "menu KIFU"}).empty());
    EXPECT_EQ(runner().stateDump(), before);
    EXPECT_EQ(s().game.Board, board);
}

TEST_F(GameMenu, TheAboutBoxNamesProgramVersionAndLicence) {
    Lines out = run("menu VER");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].rfind("box [", 0), 0u);
    EXPECT_NE(out[0].find("Zenkoru"), std::string::npos);
    EXPECT_NE(out[0].find("1.0.0"), std::string::npos);
    EXPECT_NE(out[0].find("MIT"), std::string::npos);
}

TEST_F(GameMenu, GuidanceTogglesItsColourAndIsStoredInTheSettingsFile) {
    ASSERT_TRUE(ui().menuChecked("SIDOU"));
    run("menu SIDOU");
    EXPECT_FALSE(ui().menuChecked("SIDOU"));
    EXPECT_EQ(s().press.guidanceColour, Screen::boardGridColour);
    std::ifstream off("Zenkoru.ini", std::ios::binary);
    std::stringstream offText;
    offText << off.rdbuf();
    EXPECT_EQ(offText.str().rfind("移動指導=OFF\r\n", 0), 0u);
    // With guidance off a selection draws nothing visible.
    run({"menu START", "press 5 9"});
    EXPECT_EQ(outline(5, 8), Screen::boardGridColour);

    run("menu SIDOU");
    EXPECT_TRUE(ui().menuChecked("SIDOU"));
    EXPECT_EQ(s().press.guidanceColour, Screen::textWhite);
    std::ifstream on("Zenkoru.ini", std::ios::binary);
    std::stringstream onText;
    onText << on.rdbuf();
    EXPECT_EQ(onText.str().rfind("移動指導=ON\r\n", 0), 0u);
}

TEST_F(GameMenu, TurningGuidanceOffWipesTheMarks) {
    run({"menu START", "press 5 9"});
    ASSERT_EQ(outline(5, 8), Screen::textWhite);
    run("menu SIDOU");
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) EXPECT_EQ(outline(x, y), Screen::boardGridColour);
}

}  // namespace
}  // namespace zk
