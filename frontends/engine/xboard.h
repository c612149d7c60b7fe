// The engine's side of the XBoard protocol (CECP version 2), which XBoard and
// WinBoard speak: one command line in, output lines through a callback. The
// session keeps the game itself (its start, its moves, whose side the engine
// plays) and answers a move with its own when it is the engine's turn. The
// search runs where the caller says, as UsiSession's does.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine.h"
#include "position.h"

namespace zk::xboard {

class XboardSession {
public:
    using Writer = std::function<void(const std::string& line)>;
    // What to do with a search: run it now (tests) or on another thread.
    using Runner = std::function<void(std::function<void()> search)>;

    // `maxHashMegabytes` bounds the table "memory" asks for (and the first one).
    explicit XboardSession(Writer out, std::size_t maxHashMegabytes = 4096);

    // Handle one command line. Returns false after "quit".
    bool command(std::string_view line);

    // How the engine's thinking runs; by default on the calling thread.
    void setRunner(Runner r) { runner_ = std::move(r); }
    // Heard on the reading thread while a search may run, before `line` is
    // handed to command(): "?" ends the search, which then moves; a command
    // that changes the game ends it and drops its move. False when the line
    // need not wait for the search to end ("?" alone).
    bool interrupt(std::string_view line);

    const Position& position() const { return position_; }
    RuleSet rules() const { return rules_; }
    // The side the engine plays (-1 the bottom side, +1 the top), 0 in force mode.
    int engineSide() const { return force_ ? 0 : engineSide_; }
    bool gameOver() const { return gameOver_; }

private:
    void newGame(RuleSet rules, const Position& start, int moveNumber);
    void handleUserMove(const std::string& text);
    void handleLevel(const std::vector<std::string>& words);
    void handleSetboard(std::string_view fen);
    void handleUndo(int plies, const std::string& name);
    void play(const Move& m);
    bool announceEnd(int movedSide);
    void think();
    engine::Limits limits() const;

    Writer out_;
    Runner runner_;
    std::size_t maxHash_;
    engine::Engine engine_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> dropMove_{false};
    std::atomic<bool> post_{false};

    RuleSet rules_ = RuleSet::Standard;
    Position start_ = Position::initial(RuleSet::Standard);
    int startMoveNumber_ = 1;
    std::vector<Move> moves_;          // played since start_
    std::vector<Position> positions_;  // start_, then the position after each move
    Position position_ = start_;
    std::vector<std::uint64_t> history_;  // keys since the last capture or promotion
    bool force_ = false;
    bool gameOver_ = false;
    int engineSide_ = 1;  // XBoard's "black": the top side, second to move

    // Time use: a fixed time a move (st), a clock (level, time), a depth (sd).
    int depth_ = 0;                  // 0: no depth limit
    std::int64_t moveMillis_ = 0;    // st; 0: none
    std::int64_t baseMillis_ = -1;   // level's base time; -1: no level
    std::int64_t incMillis_ = 0;     // level's increment
    int movesPerSession_ = 0;        // level's moves per period; 0: the whole game
    std::int64_t clockMillis_ = -1;  // time: the engine's clock; -1: not told
};

}  // namespace zk::xboard
