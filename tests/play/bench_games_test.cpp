// The computer's play and every box, sound and board of the seeded bench
// games must never change by accident: each script's transcript is kept
// beside it, with the record dumped before the last press and the record and
// board dumped at the end. Set ZK_WRITE_TRANSCRIPTS=1 to write them anew
// after a change that is meant to alter play.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "script.h"

namespace zk {
namespace {

namespace fs = std::filesystem;

const fs::path kDir = ZK_BENCH_GAMES_DIR;

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The script with a record dump before its last press and dumps at the end.
std::string withDumps(const std::string& script) {
    std::vector<std::string> lines;
    std::istringstream in(script);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    std::size_t lastPress = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].rfind("press", 0) == 0) lastPress = i;
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == lastPress) out += "record\n";
        out += lines[i] + "\n";
    }
    return out + "record\nboard\n";
}

// Runs a script in an empty folder of its own and returns the transcript.
std::string transcript(const std::string& script) {
    const fs::path old = fs::current_path();
    char pattern[] = "/tmp/zk_bench_XXXXXX";
    if (!mkdtemp(pattern)) return "mkdtemp failed";
    fs::current_path(pattern);
    std::ostringstream out;
    {
        ScriptRunner runner;
        std::istringstream in(script);
        runner.run(in, out);
    }
    fs::current_path(old);
    fs::remove_all(pattern);
    return out.str();
}

std::vector<std::string> scriptNames() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(kDir))
        if (e.path().extension() == ".txt") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class BenchGame : public ::testing::TestWithParam<std::string> {};

TEST_P(BenchGame, TranscriptIsUnchanged) {
    const fs::path script = kDir / (GetParam() + ".txt"), expected = kDir / (GetParam() + ".out");
    const std::string got = transcript(withDumps(readFile(script)));
    if (std::getenv("ZK_WRITE_TRANSCRIPTS")) {
        std::ofstream(expected, std::ios::binary) << got;
        GTEST_SKIP() << "written " << expected;
    }
    ASSERT_TRUE(fs::exists(expected)) << expected;
    EXPECT_EQ(got, readFile(expected));
}

INSTANTIATE_TEST_SUITE_P(Scripts, BenchGame, ::testing::ValuesIn(scriptNames()),
                         [](const auto& info) {
                             std::string n = info.param;
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

}  // namespace
}  // namespace zk
