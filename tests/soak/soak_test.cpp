// Long seeded sessions through the script runner, as a restless user would
// play them: every game mode, level and handicap, with take-backs, replays,
// flips, saves and loads mixed in. After every save the file is loaded into a
// fresh program and replayed to the same point: board and record must match.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "script.h"

namespace zk {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

constexpr int kGamesPerBlock = 20;
constexpr int kBlocks = 10;  // 200 games

// A short but complete WAV image, so that every sound loads.
void writeWav(const fs::path& path) {
    const unsigned char bytes[48] = {'R',  'I',  'F', 'F', 40,   0,    0, 0, 'W', 'A', 'V', 'E',
                                     'f',  'm',  't', ' ', 16,   0,    0, 0, 1,   0,   1,   0,
                                     0x40, 0x1F, 0,   0,   0x40, 0x1F, 0, 0, 1,   0,   8,   0,
                                     'd',  'a',  't', 'a', 4,    0,    0, 0, 128, 128, 128, 128};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), 48);
}

bool has(const Lines& lines, const std::string& line) {
    for (const auto& l : lines)
        if (l == line) return true;
    return false;
}

// Entries 1..end of a record, the ones a save writes.
std::vector<MoveRecord> savedEntries(const GameRecord& r) {
    const int end = std::max(r.recordEnd, r.recordCount);
    return std::vector<MoveRecord>(r.entries.begin() + 1, r.entries.begin() + 1 + end);
}

class Soak : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        old_ = fs::current_path();
        char pattern[] = "/tmp/zk_soak_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"})
            writeWav(dir_ / name);
        std::ofstream(dir_ / "Zenkoru.ini", std::ios::binary) << "移動指導=OFF\r\nBGM=OFF\r\n";
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(old_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // Run a line; a line the runner cannot run fails the test.
    Lines run(ScriptRunner& r, const std::string& line) {
        Lines out = r.execute(line);
        for (const auto& l : out) EXPECT_NE(l.rfind("error: ", 0), 0u) << line << ": " << l;
        return out;
    }

    // Save under `name`, then load the file into a fresh program, replay it
    // to where the game stands and compare. Refusals must leave no file.
    void saveAndCheck(ScriptRunner& a, const std::string& name, int game) {
        const State& s = a.state();
        const bool refused =
            s.game.isReversed == Game::flagOn || s.game.handicapChanged == Game::flagOn;
        const Lines open = run(a, "menu KIFU_WRITE");
        ASSERT_EQ(refused, has(open, "sound 禁止.wav")) << "game " << game;
        if (refused) return;
        const bool nothing = std::max(s.game.record.recordEnd, s.game.record.recordCount) == 0;
        const Lines saved = run(a, "save " + name);
        ASSERT_FALSE(saved.empty());
        if (nothing) {
            EXPECT_EQ(saved.back(), "box [棋譜保存] 保存するデータがありません");
            return;
        }
        ASSERT_EQ(saved.back(), "box [  ] 棋譜を書き込みました") << "game " << game;
        ++saves;

        ScriptRunner b;
        b.takeStartup();
        run(b, "file " + name + ".棋譜");
        const State& t = b.state();
        ASSERT_EQ(t.game.recordMode, Game::flagOn) << "game " << game;
        EXPECT_EQ(savedEntries(t.game.record), savedEntries(s.game.record)) << "game " << game;
        while (t.game.record.recordCount < s.game.record.recordCount) {
            const int before = t.game.record.recordCount;
            run(b, "menu AFTER");
            ASSERT_GT(t.game.record.recordCount, before) << "game " << game;
        }
        EXPECT_EQ(t.game.record.recordCount, s.game.record.recordCount) << "game " << game;
        EXPECT_EQ(t.game.Board, s.game.Board) << "game " << game << ", move " << s.game.moveCount;
        lastSave_ = {name, s.game.Board, s.game.record.recordCount};
    }

    // One game of a session: a random set-up, then random actions until the
    // game ends or the move budget is spent.
    void playGame(ScriptRunner& a, std::mt19937& rng, int game) {
        const State& s = a.state();
        run(a, "menu CANCEL");
        run(a, "menu LEVEL" + std::to_string(1 + rng() % 3));
        const int handicap = rng() % 3 == 0 ? static_cast<int>(rng() % 9) - 4 : 0;
        for (int i = 0; i < (handicap < 0 ? -handicap : handicap); ++i)
            run(a, handicap > 0 ? "menu LBEL_UP" : "menu LEBEL_DOWN");
        const char* modes[] = {"menu START", "menu SENTE", "menu GOTE"};
        run(a, modes[rng() % 3]);
        run(a, "seed " + std::to_string(rng()));

        const std::string name = "soak" + std::to_string(game);
        const int budget = 15 + static_cast<int>(rng() % 60);
        for (int step = 0; step < budget && !HasFatalFailure(); ++step) {
            if (s.game.turnPlayer == Game::noPlayer) return;  // the game ended
            const unsigned action = rng() % 100;
            if (action < 80) {
                const Lines out = run(a, "random-move");
                ++moves;
                if (has(out, "random-move: no legal move")) return;
            } else if (action < 88) {
                run(a, "menu REPLAY");
                ++takeBacks;
                if (rng() % 2) run(a, "menu AFTER");
            } else if (action < 90) {
                run(a, "menu REVERSE");
                ++flips;
            } else if (s.press.moveStep == 1) {
                saveAndCheck(a, name, game);
            }
        }
        // Sometimes the player loads the last save over the running game.
        if (!lastSave_.name.empty() && rng() % 2 == 0) {
            run(a, "file " + lastSave_.name + ".棋譜");
            ASSERT_EQ(s.game.recordMode, Game::flagOn);
            while (s.game.record.recordCount < lastSave_.recordCount) {
                const int before = s.game.record.recordCount;
                run(a, "menu AFTER");
                ASSERT_GT(s.game.record.recordCount, before) << "game " << game;
            }
            EXPECT_EQ(s.game.Board, lastSave_.board) << "game " << game;
            ++loads;
        }
    }

    struct LastSave {
        std::string name;
        BoardGrid board{};
        int recordCount = 0;
    } lastSave_;
    int saves = 0, loads = 0, moves = 0, takeBacks = 0, flips = 0;

private:
    fs::path dir_, old_;
};

TEST_P(Soak, SavedGamesLoadBackToTheSameBoardAndRecord) {
    const int block = GetParam();
    ScriptRunner a;
    a.takeStartup();
    std::mt19937 rng(static_cast<unsigned>(9000 + block));
    for (int g = 0; g < kGamesPerBlock && !HasFatalFailure() && !a.ended(); ++g)
        playGame(a, rng, block * kGamesPerBlock + g);
    EXPECT_FALSE(a.ended());
    // The mix did happen: a soak that never saved would prove nothing.
    EXPECT_GT(saves, kGamesPerBlock / 2);
    EXPECT_GT(loads, 0);
    EXPECT_GT(takeBacks, 0);
    EXPECT_GT(flips, 0);
    RecordProperty("moves", moves);
    RecordProperty("saves", saves);
}

INSTANTIATE_TEST_SUITE_P(Blocks, Soak, ::testing::Range(0, kBlocks));

}  // namespace
}  // namespace zk
