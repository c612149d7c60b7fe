// 棋譜解析: the engine evaluates every position of the game on the board in
// the background, one position per off-thread search of a fixed node count,
// so the figures are the same on every machine. The result (先手's score per
// position and the engine's move there) draws the evaluation graph and marks
// the moves that lost much as 疑問手 or 悪手 with the engine's better move.
// A finished analysis is kept in the autosave folder under a key of the
// game's moves, so the same game reopened, however it was loaded, shows it at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state.h"

namespace zk {

// A move that loses at least this much for its mover (centipawns) is a
// 疑問手; at least kBadLoss a 悪手.
constexpr int kDubiousLoss = 200;
constexpr int kBadLoss = 500;
// Scores beyond this (decided games) are drawn at it.
constexpr int kGraphLimit = 3000;
// The engine's nodes per position unless the caller gives a count.
constexpr std::uint64_t kGameAnalysisNodes = 100000;

enum class MoveMark { None, Dubious, Bad };

// One position of the game as the engine saw it.
struct PositionEval {
    int score = 0;     // centipawns from 先手's view; beyond ±kWinBound a decided game
    std::string best;  // the engine's move there in the window's notation ("": none)
};

struct GameAnalysis {
    std::uint64_t key = 0;                // of the game's start and moves (analysisKey)
    std::uint64_t nodes = 0;              // per position
    std::vector<std::string> played;      // the game's moves, as the move list shows them
    std::vector<PositionEval> positions;  // from the start; whole at played.size() + 1
    bool complete() const { return positions.size() == played.size() + 1; }
};

// The mark of a move from `before` to `after` (先手's view, raw engine
// scores) made by 先手 (moverSign +1) or 後手 (-1). No mark when the mover
// played the engine's move or the game was decided before it.
MoveMark classifyMove(int before, int after, int moverSign, bool playedBest);
// The marks of the analysed moves (index i: move i + 1).
std::vector<MoveMark> moveMarks(const GameAnalysis& a);
// "?! 疑問手", "?? 悪手" or "".
std::string markText(MoveMark m);
// The score drawn in the graph: decided games at ±kGraphLimit.
int graphScore(int score);

// The key of the game on the board: its start position and every move,
// the record's moves beyond the one on the board included.
std::uint64_t analysisKey(const Game& g);

// The analysis as a file, and back; false (and `out` untouched) when the
// text is not one or is of another version.
std::string analysisText(const GameAnalysis& a);
bool readAnalysisText(const std::string& text, GameAnalysis& out);
// Where the analysis of the game with `key` is kept ("": no autosave folder).
std::string analysisPath(const State& s, std::uint64_t key);

// Menu 棋譜解析: analyse the game on the board (its record, whether played,
// loaded or imported) with kGameAnalysisNodes per position.
void KIFU_KAISEKI_Click(State& s);
// Start the analysis with `nodes` per position; a finished one of this game
// is shown at once instead.
void 棋譜解析開始(State& s, std::uint64_t nodes);
// Stop the analysis at once; what it found so far is dropped.
void 棋譜解析中止(State& s);
// Bring the analysis up to the game on the board: a running one of another
// game is stopped and dropped, and a kept one of this game is read.
void 棋譜解析追従(State& s);

// What the window shows: the analysis of the game on the board (null: none),
// whether it is running, and how far it is.
struct AnalysisStatus {
    const GameAnalysis* analysis = nullptr;
    bool running = false;
    int done = 0, total = 0;  // positions
};
AnalysisStatus 棋譜解析状況(const State& s);

}  // namespace zk
