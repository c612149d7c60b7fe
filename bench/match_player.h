// An engine as engine_match plays it: started once, told of each new game,
// asked for a move in a position under a limit, and ended. The USI client
// is one kind; another protocol's client goes beside it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "engine_process.h"

namespace zk::bench {

// What an engine is given a move: a node count, a fixed time, or a clock.
struct Limit {
    enum class Kind { Nodes, Depth, Movetime, Byoyomi, Fischer };
    Kind kind = Kind::Nodes;
    std::uint64_t nodes = 0;
    int depth = 0;
    std::int64_t movetimeMs = 0;
    std::int64_t byoyomiMs = 0;
    std::int64_t baseMs = 0, incMs = 0;
    bool timed() const { return kind != Kind::Nodes && kind != Kind::Depth; }
};
// "nodes=N", "depth=N", "movetime=MS", "byoyomi=MS" or "clock=BASE+INC" (seconds); false when
// unreadable.
bool parseLimit(const std::string& text, Limit& out);
std::string describeLimit(const Limit& l);

// One engine's command line and options.
struct EngineSpec {
    std::string label;    // "A" or "B"
    std::vector<std::string> argv;
    std::vector<std::pair<std::string, std::string>> options;  // name, value
    Limit limit;
    std::FILE* log = nullptr;  // every line both ways, when set
    std::mutex* logMutex = nullptr;
    bool xboard = false;  // the XBoard protocol rather than USI
};

// A request for a move: the game so far as USI text, and both clocks as the
// engine is to be told them (black is the side that moves first).
struct MoveRequest {
    std::vector<std::string> moves;  // from the rule set's start position
    const Limit* limit = nullptr;    // the mover's
    bool blackToMove = true;
    std::int64_t blackLeftMs = 0, whiteLeftMs = 0;  // main time left (Fischer)
    std::int64_t blackIncMs = 0, whiteIncMs = 0;
    std::int64_t waitMs = 0;  // how long to wait for the answer at most
};

struct MoveReply {
    enum class Kind { Move, Resign, NoReply, Gone };
    Kind kind = Kind::NoReply;
    std::string move;
    std::int64_t elapsedMs = 0;  // from the request to the answer
    bool hasScore = false;
    int scoreCp = 0;  // the last reported score, the mover's view; a mate as +-100000
};

class EnginePlayer {
public:
    virtual ~EnginePlayer() = default;
    // Start the program and set it up for `standardRules`; false with a reason.
    virtual bool start(bool standardRules, std::string& error) = 0;
    // Ready for a new game; false when the program is gone.
    virtual bool newGame() = 0;
    // The game is over: +1 this engine won, -1 it lost, 0 a draw.
    virtual void gameOver(int result) = 0;
    virtual MoveReply play(const MoveRequest& request) = 0;
    virtual void quit() = 0;
    // Whether it still answers (after NoReply or Gone it may not).
    virtual bool healthy() const = 0;
};

// What the clients of both protocols share: the program on pipes, each line
// copied to the log, and waiting for a line.
class PipedPlayer : public EnginePlayer {
public:
    explicit PipedPlayer(EngineSpec spec) : spec_(std::move(spec)) {}
    bool healthy() const override { return healthy_; }
    // "quit", then the program is stopped if it does not end by itself.
    void quit() override;

protected:
    bool send(const std::string& line);
    EngineProcess::Read receive(std::string& line, int ms);
    // Lines until one whose first word is `word`, within `ms`.
    bool waitFor(const std::string& word, int ms);

    EngineSpec spec_;
    EngineProcess process_;
    bool healthy_ = false;
};

// Milliseconds on the steady clock.
std::int64_t nowMs();
// The blank-separated words of a line.
std::vector<std::string> wordsOf(const std::string& line);

// A USI engine over pipes.
std::unique_ptr<EnginePlayer> makeUsiPlayer(const EngineSpec& spec);
// An XBoard (CECP) engine over pipes, told the rule set as a variant.
std::unique_ptr<EnginePlayer> makeXboardPlayer(const EngineSpec& spec, bool standardRules);
// The client of the engine's protocol.
std::unique_ptr<EnginePlayer> makePlayer(const EngineSpec& spec, bool standardRules);

}  // namespace zk::bench
