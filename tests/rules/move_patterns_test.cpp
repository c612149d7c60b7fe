// Every code's moves on an open board, near every edge, for both sides.
#include <gtest/gtest.h>

#include <sstream>

#include "move_check.h"
#include "rules_fixture.h"

namespace zk {
namespace {

using test::Square;
using test::SquareSet;

// One movement pattern seen from the human's side (forward is up): the 5 x 5
// block around the piece ('o' reachable) and the lines that go on beyond it.
struct Pattern {
    const char* name;
    std::vector<PieceCode> man;  // codes moving this way for the human
    std::vector<PieceCode> com;  // the same codes for the computer (turned)
    const char* rows[5];
    std::vector<Square> rays;  // directions (dx, dy) that continue past distance 2
};

const Square N{0, -1}, S{0, 1}, E{1, 0}, W{-1, 0}, NE{1, -1}, NW{-1, -1}, SE{1, 1}, SW{-1, 1};

std::vector<PieceCode> man(std::initializer_list<int> kinds) {
    std::vector<PieceCode> v;
    for (int k : kinds) v.push_back(PieceCode(-k));
    return v;
}
std::vector<PieceCode> com(std::initializer_list<int> kinds) {
    std::vector<PieceCode> v;
    for (int k : kinds) v.push_back(PieceCode(k));
    return v;
}

const std::vector<Pattern>& patterns() {
    static const std::vector<Pattern> p = {
        {"歩", man({1}), com({1}), {".....", "..o..", "..P..", ".....", "....."}, {}},
        {"と金", man({2, 13}), com({2, 13}), {".....", ".ooo.", ".oPo.", "..o..", "....."}, {}},
        {"香", man({3}), com({3}), {"..o..", "..o..", "..P..", ".....", "....."}, {N}},
        {"白", man({4}), com({4}), {"o.o.o", ".ooo.", "..P..", "..o..", "..o.."}, {N, S, NE, NW}},
        {"銅", man({5}), com({5}), {".....", ".ooo.", "..P..", "..o..", "....."}, {}},
        {"横", man({6, 7}), com({6, 7}), {".....", "..o..", "ooPoo", "..o..", "....."}, {E, W}},
        {"猪",
         man({8}),
         com({8}),
         {"o...o", ".o.o.", "ooPoo", ".o.o.", "o...o"},
         {E, W, NE, NW, SE, SW}},
        {"銀", man({9}), com({9}), {".....", ".ooo.", "..P..", ".o.o.", "....."}, {}},
        {"竪", man({10, 11}), com({10, 11}), {"..o..", "..o..", ".oPo.", "..o..", "..o.."}, {N, S}},
        {"牛",
         man({12}),
         com({12}),
         {"o.o.o", ".ooo.", "..P..", ".ooo.", "o.o.o"},
         {N, S, NE, NW, SE, SW}},
        {"飛",
         man({14, 15}),
         com({14, 15}),
         {"..o..", "..o..", "ooPoo", "..o..", "..o.."},
         {N, S, E, W}},
        {"龍",
         man({16, 17}),
         com({16, 17}),
         {"..o..", ".ooo.", "ooPoo", ".ooo.", "..o.."},
         {N, S, E, W}},
        {"鷲",
         man({18}),
         com({18}),
         {"o.o.o", ".ooo.", "ooPoo", ".ooo.", "o.o.o"},
         {N, S, E, W, SE, SW}},
        {"豹", man({19}), com({19}), {".....", ".ooo.", "..P..", ".ooo.", "....."}, {}},
        {"角",
         man({20, 21}),
         com({20, 21}),
         {"o...o", ".o.o.", "..P..", ".o.o.", "o...o"},
         {NE, NW, SE, SW}},
        {"馬",
         man({22, 23}),
         com({22, 23}),
         {"o...o", ".ooo.", ".oPo.", ".ooo.", "o...o"},
         {NE, NW, SE, SW}},
        {"鷹",
         man({24}),
         com({24}),
         {"o.o.o", ".ooo.", "ooPoo", ".ooo.", "o.o.o"},
         {S, E, W, NE, NW, SE, SW}},
        {"鳳", man({25}), com({25}), {"o...o", "..o..", ".oPo.", "..o..", "o...o"}, {}},
        {"奔",
         man({26, 27}),
         com({26, 27}),
         {"o.o.o", ".ooo.", "ooPoo", ".ooo.", "o.o.o"},
         {N, S, E, W, NE, NW, SE, SW}},
        {"反", man({28}), com({28}), {"..o..", "..o..", "..P..", "..o..", "..o.."}, {N, S}},
        {"鯨", man({29}), com({29}), {"..o..", "..o..", "..P..", ".ooo.", "o.o.o"}, {N, S, SE, SW}},
        {"虎", man({30}), com({30}), {".....", ".o.o.", ".oPo.", ".ooo.", "....."}, {}},
        {"鹿", man({31}), com({31}), {"..o..", ".ooo.", ".oPo.", ".ooo.", "..o.."}, {N, S}},
        {"麒", man({32}), com({32}), {"..o..", ".o.o.", "o.P.o", ".o.o.", "..o.."}, {}},
        {"獅", man({33, 34}), com({33, 34}), {"ooooo", "ooooo", "ooPoo", "ooooo", "ooooo"}, {}},
        {"仲", man({35}), com({35}), {".....", "..o..", "..P..", "..o..", "....."}, {}},
        {"象", man({36, 37}), com({36, 37}), {".....", ".ooo.", ".oPo.", ".o.o.", "....."}, {}},
        {"太王", man({38, 39}), com({38, 39}), {".....", ".ooo.", ".oPo.", ".ooo.", "....."}, {}},
        {"獅 second step",
         {code::MAN_獅_R_1, code::MAN_獅_B_1},
         {code::COM_獅_R_1, code::COM_獅_B_1},
         {".....", ".ooo.", ".oPo.", ".ooo.", "....."},
         {}},
        {"鷹 second step",
         {code::MAN_鷹_1},
         {code::COM_鷹_1},
         {".....", "..o..", "..P..", "..o..", "....."},
         {}},
        // -18.1 keeps to the diagonal on which x and y change together; turned
        // by 180 degrees that diagonal belongs to +18.2.
        {"鷲 second step, x and y together",
         {code::MAN_鷲_1},
         {code::COM_鷲_2},
         {".....", ".o...", "..P..", "...o.", "....."},
         {}},
        {"鷲 second step, x and y opposite",
         {code::MAN_鷲_2},
         {code::COM_鷲_1},
         {".....", "...o.", "..P..", ".o...", "....."},
         {}},
    };
    return p;
}

SquareSet expectedFrom(const Pattern& p, int ox, int oy, bool turn) {
    SquareSet out;
    auto add = [&](int dx, int dy) {
        if (turn) dx = -dx, dy = -dy;
        if (onBoard(ox + dx, oy + dy)) out.insert({ox + dx, oy + dy});
    };
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            if (p.rows[r][c] == 'o') add(c - 2, r - 2);
    for (auto [dx, dy] : p.rays)
        for (int d = 3; d <= 11; ++d) add(dx * d, dy * d);
    return out;
}

SquareSet reachable(test::TestGame& s, int ox, int oy, PieceCode c) {
    SquareSet out;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (移動チェック(s, ox, oy, x, y, c) == 1) out.insert({x, y});
    return out;
}

std::string picture(const SquareSet& set, int ox, int oy) {
    std::ostringstream o;
    for (int y = 1; y <= 12; ++y) {
        for (int x = 1; x <= 12; ++x)
            o << (x == ox && y == oy ? 'P' : set.count({x, y}) ? 'o' : '.');
        o << '\n';
    }
    return o.str();
}

TEST(MovePatterns, EveryCodeOfBothSidesOnAnOpenBoardAndAtTheEdges) {
    const std::vector<Square> origins = {{6, 6},  {1, 1},  {12, 12}, {1, 12},
                                         {12, 1}, {2, 11}, {11, 2},  {3, 7}};
    for (const Pattern& p : patterns())
        for (auto [ox, oy] : origins) {
            for (PieceCode c : p.man) {
                test::TestGame s = test::emptyState();
                s.Board[ox][oy] = PieceCode(c.whole());
                SquareSet got = reachable(s, ox, oy, c);
                SquareSet want = expectedFrom(p, ox, oy, false);
                EXPECT_EQ(got, want)
                    << p.name << " MAN " << c.tenths() << " at " << ox << "," << oy << "\ngot\n"
                    << picture(got, ox, oy) << "want\n"
                    << picture(want, ox, oy);
            }
            const int cx = 13 - ox, cy = 13 - oy;
            for (PieceCode c : p.com) {
                test::TestGame s = test::emptyState();
                s.Board[cx][cy] = PieceCode(c.whole());
                SquareSet got = reachable(s, cx, cy, c);
                SquareSet want = expectedFrom(p, cx, cy, true);
                EXPECT_EQ(got, want)
                    << p.name << " COM " << c.tenths() << " at " << cx << "," << cy << "\ngot\n"
                    << picture(got, cx, cy) << "want\n"
                    << picture(want, cx, cy);
            }
        }
}

}  // namespace
}  // namespace zk
