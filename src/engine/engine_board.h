// The engine's own board: a 16 x 16 mailbox of signed codes with make and
// unmake, an incremental Zobrist key, piece-square score and piece census,
// and a move generator that gives exactly the moves `legalMoves` gives (a
// test compares the two over thousands of positions).
#pragma once

#include <cstdint>
#include <vector>

#include "engine.h"
#include "position.h"

namespace zk::engine {

struct BoardTables;

// Two rows and columns of border around the 12 x 12 board, so that a jump of
// two squares never leaves the array.
constexpr int squareOf(int x, int y) { return (y + 1) * 16 + x + 1; }
constexpr int fileOf(int sq) { return (sq & 15) - 1; }
constexpr int rowOf(int sq) { return (sq >> 4) - 1; }
constexpr std::int8_t kOffBoard = 100;

// One whole turn in mailbox squares and whole codes (the board never holds a
// mid-move code between turns). `mid` is 0 for a single move.
struct FastMove {
    std::uint8_t from = 0, mid = 0, to = 0;
    std::int8_t piece = 0, after = 0, midAfter = 0, captured = 0, capturedMid = 0;
    bool stopped = false;

    bool isCapture() const { return captured != 0 || capturedMid != 0; }
    bool promotes() const { return after != piece; }
    friend bool operator==(const FastMove&, const FastMove&) = default;
};

Move toMove(const FastMove& m);

class SearchBoard {
public:
    explicit SearchBoard(const Position& p);

    Position position() const;
    int mover() const { return mover_; }
    std::uint64_t key() const { return key_; }
    int at(int sq) const { return squares_[sq]; }

    // Every legal move of the side to move as `legalMoves(position(), who)`
    // gives them (the order differs); with `capturesOnly` just those that take.
    void generate(Mover who, std::vector<FastMove>& out, bool capturesOnly = false);

    void doMove(const FastMove& m);
    void undoMove(const FastMove& m);
    // Pass: the other side to move with the history of a game's start.
    void doNull();
    void undoNull();

    // The same number as `evaluate(position())`.
    int evaluate() const;
    // The same verdict as `outcomeAfter(position(), movedSide, rules)`.
    Outcome outcome(int movedSide, EndRules rules = EndRules::WindowVsComputer) const;
    // The two dearest pieces of the side not to move; kWin for a lone royal piece.
    int twoDearest() const;

private:
    struct Saved {
        LionHistory history;
        std::uint64_t key;
    };

    void put(int sq, int code);
    void take(int sq);
    void setHistory(const LionHistory& h);
    // The standard moves on the mailbox; near a game's end, and for lion
    // captures, they are the rules' own (rulesStandard).
    void generateStandard(std::vector<FastMove>& out, bool capturesOnly) const;
    void rulesStandard(std::vector<FastMove>& out, bool capturesOnly) const;
    void emit(int from, int to, int code, int target, Mover who, bool capturesOnly,
              std::vector<FastMove>& out);
    void secondSteps(const FastMove& first, int delta, Mover who, bool capturesOnly,
                     std::vector<FastMove>& out);
    // The board as the rules' lion rules read it: the code on (x, y).
    auto view() const {
        return [this](int x, int y) { return PieceCode(squares_[squareOf(x, y)]); };
    }
    // Has the only royal piece of `side` ([0] bottom) an empty square beside it?
    bool royalCanStep(int side) const;

    const BoardTables* t_;
    RuleSet rules_;
    std::int8_t squares_[256];
    int mover_ = -1;
    LionHistory history_{};
    std::uint64_t key_ = 0;
    int placement_ = 0;              // material and piece-square terms, top side's view
    int count_[2][40]{};             // pieces by side ([0] bottom) and kind
    int material_[2]{};              // by side, royal pieces included
    int total_[2]{};                 // pieces by side
    std::uint8_t pieces_[2][144]{};  // their squares
    std::uint8_t slot_[256]{};       // where a square stands in its side's list
    std::uint8_t royals_[2][144]{};  // squares of kings and crown princes
    int royalCount_[2]{};
    std::uint8_t lions_[2][144]{};
    int lionCount_[2]{};
    std::vector<Saved> saved_;
};

}  // namespace zk::engine
