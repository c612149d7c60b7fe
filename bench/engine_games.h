// The searching engine as a player in the benchmarks' seeded games: against a
// level of the window's computer (on the board turned round), against a
// uniformly random mover, and against itself on another budget.
#pragma once

#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "com_games.h"
#include "com_turn.h"
#include "engine.h"

namespace zk::bench {

// Put the engine's move on the top side's state, with record entries that
// give the lion rules the same history as the move's Position.
inline bool playEngineMove(State& t, const zk::Move& m, const Position& after) {
    const PieceCode first = m.isTwoStep() ? m.midAfter : m.after;
    const int fx = m.isTwoStep() ? m.midX : m.toX, fy = m.isTwoStep() ? m.midY : m.toY;
    手順保存(t.game.record, t.game.Board, m.fromX, m.fromY, fx, fy, m.piece, first);
    手順保存(t.game.record, t.game.Board, fx, fy, m.toX, m.toY, first, m.after);
    t.game.Board = after.Board;
    MoveRecord& last = t.game.record.slot(t.game.record.recordCount);
    MoveRecord& before = t.game.record.slot(t.game.record.recordCount - 1);
    last.capturedPiece = after.history.lastCaptured;
    last.pieceAfter = after.history.lastAfter;
    before.pieceAfter = after.history.previousAfter;
    t.game.moveCount += 1;
    return lionHistoryOf(t.game.record, t.game.record.recordCount) == after.history;
}

// How one game ended, for the engine on the top side.
struct EngineGame {
    int result = 0;  // +1 the engine won, -1 it lost, 0 a draw or the move limit
    int length = 0;  // moves of both sides
    bool limited = false;
    BoardGrid board{};  // the last position
};

// The engine (top side, `limits` a move) against `level` (bottom side, its
// own procedures on the board turned 180 degrees) after `opening` seeded
// random moves; the side to start alternates with the seed.
inline EngineGame engineVsLevel(int level, std::uint32_t seed, const engine::Limits& limits,
                                int moveLimit, int opening = 6) {
    HeadlessPlatform uiTop, uiBottom;
    State t = newGame(uiTop, level);
    State b = newGame(uiBottom, level);
    std::mt19937 rng(seed);
    EngineGame g;
    bool over = false;  // ended before the move limit
    int side = seed % 2 ? -1 : 1;
    for (int i = 0; i < opening; ++i, side = -side) {
        std::vector<Move> moves = legalMoves(t, side);
        playHuman(t, moves[rng() % moves.size()]);
    }
    engine::Engine e(64);
    for (g.length = opening; g.length < moveLimit; ++g.length, side = -side) {
        if (side > 0) {
            Position p = Position::fromBoard(t.game.Board, 1);
            p.history = lionHistoryOf(t.game.record, t.game.record.recordCount);
            const engine::Result r = e.search(p, 1, limits);
            if (!r.found) {
                g.result = -1;
                over = true;
                break;
            }
            Position after = p;
            apply(after, r.best);
            if (!playEngineMove(t, r.best, after)) {
                std::printf("  seed %u: the record does not give the move's history\n", seed);
                over = true;
                break;
            }
            const engine::Outcome o = engine::outcomeAfter(after, 1);
            if (o != engine::Outcome::None) {
                ++g.length;
                g.result = o == engine::Outcome::TopWins ? 1 : o == engine::Outcome::Draw ? 0 : -1;
                over = true;
                break;
            }
        } else {
            mirrorInto(t, b);
            const ComOutcome out = com_ban(b);
            mirrorInto(b, t);
            if (out.ended) {
                ++g.length;
                g.result = out.winner == "ｺﾝﾋﾟｭｰﾀ" ? -1 : out.winner == "あなた" ? 1 : 0;
                over = true;
                break;
            }
        }
    }
    g.limited = !over;
    g.board = t.game.Board;
    return g;
}

// The engine on the top side with `top` a move against `bottom`: another
// engine with that budget, or with no budget a uniformly random mover. Both
// sides start from `opening` seeded random moves; the game stops at the
// third repetition of a position (deterministic players repeat forever).
inline EngineGame engineVsBottom(std::uint32_t seed, const engine::Limits& top,
                                 const engine::Limits* bottom, int moveLimit, int opening = 6) {
    std::mt19937 rng(seed);
    Position p = Position::initial();
    if (seed % 2) p.mover = 1;
    engine::Engine topEngine(64), bottomEngine(64);
    std::map<std::string, int> seen;
    EngineGame g;
    bool over = false;  // ended before the move limit
    for (g.length = 0; g.length < moveLimit; ++g.length) {
        std::string key(1, p.mover > 0 ? 't' : 'b');
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) key += static_cast<char>(p.Board[x][y].whole() + 64);
        if (++seen[key] == 3) {
            g.limited = true;
            over = true;
            break;
        }
        const int mover = p.mover;
        zk::Move m;
        if (g.length < opening || (mover < 0 && !bottom)) {
            const std::vector<zk::Move> moves =
                legalMoves(p, mover > 0 ? Mover::Computer : Mover::Presses);
            if (moves.empty()) {
                g.result = -mover;
                over = true;
                break;
            }
            m = moves[rng() % moves.size()];
        } else {
            const engine::Result r =
                (mover > 0 ? topEngine : bottomEngine).search(p, 1, mover > 0 ? top : *bottom);
            if (!r.found) {
                g.result = -mover;
                over = true;
                break;
            }
            m = r.best;
        }
        apply(p, m);
        const engine::Outcome o = engine::outcomeAfter(p, mover);
        if (o != engine::Outcome::None) {
            ++g.length;
            g.result = o == engine::Outcome::TopWins ? 1 : o == engine::Outcome::Draw ? 0 : -1;
            over = true;
            break;
        }
    }
    if (!over) g.limited = true;
    g.board = p.Board;
    return g;
}

}  // namespace zk::bench
