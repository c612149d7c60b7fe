#include "engine_turn.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "analysis.h"
#include "clock_flow.h"
#include "com_turn.h"
#include "dialog.h"
#include "draw.h"
#include "engine.h"
#include "form1.h"
#include "platform.h"
#include "settings.h"
#include "standard_play.h"

namespace zk {

namespace {

// The engine's table is the bulk of it: made at the first search only.
constexpr std::size_t kHashMegabytes = 64;
// The colour of the hint's outline (light cyan), apart from the selection,
// guidance and the last move's yellow.
constexpr int kHintColour = 11;

struct Session {
    std::unique_ptr<engine::Engine> engine;
    std::atomic<bool> stop{false};
    bool busy = false;
    unsigned generation = 0;  // a result of an older search is dropped
    std::uint64_t nodes = 0;  // 0: the thinking time bounds the search
    // The hint's squares with the outline each had before, put back after.
    struct Outlined {
        int x, y, colour;
    };
    std::vector<Outlined> hintSquares;
};

// The session lives in State's opaque slot, so that State never names it.
std::shared_ptr<Session> sessionOf(State& s) {
    if (!s.playSession) s.playSession = std::make_shared<Session>();
    return std::static_pointer_cast<Session>(s.playSession);
}

const Session* peekSession(const State& s) { return static_cast<Session*>(s.playSession.get()); }

const char* const kThinkControls[] = {"THINK1", "THINK5", "THINK15"};
const int kThinkSeconds[] = {1, 5, 15};

void chooseThinkingTime(State& s, int index) {
    for (int i = 0; i < 3; ++i) s.screen.ui->setMenuChecked(kThinkControls[i], i == index);
    書込_環境設定ファイル(s);
}

// Search `position` off the window's thread; `finish` runs with the result
// on the window's thread unless the search was stopped or superseded.
// Progress is shown in the move report at `reportY`.
// The standard game's computer is the engine at every level: LEVEL1..3 are
// its strengths, LEVEL4 the thinking time chosen; its search counts the
// game's earlier positions since the last capture or promotion as draws.
engine::Limits standardLimits(const Game& g) {
    engine::Limits limits;
    if (g.comLevel >= 1 && g.comLevel <= engine::kStrengths)
        limits = engine::strengthLimits(RuleSet::Standard, g.comLevel);
    limits.endRules = engine::EndRules::Symmetric;
    const StandardGame game = 標準棋譜(g);
    for (std::size_t i = 0; i < game.moves.size(); ++i)
        engine::addGameKey(limits.history, game.positions[i], game.moves[i]);
    return limits;
}

// The computer's own searches (not a hint) take their time from its clock
// when the game has one; the budget is then the hard bound.
template <typename Finish>
void startSearch(State& s, const Position& position, double reportY, Finish finish) {
    const engine::TimeBudget clock =
        reportY == Screen::comReportY ? 時計_思考時間(s) : engine::TimeBudget{};
    // One search at a time: the 検討 pane waits for the computer or the hint.
    pauseAnalysis(s);
    const std::shared_ptr<Session> session = sessionOf(s);
    if (!session->engine) session->engine = std::make_unique<engine::Engine>(kHashMegabytes);
    session->stop.store(false);
    session->busy = true;
    const unsigned generation = ++session->generation;
    思考中表示(s, 0, reportY);

    engine::Limits limits;
    if (position.rules == RuleSet::Standard) limits = standardLimits(s.game);
    // A node count set for the tests bounds the search under either rules.
    if (session->nodes) limits.nodes = session->nodes;
    if (!limits.nodes) limits.millis = std::int64_t{思考時間(s)} * 1000;
    if (clock.hard > 0) {
        limits.millis = clock.hard;
        limits.softMillis = clock.soft;
    }
    limits.stop = &session->stop;
    Platform* ui = s.screen.ui;
    State* state = &s;
    // Weak: the engine keeps its last limits, and with them this test; a
    // strong hold would make the session own itself.
    auto current = [weak = std::weak_ptr<Session>(session), generation] {
        const std::shared_ptr<Session> held = weak.lock();
        return held && held->busy && held->generation == generation && !held->stop.load();
    };
    limits.onIteration = [ui, state, current, reportY](const engine::Result& soFar) {
        ui->post([state, current, reportY, depth = soFar.depth] {
            if (current()) 思考中表示(*state, depth, reportY);
        });
    };
    auto result = std::make_shared<engine::Result>();
    // The job owns what it reads: the position copy, the session (engine and
    // stop flag) and the result, so nothing of State crosses threads.
    s.screen.ui->runOffThread([session, position, limits,
                               result] { *result = session->engine->search(position, +1, limits); },
                              [state, session, current, result, finish] {
                                  if (!current()) return;
                                  session->busy = false;
                                  finish(*state, *result);
                                  analysisPositionChanged(*state);
                              });
}

}  // namespace

bool 思考中(const State& s) {
    const Session* session = peekSession(s);
    return session && session->busy;
}

void 思考中止(State& s) {
    if (!s.playSession) return;
    const std::shared_ptr<Session> session = sessionOf(s);
    const bool wasBusy = session->busy;
    session->stop.store(true);
    session->busy = false;
    // The 検討 pane waited for this search: it goes on with the board as it is.
    if (wasBusy) analysisPositionChanged(s);
}

bool 思考中禁止(State& s, const std::string& title) {
    if (!思考中(s)) return false;
    禁止通知(s, "思考中はできません", title);
    return true;
}

void COM手番_探索(State& s) {
    // The turn stays the human's in the play state until the computer's move
    // is played; the position says whose move it is.
    Position p = 現局面(s.game);
    p.mover = +1;
    startSearch(s, p, Screen::comReportY, [](State& st, const engine::Result& r) {
        if (!r.found) {  // no legal move: the computer loses
            終了(st, "あなた");
            return;
        }
        const ComOutcome outcome = com_指し手(st, r.best);
        if (outcome.ended) 終了(st, outcome.winner);
    });
}

void 標準COM手番(State& s) {
    Position p = 標準局面(s.game);
    p.mover = +1;  // the computer is the top side
    startSearch(s, p, Screen::comReportY, [](State& st, const engine::Result& r) {
        if (!r.found) {  // no legal move: the computer loses
            通知(st, "指す手がありません", "終局");
            終了(st, "あなた");
            return;
        }
        標準着手(st, r.best);
    });
}

void HINT_Click(State& s) {
    if (思考中禁止(s, "ﾋﾝﾄ")) return;
    if (s.game.gameMode != Game::modeCom || s.game.turnPlayer == Game::noPlayer ||
        s.game.turnPlayer != s.game.manPlayer || s.game.recordMode == Game::flagOn ||
        s.press.moveStep == 2 || s.help.moveHelpMode > 0) {
        禁止通知(s, "COM対局のあなたの番に使えます", "ﾋﾝﾄ");
        return;
    }
    ヒント消去(s);
    const Position here = s.game.rules == RuleSet::Standard ? 標準局面(s.game) : 現局面(s.game);
    startSearch(s, here, Screen::manReportY, [](State& st, const engine::Result& r) {
        消去_移動結果(st.screen, Screen::manReportX, Screen::manReportY);
        if (!r.found) return;
        const Move& m = r.best;
        std::vector<std::pair<int, int>> squares = {{m.fromX, m.fromY}};
        if (m.isTwoStep()) squares.emplace_back(m.midX, m.midY);
        squares.emplace_back(m.toX, m.toY);
        std::vector<Session::Outlined>& kept = sessionOf(st)->hintSquares;
        for (const auto& [x, y] : squares) {
            const int was = st.screen.ui->screen().outlineColour(
                cellX(x), cellY(y), Screen::squareWidth, Screen::squareHeight);
            kept.push_back({x, y, was < 0 ? Screen::boardColour : was});
            描画_桝輪郭(st.screen, kHintColour, x, y);
        }
        描画_移動結果(st.screen, Screen::manReportX, Screen::manReportY, m.toX, m.toY, m.after,
                      kHintColour);
    });
}

void ヒント消去(State& s) {
    if (!s.playSession) return;
    std::vector<Session::Outlined>& kept = sessionOf(s)->hintSquares;
    // Last first: a square outlined twice (a lion back home) gets its own colour.
    if (kept.empty()) return;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        描画_桝輪郭(s.screen, it->colour, it->x, it->y);
    kept.clear();
    // The human's report line shows the human's last move again, not the hint.
    消去_移動結果(s.screen, Screen::manReportX, Screen::manReportY);
    for (int i = s.game.record.recordCount; i >= 1; --i) {
        const MoveRecord& e = s.game.record.at(i);
        if (e.pieceAfter >= 0) continue;
        描画_移動結果(s.screen, Screen::manReportX, Screen::manReportY, e.toX, e.toY, e.pieceAfter,
                      Screen::reportColour);
        break;
    }
}

void THINK1_Click(State& s) { chooseThinkingTime(s, 0); }
void THINK5_Click(State& s) { chooseThinkingTime(s, 1); }
void THINK15_Click(State& s) { chooseThinkingTime(s, 2); }

int 思考時間(const State& s) {
    for (int i = 0; i < 3; ++i)
        if (s.screen.ui->menuChecked(kThinkControls[i])) return kThinkSeconds[i];
    return 5;
}

void 思考ノード数設定(State& s, std::uint64_t nodes) { sessionOf(s)->nodes = nodes; }

}  // namespace zk
