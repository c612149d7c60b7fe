// Shared set-up for the rules tests: fresh states, piece placement, board
// pictures and the 180-degree turn of a position.
#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "move_check.h"
#include "pieces.h"
#include "position.h"

namespace zk::test {

using Square = std::pair<int, int>;
using SquareSet = std::set<Square>;

// A position with the record it came from, the players' values and the
// press step, as the window keeps them beside its board.
struct TestGame : Position {
    GameRecord record;
    int manPlayer = 1, comPlayer = -1;  // first and second player
    int moveStep = 1;
};

// The move check as the window asks it: the lion history read from the
// record, the second step from the press step.
inline int 移動チェック(TestGame& s, int fx, int fy, int tx, int ty, PieceCode c) {
    s.history = lionHistoryOf(s.record, s.record.recordCount);
    return 移動チェック(static_cast<Position&>(s), s.moveStep == 2, fx, fy, tx, ty, c);
}

// An empty board, an empty record (entry 0 after 1) and the human moving
// first.
inline TestGame emptyState() {
    TestGame s;
    s.record = GameRecord{};
    s.record.slot(0).pieceAfter = PieceCode(1);
    return s;
}

inline TestGame initialState() {
    TestGame s = emptyState();
    初期配置(s.Board);
    return s;
}

inline void put(TestGame& s, int x, int y, PieceCode c) { s.Board[x][y] = c; }

// The 180-degree turn of a code: the side changes; an eagle between its two
// steps keeps its diagonal, which flips the number after the point
// (+18.1 and -18.2 move along the same diagonal).
inline PieceCode turned(PieceCode c) {
    switch (c.tenths()) {
        case 181:
            return PieceCode::fromTenths(-182);
        case 182:
            return PieceCode::fromTenths(-181);
        case -181:
            return PieceCode::fromTenths(182);
        case -182:
            return PieceCode::fromTenths(181);
        default:
            return -c;
    }
}

// The board turned by 180 degrees with every code negated.
inline BoardGrid turnedBoard(const BoardGrid& b) {
    BoardGrid t{};
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) t[13 - x][13 - y] = turned(b[x][y]);
    return t;
}

// The position turned by 180 degrees with every code negated, the players'
// values exchanged and the record entries negated.
inline TestGame turnedState(const TestGame& s) {
    TestGame t = s;
    t.Board = turnedBoard(s.Board);
    t.manPlayer = s.comPlayer;
    t.comPlayer = s.manPlayer;
    for (auto& e : t.record.entries) {
        e.capturedPiece = -e.capturedPiece;
        e.pieceAfter = -e.pieceAfter;
        e.movedPiece = -e.movedPiece;
    }
    return t;
}

// Every code a piece can carry, both signs, mid-move codes included.
inline std::vector<PieceCode> allCodes() {
    std::vector<PieceCode> out;
    for (int k = 1; k <= 39; ++k) {
        out.push_back(PieceCode(k));
        out.push_back(PieceCode(-k));
    }
    for (int t : {181, 182, 241, 331, 341}) {
        out.push_back(PieceCode::fromTenths(t));
        out.push_back(PieceCode::fromTenths(-t));
    }
    return out;
}

// A random scattering of pieces. `allow` filters the kinds that may appear.
template <typename Allow>
BoardGrid randomBoard(std::uint32_t seed, int percent, Allow allow) {
    std::mt19937 rng(seed);
    BoardGrid b{};
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (static_cast<int>(rng() % 100) >= percent) continue;
            const int kind = 1 + static_cast<int>(rng() % 39);
            if (!allow(kind)) continue;
            b[x][y] = PieceCode(rng() % 2 ? kind : -kind);
        }
    return b;
}

template <typename Allow>
TestGame randomPosition(std::uint32_t seed, int percent, Allow allow) {
    TestGame s = emptyState();
    s.Board = randomBoard(seed, percent, allow);
    return s;
}

}  // namespace zk::test
