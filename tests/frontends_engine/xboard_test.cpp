// The XBoard session driven line by line, as XBoard would speak to it.
#include "xboard.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "formats/xboard.h"
#include "position.h"
#include "repetition.h"
#include "sfen.h"

namespace {

struct Transcript {
    std::mutex mutex;
    std::vector<std::string> lines;
    zk::xboard::XboardSession::Writer writer() {
        return [this](const std::string& l) {
            std::lock_guard<std::mutex> lock(mutex);
            lines.push_back(l);
        };
    }
    // The lines from `from` on that start with `prefix`.
    std::vector<std::string> withPrefix(const std::string& prefix, std::size_t from = 0) {
        std::lock_guard<std::mutex> lock(mutex);
        std::vector<std::string> found;
        for (std::size_t i = from; i < lines.size(); ++i)
            if (lines[i].rfind(prefix, 0) == 0) found.push_back(lines[i]);
        return found;
    }
    std::size_t size() {
        std::lock_guard<std::mutex> lock(mutex);
        return lines.size();
    }
};

// The result line among `lines`, if any.
std::string resultOf(const std::vector<std::string>& lines) {
    for (const auto& l : lines)
        if (l.rfind("1-0 {", 0) == 0 || l.rfind("0-1 {", 0) == 0 || l.rfind("1/2-1/2 {", 0) == 0)
            return l;
    return {};
}

}  // namespace

// A whole game under each rule set: random legal moves against the engine at
// depth 2 until a result line. Every move the engine sends is legal where it
// stands, the session's board follows the game, and each iteration is posted.
TEST(XboardSession, PlaysWholeGamesUnderBothRuleSets) {
    const std::regex thinking(R"(^\d+ -?\d+ \d+ \d+( \S+)+$)");
    for (const char* variant : {"chu", "zenkoru"}) {
        Transcript t;
        zk::xboard::XboardSession s(t.writer());
        for (const std::string& c : std::vector<std::string>{
                 "xboard", "protover 2", "new", std::string("variant ") + variant, "sd 2", "post"})
            s.command(c);
        zk::Position p = zk::Position::initial(s.rules());
        // This program's own rules are a variant XBoard is told how to set up.
        const auto setup = t.withPrefix("setup ");
        if (p.rules == zk::RuleSet::Zenkoru) {
            ASSERT_EQ(setup.size(), 1u);
            EXPECT_EQ(setup.front(), "setup 12x12+0_chu " + zk::formatXboardFen(p));
        } else {
            EXPECT_TRUE(setup.empty());
        }
        EXPECT_EQ(p.rules,
                  std::string(variant) == "chu" ? zk::RuleSet::Standard : zk::RuleSet::Zenkoru);
        std::mt19937 rng(7);
        int engineMoves = 0;
        std::string result;
        for (int ply = 0; ply < 400 && result.empty(); ++ply) {
            const std::size_t from = t.size();
            const std::vector<zk::Move> moves = zk::legalMoves(p, zk::Mover::Computer);
            ASSERT_FALSE(moves.empty()) << variant << ": no move and no result";
            const zk::Move m = moves[rng() % moves.size()];
            s.command("usermove " + zk::xboardMove(m));
            zk::apply(p, m);
            std::vector<std::string> out;
            {
                std::lock_guard<std::mutex> lock(t.mutex);
                out.assign(t.lines.begin() + static_cast<long>(from), t.lines.end());
            }
            for (const auto& l : out) {
                ASSERT_EQ(l.rfind("Illegal", 0), std::string::npos) << variant << ": " << l;
                if (l.rfind("move ", 0) == 0) {
                    const auto reply = zk::parseXboardMove(p, l.substr(5));
                    ASSERT_TRUE(reply.has_value()) << variant << ": " << l;
                    zk::apply(p, *reply);
                    ++engineMoves;
                } else if (!resultOf({l}).empty()) {
                    result = l;
                } else {
                    EXPECT_TRUE(std::regex_match(l, thinking)) << variant << ": " << l;
                }
            }
            ASSERT_EQ(s.position().Board, p.Board) << variant;
            ASSERT_EQ(s.position().mover, p.mover) << variant;
        }
        EXPECT_FALSE(result.empty()) << variant << ": no result in 400 plies";
        EXPECT_TRUE(s.gameOver()) << variant;
        EXPECT_GT(engineMoves, 3) << variant;
        // After the end a move is refused and the engine stays silent.
        const std::size_t after = t.size();
        s.command("go");
        EXPECT_TRUE(t.withPrefix("move ", after).empty()) << variant;
    }
}

// The handshake: the features XBoard asks for, done last; ping answered.
TEST(XboardSession, NegotiatesFeatures) {
    Transcript t;
    zk::xboard::XboardSession s(t.writer());
    s.command("xboard");
    s.command("protover 2");
    const auto features = t.withPrefix("feature ");
    ASSERT_FALSE(features.empty());
    std::string all;
    for (const auto& f : features) all += f + ' ';
    for (const char* f :
         {"myname=\"Zenkoru ", "variants=\"chu,zenkoru\"", "setboard=1", "usermove=1", "sigint=0",
          "sigterm=0", "ping=1", "colors=0", "analyze=0", "debug=1"})
        EXPECT_NE(all.find(f), std::string::npos) << f;
    EXPECT_EQ(features.back(), "feature done=1");
    s.command("accepted setboard");
    s.command("rejected sigint");
    s.command("ping 17");
    EXPECT_EQ(t.lines.back(), "pong 17");
    EXPECT_TRUE(t.withPrefix("Error").empty());
}

// setboard, undo and remove, force, go and playother; and bad input answered
// with the game kept as it was.
TEST(XboardSession, SetboardUndoAndBadInput) {
    Transcript t;
    zk::xboard::XboardSession s(t.writer());
    s.command("new");
    s.command("variant chu");
    s.command("force");
    // A middle game: a few moves from the start.
    zk::Position p = zk::Position::initial(zk::RuleSet::Standard);
    for (int i = 0; i < 6; ++i) {
        const std::vector<zk::Move> legal = zk::legalMoves(p, zk::Mover::Computer);
        zk::apply(p, legal[static_cast<std::size_t>(i * 7) % legal.size()]);
    }
    p.history = zk::Position::fromBoard(p.Board, p.mover).history;
    s.command("setboard " + zk::formatXboardFen(p, 0, 4));
    EXPECT_EQ(s.position().Board, p.Board);
    EXPECT_EQ(s.position().mover, p.mover);
    const std::vector<zk::Move> moves = zk::legalMoves(p, zk::Mover::Computer);
    const std::string first = zk::xboardMove(moves.front());
    s.command("usermove " + first);
    EXPECT_NE(s.position().Board, p.Board);
    s.command("undo");
    EXPECT_EQ(s.position().Board, p.Board);
    EXPECT_EQ(s.position().mover, p.mover);
    s.command("remove");
    EXPECT_EQ(t.lines.back(), "Error (no move to undo): remove");
    EXPECT_EQ(s.position().Board, p.Board);

    // Bad input is answered and changes nothing.
    const std::size_t before = t.size();
    s.command("usermove a1a1");
    s.command("setboard nonsense w - - 0 1");
    s.command("frobnicate now");
    s.command("variant shogi");
    s.command("usermove");
    s.command(std::string("usermove g4\x01g5\rnew"));
    s.command("memory 0");
    const std::vector<std::string> answers(t.lines.begin() + static_cast<long>(before),
                                           t.lines.end());
    ASSERT_EQ(answers.size(), 7u);
    EXPECT_EQ(answers[0], "Illegal move: a1a1");
    EXPECT_EQ(answers[1], "tellusererror Illegal position");
    EXPECT_EQ(answers[2], "Error (unknown command): frobnicate");
    EXPECT_EQ(answers[3], "Error (unsupported variant): variant shogi");
    EXPECT_EQ(answers[4], "Illegal move: ");
    // Control bytes are never echoed back into the interface's input.
    EXPECT_EQ(answers[5], "Error (control character 1 in the line): the line was ignored");
    EXPECT_EQ(answers[6], "Error (bad memory size): memory 0");
    EXPECT_EQ(s.position().Board, p.Board);
    EXPECT_EQ(s.rules(), zk::RuleSet::Standard);

    // In force mode moves are only taken; go makes the engine move for the
    // side to move; playother gives it the other side.
    s.command("sd 1");
    s.command("usermove " + first);
    EXPECT_TRUE(t.withPrefix("move ").empty());
    s.command("go");
    ASSERT_EQ(t.withPrefix("move ").size(), 1u);
    EXPECT_EQ(s.engineSide(), -p.mover);
    s.command("force");
    s.command("undo");
    s.command("undo");
    EXPECT_EQ(s.position().Board, p.Board);
    s.command("playother");
    EXPECT_EQ(s.engineSide(), -p.mover);
    s.command("usermove " + first);
    EXPECT_EQ(t.withPrefix("move ").size(), 2u);
}

// "?" ends a long think on the searching thread, which then moves.
TEST(XboardSession, MoveNowEndsTheThinking) {
    Transcript t;
    zk::xboard::XboardSession s(t.writer());
    std::thread searcher;
    s.setRunner([&searcher](std::function<void()> f) { searcher = std::thread(std::move(f)); });
    for (const char* c : {"new", "variant chu", "level 0 60 0", "time 360000", "post", "go"})
        s.command(c);
    while (t.withPrefix("1 ").empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(s.interrupt("?"));
    s.command("?");
    searcher.join();
    const auto moves = t.withPrefix("move ");
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_TRUE(
        zk::parseXboardMove(zk::Position::initial(zk::RuleSet::Standard), moves.front().substr(5)));
}

// Under the standard rules the fourth time a position comes back by quiet
// moves the game is drawn, and the session says so.
TEST(XboardSession, FourfoldRepetitionDrawsAStandardGame) {
    Transcript t;
    zk::xboard::XboardSession s(t.writer());
    s.command("new");
    s.command("variant chu");
    s.command("force");
    // A single step of `p` that attacks nothing and may be taken back the same way.
    const auto quietStep = [](const zk::Position& p) {
        for (const zk::Move& m : zk::legalMoves(p, zk::Mover::Computer)) {
            if (m.isTwoStep() || m.promotes() || m.captured != zk::code::EMPTY) continue;
            zk::Position after = p;
            zk::apply(after, m);
            if (zk::attacksWith(after, m)) continue;
            const zk::Position again = zk::Position::fromBoard(after.Board, p.mover);
            for (const zk::Move& b : zk::legalMoves(again, zk::Mover::Computer))
                if (b.fromX == m.toX && b.fromY == m.toY && b.toX == m.fromX && b.toY == m.fromY &&
                    !b.isTwoStep() && !b.promotes() &&
                    !zk::attacksWith(zk::Position::fromBoard(p.Board, -p.mover), b))
                    return m;
        }
        return zk::Move{};
    };
    zk::Position p = zk::Position::initial(zk::RuleSet::Standard);
    const zk::Move bottom = quietStep(p);
    zk::apply(p, bottom);
    const zk::Move top = quietStep(p);
    zk::apply(p, top);
    ASSERT_NE(bottom.fromX, 0);
    ASSERT_NE(top.fromX, 0);
    // Each piece goes there and back: the start comes back every four moves.
    const auto back = [](const zk::Move& m) {
        return zk::xboardSquare(m.toX, m.toY) + zk::xboardSquare(m.fromX, m.fromY);
    };
    const std::vector<std::string> cycle = {zk::xboardMove(bottom), zk::xboardMove(top),
                                            back(bottom), back(top)};
    int plies = 0;
    while (resultOf(t.lines).empty() && plies < 20) s.command("usermove " + cycle[plies++ % 4]);
    EXPECT_EQ(resultOf(t.lines), "1/2-1/2 {Fourfold repetition}");
    EXPECT_EQ(plies, 12);
    EXPECT_TRUE(t.withPrefix("Illegal").empty());
    // Taken back, the game goes on.
    s.command("undo");
    EXPECT_FALSE(s.gameOver());
}
