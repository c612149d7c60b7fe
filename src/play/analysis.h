// 検討: the engine thinks about the position on the board, off the window's
// thread and on a copy of it, while the pane is open. Each iteration's depth,
// score and best line come back through the event loop; a change of the
// position stops the search at once and starts one on the new position once
// the change's handler has returned. The search is bounded, so an open pane
// costs nothing once it is done, and it waits while the computer thinks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "position.h"
#include "state.h"

namespace zk {

// What the engine said about one position, as the pane shows it.
struct AnalysisReport {
    Position position;    // the position searched (the side to move in mover)
    int firstMover = -1;  // sign of the side that moved first (先手)
    bool found = false;   // false: the side to move has no legal move
    int depth = 0, seldepth = 0;
    std::uint64_t nodes = 0;
    int score = 0;          // centipawns, the side to move's view, as the engine gives it
    std::string scoreText;  // analysisScoreText of the score
    std::vector<Move> pv;   // the best line, from `position`
    std::vector<std::string> pvTexts;  // its moves as the move list shows them, ▲/△ first
    bool finished = false;             // the search reached its bound
};

// How far one analysis goes: the first bound reached ends it (0: none).
struct AnalysisBound {
    int depth = 20;
    std::int64_t millis = 10000;
    std::uint64_t nodes = 0;  // a node count makes the analysis the same on every machine
};

// The score in the game's terms, from 先手's view: "互角" near zero,
// "先手 +1.25" / "後手 +0.80" in pawns, "先手の勝ち (7手)" for a won line.
// `score` is the engine's (the side to move's view), `mover` the side to move
// and `firstMover` 先手's sign.
std::string analysisScoreText(int score, int mover, int firstMover);

// The pane was shown: analyse the position on the board.
void startAnalysis(State& s);
// The pane was hidden: stop at once, drop what comes back.
void stopAnalysis(State& s);
// Is the pane open (whether or not its search runs now)?
bool analysisOpen(const State& s);
// Is an analysis search out?
bool analysisSearching(const State& s);
// The position on the board changed (a move, 戻, 進, the move list, a new
// game, a loaded file): stop at once; search the new position after the
// current handler, unless the computer is thinking then.
void analysisPositionChanged(State& s);
// The computer or ヒント is about to search: the analysis waits.
void pauseAnalysis(State& s);

// The latest report of the position on the board (nullptr: none yet).
const AnalysisReport* latestAnalysis(const State& s);
// Run `listener` on the window's thread after each new report, and with
// nullptr when the reports are cleared (a new position, the pane hidden).
void setAnalysisListener(State& s, std::function<void(const AnalysisReport*)> listener);
// Bound the analyses from now on.
void setAnalysisBound(State& s, const AnalysisBound& bound);

// The report as one line: "深さ 8 先手 +0.35 12345局面 ▲７六歩 △３四歩".
std::string analysisLine(const AnalysisReport& r);

}  // namespace zk
