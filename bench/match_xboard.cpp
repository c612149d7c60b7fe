// engine_match's client of the XBoard protocol (CECP version 2): the game is
// kept by the tool as USI text, so each request is turned into the XBoard
// moves the engine has not heard yet, sent in force mode before "go".
#include <algorithm>
#include <cstdlib>

#include "formats/xboard.h"
#include "match_player.h"
#include "position.h"
#include "sfen.h"

namespace zk::bench {

namespace {

constexpr int kHandshakeMs = 10000;    // for the feature list and pong
constexpr int kMoveNowGraceMs = 2000;  // for the move after a late "?"

class XboardPlayer : public PipedPlayer {
public:
    XboardPlayer(EngineSpec spec, bool standardRules)
        : PipedPlayer(std::move(spec)),
          rules_(standardRules ? RuleSet::Standard : RuleSet::Zenkoru),
          position_(Position::initial(rules_)) {}
    ~XboardPlayer() override { quit(); }

    // "xboard" and "protover 2" until the feature list is done; options as
    // "option NAME=VALUE".
    bool start(bool, std::string& error) override {
        healthy_ = false;
        if (!process_.start(spec_.argv)) {
            error = "cannot start " + spec_.argv[0];
            return false;
        }
        if (!send("xboard") || !send("protover 2") || !waitForDone()) {
            error = spec_.argv[0] + " did not finish its feature list";
            process_.stop();
            return false;
        }
        for (const auto& [name, value] : spec_.options) send("option " + name + "=" + value);
        healthy_ = true;
        return newGame();
    }

    bool newGame() override {
        if (!healthy_) return false;
        position_ = Position::initial(rules_);
        known_.clear();
        healthy_ =
            send("new") &&
            send(std::string("variant ") + (rules_ == RuleSet::Standard ? "chu" : "zenkoru")) &&
            send("force") && send("post") && send("easy") && ping();
        return healthy_;
    }

    // XBoard's result line, from the colours the engine last played.
    void gameOver(int result) override {
        if (!healthy_) return;
        const bool whiteWon = result != 0 && (result > 0) == playedFirstMover_;
        send(result == 0 ? "result 1/2-1/2 {Draw}"
             : whiteWon  ? "result 1-0 {White wins}"
                         : "result 0-1 {Black wins}");
    }

    MoveReply play(const MoveRequest& r) override {
        MoveReply reply;
        playedFirstMover_ = r.blackToMove;
        if (!catchUp(r.moves) || !send("force") || !sendMoves(r.moves) || !sendLimit(r) ||
            !send("go")) {
            healthy_ = false;
            reply.kind = MoveReply::Kind::Gone;
            return reply;
        }
        const std::int64_t start = nowMs();
        bool late = false;
        for (;;) {
            const std::int64_t deadline = start + r.waitMs + (late ? kMoveNowGraceMs : 0);
            std::string line;
            const auto got =
                receive(line, static_cast<int>(std::max<std::int64_t>(deadline - nowMs(), 0)));
            reply.elapsedMs = nowMs() - start;
            if (got == EngineProcess::Read::Closed) {
                healthy_ = false;
                reply.kind = MoveReply::Kind::Gone;
                return reply;
            }
            if (got == EngineProcess::Read::Timeout) {
                if (late) {
                    healthy_ = false;
                    reply.kind = MoveReply::Kind::NoReply;
                    return reply;
                }
                late = true;
                send("?");
                continue;
            }
            const std::vector<std::string> w = wordsOf(line);
            if (w.empty()) continue;
            // Thinking output: "ply score time nodes pv...".
            if (w.size() >= 4 && std::isdigit(static_cast<unsigned char>(w[0][0]))) {
                const long score = std::strtol(w[1].c_str(), nullptr, 10);
                reply.hasScore = true;
                reply.scoreCp = score >= 100000 ? 100000 : score <= -100000 ? -100000 : score;
                continue;
            }
            if (w[0] == "resign" || (w[0] == "tellics" && w.size() > 1 && w[1] == "resign")) {
                reply.kind = MoveReply::Kind::Resign;
                return reply;
            }
            if (w[0] != "move" || w.size() < 2) continue;
            const std::optional<Move> m = parseXboardMove(position_, w[1]);
            // A move the rules do not know is passed on as text the tool refuses.
            reply.move = m ? usiMove(*m) : "illegal:" + w[1];
            reply.kind = late ? MoveReply::Kind::NoReply : MoveReply::Kind::Move;
            if (m) {
                apply(position_, *m);
                known_.push_back(reply.move);
            }
            return reply;
        }
    }

private:
    // Lines until the feature list says done=1.
    bool waitForDone() {
        const std::int64_t deadline = nowMs() + kHandshakeMs;
        for (std::string line;;) {
            const std::int64_t left = deadline - nowMs();
            if (left <= 0) return false;
            if (receive(line, static_cast<int>(left)) != EngineProcess::Read::Line) return false;
            if (line.rfind("feature", 0) == 0 && line.find("done=1") != std::string::npos)
                return true;
        }
    }

    // "ping" answered by its "pong": everything before it has been read.
    bool ping() {
        const std::string n = std::to_string(++pings_);
        return send("ping " + n) && waitFor("pong", kHandshakeMs);
    }

    // Start the engine's game afresh when the request is not a continuation of it.
    bool catchUp(const std::vector<std::string>& moves) {
        const bool continues = known_.size() <= moves.size() &&
                               std::equal(known_.begin(), known_.end(), moves.begin());
        return continues || newGame();
    }

    // The moves of `moves` the engine has not heard, as usermoves.
    bool sendMoves(const std::vector<std::string>& moves) {
        for (std::size_t i = known_.size(); i < moves.size(); ++i) {
            const std::vector<Move> legal = legalMoves(position_, Mover::Computer);
            const auto it = std::find_if(legal.begin(), legal.end(),
                                         [&](const Move& m) { return usiMove(m) == moves[i]; });
            if (it == legal.end() || !send("usermove " + xboardMove(*it))) return false;
            apply(position_, *it);
            known_.push_back(moves[i]);
        }
        return true;
    }

    // The mover's limit: "sd" for a depth, "st" for a time a move, "level"
    // with "time" and "otim" for a clock. XBoard has no node count or byoyomi.
    bool sendLimit(const MoveRequest& r) {
        const Limit& l = *r.limit;
        switch (l.kind) {
            case Limit::Kind::Depth:
                return send("sd " + std::to_string(l.depth));
            case Limit::Kind::Movetime:
                return send("st " + std::to_string(std::max<std::int64_t>(l.movetimeMs / 1000, 1)));
            case Limit::Kind::Fischer: {
                const std::int64_t mine = r.blackToMove ? r.blackLeftMs : r.whiteLeftMs;
                const std::int64_t theirs = r.blackToMove ? r.whiteLeftMs : r.blackLeftMs;
                const std::int64_t seconds = l.baseMs / 1000;
                return send("level 0 " + std::to_string(seconds / 60) + ":" +
                            std::to_string(seconds % 60) + " " + std::to_string(l.incMs / 1000)) &&
                       send("time " + std::to_string(std::max<std::int64_t>(mine, 0) / 10)) &&
                       send("otim " + std::to_string(std::max<std::int64_t>(theirs, 0) / 10));
            }
            case Limit::Kind::Nodes:
            case Limit::Kind::Byoyomi:
                break;
        }
        return false;
    }

    RuleSet rules_;
    Position position_;               // the game as the engine has heard it
    std::vector<std::string> known_;  // its moves, as USI text
    bool playedFirstMover_ = true;
    int pings_ = 0;
};

}  // namespace

std::unique_ptr<EnginePlayer> makeXboardPlayer(const EngineSpec& spec, bool standardRules) {
    return std::make_unique<XboardPlayer>(spec, standardRules);
}

}  // namespace zk::bench
