#include "analysis.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

#include "engine.h"
#include "engine_turn.h"
#include "game.h"
#include "notation.h"
#include "platform.h"
#include "standard_play.h"

namespace zk {

namespace {

// Smaller than the computer's table: the pane is a side view, made on first use.
constexpr std::size_t kHashMegabytes = 32;
// Within this many hundredths of a pawn the sides count as even.
constexpr int kEvenMargin = 30;

struct Session {
    std::unique_ptr<engine::Engine> engine;
    std::atomic<bool> stop{false};
    bool open = false;
    bool busy = false;
    unsigned generation = 0;  // reports of an older search are dropped
    AnalysisBound bound;
    bool haveReport = false;
    AnalysisReport latest;
    std::function<void(const AnalysisReport*)> listener;
};

// The session lives in State's opaque slot of its own, apart from the computer's.
std::shared_ptr<Session> sessionOf(State& s) {
    if (!s.analysisSession) s.analysisSession = std::make_shared<Session>();
    return std::static_pointer_cast<Session>(s.analysisSession);
}

const Session* peekSession(const State& s) {
    return static_cast<const Session*>(s.analysisSession.get());
}

// The sign of the side to move when no game is running: the side that did
// not make the last move on the board, or the first mover.
int moverFromRecord(const GameRecord& r, int firstMover) {
    if (r.recordCount >= 1) return r.at(r.recordCount).movedPiece >= 1 ? -1 : 1;
    return firstMover;
}

// 先手's sign: the side of the record's first move, else the side to move now
// (no move made yet), else the bottom side.
int firstMoverOf(const Game& g) {
    if (std::max(g.record.recordEnd, g.record.recordCount) >= 1)
        return g.record.at(1).movedPiece >= 1 ? 1 : -1;
    const int sign = 手番符号(g);
    return sign != 0 ? sign : -1;
}

// The position on the board, as the engine searches it.
Position boardPosition(State& s, int firstMover) {
    if (s.game.rules == RuleSet::Standard) return 標準局面(s.game);
    Position p = 現局面(s.game);
    if (p.mover == 0) p.mover = moverFromRecord(s.game.record, firstMover);
    return p;
}

// Drop the shown report and tell the window so.
void clearReport(Session& session) {
    session.haveReport = false;
    if (session.listener) session.listener(nullptr);
}

// Stop the search out at once; whatever it posts after this is dropped.
void stopSearch(Session& session) {
    session.stop.store(true);
    session.busy = false;
    ++session.generation;
}

// The engine's result as the pane shows it.
AnalysisReport reportOf(const Position& p, int firstMover, const engine::Result& r) {
    AnalysisReport out;
    out.position = p;
    out.firstMover = firstMover;
    out.found = r.found;
    out.depth = r.depth;
    out.seldepth = r.seldepth;
    out.nodes = r.nodes;
    out.score = r.score;
    out.scoreText = analysisScoreText(r.score, p.mover, firstMover);
    out.pv = r.pv;
    if (out.pv.empty() && r.found) out.pv.push_back(r.best);
    for (const Move& m : out.pv)
        out.pvTexts.push_back((((m.piece >= 1 ? 1 : -1) == firstMover) ? "▲" : "△") +
                              指し手表記(m));
    return out;
}

// Search the position on the board now, bounded, off the window's thread.
void startSearch(State& s) {
    const std::shared_ptr<Session> session = sessionOf(s);
    if (!session->engine) session->engine = std::make_unique<engine::Engine>(kHashMegabytes);
    stopSearch(*session);
    session->stop.store(false);
    session->busy = true;
    const unsigned generation = session->generation;

    const int firstMover = firstMoverOf(s.game);
    const Position position = boardPosition(s, firstMover);
    engine::Limits limits;
    if (position.rules == RuleSet::Standard) {
        // The game's earlier positions count as draws, as for the computer.
        limits.endRules = engine::EndRules::Symmetric;
        const StandardGame game = 標準棋譜(s.game);
        for (std::size_t i = 0; i < game.moves.size(); ++i)
            engine::addGameKey(limits.history, game.positions[i], game.moves[i]);
    }
    limits.depth = session->bound.depth > 0 ? session->bound.depth : 64;
    limits.millis = session->bound.millis;
    limits.nodes = session->bound.nodes;
    limits.stop = &session->stop;
    // A node-bounded analysis starts from an empty table, so it comes out the same each time.
    const bool fresh = session->bound.nodes > 0;

    Platform* ui = s.screen.ui;
    auto current = [weak = std::weak_ptr<Session>(session), generation] {
        const std::shared_ptr<Session> held = weak.lock();
        return held && held->open && held->generation == generation ? held : nullptr;
    };
    auto deliver = [current](AnalysisReport report) {
        const std::shared_ptr<Session> held = current();
        if (!held) return;
        held->latest = std::move(report);
        held->haveReport = true;
        if (held->listener) held->listener(&held->latest);
    };
    limits.onIteration = [ui, deliver, position, firstMover](const engine::Result& soFar) {
        ui->post([deliver, report = reportOf(position, firstMover, soFar)] { deliver(report); });
    };
    auto result = std::make_shared<engine::Result>();
    // The job owns what it reads: the position copy, the session (engine and
    // stop flag) and the result; nothing of State crosses threads.
    ui->runOffThread(
        [session, position, limits, result, fresh] {
            if (fresh) session->engine->clear();
            *result = session->engine->search(position, +1, limits);
        },
        [current, deliver, position, firstMover, result] {
            const std::shared_ptr<Session> held = current();
            if (!held) return;
            held->busy = false;
            AnalysisReport report = reportOf(position, firstMover, *result);
            report.finished = true;
            deliver(std::move(report));
        });
}

// Post the start of a search of the position on the board, after the
// handler that changed it; a later change supersedes it.
void scheduleSearch(State& s) {
    const std::shared_ptr<Session> session = sessionOf(s);
    const unsigned generation = session->generation;
    State* state = &s;
    s.screen.ui->post([state, weak = std::weak_ptr<Session>(session), generation] {
        const std::shared_ptr<Session> held = weak.lock();
        if (!held || !held->open || held->generation != generation || held->busy) return;
        if (思考中(*state)) return;  // the computer's own search comes first
        // Between the two steps of a move the board holds half a move: the
        // second step's change starts the search.
        if (state->press.moveStep == 2) return;
        startSearch(*state);
    });
}

}  // namespace

std::string analysisScoreText(int score, int mover, int firstMover) {
    const int forFirst = mover == firstMover ? score : -score;
    const char* side = forFirst >= 0 ? "先手" : "後手";
    const int size = std::abs(forFirst);
    if (size > engine::kWinBound)
        return std::string(side) + "の勝ち (" + std::to_string(engine::kWin - size) + "手)";
    if (size < kEvenMargin) return "互角";
    char pawns[32];
    std::snprintf(pawns, sizeof pawns, " +%d.%02d", size / 100, size % 100);
    return side + std::string(pawns);
}

void startAnalysis(State& s) {
    const std::shared_ptr<Session> session = sessionOf(s);
    if (session->open) return;
    session->open = true;
    analysisPositionChanged(s);
}

void stopAnalysis(State& s) {
    if (!s.analysisSession) return;
    const std::shared_ptr<Session> session = sessionOf(s);
    stopSearch(*session);
    session->open = false;
    clearReport(*session);
}

bool analysisOpen(const State& s) {
    const Session* session = peekSession(s);
    return session && session->open;
}

bool analysisSearching(const State& s) {
    const Session* session = peekSession(s);
    return session && session->busy;
}

void analysisPositionChanged(State& s) {
    if (!analysisOpen(s)) return;
    const std::shared_ptr<Session> session = sessionOf(s);
    stopSearch(*session);
    clearReport(*session);
    scheduleSearch(s);
}

void pauseAnalysis(State& s) {
    if (!analysisOpen(s)) return;
    stopSearch(*sessionOf(s));
}

const AnalysisReport* latestAnalysis(const State& s) {
    const Session* session = peekSession(s);
    return session && session->haveReport ? &session->latest : nullptr;
}

void setAnalysisListener(State& s, std::function<void(const AnalysisReport*)> listener) {
    sessionOf(s)->listener = std::move(listener);
}

void setAnalysisBound(State& s, const AnalysisBound& bound) { sessionOf(s)->bound = bound; }

std::string analysisLine(const AnalysisReport& r) {
    if (!r.found) return "指す手がありません";
    std::string out = "深さ " + std::to_string(r.depth) + " " + r.scoreText + " " +
                      std::to_string(r.nodes) + "局面";
    for (const std::string& m : r.pvTexts) out += " " + m;
    if (r.finished) out += " (終了)";
    return out;
}

}  // namespace zk
