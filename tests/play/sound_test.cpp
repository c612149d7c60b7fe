#include "sound.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "headless_platform.h"
#include "sound_library.h"

namespace zk {
namespace {

namespace fs = std::filesystem;

// Runs a test inside a fresh empty directory and goes back afterwards.
class TempCwd {
public:
    TempCwd() {
        static int counter = 0;
        dir_ = fs::temp_directory_path() /
               ("zk_sound_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        fs::create_directories(dir_);
        old_ = fs::current_path();
        fs::current_path(dir_);
    }
    ~TempCwd() {
        fs::current_path(old_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    const fs::path& path() const { return dir_; }

private:
    fs::path dir_, old_;
};

// A headless platform whose sound operations go to the real library.
class RealSoundPlatform : public HeadlessPlatform {
public:
    RealSoundPlatform() { ::setenv("SDL_AUDIODRIVER", "dummy", 0); }  // no sound card needed
    std::int32_t dsInitialize(std::int64_t w) override { return lib.dsInitialize(w); }
    void dsTerminate(std::int32_t h) override { lib.dsTerminate(h); }
    std::int32_t dsCreateDSB(std::int32_t h, const std::uint8_t* b, std::size_t n, std::int32_t f,
                             const std::string&) override {
        return lib.dsCreateDSB(h, b, n, f);
    }
    void dsPlay(std::int32_t b) override { lib.dsPlay(b); }
    void dsPlayLooping(std::int32_t b) override { lib.dsPlayLooping(b); }
    void dsStop(std::int32_t b) override { lib.dsStop(b); }
    void dsFree(std::int32_t b) override { lib.dsFree(b); }
    SoundLibrary lib;
};

// Remembers what the sound calls were given.
class SoundRecorder : public HeadlessPlatform {
public:
    std::int32_t dsCreateDSB(std::int32_t h, const std::uint8_t* b, std::size_t n, std::int32_t f,
                             const std::string& name) override {
        sizes.push_back(n);
        flags.push_back(f);
        names.push_back(name);
        return HeadlessPlatform::dsCreateDSB(h, b, n, f, name);
    }
    void dsFree(std::int32_t b) override {
        calls.push_back("free " + std::to_string(b));
        HeadlessPlatform::dsFree(b);
    }
    void dsTerminate(std::int32_t h) override {
        calls.push_back("terminate " + std::to_string(h));
        HeadlessPlatform::dsTerminate(h);
    }
    std::vector<std::size_t> sizes;
    std::vector<std::int32_t> flags;
    std::vector<std::string> names;
    std::vector<std::string> calls;
};

TEST(Sound, StartUpAndShutdownWithTheRealLibrary) {
    RealSoundPlatform ui;
    ASSERT_TRUE(ui.lib.loaded());
    State s;
    s.screen.ui = &ui;
    サウンド初期化(s, 0);
    ASSERT_NE(s.sounds.soundLibraryHandle, 0);
    s.sounds.soundOther = サウンド読込(s, "その他.wav", 3);
    s.sounds.soundForbidden = サウンド読込(s, "禁止.wav", 3);
    s.sounds.soundPiece = サウンド読込(s, "駒打音.wav", 3);
    s.sounds.soundBgm = サウンド読込(s, "BGM.wav", 1);
    for (std::int32_t h :
         {s.sounds.soundOther, s.sounds.soundForbidden, s.sounds.soundPiece, s.sounds.soundBgm})
        EXPECT_NE(h, 0);
    ui.dsPlay(s.sounds.soundPiece);
    ui.dsPlayLooping(s.sounds.soundBgm);
    EXPECT_EQ(ui.lib.dsVoices(s.sounds.soundBgm), 1);
    EXPECT_TRUE(ui.transcript.empty());

    std::int32_t bgm = s.sounds.soundBgm;
    終了処理(s);
    EXPECT_EQ(ui.lib.dsVoices(bgm), 0);
    for (std::int32_t h : {s.sounds.soundLibraryHandle, s.sounds.soundOther,
                           s.sounds.soundForbidden, s.sounds.soundPiece, s.sounds.soundBgm})
        EXPECT_EQ(h, 0);
    終了処理(s);  // a second shutdown finds nothing to release
    EXPECT_TRUE(ui.transcript.empty());
}

TEST(Sound, FailedStartWarnsOncePerRunAndLoadsNothing) {
    SoundRecorder ui;
    ui.audioFails = true;
    State s;
    s.screen.ui = &ui;
    サウンド初期化(s, 0);
    EXPECT_EQ(s.sounds.soundLibraryHandle, 0);
    EXPECT_TRUE(ui.transcript.empty());  // the box waits for the painted board
    サウンド不可通知(s);
    EXPECT_EQ(ui.takeTranscript(),
              std::vector<std::string>{
                  "box! [Zenkoru.dll] Direct Soundインターフェースが作成できません。"});
    サウンド初期化(s, 0);  // starting up again, as loading a record does
    サウンド不可通知(s);
    EXPECT_TRUE(ui.transcript.empty());
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"})
        EXPECT_EQ(サウンド読込(s, name, 3), 0);
    EXPECT_TRUE(ui.sizes.empty());
    EXPECT_TRUE(ui.transcript.empty());
    終了処理(s);
    // Frees with zero handles, and no terminate without a library.
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"free 0", "free 0", "free 0", "free 0"}));
}

TEST(Sound, ShutdownFreesInOrderThenTerminates) {
    SoundRecorder ui;
    State s;
    s.screen.ui = &ui;
    サウンド初期化(s, 0);
    s.sounds.soundOther = 11;
    s.sounds.soundForbidden = 12;
    s.sounds.soundPiece = 13;
    s.sounds.soundBgm = 14;
    終了処理(s);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"free 11", "free 12", "free 13", "free 14",
                                                  "terminate 77"}));
    ui.calls.clear();
    終了処理(s);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"free 0", "free 0", "free 0", "free 0"}));
}

TEST(Sound, LooksInTheCurrentDirectoryFirstThenBesideTheProgram) {
    SoundRecorder ui;
    State s;
    s.screen.ui = &ui;
    サウンド初期化(s, 0);
    TempCwd cwd;
    {
        std::ofstream out("駒打音.wav", std::ios::binary);
        out << "0123456789";
    }
    EXPECT_NE(サウンド読込(s, "駒打音.wav", 3), 0);
    fs::remove("駒打音.wav");
    EXPECT_NE(サウンド読込(s, "駒打音.wav", 3), 0);
    EXPECT_NE(サウンド読込(s, "BGM.wav", 1), 0);
    ASSERT_EQ(ui.sizes.size(), 3u);
    EXPECT_EQ(ui.sizes[0], 10u);
    EXPECT_EQ(ui.sizes[1], fs::file_size(fs::path(programDirectory()) / "駒打音.wav"));
    EXPECT_EQ(ui.flags, (std::vector<std::int32_t>{3, 3, 1}));
    EXPECT_EQ(ui.names, (std::vector<std::string>{"駒打音.wav", "駒打音.wav", "BGM.wav"}));
    EXPECT_TRUE(ui.transcript.empty());
}

TEST(Sound, FilesThatCannotBeLoadedAreToldOnceInOneBox) {
    SoundRecorder ui;
    State s;
    s.screen.ui = &ui;
    サウンド初期化(s, 0);
    TempCwd cwd;
    fs::create_directory("dir.wav");
    ASSERT_EQ(::mkfifo("pipe.wav", 0600), 0);
    { std::ofstream out("空.wav", std::ios::binary); }
    for (int round = 0; round < 2; ++round) {
        for (const char* name : {"無い.wav", "dir.wav", "pipe.wav", "空.wav", "無い.wav"})
            EXPECT_EQ(サウンド読込(s, name, 3), 0) << name;  // a pipe must not block
        EXPECT_TRUE(ui.transcript.empty());
        サウンド問題通知(s);
        if (round == 1) break;
        EXPECT_EQ(ui.takeTranscript(),
                  std::vector<std::string>{
                      "box! [ｻｳﾝﾄﾞ] ｻｳﾝﾄﾞﾌｧｲﾙ「無い.wav」を読み込めません（ﾌｧｲﾙがありません）\r\n"
                      "ｻｳﾝﾄﾞﾌｧｲﾙ「dir.wav」を読み込めません（ﾌｫﾙﾀﾞです）\r\n"
                      "ｻｳﾝﾄﾞﾌｧｲﾙ「pipe.wav」を読み込めません（普通のﾌｧｲﾙではありません）\r\n"
                      "ｻｳﾝﾄﾞﾌｧｲﾙ「空.wav」を読み込めません（ﾌｧｲﾙが空です）\r\n"
                      "これらの音なしで続けます"});
    }
    EXPECT_TRUE(ui.transcript.empty());  // loading again tells nothing new
    EXPECT_TRUE(ui.sizes.empty());
}

TEST(Sound, CorruptFileGivesNoBufferFromTheRealLibrary) {
    RealSoundPlatform ui;
    State s;
    s.screen.ui = &ui;
    サウンド初期化(s, 0);
    ASSERT_NE(s.sounds.soundLibraryHandle, 0);
    TempCwd cwd;
    {
        std::ofstream out("禁止.wav", std::ios::binary);
        out << "RIFF----WAVEfmt nonsense";
    }
    EXPECT_EQ(サウンド読込(s, "禁止.wav", 3), 0);
    サウンド問題通知(s);
    EXPECT_EQ(ui.takeTranscript(),
              std::vector<std::string>{
                  "box! [ｻｳﾝﾄﾞ] ｻｳﾝﾄﾞﾌｧｲﾙ「禁止.wav」を読み込めません（WAVﾌｧｲﾙとして読めません）"
                  "\r\nこの音なしで続けます"});
    終了処理(s);
}

}  // namespace
}  // namespace zk
