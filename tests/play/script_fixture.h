// A fresh program per test, run through the script runner in a private
// directory that holds the four sound files and a settings file.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "draw.h"
#include "script.h"

namespace zk {

using Lines = std::vector<std::string>;

// Readable piece codes in failure messages.
inline void PrintTo(PieceCode c, std::ostream* os) { *os << codeText(c); }

// Writes a short but complete WAV image (8-bit mono, four samples).
inline void writeWav(const std::filesystem::path& path) {
    const unsigned char bytes[48] = {'R',  'I',  'F', 'F', 40,   0,    0, 0, 'W', 'A', 'V', 'E',
                                     'f',  'm',  't', ' ', 16,   0,    0, 0, 1,   0,   1,   0,
                                     0x40, 0x1F, 0,   0,   0x40, 0x1F, 0, 0, 1,   0,   8,   0,
                                     'd',  'a',  't', 'a', 4,    0,    0, 0, 128, 128, 128, 128};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), 48);
}

class ScriptTest : public ::testing::Test {
protected:
    // Settings file content for the run; guidance on makes marks visible.
    virtual std::string settings() const { return "移動指導=ON\r\nBGM=OFF\r\n"; }

    void SetUp() override {
        oldDir_ = std::filesystem::current_path();
        char pattern[] = "/tmp/zk_play_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"})
            writeWav(dir_ / name);
        std::ofstream(dir_ / "Zenkoru.ini", std::ios::binary) << settings();
        std::filesystem::current_path(dir_);
        runner_ = std::make_unique<ScriptRunner>();
        startup = runner_->takeStartup();
    }

    void TearDown() override {
        runner_.reset();
        std::filesystem::current_path(oldDir_);
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    // Run script lines; returns everything they printed.
    Lines run(std::initializer_list<std::string> lines) {
        Lines out;
        for (const auto& line : lines) {
            Lines part = runner_->execute(line);
            for (const auto& l : part) EXPECT_EQ(l.rfind("error: ", 0), std::string::npos) << l;
            out.insert(out.end(), part.begin(), part.end());
        }
        return out;
    }
    Lines run(const std::string& line) { return run({line}); }

    // Press a square.
    Lines press(int x, int y) {
        return run("press " + std::to_string(x) + " " + std::to_string(y));
    }

    // An almost empty board for two humans with the bottom side to move:
    // both royal pairs plus three pawns a side far from the action, so that
    // neither the bare-pieces test nor a royal capture ends the game.
    void twoHumansOnQuietBoard() {
        run({"clear-board", "put 7 1 39", "put 6 1 38", "put 6 12 -39", "put 7 12 -38", "put 1 2 1",
             "put 2 2 1", "put 3 2 1", "put 10 11 -1", "put 11 11 -1", "put 12 11 -1",
             "menu START"});
    }

    State& s() { return runner_->state(); }
    HeadlessPlatform& ui() { return runner_->platform(); }
    ScriptRunner& runner() { return *runner_; }

    // Outline colour and image of a square as the screen shows them.
    int outline(int x, int y) {
        return ui().screen().outlineColour(cellX(x), cellY(y), cellX(x + 1) - cellX(x),
                                           cellY(y + 1) - cellY(y));
    }
    std::string imageOn(int x, int y) {
        return ui().screen().imageAt((cellX(x) + cellX(x + 1)) / 2, (cellY(y) + cellY(y + 1)) / 2);
    }

    Lines startup;
    std::filesystem::path dir_;

private:
    std::filesystem::path oldDir_;
    std::unique_ptr<ScriptRunner> runner_;
};

inline bool has(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Index of a line, or -1.
inline int indexOf(const Lines& lines, const std::string& line) {
    auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

}  // namespace zk
