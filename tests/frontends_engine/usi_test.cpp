// The USI session driven line by line, as a GUI would speak to it.
#include "usi.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
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

// An illegal move is reported and the position keeps the moves before it.
TEST(UsiSession, IllegalMoveIsReported) {
    Transcript t;
    zk::usi::UsiSession s(t.writer());
    const zk::Position start = zk::Position::initial(zk::RuleSet::Standard);
    const std::string first = zk::usiMove(zk::legalMoves(start, zk::Mover::Computer).front());
    s.command("position startpos moves " + first + " 1a12l");
    EXPECT_EQ(t.withPrefix("info string"), "info string illegal move 1a12l");
    EXPECT_EQ(s.position().mover, 1);
    s.command("position sfen nonsense b - 1");
    EXPECT_FALSE(t.withPrefix("info string bad sfen").empty());
    s.command("go depth 1");
    EXPECT_FALSE(t.withPrefix("bestmove ").empty());
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
