#include <fstream>
#include <sstream>

#include "form1.h"
#include "pieces.h"
#include "script_fixture.h"

namespace zk {
namespace {

BoardGrid initialBoard() {
    State fresh;
    初期配置(fresh.game.Board);
    return fresh.game.Board;
}

using Startup = ScriptTest;

TEST_F(Startup, LaysOutTheInitialPositionWithNoGameRunning) {
    EXPECT_EQ(s().game.Board, initialBoard());
    EXPECT_EQ(s().game.turnPlayer, Game::noPlayer);
    EXPECT_EQ(s().game.comLevel, 3);
    EXPECT_EQ(s().press.clickPhase, 0);
    EXPECT_TRUE(ui().menuChecked("LEVEL3"));
    EXPECT_FALSE(ui().menuChecked("LEVEL1"));
    // The settings file turned guidance on.
    EXPECT_TRUE(ui().menuChecked("SIDOU"));
    EXPECT_EQ(s().press.guidanceColour, Screen::textWhite);
    EXPECT_NE(s().sounds.soundForbidden, 0);
    EXPECT_NE(s().sounds.soundPiece, 0);
    // The screen shows the position.
    EXPECT_EQ(imageOn(7, 1), "UE_OU");
    EXPECT_EQ(imageOn(6, 12), "SITA_OU");
    EXPECT_EQ(imageOn(6, 6), "KARA_MASU");
}

TEST_F(Startup, AnEmptyScriptPrintsTheInitialBoardWhenAsked) {
    ScriptRunner fresh;
    std::istringstream script("# nothing but a dump\n\nboard\n");
    std::ostringstream out;
    EXPECT_EQ(fresh.run(script, out), 0);
    std::string text = out.str();
    EXPECT_NE(text.find("> board\n"), std::string::npos);
    EXPECT_NE(
        text.find(" 1:     4    20     6    10    14    38    39    14    10     6    20     4"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find(" 9:    -2    -2    -2"), std::string::npos);
    EXPECT_NE(
        text.find("12:    -4   -20    -6   -10   -14   -39   -38   -14   -10    -6   -20    -4"),
        std::string::npos);
}

TEST_F(Startup, ABadScriptLineIsReportedAndCounted) {
    std::istringstream script(
        "menu NOSUCH\nfly 1 2\npress 1\nboard\npress 4210752 1\npress 1 -3579140\n"
        "put 1 1 1e300\npress 13 0\n");
    std::ostringstream out;
    EXPECT_EQ(runner().run(script, out), 6);
    EXPECT_NE(out.str().find("error: no menu command NOSUCH"), std::string::npos);
    // Squares whose middle has no twips value; one just off the board is a press.
    EXPECT_NE(out.str().find("> press 4210752 1\nerror: press needs a square"), std::string::npos);
    EXPECT_NE(out.str().find("> press 1 -3579140\nerror: press needs a square"), std::string::npos);
    EXPECT_NE(out.str().find("> press 13 0\nsound 禁止.wav"), std::string::npos);
}

TEST_F(Startup, ABoxWithALineBreakStaysOnOneLineOfTheTranscript) {
    std::istringstream script("menu VER\nboard\n");
    std::ostringstream out;
    runner().run(script, out);
    std::istringstream lines(out.str());
    std::string line;
    while (std::getline(lines, line)) {
        EXPECT_EQ(line.find('\r'), std::string::npos);
        if (line.rfind("box [", 0) == 0) {
            EXPECT_NE(line.find("1.0.0\\nMIT"), std::string::npos) << line;
        }
    }
}

TEST_F(Startup, APressBeforeAnyGameIsRefusedAndChangesNothing) {
    Lines out = press(5, 9);
    EXPECT_EQ(out, (Lines{"sound 禁止.wav", "box [開始] 「対局」で始めて下さい"}));
    EXPECT_EQ(s().game.Board, initialBoard());
    EXPECT_EQ(s().press.clickPhase, 0);
}

TEST_F(Startup, InitialSetupResetsThePlayStateButKeepsLevelModeAndSides) {
    run({"menu SENTE", "press 5 9", "press 5 8"});
    s().game.handicapLevel = 3;
    s().game.handicapChanged = Game::flagOn;
    s().game.recordMode = Game::flagOn;
    s().help.moveHelpMode = 2;
    s().game.isReversed = Game::flagOn;
    s().press.clickPhase = 1;
    s().press.moveStep = 2;
    s().game.comLevel = 1;
    s().game.record.slot(0).pieceAfter = code::COM_獅_R;
    s().game.Board[6][6] = code::MAN_王;
    s().game.gameMode = Game::modeHumans;
    s().game.manPlayer = Game::secondPlayer;
    s().game.comPlayer = Game::firstPlayer;
    ASSERT_GT(s().game.moveCount, 0);
    ASSERT_GT(s().game.record.recordEnd, 0);

    初期設定(s());

    EXPECT_EQ(s().game.handicapLevel, 0);
    EXPECT_EQ(s().game.handicapChanged, Game::flagOff);
    EXPECT_EQ(s().game.recordMode, Game::flagOff);
    EXPECT_EQ(s().game.turnPlayer, Game::noPlayer);
    EXPECT_EQ(s().game.moveCount, 0);
    EXPECT_EQ(s().help.moveHelpMode, 0);
    EXPECT_EQ(s().game.record.recordCount, 0);
    EXPECT_EQ(s().game.record.recordEnd, 0);
    EXPECT_EQ(s().game.isReversed, Game::flagOff);
    EXPECT_EQ(s().game.record.at(0).pieceAfter, PieceCode(1));
    EXPECT_EQ(s().press.clickPhase, 0);
    EXPECT_EQ(s().press.moveStep, 1);
    EXPECT_EQ(s().game.Board, initialBoard());
    EXPECT_EQ(imageOn(6, 6), "KARA_MASU");
    // Kept across a new game.
    EXPECT_EQ(s().game.comLevel, 1);
    EXPECT_EQ(s().game.gameMode, Game::modeHumans);
    EXPECT_EQ(s().game.manPlayer, Game::secondPlayer);
    EXPECT_EQ(s().game.comPlayer, Game::firstPlayer);
}

// Every way out of the program frees the sounds first and asks nothing.
class Leaving : public ScriptTest, public ::testing::WithParamInterface<const char*> {
    std::string settings() const override { return "移動指導=OFF\r\nBGM=ON\r\n"; }
};

TEST_P(Leaving, FreesTheSoundsThenQuitsWithoutAQuestion) {
    ASSERT_EQ(ui().looping.size(), 1u);
    run({"menu SENTE", "press 5 9", "press 5 8"});
    Lines out = run(GetParam());
    EXPECT_TRUE(ui().quitRequested);
    EXPECT_TRUE(ui().bufferNames.empty());
    EXPECT_TRUE(ui().looping.empty());
    const int terminated = indexOf(out, "sound library terminated");
    ASSERT_GE(terminated, 0);
    EXPECT_EQ(out.back(), "quit");
    EXPECT_LT(terminated, static_cast<int>(out.size()) - 1);
    for (const auto& line : out) EXPECT_NE(line.rfind("ask", 0), 0u) << line;
    // Nothing runs after the end.
    EXPECT_EQ(runner().execute("press 5 9").front(), "error: the program has ended");
}

INSTANTIATE_TEST_SUITE_P(EscMenuAndClose, Leaving,
                         ::testing::Values("key 27", "menu OWARI", "unload"));

TEST_F(Startup, OtherKeysAreIgnored) {
    EXPECT_TRUE(run({"key 13", "key 32", "key 0"}).empty());
    EXPECT_FALSE(ui().quitRequested);
}

struct EndCase {
    const char* winner;
    const char* box;
};
void PrintTo(const EndCase& c, std::ostream* os) { *os << c.winner; }

class GameEnd : public ScriptTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(GameEnd, AnnouncesTheWinnerAndEndsTheProgramOnNo) {
    run({"menu SENTE", "press 5 9", "press 5 8"});
    ui().answers.push_back(MsgAnswer::No);
    終了(s(), GetParam().winner);
    Lines out = ui().takeTranscript();
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(out[0], std::string("box [終了] ") + GetParam().box);
    EXPECT_EQ(out[1], "ask [再ゲーム] 続けますか？ -> no");
    EXPECT_EQ(out[2], "sound library terminated");
    EXPECT_EQ(out[3], "quit");
    EXPECT_TRUE(ui().bufferNames.empty());
}

TEST_P(GameEnd, SetsUpAFreshBoardOnYes) {
    run({"menu LEVEL2", "menu SENTE", "press 5 9", "press 5 8"});
    const int level = s().game.comLevel;
    ui().answers.push_back(MsgAnswer::Yes);
    終了(s(), GetParam().winner);
    Lines out = ui().takeTranscript();
    EXPECT_EQ(out, (Lines{std::string("box [終了] ") + GetParam().box,
                          "ask [再ゲーム] 続けますか？ -> yes"}));
    EXPECT_FALSE(ui().quitRequested);
    EXPECT_EQ(s().game.Board, initialBoard());
    EXPECT_EQ(s().game.turnPlayer, Game::noPlayer);
    EXPECT_EQ(s().game.comLevel, level);
}

INSTANTIATE_TEST_SUITE_P(Winners, GameEnd,
                         ::testing::Values(EndCase{"あなた", "あなたの勝ちです"},
                                           EndCase{"ｺﾝﾋﾟｭｰﾀ", "ｺﾝﾋﾟｭｰﾀの勝ちです"},
                                           EndCase{"先手", "先手の勝ちです"},
                                           EndCase{"後手", "後手の勝ちです"},
                                           EndCase{"引き分け", "引き分けです"}));

class Restart : public ScriptTest {
    std::string settings() const override { return "移動指導=OFF\r\nBGM=ON\r\n"; }
};

TEST_F(Restart, StartingUpAgainNeitherLeaksBuffersNorDoublesTheMusic) {
    ASSERT_EQ(ui().bufferNames.size(), 4u);
    ASSERT_EQ(ui().looping.size(), 1u);
    Lines out = run("reload");
    EXPECT_EQ(ui().bufferNames.size(), 4u);
    EXPECT_EQ(ui().looping.size(), 1u);
    EXPECT_TRUE(has(out, "sound library terminated"));
    EXPECT_EQ(out.back(), "loop BGM.wav");
}

TEST_F(Restart, ASoundThatCannotBeLoadedIsToldOnceOverTheBoardAndTheGamePlaysOn) {
    std::ofstream(dir_ / "禁止.wav", std::ios::trunc).close();
    Lines out = run("reload");
    EXPECT_EQ(out.back(),
              "box! [ｻｳﾝﾄﾞ] ｻｳﾝﾄﾞﾌｧｲﾙ「禁止.wav」を読み込めません（ﾌｧｲﾙが空です）\r\n"
              "この音なしで続けます");
    EXPECT_EQ(s().sounds.soundForbidden, 0);
    EXPECT_FALSE(has(run("reload"), out.back()));
    EXPECT_EQ(run("press 5 9"), Lines{"box [開始] 「対局」で始めて下さい"});
}

TEST_F(Restart, StartingUpAgainLeavesOnlyTheThirdLevelChecked) {
    ui().setMenuChecked("LEVEL3", false);
    ui().setMenuChecked("LEVEL1", true);
    s().game.comLevel = 1;
    run("reload");
    EXPECT_EQ(s().game.comLevel, 3);
    EXPECT_FALSE(ui().menuChecked("LEVEL1"));
    EXPECT_FALSE(ui().menuChecked("LEVEL2"));
    EXPECT_TRUE(ui().menuChecked("LEVEL3"));
}

class StartupWithMusic : public ScriptTest {
protected:
    std::string settings() const override { return "移動指導=ON\r\nBGM=ON\r\n"; }
};

// Preparing the sounds for the device takes longer than painting the board,
// so the board is painted first; the sounds still load before the settings
// start the music, and the notices still come over the painted board.
TEST_F(StartupWithMusic, PaintsTheBoardBeforeOpeningTheSoundsAndStillStartsTheMusic) {
    struct Watch : HeadlessPlatform {
        bool libraryOpen = false, openAtFirstFlush = true;
        int itemsAtFirstFlush = -1;
        void flush() override {
            if (itemsAtFirstFlush < 0) {
                itemsAtFirstFlush = static_cast<int>(screen().items().size());
                openAtFirstFlush = libraryOpen;
            }
            HeadlessPlatform::flush();
        }
        std::int32_t dsInitialize(std::int64_t window) override {
            libraryOpen = true;
            return HeadlessPlatform::dsInitialize(window);
        }
    };
    Watch watch;
    State st;
    st.screen.ui = &watch;
    Form_Load(st);
    EXPECT_GT(watch.itemsAtFirstFlush, 144);
    EXPECT_FALSE(watch.openAtFirstFlush);
    EXPECT_NE(st.sounds.soundBgm, 0);
    EXPECT_EQ(watch.takeTranscript(), Lines{"loop BGM.wav"});
}

}  // namespace
}  // namespace zk
