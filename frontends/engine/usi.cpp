#include "usi.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <sstream>

#include "sfen.h"

namespace zk::usi {
namespace {

// The words of a command line.
std::vector<std::string> split(std::string_view line) {
    std::vector<std::string> words;
    std::istringstream in{std::string(line)};
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// A number word, or `fallback` when it is not one.
std::int64_t number(const std::vector<std::string>& w, std::size_t i, std::int64_t fallback) {
    if (i >= w.size()) return fallback;
    try {
        return std::stoll(w[i]);
    } catch (...) {
        return fallback;
    }
}

// The legal move written `text` in USI, if there is one.
bool findMove(const Position& p, const std::string& text, Move& out) {
    for (const Move& m : legalMoves(p, Mover::Computer))
        if (usiMove(m) == text) {
            out = m;
            return true;
        }
    return false;
}

// The info line of a search result after `millis` milliseconds.
std::string infoLine(const engine::Result& r, std::int64_t millis) {
    std::string score;
    if (r.score > engine::kWinBound)
        score = "mate " + std::to_string(engine::kWin - r.score);
    else if (r.score < -engine::kWinBound)
        score = "mate -" + std::to_string(engine::kWin + r.score);
    else
        score = "cp " + std::to_string(r.score);
    const auto nps = r.nodes * 1000 / static_cast<std::uint64_t>(std::max<std::int64_t>(millis, 1));
    std::string line = "info depth " + std::to_string(r.depth) + " seldepth " +
                       std::to_string(std::max(r.seldepth, r.depth)) + " score " + score +
                       " nodes " + std::to_string(r.nodes) + " nps " + std::to_string(nps) +
                       " time " + std::to_string(millis);
    if (!r.pv.empty()) {
        line += " pv";
        for (const Move& m : r.pv) line += ' ' + usiMove(m);
    }
    return line;
}

}  // namespace

UsiSession::UsiSession(Writer out)
    : out_(std::move(out)), runner_([](std::function<void()> f) { f(); }) {}

bool UsiSession::command(std::string_view line) {
    const std::vector<std::string> w = split(line);
    if (w.empty()) return true;
    const std::string& c = w[0];
    if (c == "usi") {
        out_("id name Zenkoru " ZK_VERSION);
        out_("id author The Zenkoru developers");
        out_("option name USI_Hash type spin default 64 min 1 max 4096");
        out_("option name USI_Variant type combo default chushogi var chushogi var zenkoru");
        out_("usiok");
    } else if (c == "isready") {
        out_("readyok");
    } else if (c == "setoption") {
        handleSetOption(w);
    } else if (c == "usinewgame") {
        engine_.clear();
    } else if (c == "position") {
        handlePosition(w);
    } else if (c == "go") {
        handleGo(w);
    } else if (c == "stop") {
        stop();
    } else if (c == "quit") {
        stop();
        return false;
    } else if (c == "gameover" || c == "ponderhit") {
        // nothing to keep between games
    } else {
        out_("info string unknown command " + c);
    }
    return true;
}

// "setoption name <id> value <x>": the hash size and the rule set.
void UsiSession::handleSetOption(const std::vector<std::string>& w) {
    std::string name, value;
    if (w.size() >= 3 && w[1] == "name") name = w[2];
    if (w.size() >= 5 && w[3] == "value") value = w[4];
    if (name == "USI_Hash") {
        const std::int64_t mb = number(w, 4, 0);
        if (mb >= 1 && mb <= 4096)
            engine_.setHashSize(static_cast<std::size_t>(mb));
        else
            out_("info string bad USI_Hash value " + value);
    } else if (name == "USI_Variant") {
        if (value == "chushogi")
            rules_ = RuleSet::Standard;
        else if (value == "zenkoru")
            rules_ = RuleSet::Zenkoru;
        else
            out_("info string unknown variant " + value);
        position_ = Position::initial(rules_);
        history_.clear();
    } else {
        out_("info string unknown option " + name);
    }
}

// "position startpos|sfen <SFEN> [moves ...]"; a refused part is reported
// and the position stays as far as it was read.
void UsiSession::handlePosition(const std::vector<std::string>& w) {
    std::size_t i = 1;
    Position p = Position::initial(rules_);
    if (i < w.size() && w[i] == "startpos") {
        ++i;
    } else if (i < w.size() && w[i] == "sfen") {
        std::string sfen;
        for (++i; i < w.size() && w[i] != "moves"; ++i) sfen += (sfen.empty() ? "" : " ") + w[i];
        const NotationError e = parseSfen(sfen, p, rules_);
        if (!e.ok) {
            out_("info string bad sfen: " + sfen);
            return;
        }
    } else {
        out_("info string position needs startpos or sfen");
        return;
    }
    std::vector<std::uint64_t> history;
    if (i < w.size() && w[i] == "moves") {
        for (++i; i < w.size(); ++i) {
            Move m;
            if (!findMove(p, w[i], m)) {
                out_("info string illegal move " + w[i]);
                break;
            }
            engine::addGameKey(history, p, m);
            apply(p, m);
        }
    }
    position_ = p;
    history_ = std::move(history);
}

// "go ...": a search bounded as the GUI asks, answered by info lines and a
// bestmove; "go perft N" counts moves instead.
void UsiSession::handleGo(const std::vector<std::string>& w) {
    engine::Limits limits;
    limits.endRules = engine::EndRules::Symmetric;
    if (rules_ == RuleSet::Standard) limits.history = history_;
    std::int64_t btime = -1, wtime = -1, binc = 0, winc = 0, byoyomi = 0, movetime = 0;
    bool infinite = false;
    for (std::size_t i = 1; i < w.size(); ++i) {
        const std::string& k = w[i];
        if (k == "perft") {
            perft(static_cast<int>(number(w, i + 1, 1)));
            return;
        }
        if (k == "infinite") {
            infinite = true;
            continue;
        }
        const std::int64_t v = number(w, i + 1, 0);
        if (k == "btime")
            btime = v, ++i;
        else if (k == "wtime")
            wtime = v, ++i;
        else if (k == "binc")
            binc = v, ++i;
        else if (k == "winc")
            winc = v, ++i;
        else if (k == "byoyomi")
            byoyomi = v, ++i;
        else if (k == "movetime")
            movetime = v, ++i;
        else if (k == "nodes")
            limits.nodes = static_cast<std::uint64_t>(std::max<std::int64_t>(v, 1)), ++i;
        else if (k == "depth")
            limits.depth = static_cast<int>(std::clamp<std::int64_t>(v, 1, 64)), ++i;
    }
    if (!infinite) {
        if (movetime > 0) {
            limits.millis = movetime;
        } else {
            // Black ('b') is the bottom side, whose codes are negative.
            const bool black = position_.mover < 0;
            const std::int64_t left = black ? btime : wtime;
            const std::int64_t inc = black ? binc : winc;
            if (left >= 0 || byoyomi > 0) {
                const std::int64_t margin = 100;
                const std::int64_t budget =
                    std::max<std::int64_t>(left, 0) / 30 + inc + byoyomi - margin;
                limits.millis = std::max<std::int64_t>(budget, 50);
            }
        }
    }
    stop_.store(false);
    limits.stop = &stop_;
    const Position p = position_;
    runner_([this, p, limits]() mutable {
        const auto start = std::chrono::steady_clock::now();
        const auto elapsed = [start] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                       std::chrono::steady_clock::now() - start)
                .count();
        };
        bool reported = false;
        limits.onIteration = [this, &elapsed, &reported](const engine::Result& soFar) {
            out_(infoLine(soFar, elapsed()));
            reported = true;
        };
        const engine::Result r = engine_.search(p, p.mover, limits);
        if (!r.found) {
            out_("bestmove resign");
            return;
        }
        // A search stopped before its first iteration still says what it has.
        if (!reported) out_(infoLine(r, elapsed()));
        out_("bestmove " + usiMove(r.best));
    });
}

// Each legal move with the number of move sequences of `depth` moves it
// starts, one line per distinct USI text, then their total.
void UsiSession::perft(int depth) {
    depth = std::max(depth, 1);
    std::map<std::string, std::uint64_t> counts;
    for (const Move& m : legalMoves(position_, Mover::Computer)) {
        const std::string text = usiMove(m);
        if (counts.count(text)) continue;
        Position next = position_;
        apply(next, m);
        counts[text] = depth == 1 ? 1 : zk::perft(next, depth - 1, Mover::Computer);
    }
    std::uint64_t total = 0;
    for (const auto& [text, n] : counts) {
        out_(text + ": " + std::to_string(n));
        total += n;
    }
    out_("");
    out_("Nodes searched: " + std::to_string(total));
}

}  // namespace zk::usi
