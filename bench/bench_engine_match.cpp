// The engine (top side) against LEVEL3 (bottom side, played by its own
// procedures on the board turned 180 degrees) after a seeded random opening.
//   bench_engine_match [games] [nodes per engine move]
// Prints each game's result and length, then the totals.
#include <cstdio>
#include <cstdlib>

#include "com_games.h"
#include "com_turn.h"
#include "engine.h"

namespace zk::bench {
namespace {

constexpr int kMoveLimit = 300;
constexpr int kOpening = 6;

// Put the engine's move on the top side's state, with record entries that
// give the lion rules the same history as the move's Position.
bool playEngineMove(State& t, const zk::Move& m, const Position& after) {
    const PieceCode first = m.isTwoStep() ? m.midAfter : m.after;
    const int fx = m.isTwoStep() ? m.midX : m.toX, fy = m.isTwoStep() ? m.midY : m.toY;
    手順保存(t, m.fromX, m.fromY, fx, fy, m.piece, first);
    手順保存(t, fx, fy, m.toX, m.toY, first, m.after);
    t.Board = after.Board;
    MoveRecord& last = t.record.slot(t.record.recordCount);
    MoveRecord& before = t.record.slot(t.record.recordCount - 1);
    last.capturedPiece = after.history.lastCaptured;
    last.pieceAfter = after.history.lastAfter;
    before.pieceAfter = after.history.previousAfter;
    t.moveCount += 1;
    return lionHistoryOf(t.record, t.record.recordCount) == after.history;
}

// +1 when the engine wins.
int game(std::uint32_t seed, std::uint64_t nodes, int& length) {
    HeadlessPlatform uiTop, uiBottom;
    State t = newGame(uiTop, 3);
    State b = newGame(uiBottom, 3);
    std::mt19937 rng(seed);
    int side = seed % 2 ? -1 : 1;
    for (int i = 0; i < kOpening; ++i, side = -side) {
        std::vector<Move> moves = legalMoves(t, side);
        playHuman(t, moves[rng() % moves.size()]);
    }
    engine::Engine e(64);
    for (length = kOpening; length < kMoveLimit; ++length, side = -side) {
        if (side > 0) {
            Position p = Position::fromBoard(t.Board, 1);
            p.history = lionHistoryOf(t.record, t.record.recordCount);
            engine::Limits l;
            l.nodes = nodes;
            const engine::Result r = e.search(p, 1, l);
            if (!r.found) return -1;
            Position after = p;
            apply(after, r.best);
            if (!playEngineMove(t, r.best, after)) {
                std::printf("  seed %u: the record does not give the move's history\n", seed);
                return 0;
            }
            const engine::Outcome o = engine::outcomeAfter(after, 1);
            if (o != engine::Outcome::None) {
                ++length;
                return o == engine::Outcome::TopWins ? 1 : o == engine::Outcome::Draw ? 0 : -1;
            }
        } else {
            mirrorInto(t, b);
            const ComOutcome out = com_ban(b);
            mirrorInto(b, t);
            if (out.ended) {
                ++length;
                return out.winner == "ｺﾝﾋﾟｭｰﾀ" ? -1 : out.winner == "あなた" ? 1 : 0;
            }
        }
    }
    return 0;
}

}  // namespace
}  // namespace zk::bench

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 4;
    const std::uint64_t nodes = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 3000;
    int wins = 0, losses = 0, draws = 0;
    for (int g = 0; g < games; ++g) {
        int length = 0;
        const int r = zk::bench::game(static_cast<std::uint32_t>(g + 1), nodes, length);
        (r > 0 ? wins : r < 0 ? losses : draws) += 1;
        std::printf("game %d: %s after %d moves\n", g + 1,
                    r > 0   ? "engine wins"
                    : r < 0 ? "LEVEL3 wins"
                            : "draw or move limit",
                    length);
        std::fflush(stdout);
    }
    std::printf("engine (%llu nodes a move) vs LEVEL3: %d wins, %d losses, %d draws\n",
                static_cast<unsigned long long>(nodes), wins, losses, draws);
    return 0;
}
