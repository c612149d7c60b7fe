#include "usi.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <sstream>

#include "command_line.h"
#include "sfen.h"
#include "time_control.h"

namespace zk::usi {
namespace {

using protocol::lineProblem;
using protocol::quoted;
using protocol::split;

// Joined with a separator.
std::string joined(const std::vector<std::string>& parts, const char* separator) {
    std::string s;
    for (const auto& p : parts) s += (s.empty() ? "" : separator) + p;
    return s;
}

// A whole word as a decimal integer: none when it is not one, and a word too
// large for 64 bits saturates (so it is clamped like any other).
std::optional<std::int64_t> integer(const std::string& word) {
    std::int64_t v = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, v);
    if (ptr != end) return std::nullopt;
    if (ec == std::errc::result_out_of_range) return word[0] == '-' ? INT64_MIN : INT64_MAX;
    if (ec != std::errc()) return std::nullopt;
    return v;
}

// The number after the word w[i], clamped to [lo, hi]; `fallback` when there
// is none, and then a following keyword is left to be read. What was wrong
// joins `problems`.
std::int64_t numberAfter(const std::vector<std::string>& w, std::size_t& i, std::int64_t lo,
                         std::int64_t hi, std::int64_t fallback,
                         std::vector<std::string>& problems) {
    const std::string& key = w[i];
    const std::optional<std::int64_t> v =
        i + 1 < w.size() ? integer(w[i + 1]) : std::optional<std::int64_t>{};
    if (!v) {
        problems.push_back(key + " needs a number" +
                           (i + 1 < w.size() ? ", not " + quoted(w[i + 1]) : std::string()) +
                           ", using " + std::to_string(fallback));
        return fallback;
    }
    ++i;
    const std::int64_t c = std::clamp(*v, lo, hi);
    if (c != *v)
        problems.push_back(key + " " + quoted(w[i]) + " out of range, using " + std::to_string(c));
    return c;
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

UsiSession::UsiSession(Writer out, std::size_t maxHashMegabytes)
    : out_(std::move(out)),
      runner_([](std::function<void()> f) { f(); }),
      maxHash_(std::max<std::size_t>(maxHashMegabytes, 1)),
      engine_(std::min<std::size_t>(64, maxHash_)) {}

bool UsiSession::command(std::string_view line) {
    if (const std::string problem = lineProblem(line); !problem.empty()) {
        out_("info string " + problem);
        return true;
    }
    const std::vector<std::string> w = split(line);
    const std::string& c = w[0];
    if (c == "usi") {
        out_("id name Zenkoru " ZK_VERSION);
        out_("id author The Zenkoru developers");
        out_("option name USI_Hash type spin default " +
             std::to_string(std::min<std::size_t>(64, maxHash_)) + " min 1 max " +
             std::to_string(maxHash_));
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
        out_("info string unknown command " + quoted(c));
    }
    return true;
}

// "setoption name <id> value <x>": the hash size and the rule set. A name
// may have spaces; what is refused is reported and changes nothing.
void UsiSession::handleSetOption(const std::vector<std::string>& w) {
    if (w.size() < 3 || w[1] != "name") {
        out_("info string setoption needs name <id> value <x>");
        return;
    }
    std::size_t i = 2;
    std::vector<std::string> nameWords, valueWords;
    for (; i < w.size() && w[i] != "value"; ++i) nameWords.push_back(w[i]);
    const bool hasValue = i < w.size();
    for (++i; i < w.size(); ++i) valueWords.push_back(w[i]);
    const std::string name = joined(nameWords, " ");
    const std::string value = joined(valueWords, " ");
    if (name.empty()) {
        out_("info string setoption needs an option name");
    } else if (name == "USI_Hash") {
        const std::optional<std::int64_t> mb = integer(value);
        if (!hasValue || !mb)
            out_("info string USI_Hash needs a number of megabytes, not " + quoted(value));
        else if (*mb < 1 || *mb > static_cast<std::int64_t>(maxHash_))
            out_("info string USI_Hash " + quoted(value) + " out of range 1.." +
                 std::to_string(maxHash_));
        else
            engine_.setHashSize(static_cast<std::size_t>(*mb));
    } else if (name == "USI_Variant") {
        if (value != "chushogi" && value != "zenkoru") {
            out_("info string unknown variant " + quoted(value));
            return;
        }
        rules_ = value == "chushogi" ? RuleSet::Standard : RuleSet::Zenkoru;
        position_ = Position::initial(rules_);
        history_.clear();
    } else if (name == "USI_Ponder") {
        // GUIs send it whether or not it is offered; this engine does not ponder
    } else {
        out_("info string unknown option " + quoted(name));
    }
}

// "position startpos|sfen <SFEN> [moves ...]"; a refused command is reported
// once and leaves the position as it was.
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
            out_("info string bad sfen: " + quoted(sfen));
            return;
        }
    } else {
        out_("info string position needs startpos or sfen");
        return;
    }
    std::vector<std::uint64_t> history;
    if (i < w.size() && w[i] != "moves") {
        out_("info string position: moves expected, not " + quoted(w[i]));
        return;
    }
    bool over = false;
    for (++i; i < w.size(); ++i) {
        Move m;
        if (over) {
            out_("info string move " + quoted(w[i]) + " after the game ended");
            return;
        }
        if (!findMove(p, w[i], m)) {
            out_("info string illegal move " + quoted(w[i]));
            return;
        }
        engine::addGameKey(history, p, m);
        const int side = p.mover;
        apply(p, m);
        over = engine::outcomeAfter(p, side, engine::EndRules::Symmetric) != engine::Outcome::None;
    }
    position_ = p;
    history_ = std::move(history);
}

// "go ...": a search bounded as the GUI asks, answered by info lines and a
// bestmove; "go perft N" counts moves instead. Nonsense numbers are clamped
// (a missing one counts as the least) and reported in one line, and the
// search still runs: the GUI waits for its bestmove.
void UsiSession::handleGo(const std::vector<std::string>& w) {
    constexpr std::int64_t kMaxMillis = 1'000'000'000;  // eleven days
    engine::Limits limits;
    limits.endRules = engine::EndRules::Symmetric;
    if (rules_ == RuleSet::Standard) limits.history = history_;
    engine::Clock black, white;
    std::int64_t byoyomi = 0, movetime = 0, movesToGo = 0;
    bool infinite = false, clocked = false;
    int perftDepth = 0;
    std::vector<std::string> problems;
    for (std::size_t i = 1; i < w.size(); ++i) {
        const std::string& k = w[i];
        const auto millis = [&] {
            clocked = true;
            return numberAfter(w, i, 0, kMaxMillis, 0, problems);
        };
        if (k == "perft")
            perftDepth = static_cast<int>(numberAfter(w, i, 1, 8, 1, problems));
        else if (k == "infinite")
            infinite = true;
        else if (k == "btime")
            black.left = millis();
        else if (k == "wtime")
            white.left = millis();
        else if (k == "binc")
            black.inc = millis();
        else if (k == "winc")
            white.inc = millis();
        else if (k == "byoyomi")
            byoyomi = millis();
        else if (k == "movetime")
            movetime = numberAfter(w, i, 1, kMaxMillis, 1, problems);
        else if (k == "movestogo")
            movesToGo = numberAfter(w, i, 0, 1000, 0, problems);
        else if (k == "nodes")
            limits.nodes = static_cast<std::uint64_t>(
                numberAfter(w, i, 1, std::int64_t{1} << 50, 1, problems));
        else if (k == "depth")
            limits.depth = static_cast<int>(numberAfter(w, i, 1, 64, 1, problems));
        else
            problems.push_back("unknown word " + quoted(k));
    }
    if (!problems.empty()) out_("info string go: " + joined(problems, "; "));
    const Position p = position_;
    if (perftDepth > 0) {
        runner_([this, p, perftDepth] { perft(p, perftDepth); });
        return;
    }
    if (!infinite) {
        // Black ('b') is the bottom side, whose codes are negative.
        engine::Clock clock = p.mover < 0 ? black : white;
        // Times given, even only the other side's or refused ones, bound the search.
        if (clocked) clock.left = std::max<std::int64_t>(clock.left, 0);
        clock.byoyomi = byoyomi;
        clock.movetime = movetime;
        clock.movesToGo = static_cast<int>(movesToGo);
        const engine::TimeBudget budget = engine::timeBudget(clock);
        limits.millis = budget.hard;
        limits.softMillis = budget.soft;
    }
    stop_.store(false);
    limits.stop = &stop_;
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

// Each legal move of `from` with the number of move sequences of `depth`
// moves it starts, one line per distinct USI text, then their total.
void UsiSession::perft(const Position& from, int depth) {
    depth = std::max(depth, 1);
    std::map<std::string, std::uint64_t> counts;
    for (const Move& m : legalMoves(from, Mover::Computer)) {
        const std::string text = usiMove(m);
        if (counts.count(text)) continue;
        Position next = from;
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
