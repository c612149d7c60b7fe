// The USI session driven line by line, as a GUI would speak to it.
#include "usi.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "position.h"
#include "sfen.h"

namespace {

struct Transcript {
    std::mutex mutex;
    std::vector<std::string> lines;
    zk::usi::UsiSession::Writer writer() {
        return [this](const std::string& l) {
            std::lock_guard<std::mutex> lock(mutex);
            lines.push_back(l);
        };
    }
    bool has(const std::string& l) {
        std::lock_guard<std::mutex> lock(mutex);
        for (const auto& x : lines)
            if (x == l) return true;
        return false;
    }
    std::string withPrefix(const std::string& prefix) {
        std::lock_guard<std::mutex> lock(mutex);
        for (const auto& x : lines)
            if (x.rfind(prefix, 0) == 0) return x;
        return {};
    }
};

bool isLegal(const zk::Position& p, const std::string& usi) {
    for (const zk::Move& m : zk::legalMoves(p, zk::Mover::Computer))
        if (zk::usiMove(m) == usi) return true;
    return false;
}

}  // namespace

// A whole handshake and a shallow search, for each variant, answer with a
// legal move from the position reached.
TEST(UsiSession, HandshakeAndSearchInBothVariants) {
    for (const char* variant : {"chushogi", "zenkoru"}) {
        Transcript t;
        zk::usi::UsiSession s(t.writer());
        s.command("usi");
        s.command(std::string("setoption name USI_Variant value ") + variant);
        s.command("setoption name USI_Hash value 16");
        s.command("isready");
        s.command("usinewgame");
        // The first legal move from the start, then a search for the reply.
        const zk::Position start = zk::Position::initial(s.rules());
        const std::string first = zk::usiMove(zk::legalMoves(start, zk::Mover::Computer).front());
        s.command("position startpos moves " + first);
        EXPECT_EQ(s.position().mover, 1) << variant;
        s.command("go depth 2");
        EXPECT_TRUE(t.has("usiok"));
        EXPECT_TRUE(t.has("readyok"));
        EXPECT_TRUE(t.withPrefix("info string").empty()) << t.withPrefix("info string");
        const std::string best = t.withPrefix("bestmove ");
        ASSERT_FALSE(best.empty()) << variant;
        EXPECT_TRUE(isLegal(s.position(), best.substr(9))) << variant << ": " << best;
        // Every iteration reports its score and line, not only the last.
        for (const char* depth : {"info depth 1 seldepth", "info depth 2 seldepth"}) {
            const std::string info = t.withPrefix(depth);
            EXPECT_NE(info.find(" score cp "), std::string::npos) << variant << ": " << info;
            EXPECT_NE(info.find(" pv "), std::string::npos) << variant << ": " << info;
        }
    }
}

// Perft from the standard start: 36 moves, 1296 sequences of two.
TEST(UsiSession, PerftFromTheStandardStart) {
    Transcript t;
    zk::usi::UsiSession s(t.writer());
    s.command("position startpos");
    s.command("go perft 2");
    int moves = 0;
    for (const auto& l : t.lines)
        if (l.find(": ") != std::string::npos && l.rfind("Nodes", 0) != 0) ++moves;
    EXPECT_EQ(moves, 36);
    EXPECT_TRUE(t.has("Nodes searched: 1296"));
    t.lines.clear();
    s.command("go perft 1");
    EXPECT_TRUE(t.has("Nodes searched: 36"));
    // A middle game with promotions and two-step moves, from the reference counts.
    t.lines.clear();
    s.command(
        "position sfen lt5s1v1l/a1v1q3s2a/f2gge2kcf+A/2bc+H+Pt2+Po1/mpS1P3bOV1/1VD9/"
        "5E6/4+iB1PP1M+L/1+p6R3/A1C1K2R3S/L2XGBG2F2/2F2TT1HD2 b - 369");
    s.command("go perft 2");
    EXPECT_TRUE(t.has("Nodes searched: 15271"));
}

// "go perft" over every published position agrees with the reference counts,
// one and two moves deep, as a GUI checking the rules from outside would see.
TEST(UsiSession, PerftAgreesWithTheReferenceTable) {
    const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() /
                      "formats/data/standard_perft.tsv";
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    Transcript t;
    zk::usi::UsiSession s(t.writer());
    std::string line;
    std::getline(in, line);  // the header
    int positions = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string sfen, one, two;
        std::getline(fields, sfen, '\t');
        std::getline(fields, one, '\t');
        std::getline(fields, two, '\t');
        s.command("position sfen " + sfen);
        for (const auto& [depth, count] : {std::pair{1, one}, std::pair{2, two}}) {
            if (count.empty()) continue;
            t.lines.clear();
            s.command("go perft " + std::to_string(depth));
            EXPECT_TRUE(t.has("Nodes searched: " + count)) << sfen << " depth " << depth;
        }
        ++positions;
    }
    EXPECT_EQ(positions, 140);
}

// An illegal move is reported and the position stays the one before the command.
TEST(UsiSession, IllegalMoveIsReported) {
    Transcript t;
    zk::usi::UsiSession s(t.writer());
    const zk::Position start = zk::Position::initial(zk::RuleSet::Standard);
    const std::string first = zk::usiMove(zk::legalMoves(start, zk::Mover::Computer).front());
    s.command("position startpos moves " + first + " 1a12l");
    EXPECT_EQ(t.withPrefix("info string"), "info string illegal move 1a12l");
    EXPECT_EQ(s.position().mover, -1);
    EXPECT_TRUE(s.position() == start);
    s.command("position sfen nonsense b - 1");
    EXPECT_FALSE(t.withPrefix("info string bad sfen").empty());
    s.command("go depth 1");
    EXPECT_FALSE(t.withPrefix("bestmove ").empty());
}

namespace {

// Each line, after a good position, as `s` answers it followed by "isready":
// the info string lines, whether a bestmove came, and whether readyok did.
struct Answer {
    std::vector<std::string> infoStrings;
    bool bestmove = false;
    bool ready = false;
};
Answer answer(zk::usi::UsiSession& s, Transcript& t, const std::string& line) {
    t.lines.clear();
    s.command(line);
    s.command("isready");
    Answer a;
    for (const auto& l : t.lines) {
        if (l.rfind("info string ", 0) == 0) a.infoStrings.push_back(l);
        if (l.rfind("bestmove ", 0) == 0) a.bestmove = true;
    }
    a.ready = !t.lines.empty() && t.lines.back() == "readyok";
    return a;
}

}  // namespace

// Hostile and broken lines: each answered by exactly one info string saying
// what was wrong, the position and rules as they were, and still ready.
TEST(UsiSession, HostileLinesChangeNothing) {
    Transcript t;
    zk::usi::UsiSession s(t.writer(), 16);
    const zk::Position start = zk::Position::initial(zk::RuleSet::Standard);
    const std::string first = zk::usiMove(zk::legalMoves(start, zk::Mover::Computer).front());
    s.command("position startpos moves " + first);
    const zk::Position before = s.position();
    // The bottom gold takes the top king: no move may follow.
    const std::string ended =
        "position sfen 11k/11G/5p6/12/12/12/12/12/12/12/5P6/K11 b - 1 moves 1b1a";
    const struct {
        std::string line, says;
    } cases[] = {
        {"frobnicate now", "unknown command frobnicate"},
        {"position", "position needs startpos or sfen"},
        {"position moves " + first, "position needs startpos or sfen"},
        {"position sfen", "bad sfen"},
        {"position sfen nonsense b - 1", "bad sfen: nonsense b - 1"},
        {"position startpos " + first, "moves expected, not " + first},
        {"position startpos moves " + first + " 1a12l", "illegal move 1a12l"},
        {ended + " 7c7d", "move 7c7d after the game ended"},
        {"setoption", "setoption needs name"},
        {"setoption name", "setoption needs name"},
        {"setoption value 3", "setoption needs name"},
        {"setoption name USI_Hash", "USI_Hash needs a number of megabytes"},
        {"setoption name USI_Hash value", "USI_Hash needs a number of megabytes"},
        {"setoption name USI_Hash value many", "USI_Hash needs a number of megabytes, not many"},
        {"setoption name USI_Hash value 0", "USI_Hash 0 out of range 1..16"},
        {"setoption name USI_Hash value 99999999999999999999999", "out of range 1..16"},
        {"setoption name USI_Variant value shogi", "unknown variant shogi"},
        {"setoption name USI_Variant", "unknown variant"},
        {"setoption name No Such Thing value 1", "unknown option No Such Thing"},
        {"", "empty line"},
        {"     ", "empty line"},
        {"\t \t", "empty line"},
        {std::string(300 * 1024, 'x'), "line too long (307200 bytes)"},
        {std::string(20000, 'y'), "unknown command yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy..."},
        {std::string("isready\0", 8), "control character 0"},
        {"is\x01ready", "control character 1"},
        {"\x1b[2J", "control character 27"},
        {"usi\x7f", "control character 127"},
    };
    for (const auto& c : cases) {
        const Answer a = answer(s, t, c.line);
        const std::string shown = c.line.substr(0, 60);
        ASSERT_EQ(a.infoStrings.size(), 1u) << shown;
        EXPECT_NE(a.infoStrings[0].find(c.says), std::string::npos)
            << shown << " -> " << a.infoStrings[0];
        EXPECT_FALSE(a.bestmove) << shown;
        EXPECT_TRUE(a.ready) << shown;
        EXPECT_TRUE(s.position() == before) << shown;
        EXPECT_EQ(s.rules(), zk::RuleSet::Standard) << shown;
    }
    // The game-ending move itself is accepted.
    EXPECT_TRUE(answer(s, t, ended).infoStrings.empty());
    EXPECT_EQ(s.position().mover, 1);
}

// A go with nonsense numbers still searches, clamped (a missing number is the
// least), and says once what it clamped; a bad part changes no position.
TEST(UsiSession, NonsenseGoNumbersAreClamped) {
    Transcript t;
    zk::usi::UsiSession s(t.writer(), 16);
    s.command("position startpos");
    const struct {
        std::string line, says;
    } cases[] = {
        {"go depth", "go: depth needs a number, using 1"},
        {"go depth deep", "depth needs a number, not deep, using 1"},
        {"go depth -3", "depth -3 out of range, using 1"},
        {"go depth 1 nodes -5", "nodes -5 out of range, using 1"},
        {"go nodes 0", "nodes 0 out of range, using 1"},
        {"go btime -100 wtime -100", "btime -100 out of range, using 0; wtime -100"},
        {"go depth 2 btime 99999999999999999999999", "out of range, using 1000000000"},
        {"go btime ten wtime 5 byoyomi", "btime needs a number, not ten, using 0"},
        {"go wtime 1000 btime", "btime needs a number, using 0"},
        {"go movetime soon", "movetime needs a number, not soon, using 1"},
        {"go byoyomi 1e3", "byoyomi needs a number, not 1e3"},
        {"go depth 1 sideways", "unknown word sideways"},
        {"go depth 1 movestogo -1", "movestogo -1 out of range, using 0"},
    };
    for (const auto& c : cases) {
        const Answer a = answer(s, t, c.line);
        ASSERT_EQ(a.infoStrings.size(), 1u) << c.line;
        EXPECT_NE(a.infoStrings[0].find(c.says), std::string::npos)
            << c.line << " -> " << a.infoStrings[0];
        EXPECT_TRUE(a.bestmove) << c.line;
        EXPECT_TRUE(a.ready) << c.line;
        EXPECT_TRUE(s.position() == zk::Position::initial(zk::RuleSet::Standard)) << c.line;
    }
    // Perft's depth too: a word counts as 1.
    const Answer perft = answer(s, t, "go perft twice");
    ASSERT_EQ(perft.infoStrings.size(), 1u);
    EXPECT_TRUE(t.has("Nodes searched: 36"));
}

// "stop" ends an infinite search on another thread with a bestmove.
TEST(UsiSession, StopEndsAnInfiniteSearch) {
    Transcript t;
    zk::usi::UsiSession s(t.writer());
    std::thread searcher;
    s.setRunner([&searcher](std::function<void()> f) { searcher = std::thread(std::move(f)); });
    s.command("position startpos");
    s.command("go infinite");
    // Let it reach its first iteration so the stop lands mid-search.
    while (t.withPrefix("info depth").empty())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    s.command("stop");
    searcher.join();
    EXPECT_FALSE(t.withPrefix("bestmove ").empty());
}
