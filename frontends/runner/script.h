// The script runner: drives the program (State, HeadlessPlatform, Form_Load)
// from text lines of events and reports what the user would have seen and
// heard, plus dumps of the board, the screen, the record and the play state.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "headless_platform.h"
#include "state.h"

namespace zk {

// One move made by `random-move`: origin, first destination and, for a
// two-step move that went on, the second destination (else secondX is 0).
struct RandomMove {
    bool made = false;
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    int secondX = 0, secondY = 0;
    bool declined = false;  // a two-step move stopped after its first step
};

class ScriptRunner {
public:
    // Starts the program (Form_Load); its transcript is the first output.
    ScriptRunner();

    // Run one script line; returns the transcript lines and dumps it produced.
    std::vector<std::string> execute(const std::string& line);
    // Run a whole script, echoing each line as "> line" before its output.
    // Stops after the program has ended. Returns the number of bad lines.
    int run(std::istream& in, std::ostream& out);

    // Output of the start-up, taken once.
    std::vector<std::string> takeStartup();

    State& state() { return s_; }
    HeadlessPlatform& platform() { return ui_; }
    bool ended() const { return ui_.quitRequested; }
    const RandomMove& lastRandomMove() const { return lastRandom_; }

    // Twips of the middle of square (x, y).
    static int squareCentreX(int x);
    static int squareCentreY(int y);

    // Dumps.
    std::vector<std::string> boardDump() const;
    std::vector<std::string> screenDump() const;
    std::vector<std::string> recordDump() const;
    std::vector<std::string> stateDump() const;
    // The move list: one numbered move a line, "*" before those on the board.
    std::vector<std::string> movesDump() const;
    // The squares the picture outlines as the last move, "marks 7,9 7,8".
    std::vector<std::string> marksDump() const;
    // The game's analysis: per position its score, the engine's move and the mark of
    // the move that led there with the better move.
    std::vector<std::string> graphDump() const;

private:
    // A left-button press in the middle of square (x, y).
    void pressSquare(int x, int y);
    // One random legal move of the side to move, made by presses.
    std::vector<std::string> randomMove();
    std::vector<std::string> standardMove(const Move& m, const std::vector<Move>& moves);
    // A reproducible random number below `bound`.
    std::uint32_t nextRandom(std::uint32_t bound);

    HeadlessPlatform ui_;
    State s_;
    std::vector<std::string> startup_;
    std::uint64_t rng_ = 0x2545F4914F6CDD1DULL;
    RandomMove lastRandom_;
};

// Text of a piece code: "0", "-18", "18.1", "-33.1".
std::string codeText(PieceCode c);

}  // namespace zk
