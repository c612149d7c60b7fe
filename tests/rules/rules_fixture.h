// Shared set-up for the rules tests: fresh states, piece placement, board
// pictures and the 180-degree turn of a position.
#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "pieces.h"
#include "state.h"

namespace zk::test {

using Square = std::pair<int, int>;
using SquareSet = std::set<Square>;

// An empty board with piece values, an empty record (entry 0 after 1) and the
// human moving first.
inline State emptyState() {
    State s;
    駒価値設定(s);
    s.record = GameRecord{};
    s.record.slot(0).pieceAfter = PieceCode(1);
    s.manPlayer = State::firstPlayer;
    s.comPlayer = State::secondPlayer;
    s.moveStep = 1;
    return s;
}

inline State initialState() {
    State s = emptyState();
    初期配置(s);
    return s;
}

inline void put(State& s, int x, int y, PieceCode c) { s.Board[x][y] = c; }

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

// The position turned by 180 degrees with every code negated, the players'
// values exchanged and the record entries negated.
inline State turnedState(const State& s) {
    State t = s;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) t.Board[13 - x][13 - y] = turned(s.Board[x][y]);
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
State randomPosition(std::uint32_t seed, int percent, Allow allow) {
    std::mt19937 rng(seed);
    State s = emptyState();
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (static_cast<int>(rng() % 100) >= percent) continue;
            const int kind = 1 + static_cast<int>(rng() % 39);
            if (!allow(kind)) continue;
            s.Board[x][y] = PieceCode(rng() % 2 ? kind : -kind);
        }
    return s;
}

}  // namespace zk::test
