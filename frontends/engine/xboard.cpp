#include "xboard.h"

#include <algorithm>
#include <chrono>
#include <sstream>

#include "command_line.h"
#include "formats/xboard.h"
#include "game_end.h"
#include "repetition.h"
#include "time_control.h"

namespace zk::xboard {
namespace {

using protocol::quoted;
using protocol::split;

// The text after the command word, as it was sent.
std::string rest(std::string_view line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string_view::npos) return {};
    i = line.find_first_of(" \t", i);
    if (i == std::string_view::npos) return {};
    i = line.find_first_not_of(" \t", i);
    return i == std::string_view::npos ? std::string() : std::string(line.substr(i));
}

// Seconds written as a number ("5", "0.5"), in milliseconds; -1 when not one.
std::int64_t millisOf(const std::string& w) {
    try {
        std::size_t used = 0;
        const double s = std::stod(w, &used);
        if (used != w.size() || s < 0 || s > 1e7) return -1;
        return static_cast<std::int64_t>(s * 1000);
    } catch (...) {
        return -1;
    }
}

// A whole number, or `fallback` when it is not one.
std::int64_t number(const std::string& w, std::int64_t fallback) {
    try {
        std::size_t used = 0;
        const long long n = std::stoll(w, &used);
        return used == w.size() ? n : fallback;
    } catch (...) {
        return fallback;
    }
}

// XBoard calls the side that moves first, the bottom side, white.
const char* colourName(int side) { return side < 0 ? "White" : "Black"; }

// The result line for `winner` (a side's sign, 0 a draw) with its reason.
std::string resultLine(int winner, const std::string& reason) {
    const char* score = winner < 0 ? "1-0" : winner > 0 ? "0-1" : "1/2-1/2";
    return std::string(score) + " {" + reason + "}";
}

// A score as XBoard's thinking output shows it: centipawns, or 100000 plus
// the moves to a mate.
int shownScore(int score) {
    if (score > engine::kWinBound) return 100000 + (engine::kWin - score + 1) / 2;
    if (score < -engine::kWinBound) return -100000 - (engine::kWin + score + 1) / 2;
    return score;
}

constexpr std::int64_t kDefaultMillis = 5000;  // a move when no time control was given

}  // namespace

XboardSession::XboardSession(Writer out, std::size_t maxHashMegabytes)
    : out_(std::move(out)),
      runner_([](std::function<void()> f) { f(); }),
      maxHash_(std::max<std::size_t>(maxHashMegabytes, 1)),
      engine_(std::min<std::size_t>(64, maxHash_)) {}

bool XboardSession::interrupt(std::string_view line) {
    const std::vector<std::string> w = split(line);
    const std::string c = w.empty() ? std::string() : w[0];
    if (c == "?") {
        stop_.store(true);
        return false;
    }
    for (const char* changes : {"new", "force", "result", "undo", "remove", "setboard", "variant",
                                "quit", "playother", "edit"})
        if (c == changes) {
            dropMove_.store(true);
            stop_.store(true);
        }
    return true;
}

bool XboardSession::command(std::string_view line) {
    // A line no interface could have meant is refused before it is read, and
    // never echoed: its bytes could break the interface's reading of ours.
    if (const std::string problem = protocol::lineProblem(line);
        !problem.empty() && problem != "empty line") {
        out_("Error (" + problem + "): the line was ignored");
        return true;
    }
    const std::vector<std::string> w = split(line);
    if (w.empty()) return true;
    const std::string& c = w[0];
    const std::string arg = w.size() > 1 ? w[1] : std::string();
    if (c == "protover") {
        out_("feature myname=\"Zenkoru " ZK_VERSION
             "\" variants=\"chu,zenkoru\" setboard=1 "
             "usermove=1 sigint=0 sigterm=0 ping=1 colors=0 analyze=0 debug=1 memory=1");
        out_("feature done=1");
    } else if (c == "new") {
        newGame(rules_, Position::initial(rules_), 1);
        force_ = false;
        engineSide_ = 1;
        depth_ = 0;
        engine_.clear();
    } else if (c == "variant") {
        if (arg == "chu")
            newGame(RuleSet::Standard, Position::initial(RuleSet::Standard), 1);
        else if (arg == "zenkoru") {
            newGame(RuleSet::Zenkoru, Position::initial(RuleSet::Zenkoru), 1);
            // XBoard knows no such variant: it is told the board, the pieces
            // (Chu's) and where they start.
            out_("setup 12x12+0_chu " + formatXboardFen(start_));
        } else
            out_("Error (unsupported variant): variant " + quoted(arg));
    } else if (c == "setboard") {
        handleSetboard(rest(line));
    } else if (c == "usermove") {
        handleUserMove(arg);
    } else if (c == "go") {
        force_ = false;
        engineSide_ = position_.mover;
        if (!gameOver_) think();
    } else if (c == "force") {
        force_ = true;
    } else if (c == "playother") {
        force_ = false;
        engineSide_ = -position_.mover;
    } else if (c == "level") {
        handleLevel(w);
    } else if (c == "st") {
        moveMillis_ = std::max<std::int64_t>(millisOf(arg), 0);
    } else if (c == "sd") {
        depth_ = static_cast<int>(std::clamp<std::int64_t>(number(arg, 0), 0, 64));
    } else if (c == "time") {
        const std::int64_t centis = number(arg, -1);
        clockMillis_ = centis >= 0 ? centis * 10 : -1;
    } else if (c == "?") {
        stop_.store(true);
    } else if (c == "ping") {
        out_("pong " + arg);
    } else if (c == "undo") {
        handleUndo(1, c);
    } else if (c == "remove") {
        handleUndo(2, c);
    } else if (c == "result") {
        gameOver_ = true;
    } else if (c == "post") {
        post_.store(true);
    } else if (c == "nopost") {
        post_.store(false);
    } else if (c == "quit") {
        stop_.store(true);
        return false;
    } else if (c == "memory") {
        // "memory N": the megabytes the interface gives the engine, all for its table.
        const std::int64_t mb = number(arg, -1);
        if (mb >= 1 && mb <= static_cast<std::int64_t>(maxHash_))
            engine_.setHashSize(static_cast<std::size_t>(mb));
        else
            out_("Error (bad memory size): memory " + quoted(arg));
    } else if (c == "xboard" || c == "accepted" || c == "rejected" || c == "otim" || c == "hard" ||
               c == "easy" || c == "computer" || c == "random" || c == "name" || c == "rating" ||
               c == "ics" || c == "draw") {
        // nothing to do: the engine never ponders, never accepts a draw, and
        // plays the same against anyone
    } else if (w.size() == 1 && parseXboardMove(position_, c)) {
        handleUserMove(c);  // an interface that did not take usermove=1
    } else {
        out_("Error (unknown command): " + quoted(c));
    }
    return true;
}

// A game from `start` by `rules`, no move made.
void XboardSession::newGame(RuleSet rules, const Position& start, int moveNumber) {
    rules_ = rules;
    start_ = start;
    startMoveNumber_ = moveNumber;
    moves_.clear();
    positions_.assign(1, start);
    position_ = start;
    history_.clear();
    gameOver_ = false;
}

// "setboard FEN": the game starts again there; a FEN refused leaves it as it was.
void XboardSession::handleSetboard(std::string_view fen) {
    Position p;
    int moveNumber = 1;
    if (!parseXboardFen(fen, p, moveNumber, rules_).ok) {
        out_("tellusererror Illegal position");
        return;
    }
    newGame(rules_, p, moveNumber);
}

// "usermove MOVE": the opponent's move, answered by the engine's when it is
// the engine's turn.
void XboardSession::handleUserMove(const std::string& text) {
    const std::optional<Move> m = gameOver_ ? std::nullopt : parseXboardMove(position_, text);
    if (!m) {
        out_((gameOver_ ? "Illegal move (the game is over): " : "Illegal move: ") + quoted(text));
        return;
    }
    const int side = position_.mover;
    play(*m);
    if (announceEnd(side)) return;
    if (!force_ && position_.mover == engineSide_) think();
}

// "level MPS BASE INC": moves per period (0 the whole game), the base time in
// minutes or minutes:seconds, the increment in seconds.
void XboardSession::handleLevel(const std::vector<std::string>& w) {
    if (w.size() < 4) {
        out_("Error (bad level): level");
        return;
    }
    const std::string& base = w[2];
    const std::size_t colon = base.find(':');
    std::int64_t baseMillis = -1;
    if (colon == std::string::npos) {
        const std::int64_t minutes = millisOf(base);
        if (minutes >= 0) baseMillis = minutes * 60;
    } else {
        const std::int64_t minutes = number(base.substr(0, colon), -1);
        const std::int64_t seconds = number(base.substr(colon + 1), -1);
        if (minutes >= 0 && seconds >= 0) baseMillis = (minutes * 60 + seconds) * 1000;
    }
    const std::int64_t inc = millisOf(w[3]);
    const std::int64_t mps = number(w[1], -1);
    if (baseMillis < 0 || inc < 0 || mps < 0) {
        out_("Error (bad level): level " + quoted(w[1]) + ' ' + quoted(w[2]) + ' ' + quoted(w[3]));
        return;
    }
    movesPerSession_ = static_cast<int>(mps);
    baseMillis_ = baseMillis;
    incMillis_ = inc;
    moveMillis_ = 0;
}

// "undo" (one move) or "remove" (two): the game as it was before them.
void XboardSession::handleUndo(int plies, const std::string& name) {
    if (static_cast<int>(moves_.size()) < plies) {
        out_("Error (no move to undo): " + name);
        return;
    }
    std::vector<Move> kept(moves_.begin(), moves_.end() - plies);
    newGame(rules_, start_, startMoveNumber_);
    for (const Move& m : kept) play(m);
}

// Put a move on the game.
void XboardSession::play(const Move& m) {
    engine::addGameKey(history_, position_, m);
    apply(position_, m);
    moves_.push_back(m);
    positions_.push_back(position_);
}

// After `movedSide` moved: has the game ended by its rules? The result line
// says how, and the engine moves no more.
bool XboardSession::announceEnd(int movedSide) {
    std::string line;
    if (rules_ == RuleSet::Standard) {
        const StandardEnding end = standardEnding(position_);
        const int loser = -end.winner;
        switch (end.reason) {
            case EndReason::None:
                switch (repetitionVerdict(positions_, moves_)) {
                    case RepetitionVerdict::None:
                        return false;
                    case RepetitionVerdict::Draw:
                        line = resultLine(0, "Fourfold repetition");
                        break;
                    case RepetitionVerdict::BottomLoses:
                        line = resultLine(1, "White repeats the position attacking");
                        break;
                    case RepetitionVerdict::TopLoses:
                        line = resultLine(-1, "Black repeats the position attacking");
                        break;
                }
                break;
            case EndReason::NoRoyal:
                line = resultLine(end.winner,
                                  std::string(colourName(loser)) + " has no royal piece left");
                break;
            case EndReason::BareRoyal:
                line = resultLine(end.winner, end.winner == 0
                                                  ? std::string("Both sides are bare")
                                                  : std::string(colourName(loser)) + " is bare");
                break;
            case EndReason::NoMoves:
                line =
                    resultLine(end.winner, std::string(colourName(loser)) + " has no legal move");
                break;
        }
    } else {
        switch (engine::outcomeAfter(position_, movedSide, engine::EndRules::Symmetric)) {
            case engine::Outcome::None:
                return false;
            case engine::Outcome::BottomWins:
                line = resultLine(-1, "White wins");
                break;
            case engine::Outcome::TopWins:
                line = resultLine(1, "Black wins");
                break;
            case engine::Outcome::Draw:
                line = resultLine(0, "Draw");
                break;
        }
    }
    gameOver_ = true;
    out_(line);
    return true;
}

// The engine's search limits from the time control and the depth it was given.
engine::Limits XboardSession::limits() const {
    engine::Limits l;
    l.endRules = engine::EndRules::Symmetric;
    if (rules_ == RuleSet::Standard) l.history = history_;
    if (depth_ > 0) l.depth = depth_;
    engine::Clock clock;
    clock.movetime = moveMillis_;
    clock.left = clockMillis_ >= 0 ? clockMillis_ : baseMillis_;
    clock.inc = incMillis_;
    // The engine's own moves so far decide how many the period still asks for.
    if (movesPerSession_ > 0)
        clock.movesToGo = movesPerSession_ - static_cast<int>(moves_.size() / 2) % movesPerSession_;
    if (clock.movetime <= 0 && clock.left < 0) {
        if (depth_ > 0) return l;  // a depth alone bounds it
        clock.movetime = kDefaultMillis;
    }
    const engine::TimeBudget b = engine::timeBudget(clock);
    l.millis = b.hard;
    l.softMillis = b.soft;
    return l;
}

// The engine moves for the side to move, where the runner runs it; its move
// is played and announced unless a command dropped it meanwhile.
void XboardSession::think() {
    stop_.store(false);
    dropMove_.store(false);
    engine::Limits l = limits();
    l.stop = &stop_;
    const Position p = position_;
    runner_([this, p, l]() mutable {
        const auto start = std::chrono::steady_clock::now();
        l.onIteration = [this, start](const engine::Result& r) {
            if (!post_.load()) return;
            const auto centis = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - start)
                                    .count() /
                                10;
            std::string line = std::to_string(r.depth) + ' ' + std::to_string(shownScore(r.score)) +
                               ' ' + std::to_string(centis) + ' ' + std::to_string(r.nodes);
            for (const Move& m : r.pv) line += ' ' + xboardMove(m);
            out_(line);
        };
        const engine::Result r = engine_.search(p, p.mover, l);
        if (dropMove_.load()) return;
        if (!r.found) {
            gameOver_ = true;
            out_(resultLine(-p.mover, std::string(colourName(p.mover)) + " has no legal move"));
            return;
        }
        out_("move " + xboardMove(r.best));
        play(r.best);
        announceEnd(p.mover);
    });
}

}  // namespace zk::xboard
