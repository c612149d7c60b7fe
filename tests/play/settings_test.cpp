// The settings file "Zenkoru.ini": reading at start-up, the defaults for every
// kind of broken or missing file, and writing the menu's check marks.
#include "settings.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "clock_flow.h"
#include "form1.h"
#include "record_fixture.h"
#include "settings_format.h"

namespace zk {
namespace {

using testing::HeadlessGame;
using Strings = std::vector<std::string>;

const std::string kDefaults = "移動指導=OFF\r\nBGM=ON\r\n思考時間=5\r\nルール=本ソフト\r\n";

class SettingsFile : public testing::TempDirTest {
protected:
    HeadlessGame g;
    // Check marks and guidance colour as the menu shows them.
    void expectOptions(bool guidance, bool bgm) {
        EXPECT_EQ(g.ui.menuChecked("SIDOU"), guidance);
        EXPECT_EQ(g.s.press.guidanceColour, guidance ? Screen::textWhite : Screen::boardColour);
        EXPECT_EQ(g.ui.menuChecked("BGM"), bgm);
    }
    bool musicPlaying() const { return g.ui.looping.count(g.s.sounds.soundBgm) != 0; }
};

TEST_F(SettingsFile, ReadsEachCombination) {
    struct Case {
        const char* file;
        bool guidance, bgm;
    };
    const Case cases[] = {
        {"移動指導=ON\r\nBGM=ON\r\n", true, true},
        {"移動指導=ON\r\nBGM=OFF\r\n", true, false},
        {"移動指導=OFF\r\nBGM=OFF\r\n", false, false},
        {"移動指導=on\r\nBGM=ON\r\n", false, true},   // letter case counts
        {"移動指導=ON \r\nBGM=ON\r\n", false, true},  // so does a trailing blank
        {"移動指導=ON\r\nBGM=ON", true, true},        // last line without its end
        {"移動指導=ON\nBGM=ON\n", true, true},
        {"\r\n\r\n", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        writeFile("Zenkoru.ini", c.file);
        g.ui.checked = {};
        g.ui.looping.clear();
        g.transcript();
        読込_環境設定ファイル(g.s);
        expectOptions(c.guidance, c.bgm);
        EXPECT_EQ(musicPlaying(), c.bgm);
        EXPECT_EQ(readFile("Zenkoru.ini"), c.file);  // a readable file is not rewritten
        EXPECT_EQ(g.transcript(), c.bgm ? Strings{"loop BGM.wav"} : Strings{});
    }
}

// Every file that cannot be read as two lines of text leads to the defaults,
// written to the file, without a box.
TEST_F(SettingsFile, BrokenOrMissingFilesGiveTheDefaults) {
    struct Case {
        const char* name;
        std::string file;  // empty name: no file at all
    };
    const Case cases[] = {
        {"missing", ""},
        {"empty", "\x01"},  // replaced below by an empty file
        {"one line", "移動指導=ON\r\n"},
        {"binary", std::string("移動指導=ON\r\nBGM=OFF\r\n\0\0\x89PNG", 32)},
        {"not UTF-8", "\x88\xda\x93\xae\r\nBGM=OFF\r\n"},
        {"huge", "移動指導=ON\r\nBGM=OFF\r\n" + std::string(kMaxSettingsBytes, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove("Zenkoru.ini");
        if (std::string(c.name) == "empty")
            writeFile("Zenkoru.ini", "");
        else if (!c.file.empty())
            writeFile("Zenkoru.ini", c.file);
        g.ui.checked = {"SIDOU"};
        g.s.press.guidanceColour = Screen::textWhite;
        g.ui.looping.clear();
        g.transcript();
        読込_環境設定ファイル(g.s);
        expectOptions(false, true);
        EXPECT_TRUE(musicPlaying());
        EXPECT_EQ(readFile("Zenkoru.ini"), kDefaults);
        EXPECT_EQ(g.transcript(), Strings{"loop BGM.wav"});
        EXPECT_EQ(listing(), Strings{"Zenkoru.ini"});
    }
}

TEST_F(SettingsFile, UnwritableDirectoryStillGivesTheDefaults) {
    // A directory in the way of the file, and a current directory that is gone.
    std::filesystem::create_directory("Zenkoru.ini");
    読込_環境設定ファイル(g.s);
    expectOptions(false, true);
    EXPECT_TRUE(std::filesystem::is_directory("Zenkoru.ini"));
    EXPECT_EQ(g.transcript(), Strings{"loop BGM.wav"});

    std::filesystem::create_directory("gone");
    std::filesystem::current_path("gone");
    std::filesystem::remove(dir() / "gone");
    HeadlessGame other;
    other.ui.checked = {"SIDOU"};
    読込_環境設定ファイル(other.s);
    EXPECT_FALSE(other.ui.menuChecked("SIDOU"));
    EXPECT_TRUE(other.ui.menuChecked("BGM"));
    EXPECT_EQ(other.transcript(), Strings{"loop BGM.wav"});
    // Writing there fails quietly and keeps the user's choice.
    other.ui.checked = {"SIDOU"};
    書込_環境設定ファイル(other.s);
    EXPECT_TRUE(other.ui.menuChecked("SIDOU"));
    EXPECT_FALSE(other.ui.menuChecked("BGM"));
    EXPECT_TRUE(other.transcript().empty());
}

TEST_F(SettingsFile, WritesTheCheckMarks) {
    const struct {
        bool guidance, bgm;
        int seconds;
        const char* file;
    } cases[] = {
        {true, true, 5, "移動指導=ON\r\nBGM=ON\r\n思考時間=5\r\nルール=本ソフト\r\n"},
        {true, false, 1, "移動指導=ON\r\nBGM=OFF\r\n思考時間=1\r\nルール=本ソフト\r\n"},
        {false, true, 15, "移動指導=OFF\r\nBGM=ON\r\n思考時間=15\r\nルール=本ソフト\r\n"},
        {false, false, 5, "移動指導=OFF\r\nBGM=OFF\r\n思考時間=5\r\nルール=本ソフト\r\n"},
    };
    writeFile("Zenkoru.ini", std::string(100000, 'x'));
    for (const auto& c : cases) {
        g.ui.setMenuChecked("SIDOU", c.guidance);
        g.ui.setMenuChecked("BGM", c.bgm);
        for (int t : {1, 5, 15}) g.ui.setMenuChecked("THINK" + std::to_string(t), t == c.seconds);
        書込_環境設定ファイル(g.s);
        EXPECT_EQ(readFile("Zenkoru.ini"), c.file);
        EXPECT_EQ(parseSettings(c.file), (SettingsValues{c.guidance, c.bgm, c.seconds}));
    }
    EXPECT_EQ(listing(), Strings{"Zenkoru.ini"});
    EXPECT_TRUE(g.transcript().empty());  // writing neither shows nor plays anything
}

TEST_F(SettingsFile, LivesInTheSettingsFolderUnlessTheCurrentFolderHasOne) {
    // No file here: the settings folder is made and holds it.
    g.ui.settingsDir = (dir() / "config" / "zenkoru").string();
    読込_環境設定ファイル(g.s);
    EXPECT_EQ(readFile(dir() / "config/zenkoru/Zenkoru.ini"), kDefaults);
    g.ui.setMenuChecked("SIDOU", true);
    書込_環境設定ファイル(g.s);
    EXPECT_EQ(readFile(dir() / "config/zenkoru/Zenkoru.ini"),
              "移動指導=ON\r\nBGM=ON\r\n思考時間=5\r\nルール=本ソフト\r\n");
    EXPECT_FALSE(std::filesystem::exists("Zenkoru.ini"));

    // One kept in the current folder wins, for reading and for writing.
    writeFile("Zenkoru.ini", "移動指導=OFF\r\nBGM=OFF\r\n");
    読込_環境設定ファイル(g.s);
    expectOptions(false, false);
    g.ui.setMenuChecked("BGM", true);
    書込_環境設定ファイル(g.s);
    EXPECT_EQ(readFile("Zenkoru.ini"), kDefaults);
    EXPECT_EQ(readFile(dir() / "config/zenkoru/Zenkoru.ini"),
              "移動指導=ON\r\nBGM=ON\r\n思考時間=5\r\nルール=本ソフト\r\n");
}

// The thinking time is the third line; files written before it had none.
TEST_F(SettingsFile, ReadsTheThinkingTimeAndOlderFilesGiveFiveSeconds) {
    const struct {
        const char* file;
        int seconds;
    } cases[] = {
        {"移動指導=ON\r\nBGM=OFF\r\n", 5},
        {"移動指導=ON\r\nBGM=OFF\r\n思考時間=1\r\nルール=本ソフト\r\n", 1},
        {"移動指導=ON\r\nBGM=OFF\r\n思考時間=15", 15},
        {"移動指導=ON\r\nBGM=OFF\r\n思考時間=7\r\n", 5},
        {"移動指導=ON\r\nBGM=OFF\r\n\r\n思考時間=15\r\nルール=本ソフト\r\n",
         5},  // only the third line counts
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        writeFile("Zenkoru.ini", c.file);
        g.ui.checked = {"THINK1", "THINK5", "THINK15"};
        読込_環境設定ファイル(g.s);
        expectOptions(true, false);
        for (int t : {1, 5, 15})
            EXPECT_EQ(g.ui.menuChecked("THINK" + std::to_string(t)), t == c.seconds) << t;
        EXPECT_EQ(readFile("Zenkoru.ini"), c.file);
    }
}

// Older files have no clock; a chosen clock is written after the rules and
// read back onto the menus; 秒読み wins over an increment given with it.
TEST_F(SettingsFile, KeepsTheClockAndOlderFilesHaveNone) {
    writeFile("Zenkoru.ini", kDefaults);
    読込_環境設定ファイル(g.s);
    EXPECT_FALSE(g.s.clocks.chosen.enabled());
    EXPECT_TRUE(g.ui.menuChecked("MOCHI0") && g.ui.menuChecked("BYO0") &&
                g.ui.menuChecked("KASAN0"));
    for (const char* m : {"MOCHI10", "BYO30"}) ASSERT_TRUE(runMenuCommand(g.s, m));
    EXPECT_EQ(readFile("Zenkoru.ini"), kDefaults + "持ち時間=10\r\n秒読み=30\r\n加算=0\r\n");
    ASSERT_TRUE(runMenuCommand(g.s, "KASAN10"));  // an increment takes 秒読み's place
    EXPECT_EQ(readFile("Zenkoru.ini"), kDefaults + "持ち時間=10\r\n秒読み=0\r\n加算=10\r\n");
    writeFile("Zenkoru.ini", kDefaults + "持ち時間=30\r\n秒読み=60\r\n加算=10\r\n");
    g.s.clocks.chosen = {};
    読込_環境設定ファイル(g.s);
    EXPECT_EQ(g.s.clocks.chosen, (ClockSettings{1800, 60, 0}));
    EXPECT_TRUE(g.ui.menuChecked("MOCHI30") && g.ui.menuChecked("BYO60") &&
                g.ui.menuChecked("KASAN0"));
    EXPECT_FALSE(g.ui.menuChecked("MOCHI10") || g.ui.menuChecked("KASAN10"));
    // A broken number keeps what the line would set at its default.
    writeFile("Zenkoru.ini", kDefaults + "持ち時間=x\r\n秒読み=-5\r\n加算=1000\r\n");
    読込_環境設定ファイル(g.s);
    EXPECT_FALSE(g.s.clocks.chosen.enabled());
}

TEST_F(SettingsFile, AFailedWriteKeepsTheOldFileWhole) {
    writeFile("Zenkoru.ini", "移動指導=ON\r\nBGM=ON\r\n" + std::string(200, ' '));
    // A file-size limit makes every write fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit tiny = old;
    tiny.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    g.ui.checked = {};
    書込_環境設定ファイル(g.s);
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(readFile("Zenkoru.ini"), "移動指導=ON\r\nBGM=ON\r\n" + std::string(200, ' '));
    EXPECT_EQ(listing(), Strings{"Zenkoru.ini"});
    EXPECT_FALSE(g.ui.menuChecked("BGM"));
}

}  // namespace
}  // namespace zk
