// The standard rule set against published move counts: 140 positions with
// their number of legal moves (and of two-move sequences for 31 of them),
// and the initial position to four moves. A move is one USI text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "sfen.h"

namespace zk {
namespace {

// The distinct USI texts of a position's moves.
std::size_t distinctMoves(const Position& p) {
    std::set<std::string> texts;
    for (const Move& m : legalMoves(p, Mover::Computer)) texts.insert(usiMove(m));
    return texts.size();
}

// Sequences of `depth` moves, each move counted once per USI text.
std::uint64_t standardPerft(const Position& p, int depth) {
    if (depth == 0) return 1;
    std::uint64_t total = 0;
    std::set<std::string> seen;
    for (const Move& m : legalMoves(p, Mover::Computer)) {
        if (!seen.insert(usiMove(m)).second) continue;
        Position next = p;
        apply(next, m);
        total += standardPerft(next, depth - 1);
    }
    return total;
}

TEST(StandardPerft, TheInitialPositionToFourMoves) {
    const Position start = Position::initial(RuleSet::Standard);
    Position read;
    ASSERT_TRUE(parseSfen("lfcsgekgscfl/a1b1txot1b1a/mvrhdqndhrvm/pppppppppppp/3i4i3/12/12/3I4I3/"
                          "PPPPPPPPPPPP/MVRHDNQDHRVM/A1B1TOXT1B1A/LFCSGKEGSCFL b - 1",
                          read, RuleSet::Standard)
                    .ok);
    EXPECT_EQ(read, start);
    EXPECT_EQ(standardPerft(start, 1), 36u);
    EXPECT_EQ(standardPerft(start, 2), 1296u);
    EXPECT_EQ(standardPerft(start, 3), 52599u);
    EXPECT_EQ(perft(start, 4), 2134748u);
    // Both movers see the same standard moves.
    EXPECT_EQ(perft(start, 2, Mover::Presses), perft(start, 2, Mover::Computer));
}

TEST(StandardPerft, ThePublishedPositions) {
    const auto path = std::filesystem::path(__FILE__).parent_path() / "data/standard_perft.tsv";
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::string line;
    std::getline(in, line);  // the header
    int positions = 0, twoMoves = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string sfen, one, two;
        std::getline(fields, sfen, '\t');
        std::getline(fields, one, '\t');
        std::getline(fields, two, '\t');
        Position read;
        int number = 0;
        ASSERT_TRUE(parseSfen(sfen, read, number, RuleSet::Standard).ok) << sfen;
        EXPECT_EQ(formatSfen(read, number), sfen);
        const Position* p = &read;
        ++positions;
        // Each text names a distinct move.
        EXPECT_EQ(distinctMoves(*p), legalMoves(*p, Mover::Computer).size()) << sfen;
        EXPECT_EQ(standardPerft(*p, 1), std::stoull(one)) << sfen;
        if (!two.empty()) {
            ++twoMoves;
            EXPECT_EQ(standardPerft(*p, 2), std::stoull(two)) << sfen;
        }
    }
    EXPECT_EQ(positions, 140);
    EXPECT_EQ(twoMoves, 31);
}

}  // namespace
}  // namespace zk
