// Helpers of the settings and replay tests: a private temporary directory
// that is the current directory while a test runs, and a State on a headless
// platform with the four sounds loaded.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "headless_platform.h"
#include "pieces.h"
#include "state.h"

namespace zk::testing {

// A fresh directory under the system's temporary directory, made the current
// directory for the test's lifetime.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        oldCwd_ = std::filesystem::current_path();
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zk-record-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(oldCwd_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    const std::filesystem::path& dir() const { return dir_; }

    static std::string readFile(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void writeFile(const std::filesystem::path& p, const std::string& bytes) {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    // Names in the directory, sorted (to see that no temporary file is left).
    std::vector<std::string> listing() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir_))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path oldCwd_, dir_;
};

// A State on a headless platform with the initial position and sound
// buffers named like the program's four sounds.
struct HeadlessGame {
    HeadlessPlatform ui;
    State s;
    HeadlessGame() {
        s.screen.ui = &ui;
        駒価値設定(s.com);
        初期配置(s.game.Board);
        s.game.record.slot(0).pieceAfter = 1;
        s.sounds.soundLibraryHandle = ui.dsInitialize(0);
        const std::uint8_t wav[1] = {0};
        s.sounds.soundOther = ui.dsCreateDSB(s.sounds.soundLibraryHandle, wav, 1, 3, "その他.wav");
        s.sounds.soundForbidden =
            ui.dsCreateDSB(s.sounds.soundLibraryHandle, wav, 1, 3, "禁止.wav");
        s.sounds.soundPiece = ui.dsCreateDSB(s.sounds.soundLibraryHandle, wav, 1, 3, "駒打音.wav");
        s.sounds.soundBgm = ui.dsCreateDSB(s.sounds.soundLibraryHandle, wav, 1, 1, "BGM.wav");
    }
    std::vector<std::string> transcript() { return ui.takeTranscript(); }
};

}  // namespace zk::testing
