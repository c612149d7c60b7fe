// Seeded games for the computer-player tests and benchmarks: a uniformly
// random legal mover for the human side, and a mirror that lets the computer's own
// procedures play the human side (the board turned 180 degrees with every
// code negated).
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "com_search.h"
#include "end_rules.h"
#include "headless_platform.h"
#include "move_check.h"
#include "pieces.h"
#include "position.h"
#include "state.h"

namespace zk::bench {

struct Move {
    int x, y, tx, ty;
};

// Piece values, an empty record, the human moving first and the computer at
// `level` to move.
inline void setUpComTurn(State& s, int level) {
    駒価値設定(s.com);
    s.game.record = GameRecord{};
    s.game.record.slot(0).pieceAfter = PieceCode(1);
    s.game.manPlayer = Game::firstPlayer;
    s.game.comPlayer = Game::secondPlayer;
    s.game.gameMode = Game::modeCom;
    s.game.turnPlayer = s.game.comPlayer;
    s.press.moveStep = 1;
    s.game.comLevel = level;
}

// A state in the initial position, between moves of a game against the
// computer at `level`, drawing into `ui`.
inline State newGame(HeadlessPlatform& ui, int level) {
    State s;
    s.screen.ui = &ui;
    初期配置(s.game.Board);
    setUpComTurn(s, level);
    return s;
}

// Every legal single move of the pieces of one side (sign -1: the human's),
// as a player pressing the squares may make it; a two-step move's second
// step is not taken.
inline std::vector<Move> legalMoves(State& s, int sign) {
    Position p = Position::fromBoard(s.game.Board, sign);
    p.history = lionHistoryOf(s.game.record, s.game.record.recordCount);
    std::vector<Move> out;
    for (const zk::Move& m : zk::legalMoves(p, Mover::Presses))
        if (!m.isTwoStep()) out.push_back({m.fromX, m.fromY, m.toX, m.toY});
    return out;
}

// A human move as the board click plays it (promotion whenever possible);
// returns what it captured.
inline PieceCode playHuman(State& s, const Move& m) {
    const PieceCode piece = s.game.Board[m.x][m.y];
    PieceCode after = piece;
    if (const PieceCode promoted = promotionOf(s.game.Board, m.y, m.tx, m.ty, piece);
        !promoted.isEmpty())
        after = promoted;
    const PieceCode captured = s.game.Board[m.tx][m.ty];
    手順保存(s.game.record, s.game.Board, m.x, m.y, m.tx, m.ty, piece, after);
    s.game.Board[m.tx][m.ty] = after;
    s.game.Board[m.x][m.y] = code::EMPTY;
    s.game.moveCount += 1;
    return captured;
}

// Copy the board and the record of `from` into `to` turned 180 degrees with
// every code negated, so that the bottom side of `from` is the top of `to`.
inline void mirrorInto(const State& from, State& to) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) to.game.Board[13 - x][13 - y] = -from.game.Board[x][y];
    to.game.record = from.game.record;
    for (std::size_t i = 1; i < to.game.record.entries.size(); ++i) {
        MoveRecord& e = to.game.record.entries[i];
        e.fromX = 13 - e.fromX;
        e.fromY = 13 - e.fromY;
        e.toX = 13 - e.toX;
        e.toY = 13 - e.toY;
        e.capturedPiece = -e.capturedPiece;
        e.movedPiece = -e.movedPiece;
        e.pieceAfter = -e.pieceAfter;
    }
    to.game.moveCount = from.game.moveCount;
}

}  // namespace zk::bench
