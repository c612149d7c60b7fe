#include "level_handicap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw.h"
#include "headless_platform.h"
#include "pieces.h"

namespace zk {
namespace {

// The position right after the initial setup, between games.
struct HandicapFixture {
    HeadlessPlatform ui;
    State s;
    BoardGrid initial{};

    HandicapFixture() {
        s.screen.ui = &ui;
        駒価値設定(s.com);
        初期配置(s.game.Board);
        initial = s.game.Board;
        s.game.record = GameRecord{};
        s.game.record.slot(0).pieceAfter = PieceCode(1);
        s.game.turnPlayer = Game::noPlayer;
        s.sounds.soundLibraryHandle = ui.dsInitialize(0);
        const std::uint8_t byte = 0;
        s.sounds.soundForbidden =
            ui.dsCreateDSB(s.sounds.soundLibraryHandle, &byte, 1, 3, "禁止.wav");
        s.sounds.soundPiece =
            ui.dsCreateDSB(s.sounds.soundLibraryHandle, &byte, 1, 3, "駒打音.wav");
        ui.setMenuChecked("LEVEL3", true);
    }
    // The label texts now shown in the handicap box right of the board.
    std::vector<std::string> label() { return ui.screen().textsIn(cellX(14), cellY(2), 2200, 560); }
    std::vector<std::string> take() { return ui.takeTranscript(); }
};

TEST(Handicap, StepsUpRemoveTheComputersLionsAndFreeKingsAndStepsDownPutThemBack) {
    HandicapFixture f;
    const std::vector<std::tuple<int, int, int, const char*>> up = {
        {7, 2, 33, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
        {6, 2, 26, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},
        {7, 3, 34, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},
        {6, 3, 27, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"},
    };
    for (std::size_t i = 0; i < up.size(); ++i) {
        auto [x, y, piece, text] = up[i];
        ASSERT_EQ(f.s.game.Board[x][y], PieceCode(piece));
        LBEL_UP_Click(f.s);
        EXPECT_EQ(f.s.game.handicapLevel, static_cast<int>(i) + 1);
        EXPECT_TRUE(f.s.game.Board[x][y].isEmpty());
        EXPECT_EQ(f.label(), (std::vector<std::string>{text, text}));
        EXPECT_EQ(f.take(), std::vector<std::string>{"sound 駒打音.wav"});
        EXPECT_EQ(f.s.game.handicapChanged, Game::flagOn);
    }
    const BoardGrid atFour = f.s.game.Board;
    LBEL_UP_Click(f.s);  // beyond the limit: only the refusal sound
    EXPECT_EQ(f.s.game.handicapLevel, 4);
    EXPECT_EQ(f.s.game.Board, atFour);
    EXPECT_EQ(f.take(), std::vector<std::string>{"sound 禁止.wav"});

    for (int i = 3; i >= 0; --i) {
        LEBEL_DOWN_Click(f.s);
        EXPECT_EQ(f.s.game.handicapLevel, i);
        auto [x, y, piece, text] = up[i];
        EXPECT_EQ(f.s.game.Board[x][y], PieceCode(piece));
    }
    EXPECT_EQ(f.s.game.Board, f.initial);
    EXPECT_EQ(f.label(), (std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"}));
}

TEST(Handicap, StepsDownRemoveTheHumansPiecesAndStepsUpPutThemBack) {
    HandicapFixture f;
    const std::vector<std::tuple<int, int, int, const char*>> down = {
        {6, 11, -33, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"},
        {7, 11, -26, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},
        {6, 10, -34, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
        {7, 10, -27, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"},
    };
    for (std::size_t i = 0; i < down.size(); ++i) {
        auto [x, y, piece, text] = down[i];
        ASSERT_EQ(f.s.game.Board[x][y], PieceCode(piece));
        LEBEL_DOWN_Click(f.s);
        EXPECT_EQ(f.s.game.handicapLevel, -static_cast<int>(i) - 1);
        EXPECT_TRUE(f.s.game.Board[x][y].isEmpty());
        EXPECT_EQ(f.label().back(), text);
    }
    f.take();
    LEBEL_DOWN_Click(f.s);
    EXPECT_EQ(f.s.game.handicapLevel, -4);
    EXPECT_EQ(f.take(), std::vector<std::string>{"sound 禁止.wav"});
    for (int i = 3; i >= 0; --i) {
        LBEL_UP_Click(f.s);
        auto [x, y, piece, text] = down[i];
        EXPECT_EQ(f.s.game.Board[x][y], PieceCode(piece));
    }
    EXPECT_EQ(f.s.game.handicapLevel, 0);
    EXPECT_EQ(f.s.game.Board, f.initial);
}

TEST(Handicap, RefusalsKeepThePositionAndSayWhy) {
    struct Case {
        const char* name;
        int recordMode, recordCount, turnPlayer, isReversed;
        std::string text;
        int changedAfter;
    };
    const std::vector<Case> cases = {
        {"record mode", 1, 3, 1, 1, "棋譜ﾓｰﾄﾞではできません(局面→最初)", Game::flagOff},
        {"moves played", 0, 1, 0, 0, "対局途中ではできません", Game::flagOff},
        {"game started", 0, 0, 1, 0, "'局面 '→ '最初 'にして下さい", Game::flagOn},
        {"board flipped", 0, 0, 0, 1, "'局面 '→ '最初 'にして下さい", Game::flagOn},
    };
    for (const Case& c : cases) {
        for (void (*click)(State&) : {&LBEL_UP_Click, &LEBEL_DOWN_Click}) {
            HandicapFixture f;
            f.s.game.recordMode = c.recordMode;
            f.s.game.record.recordCount = c.recordCount;
            f.s.game.record.recordEnd = c.recordCount;
            f.s.game.turnPlayer = c.turnPlayer;
            f.s.game.isReversed = c.isReversed;
            click(f.s);
            EXPECT_EQ(f.take(), (std::vector<std::string>{"sound 禁止.wav",
                                                          "box [ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定] " + c.text}))
                << c.name;
            EXPECT_EQ(f.s.game.handicapLevel, 0) << c.name;
            EXPECT_EQ(f.s.game.Board, f.initial) << c.name;
            EXPECT_EQ(f.s.game.handicapChanged, c.changedAfter) << c.name;
        }
    }
}

TEST(Handicap, HidesTheRecordPanelAndLeavesMoveHelpFirst) {
    HandicapFixture f;
    f.ui.setFileListsVisible(true, true, true);
    f.ui.setNameInputVisible(true);
    f.ui.setNameInputText("abc");
    // Move help has a lone piece on the board; the real position is saved.
    f.s.help.helpBoardBackup = f.s.game.Board;
    for (auto& column : f.s.game.Board) column.fill(code::EMPTY);
    f.s.game.Board[6][9] = PieceCode(-24);
    f.s.help.moveHelpMode = 2;
    LBEL_UP_Click(f.s);
    EXPECT_FALSE(f.ui.driveVisible || f.ui.dirVisible || f.ui.fileVisible);
    EXPECT_FALSE(f.ui.nameInputVisible);
    EXPECT_EQ(f.ui.nameInputText(), "");
    EXPECT_EQ(f.s.help.moveHelpMode, 0);
    BoardGrid expected = f.initial;
    expected[7][2] = code::EMPTY;
    EXPECT_EQ(f.s.game.Board, expected);
    EXPECT_EQ(f.s.game.handicapLevel, 1);
}

TEST(Level, ChoosingALevelChecksItAndDrawsTheIndicatorOnce) {
    HandicapFixture f;
    const std::vector<void (*)(State&)> clicks = {&LEVEL1_Click, &LEVEL2_Click, &LEVEL3_Click};
    for (int n : {2, 1, 3}) {
        const auto generation = f.ui.screen().generation();
        clicks[n - 1](f.s);
        EXPECT_EQ(f.s.game.comLevel, n);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(f.ui.menuChecked("LEVEL" + std::to_string(i)), i == n) << n << " " << i;
        EXPECT_NE(f.ui.screen().generation(), generation) << n;
    }
    // The level already checked: nothing at all happens.
    f.s.game.comLevel = 2;  // would show if the handler set it again
    const auto generation = f.ui.screen().generation();
    LEVEL3_Click(f.s);
    EXPECT_EQ(f.s.game.comLevel, 2);
    EXPECT_EQ(f.ui.screen().generation(), generation);
}

}  // namespace
}  // namespace zk
