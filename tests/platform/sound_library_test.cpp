#include "sound_library.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace zk {
namespace {

namespace fs = std::filesystem;

// The bytes of a generated sound file beside the test program.
std::vector<std::uint8_t> soundBytes(const std::string& name) {
    std::ifstream in(fs::path(executableDirectory()) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SoundLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 0);  // no sound card needed
        ASSERT_TRUE(lib.loaded()) << "libZenkoru.so beside " << executableDirectory();
        handle = lib.dsInitialize(0);
        ASSERT_NE(handle, 0);
    }
    void TearDown() override { lib.dsTerminate(handle); }

    std::int32_t create(const std::vector<std::uint8_t>& bytes, std::int32_t flag = 3) {
        return lib.dsCreateDSB(handle, bytes.data(), bytes.size(), flag);
    }

    SoundLibrary lib;
    std::int32_t handle = 0;
};

TEST(ProgramDirectory, IsWhereThisProgramLives) {
    EXPECT_TRUE(fs::exists(fs::path(executableDirectory()) / "zk_test_platform"));
}

TEST_F(SoundLibraryTest, MakesBuffersFromEveryGeneratedSound) {
    std::vector<std::int32_t> buffers;
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) {
        auto bytes = soundBytes(name);
        ASSERT_GT(bytes.size(), 44u) << name;
        std::int32_t b = create(bytes, std::string(name) == "BGM.wav" ? 1 : 3);
        EXPECT_NE(b, 0) << name;
        for (std::int32_t other : buffers) EXPECT_NE(b, other);
        buffers.push_back(b);
        lib.dsPlay(b);
    }
    for (std::int32_t b : buffers) lib.dsFree(b);
}

TEST_F(SoundLibraryTest, PlayLoopStopAndFree) {
    std::int32_t bgm = create(soundBytes("BGM.wav"), 1);
    ASSERT_NE(bgm, 0);
    EXPECT_EQ(lib.dsVoices(bgm), 0);
    lib.dsPlay(bgm);
    EXPECT_EQ(lib.dsVoices(bgm), 1);
    lib.dsPlay(bgm);  // restarts, never a second voice
    EXPECT_EQ(lib.dsVoices(bgm), 1);
    lib.dsPlayLooping(bgm);
    lib.dsPlayLooping(bgm);
    EXPECT_EQ(lib.dsVoices(bgm), 1);
    lib.dsStop(bgm);
    EXPECT_EQ(lib.dsVoices(bgm), 0);
    lib.dsStop(bgm);
    lib.dsPlayLooping(bgm);
    EXPECT_EQ(lib.dsVoices(bgm), 1);
    lib.dsFree(bgm);
    EXPECT_EQ(lib.dsVoices(bgm), 0);
    // A freed handle is unknown from then on.
    lib.dsPlay(bgm);
    lib.dsPlayLooping(bgm);
    lib.dsStop(bgm);
    lib.dsFree(bgm);
    EXPECT_EQ(lib.dsVoices(bgm), 0);
}

TEST_F(SoundLibraryTest, CorruptImagesGiveNoBuffer) {
    auto good = soundBytes("駒打音.wav");
    ASSERT_GT(good.size(), 100u);
    using namespace std::string_literals;
    auto header = [](const std::string& s) {
        return std::vector<std::uint8_t>(s.begin(), s.end());
    };
    std::vector<std::vector<std::uint8_t>> bad = {
        {},
        header("RIFF"s),
        header("RIFF\x24\0\0\0WAVEjunkjunkjunkjunkjunkjunkjunk"s),
        std::vector<std::uint8_t>(good.begin(), good.begin() + 30),
        std::vector<std::uint8_t>(1000, 0xA5),
        header("OggS\0\2\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"s),
    };
    auto notWave = good;
    notWave[8] = 'X';
    bad.push_back(notWave);
    for (std::size_t i = 0; i < bad.size(); ++i) EXPECT_EQ(create(bad[i]), 0) << i;
    EXPECT_EQ(lib.dsCreateDSB(handle, nullptr, 100, 3), 0);
}

TEST_F(SoundLibraryTest, ZeroAndUnknownHandlesAreHarmless) {
    auto bytes = soundBytes("禁止.wav");
    EXPECT_EQ(lib.dsCreateDSB(0, bytes.data(), bytes.size(), 3), 0);
    EXPECT_EQ(lib.dsCreateDSB(handle + 1, bytes.data(), bytes.size(), 3), 0);
    for (std::int32_t h : {0, 4711, -1}) {
        lib.dsPlay(h);
        lib.dsPlayLooping(h);
        lib.dsStop(h);
        lib.dsFree(h);
        EXPECT_EQ(lib.dsVoices(h), 0);
    }
    lib.dsTerminate(0);
    lib.dsTerminate(handle + 1);
    // The real library is still open.
    std::int32_t b = create(bytes);
    EXPECT_NE(b, 0);
    lib.dsFree(b);
}

TEST_F(SoundLibraryTest, InitialisingTwiceKeepsOneDeviceAndOneMusic) {
    std::int32_t bgm = create(soundBytes("BGM.wav"), 1);
    lib.dsPlayLooping(bgm);
    EXPECT_EQ(lib.dsInitialize(0), handle);
    EXPECT_EQ(lib.dsVoices(bgm), 1);
    lib.dsPlayLooping(bgm);
    EXPECT_EQ(lib.dsVoices(bgm), 1);

    // One terminate closes it, and frees what was still held.
    lib.dsTerminate(handle);
    EXPECT_EQ(lib.dsVoices(bgm), 0);
    lib.dsPlay(bgm);
    auto bytes = soundBytes("駒打音.wav");
    EXPECT_EQ(create(bytes), 0);
    lib.dsTerminate(handle);

    std::int32_t again = lib.dsInitialize(0);
    ASSERT_NE(again, 0);
    EXPECT_NE(again, handle);  // the old handle stays dead
    handle = again;
    EXPECT_NE(create(bytes), 0);
}

TEST_F(SoundLibraryTest, RepeatedStartAndShutdown) {
    auto bytes = soundBytes("その他.wav");
    for (int i = 0; i < 3; ++i) {
        std::int32_t a = create(bytes), b = create(bytes);
        ASSERT_NE(a, 0);
        ASSERT_NE(b, 0);
        lib.dsPlay(a);
        lib.dsFree(a);
        lib.dsFree(a);
        lib.dsTerminate(handle);  // b is freed by the shutdown
        handle = lib.dsInitialize(0);
        ASSERT_NE(handle, 0);
    }
}

// SIGTERM and SIGINT must still end the program while the device is open.
TEST_F(SoundLibraryTest, LeavesTheTerminationSignalsToTheProgram) {
    lib.dsTerminate(handle);
    for (int sig : {SIGTERM, SIGINT}) std::signal(sig, SIG_DFL);  // as a program starts
    handle = lib.dsInitialize(0);
    ASSERT_NE(handle, 0);
    for (int sig : {SIGTERM, SIGINT}) {
        struct sigaction now {};
        ASSERT_EQ(sigaction(sig, nullptr, &now), 0);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << sig;
    }
}

TEST(SoundLibraryMissing, EveryOperationDoesNothing) {
    for (const char* path : {"/nonexistent/libZenkoru.so", "libm.so.6"}) {
        SoundLibrary lib(path);
        EXPECT_FALSE(lib.loaded()) << path;
        std::uint8_t bytes[64] = {};
        EXPECT_EQ(lib.dsInitialize(0), 0);
        EXPECT_EQ(lib.dsCreateDSB(1, bytes, sizeof bytes, 3), 0);
        lib.dsPlay(1);
        lib.dsPlayLooping(1);
        lib.dsStop(1);
        lib.dsFree(1);
        lib.dsTerminate(1);
        EXPECT_EQ(lib.dsVoices(1), 0);
    }
}

}  // namespace
}  // namespace zk
