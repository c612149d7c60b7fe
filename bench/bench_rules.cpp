// Timings of the rules core on a middle-game position reached by a seeded
// sequence of random legal moves from the initial position.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "com_mate.h"
#include "influence.h"
#include "move_check.h"
#include "move_record.h"
#include "pieces.h"
#include "seeded_positions.h"

namespace zk {
namespace {

ComState freshState() {
    ComState s;
    駒価値設定(s);
    初期配置(s.Board);
    return s;
}

// The seeded middle game in the computer's part, with its maps built.
ComState middleGame(std::uint32_t seed, int plies) {
    ComState s = freshState();
    const Position p = bench::randomGamePosition(seed, plies);
    s.Board = p.Board;
    勢力調査_MAN(s);
    勢力調査_COM(s);
    return s;
}

const ComState& position() {
    static const ComState s = middleGame(20240601u, 60);
    return s;
}

// The move check itself, asked for every piece of both sides onto every
// square: a measure of the check, not a move list (legalMoves is below).
void BM_移動チェック_全組(benchmark::State& st) {
    ComState s = position();
    std::int64_t calls = 0, legal = 0;
    for (auto _ : st) {
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode c = s.Board[x][y];
                if (c.isEmpty()) continue;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty) {
                        legal += 移動チェック(s, false, x, y, tx, ty, c);
                        ++calls;
                    }
            }
        benchmark::DoNotOptimize(legal);
    }
    st.SetItemsProcessed(calls);
    st.counters["legal_per_pass"] =
        static_cast<double>(legal) / static_cast<double>(st.iterations());
}
BENCHMARK(BM_移動チェック_全組);

// Every whole turn of the side to move, as the board-click flow allows them.
void BM_legalMoves(benchmark::State& st) {
    const Position p = bench::randomGamePosition(20240601u, 60);
    std::vector<Move> moves;
    for (auto _ : st) {
        legalMoves(p, Mover::Presses, moves);
        benchmark::DoNotOptimize(moves.data());
    }
    st.counters["moves"] = static_cast<double>(moves.size());
    st.counters["lists/s"] =
        benchmark::Counter(static_cast<double>(st.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_legalMoves);

// Copy-make: a move put on a copy of the position, for every legal move.
void BM_apply(benchmark::State& st) {
    const Position p = bench::randomGamePosition(20240601u, 60);
    const std::vector<Move> moves = legalMoves(p);
    for (auto _ : st)
        for (const Move& m : moves) {
            Position q = p;
            apply(q, m);
            benchmark::DoNotOptimize(q.Board.data());
        }
    st.counters["applies/s"] = benchmark::Counter(
        static_cast<double>(st.iterations() * moves.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_apply);

void BM_勢力調査_両側(benchmark::State& st) {
    ComState s = position();
    for (auto _ : st) {
        勢力調査_MAN(s);
        勢力調査_COM(s);
        benchmark::DoNotOptimize(s.manInfluence);
        benchmark::DoNotOptimize(s.comInfluence);
    }
}
BENCHMARK(BM_勢力調査_両側);

void BM_詰めかMAN_両王(benchmark::State& st) {
    ComState s = position();
    int r = 0;
    for (auto _ : st) benchmark::DoNotOptimize(r = 詰めかMAN(s));
    st.counters["answer"] = r;
}
BENCHMARK(BM_詰めかMAN_両王);

// The human's prince replaced by a gold and the king's empty neighbours
// filled with its own pawns, so that the king alone is tested and cannot step.
ComState boxedKing() {
    ComState s = position();
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (s.Board[x][y] == -38) s.Board[x][y] = PieceCode(-13);
    勢力調査_MAN(s);
    for (int x = s.manKingX - 1; x <= s.manKingX + 1; ++x)
        for (int y = s.manKingY - 1; y <= s.manKingY + 1; ++y)
            if (onBoard(x, y) && s.Board[x][y].isEmpty()) s.Board[x][y] = PieceCode(-1);
    s.manPrinceX = 0;
    return s;
}

void runMate(benchmark::State& st, ComState& s) {
    勢力調査_MAN(s);
    勢力調査_COM(s);
    int r = 0;
    for (auto _ : st) benchmark::DoNotOptimize(r = 詰めかMAN(s));
    st.counters["answer"] = r;
}

// Until the first capture that lifts the attack.
void BM_詰めかMAN_王のみ(benchmark::State& st) {
    ComState s = boxedKing();
    runMate(st, s);
}
BENCHMARK(BM_詰めかMAN_王のみ);

// Two COM kirins jump onto the king's square from two sides: no single
// capture lifts both, so every capture of every human piece is tried.
void BM_詰めかMAN_全捕獲(benchmark::State& st) {
    ComState s = boxedKing();
    for (int dx : {-2, 2}) {
        const int x = s.manKingX + dx;
        if (onBoard(x, s.manKingY)) s.Board[x][s.manKingY] = PieceCode(32);
    }
    for (int dy : {-2, 2}) {
        const int y = s.manKingY + dy;
        if (onBoard(s.manKingX, y)) s.Board[s.manKingX][y] = PieceCode(32);
    }
    runMate(st, s);
}
BENCHMARK(BM_詰めかMAN_全捕獲);

// A COM lion asked about from a neighbouring square.
void BM_lionGuarded_獅子(benchmark::State& st) {
    ComState s = position();
    int lx = 0, ly = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (s.Board[x][y] == 33 || s.Board[x][y] == 34) lx = x, ly = y;
    if (lx == 0) {
        st.SkipWithError("no computer lion left");
        return;
    }
    const int cx = lx, cy = ly < 12 ? ly + 1 : ly - 1;
    int r = 0;
    for (auto _ : st) benchmark::DoNotOptimize(r = lionGuarded(s.Board, 1, cx, cy, lx, ly));
    st.counters["answer"] = r;
}
BENCHMARK(BM_lionGuarded_獅子);

// A square no COM piece reaches: the scan asks every COM piece and finds none.
void BM_lionGuarded_全走査(benchmark::State& st) {
    ComState s = position();
    int lx = 0, ly = 0;
    for (int x = 1; x <= 12 && lx == 0; ++x)
        for (int y = 12; y >= 2 && lx == 0; --y)
            if (s.comInfluence[x][y] == 0 && s.Board[x][y] <= 0) lx = x, ly = y;
    if (lx == 0) {
        st.SkipWithError("every square is reached");
        return;
    }
    int r = 0;
    for (auto _ : st) benchmark::DoNotOptimize(r = lionGuarded(s.Board, 1, lx, ly - 1, lx, ly));
    st.counters["answer"] = r;
}
BENCHMARK(BM_lionGuarded_全走査);

}  // namespace
}  // namespace zk

BENCHMARK_MAIN();
