// The engine's side of USI, the protocol shogi GUIs and Lishogi speak: one
// command line in, output lines through a callback. The search itself runs
// where the caller says (the program runs it on a thread of its own so that
// "stop" is read while it thinks; tests run it in place).
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

namespace zk::usi {

class UsiSession {
public:
    using Writer = std::function<void(const std::string& line)>;
    // What to do with a search: run it now (tests) or on another thread.
    using Runner = std::function<void(std::function<void()> search)>;

    // `maxHashMegabytes` bounds the USI_Hash option (and the first table).
    explicit UsiSession(Writer out, std::size_t maxHashMegabytes = 4096);

    // Handle one command line. Returns false after "quit".
    bool command(std::string_view line);

    // How a "go" runs its search; by default on the calling thread.
    void setRunner(Runner r) { runner_ = std::move(r); }
    // Ask a running search to end; it answers with its bestmove.
    void stop() { stop_.store(true); }

    const Position& position() const { return position_; }
    RuleSet rules() const { return rules_; }

private:
    void handlePosition(const std::vector<std::string>& words);
    void handleGo(const std::vector<std::string>& words);
    void handleSetOption(const std::vector<std::string>& words);
    void perft(const Position& from, int depth);

    Writer out_;
    Runner runner_;
    std::size_t maxHash_;
    engine::Engine engine_;
    std::atomic<bool> stop_{false};
    RuleSet rules_ = RuleSet::Standard;
    Position position_ = Position::initial(RuleSet::Standard);
    std::vector<std::uint64_t> history_;  // keys since the last capture or promotion
};

}  // namespace zk::usi
