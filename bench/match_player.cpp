#include "match_player.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>

namespace zk::bench {

namespace {

constexpr int kHandshakeMs = 10000;  // for usiok and readyok
constexpr int kStopGraceMs = 2000;   // for the bestmove after a late "stop"

class UsiPlayer : public PipedPlayer {
public:
    explicit UsiPlayer(EngineSpec spec) : PipedPlayer(std::move(spec)) {}
    ~UsiPlayer() override { quit(); }

    // "usi" until "usiok", the rule set and the options, then "isready".
    bool start(bool standardRules, std::string& error) override {
        healthy_ = false;
        if (!process_.start(spec_.argv)) {
            error = "cannot start " + spec_.argv[0];
            return false;
        }
        if (!send("usi") || !waitFor("usiok", kHandshakeMs)) {
            error = spec_.argv[0] + " did not answer usiok";
            process_.stop();
            return false;
        }
        send(std::string("setoption name USI_Variant value ") +
             (standardRules ? "chushogi" : "zenkoru"));
        for (const auto& [name, value] : spec_.options)
            send("setoption name " + name + " value " + value);
        if (!send("isready") || !waitFor("readyok", kHandshakeMs)) {
            error = spec_.argv[0] + " did not answer readyok";
            process_.stop();
            return false;
        }
        healthy_ = true;
        return true;
    }

    bool newGame() override {
        if (!healthy_) return false;
        healthy_ = send("usinewgame") && send("isready") && waitFor("readyok", kHandshakeMs);
        return healthy_;
    }

    void gameOver(int result) override {
        if (healthy_)
            send(result > 0 ? "gameover win" : result < 0 ? "gameover lose" : "gameover draw");
    }

    // "position startpos moves ..." and "go ...", then the info lines until
    // "bestmove". An answer later than `waitMs` is asked for with "stop".
    MoveReply play(const MoveRequest& r) override {
        MoveReply reply;
        std::string position = "position startpos";
        if (!r.moves.empty()) {
            position += " moves";
            for (const std::string& m : r.moves) position += ' ' + m;
        }
        const Limit& l = *r.limit;
        std::string go = "go";
        switch (l.kind) {
            case Limit::Kind::Nodes:
                go += " nodes " + std::to_string(l.nodes);
                break;
            case Limit::Kind::Depth:
                go += " depth " + std::to_string(l.depth);
                break;
            case Limit::Kind::Movetime:
                go += " movetime " + std::to_string(l.movetimeMs);
                break;
            case Limit::Kind::Byoyomi:
                go += " btime 0 wtime 0 byoyomi " + std::to_string(l.byoyomiMs);
                break;
            case Limit::Kind::Fischer:
                go += " btime " + std::to_string(r.blackLeftMs) + " wtime " +
                      std::to_string(r.whiteLeftMs) + " binc " + std::to_string(r.blackIncMs) +
                      " winc " + std::to_string(r.whiteIncMs);
                break;
        }
        const std::int64_t start = nowMs();
        if (!send(position) || !send(go)) {
            healthy_ = false;
            reply.kind = MoveReply::Kind::Gone;
            return reply;
        }
        bool stopped = false;
        for (;;) {
            const std::int64_t deadline = start + r.waitMs + (stopped ? kStopGraceMs : 0);
            std::string line;
            const auto got =
                receive(line, static_cast<int>(std::max<std::int64_t>(deadline - nowMs(), 0)));
            if (got == EngineProcess::Read::Closed) {
                healthy_ = false;
                reply.kind = MoveReply::Kind::Gone;
                reply.elapsedMs = nowMs() - start;
                return reply;
            }
            if (got == EngineProcess::Read::Timeout) {
                if (stopped) {
                    // It does not answer even "stop": it will not play again.
                    healthy_ = false;
                    reply.kind = MoveReply::Kind::NoReply;
                    reply.elapsedMs = nowMs() - start;
                    return reply;
                }
                stopped = true;
                send("stop");
                continue;
            }
            const std::vector<std::string> w = wordsOf(line);
            if (w.empty()) continue;
            if (w[0] == "info") readScore(w, reply);
            if (w[0] != "bestmove") continue;
            reply.elapsedMs = nowMs() - start;
            if (w.size() < 2 || w[1] == "resign" || w[1] == "win") {
                reply.kind = MoveReply::Kind::Resign;
            } else {
                reply.kind = MoveReply::Kind::Move;
                reply.move = w[1];
            }
            // A move that came only after "stop" was too late all the same.
            if (stopped) reply.kind = MoveReply::Kind::NoReply;
            return reply;
        }
    }

private:
    // "info ... score cp X" or "score mate N" (N negative: being mated).
    static void readScore(const std::vector<std::string>& w, MoveReply& reply) {
        for (std::size_t i = 1; i + 2 < w.size(); ++i) {
            if (w[i] != "score") continue;
            const long v = std::strtol(w[i + 2].c_str(), nullptr, 10);
            if (w[i + 1] == "cp") {
                reply.hasScore = true;
                reply.scoreCp = static_cast<int>(v);
            } else if (w[i + 1] == "mate") {
                reply.hasScore = true;
                reply.scoreCp = w[i + 2][0] == '-' ? -100000 : 100000;
            }
            return;
        }
    }
};

}  // namespace

std::int64_t nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

// A line to the engine, copied to the log.
bool PipedPlayer::send(const std::string& line) {
    if (spec_.log) {
        std::lock_guard<std::mutex> lock(*spec_.logMutex);
        std::fprintf(spec_.log, "%s > %s\n", spec_.label.c_str(), line.c_str());
    }
    return process_.writeLine(line);
}

// A line from the engine within `ms`, copied to the log.
EngineProcess::Read PipedPlayer::receive(std::string& line, int ms) {
    const EngineProcess::Read r = process_.readLine(line, ms);
    if (r == EngineProcess::Read::Line && spec_.log) {
        std::lock_guard<std::mutex> lock(*spec_.logMutex);
        std::fprintf(spec_.log, "%s < %s\n", spec_.label.c_str(), line.c_str());
    }
    return r;
}

void PipedPlayer::quit() {
    if (!process_.running()) return;
    send("quit");
    process_.stop(500);
    healthy_ = false;
}

bool PipedPlayer::waitFor(const std::string& word, int ms) {
    const std::int64_t deadline = nowMs() + ms;
    std::string line;
    for (;;) {
        const std::int64_t left = deadline - nowMs();
        if (left <= 0) return false;
        if (receive(line, static_cast<int>(left)) != EngineProcess::Read::Line) return false;
        const std::vector<std::string> w = wordsOf(line);
        if (!w.empty() && w[0] == word) return true;
    }
}

bool parseLimit(const std::string& text, Limit& out) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) return false;
    const std::string key = text.substr(0, eq), value = text.substr(eq + 1);
    char* end = nullptr;
    Limit l;
    if (key == "nodes") {
        l.kind = Limit::Kind::Nodes;
        l.nodes = std::strtoull(value.c_str(), &end, 10);
        if (l.nodes == 0) return false;
    } else if (key == "depth") {
        l.kind = Limit::Kind::Depth;
        l.depth = static_cast<int>(std::strtol(value.c_str(), &end, 10));
        if (l.depth < 1 || l.depth > 64) return false;
    } else if (key == "movetime" || key == "byoyomi") {
        const long long ms = std::strtoll(value.c_str(), &end, 10);
        if (ms <= 0) return false;
        l.kind = key == "movetime" ? Limit::Kind::Movetime : Limit::Kind::Byoyomi;
        (key == "movetime" ? l.movetimeMs : l.byoyomiMs) = ms;
    } else if (key == "clock") {
        l.kind = Limit::Kind::Fischer;
        const double base = std::strtod(value.c_str(), &end);
        double inc = 0;
        if (*end == '+') inc = std::strtod(end + 1, &end);
        if (base <= 0 || inc < 0) return false;
        l.baseMs = static_cast<std::int64_t>(base * 1000);
        l.incMs = static_cast<std::int64_t>(inc * 1000);
    } else {
        return false;
    }
    if (!end || *end != '\0') return false;
    out = l;
    return true;
}

std::string describeLimit(const Limit& l) {
    switch (l.kind) {
        case Limit::Kind::Nodes:
            return std::to_string(l.nodes) + " nodes";
        case Limit::Kind::Depth:
            return "depth " + std::to_string(l.depth);
        case Limit::Kind::Movetime:
            return std::to_string(l.movetimeMs) + " ms a move";
        case Limit::Kind::Byoyomi:
            return "byoyomi " + std::to_string(l.byoyomiMs) + " ms";
        case Limit::Kind::Fischer:
            break;
    }
    std::ostringstream s;
    s << l.baseMs / 1000.0 << "s + " << l.incMs / 1000.0 << "s";
    return s.str();
}

std::unique_ptr<EnginePlayer> makeUsiPlayer(const EngineSpec& spec) {
    return std::make_unique<UsiPlayer>(spec);
}

std::unique_ptr<EnginePlayer> makePlayer(const EngineSpec& spec, bool standardRules) {
    return spec.xboard ? makeXboardPlayer(spec, standardRules) : makeUsiPlayer(spec);
}

}  // namespace zk::bench
