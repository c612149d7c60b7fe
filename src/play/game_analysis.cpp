#include "game_analysis.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <system_error>

#include "dialog.h"
#include "engine.h"
#include "file_io.h"
#include "move_list.h"
#include "notation.h"
#include "platform.h"
#include "standard_play.h"

namespace zk {

namespace {

constexpr const char* kFirstLine = "Zenkoru game analysis 1";
// The engine's table per analysis: small, as each position starts afresh.
constexpr std::size_t kHashMegabytes = 8;
// An analysis file is a few lines per move; anything larger is not one.
constexpr std::size_t kFileLimit = 4 << 20;

// The game's positions from its start to the record's last entry, the moves
// between them and the moves' text as the move list shows it.
struct GameLine {
    std::vector<Position> positions;
    std::vector<Move> moves;
    std::vector<std::string> texts;
};

// The record's last entry: the moves ahead of the board (after 戻) count too.
int lastEntry(const GameRecord& r) { return std::max(r.recordEnd, r.recordCount); }

// The sign of the side that made the first move (先手).
int firstMoverOf(const Game& g) {
    if (lastEntry(g.record) == 0) return 手番符号(g) == 0 ? -1 : 手番符号(g);
    return g.record.at(1).movedPiece >= 1 ? 1 : -1;
}

GameLine gameLine(const Game& g) {
    const GameRecord& r = g.record;
    const BoardGrid start = startBoardOf(g.Board, r, r.recordCount);
    const int firstMover = firstMoverOf(g);
    const std::vector<MoveListItem> items = moveList(r);
    GameLine line;
    if (g.rules == RuleSet::Standard) {
        // The standard game's positions carry its own lion history: read
        // them as the game would be with every entry on the board.
        Game whole = g;
        whole.Board = Position::fromRecord(start, firstMover, r, lastEntry(r)).Board;
        whole.record.recordCount = lastEntry(r);
        StandardGame sg = 標準棋譜(whole);
        line.positions = std::move(sg.positions);
        line.moves = std::move(sg.moves);
    } else {
        line.positions.push_back(Position::fromRecord(start, firstMover, r, 0));
        for (const MoveListItem& item : items) {
            line.positions.push_back(Position::fromRecord(start, firstMover, r, item.lastEntry));
            line.moves.push_back(item.move);
        }
    }
    const std::size_t n = std::min(line.moves.size(), items.size());
    line.moves.resize(n);
    line.positions.resize(n + 1);
    for (std::size_t i = 0; i < n; ++i) line.texts.push_back(items[i].text);
    return line;
}

// The off-thread half of one analysis: its engine and stop flag, owned by
// the jobs too, so that a cancelled job still out finishes on its own engine.
struct Run {
    engine::Engine engine{kHashMegabytes};
    std::atomic<bool> stop{false};
};

struct Session {
    GameAnalysis analysis;
    bool has = false;      // `analysis` is of the game on the board
    bool running = false;  // positions are still being searched
    unsigned generation = 0;
    std::shared_ptr<Run> run;
    std::vector<Position> positions;
    std::vector<std::vector<std::uint64_t>> histories;
    int firstSign = -1;
    std::uint64_t missingKey = 0;  // looked for in the folder and not found
};

// The session lives in State's opaque slot, so that State never names it.
std::shared_ptr<Session> sessionOf(State& s) {
    if (!s.gameAnalysisSession) s.gameAnalysisSession = std::make_shared<Session>();
    return std::static_pointer_cast<Session>(s.gameAnalysisSession);
}

const Session* peekSession(const State& s) {
    return static_cast<const Session*>(s.gameAnalysisSession.get());
}

// The window's graph and list follow.
void notify(State& s) {
    if (s.screen.ui) s.screen.ui->analysisChanged();
}

// Forget the analysis and stop its search.
void drop(Session& session) {
    if (session.run) session.run->stop.store(true);
    session.run.reset();
    session.running = false;
    session.has = false;
    ++session.generation;
    session.analysis = GameAnalysis{};
}

// Keep a finished analysis; a failure only costs a new analysis next time.
void keep(const State& s, const GameAnalysis& a) {
    const std::string path = analysisPath(s, a.key);
    if (path.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::string error;
    writeFileAtomically(path, analysisText(a), error);
}

// Search the next position off the window's thread, or finish.
void searchNext(State& s, const std::shared_ptr<Session>& session) {
    const std::size_t i = session->analysis.positions.size();
    if (i >= session->positions.size()) {
        session->running = false;
        session->run.reset();
        keep(s, session->analysis);
        notify(s);
        return;
    }
    const Position p = session->positions[i];
    engine::Limits limits;
    limits.nodes = session->analysis.nodes;
    limits.stop = &session->run->stop;
    if (p.rules == RuleSet::Standard) {
        limits.endRules = engine::EndRules::Symmetric;
        limits.history = session->histories[i];
    }
    const std::shared_ptr<Run> run = session->run;
    auto result = std::make_shared<engine::Result>();
    State* state = &s;
    const unsigned generation = session->generation;
    // A fresh table for each position: its figures do not depend on the others.
    s.screen.ui->runOffThread(
        [run, p, limits, result] {
            run->engine.clear();
            *result = run->engine.search(p, +1, limits);
        },
        [state, session, generation, result, mover = p.mover] {
            if (session->generation != generation || !session->running) return;
            if (analysisKey(state->game) != session->analysis.key) {
                drop(*session);
                notify(*state);
                return;
            }
            const int sign = mover == session->firstSign ? 1 : -1;
            PositionEval e;
            // No legal move: the side to move has lost.
            e.score = sign * (result->found ? result->score : -engine::kWin);
            if (result->found) e.best = 指し手表記(result->best);
            session->analysis.positions.push_back(std::move(e));
            notify(*state);
            searchNext(*state, session);
        });
}

// FNV-1a over the value's eight bytes: the key only tells games apart.
std::uint64_t mix(std::uint64_t h, std::int64_t v) {
    for (int b = 0; b < 8; ++b) {
        h ^= static_cast<std::uint64_t>(v >> (8 * b)) & 0xff;
        h *= 0x100000001b3ULL;
    }
    return h;
}

}  // namespace

MoveMark classifyMove(int before, int after, int moverSign, bool playedBest) {
    if (playedBest || std::abs(before) > engine::kWinBound) return MoveMark::None;
    const int loss = moverSign * (graphScore(before) - graphScore(after));
    if (loss >= kBadLoss) return MoveMark::Bad;
    if (loss >= kDubiousLoss) return MoveMark::Dubious;
    return MoveMark::None;
}

std::vector<MoveMark> moveMarks(const GameAnalysis& a) {
    std::vector<MoveMark> out(a.played.size(), MoveMark::None);
    // 先手 makes the odd moves; the analysis keeps scores from its view.
    for (std::size_t i = 0; i + 1 < a.positions.size() && i < a.played.size(); ++i)
        out[i] = classifyMove(a.positions[i].score, a.positions[i + 1].score, i % 2 ? -1 : 1,
                              a.positions[i].best == a.played[i]);
    return out;
}

std::string markText(MoveMark m) {
    switch (m) {
        case MoveMark::Dubious:
            return "?! 疑問手";
        case MoveMark::Bad:
            return "?? 悪手";
        case MoveMark::None:
            break;
    }
    return "";
}

int graphScore(int score) { return std::clamp(score, -kGraphLimit, kGraphLimit); }

std::uint64_t analysisKey(const Game& g) {
    const GameRecord& r = g.record;
    std::uint64_t h = 0xcbf29ce484222325ULL;
    h = mix(h, static_cast<int>(g.rules));
    h = mix(h, firstMoverOf(g));
    const BoardGrid start = startBoardOf(g.Board, r, r.recordCount);
    for (const auto& column : start)
        for (const PieceCode& c : column) h = mix(h, c.tenths());
    for (int n = 1; n <= lastEntry(r); ++n) {
        const MoveRecord& e = r.at(n);
        h = mix(h, e.fromX * 1000000 + e.fromY * 10000 + e.toX * 100 + e.toY);
        h = mix(h, e.movedPiece.tenths() * 1000000 + e.pieceAfter.tenths() * 1000 +
                       e.capturedPiece.tenths());
    }
    return h;
}

std::string analysisText(const GameAnalysis& a) {
    char key[24];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(a.key));
    std::ostringstream out;
    out << kFirstLine << "\nkey " << key << "\nnodes " << a.nodes << "\npositions "
        << a.positions.size() << '\n';
    for (std::size_t i = 0; i < a.positions.size(); ++i)
        out << i << ' ' << a.positions[i].score << ' '
            << (a.positions[i].best.empty() ? "-" : a.positions[i].best) << '\n';
    return out.str();
}

bool readAnalysisText(const std::string& text, GameAnalysis& out) {
    std::istringstream in(text);
    std::string line, word, key;
    if (!std::getline(in, line) || line != kFirstLine) return false;
    GameAnalysis a;
    std::size_t count = 0;
    if (!(in >> word >> key) || word != "key" || key.size() != 16) return false;
    try {
        a.key = std::stoull(key, nullptr, 16);
    } catch (...) {
        return false;
    }
    if (!(in >> word >> a.nodes) || word != "nodes") return false;
    if (!(in >> word >> count) || word != "positions" || count > 100000) return false;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t index = 0;
        PositionEval e;
        if (!(in >> index >> e.score >> e.best) || index != i) return false;
        if (e.best == "-") e.best.clear();
        a.positions.push_back(std::move(e));
    }
    out = std::move(a);
    return true;
}

std::string analysisPath(const State& s, std::uint64_t key) {
    const std::string folder = s.screen.ui ? s.screen.ui->autosaveFolder() : "";
    if (folder.empty()) return "";
    char name[40];
    std::snprintf(name, sizeof name, "%016llx.analysis", static_cast<unsigned long long>(key));
    return folder + "/analysis/" + name;
}

void KIFU_KAISEKI_Click(State& s) { 棋譜解析開始(s, kGameAnalysisNodes); }

void 棋譜解析開始(State& s, std::uint64_t nodes) {
    棋譜解析追従(s);
    const std::shared_ptr<Session> session = sessionOf(s);
    if (session->has && (session->running || session->analysis.complete())) {
        notify(s);
        return;
    }
    GameLine line = gameLine(s.game);
    if (line.moves.empty()) {
        禁止通知(s, "解析する指し手がありません", "棋譜解析");
        return;
    }
    drop(*session);
    session->analysis.key = analysisKey(s.game);
    session->analysis.nodes = nodes;
    session->analysis.played = std::move(line.texts);
    session->has = true;
    session->running = true;
    session->firstSign = line.positions.front().mover;
    session->histories.assign(line.positions.size(), {});
    std::vector<std::uint64_t> keys;
    for (std::size_t i = 0; i < line.positions.size(); ++i) {
        session->histories[i] = keys;
        if (i < line.moves.size()) engine::addGameKey(keys, line.positions[i], line.moves[i]);
    }
    session->positions = std::move(line.positions);
    session->run = std::make_shared<Run>();
    notify(s);
    searchNext(s, session);
}

void 棋譜解析中止(State& s) {
    if (!s.gameAnalysisSession) return;
    const std::shared_ptr<Session> session = sessionOf(s);
    if (!session->running) return;
    drop(*session);
    notify(s);
}

void 棋譜解析追従(State& s) {
    const std::uint64_t key = lastEntry(s.game.record) ? analysisKey(s.game) : 0;
    Session* held = static_cast<Session*>(s.gameAnalysisSession.get());
    if (held && held->has && held->analysis.key == key) return;
    if (held && held->has) {
        drop(*held);
        notify(s);
    }
    if (key == 0 || (held && held->missingKey == key)) return;
    std::string text;
    GameAnalysis kept;
    const std::string path = analysisPath(s, key);
    const std::shared_ptr<Session> session = sessionOf(s);
    if (path.empty() || readFileLimited(path, kFileLimit, text) != ReadStatus::Ok ||
        !readAnalysisText(text, kept) || kept.key != key) {
        session->missingKey = key;
        return;
    }
    GameLine line = gameLine(s.game);
    kept.played = std::move(line.texts);
    // A file of another game that happens to share the key is ignored too.
    if (!kept.complete()) {
        session->missingKey = key;
        return;
    }
    session->analysis = std::move(kept);
    session->has = true;
    notify(s);
}

AnalysisStatus 棋譜解析状況(const State& s) {
    AnalysisStatus out;
    const Session* session = peekSession(s);
    if (!session || !session->has) return out;
    out.analysis = &session->analysis;
    out.running = session->running;
    out.done = static_cast<int>(session->analysis.positions.size());
    out.total = static_cast<int>(session->analysis.played.size()) + 1;
    return out;
}

}  // namespace zk
