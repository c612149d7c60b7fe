// A position and its moves: the board, the side to move and what the lion
// rules read from the record; every legal move of the side to move as one
// whole turn, putting a move on a position, and counting move sequences.
// Values only: no drawing, no record, no play state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "board.h"
#include "move_record.h"

namespace zk {

// What the lion-capture rules read of the record: the latest entry's capture
// and resulting code, and the resulting code of the entry before it. Under
// the standard rules a move is one entry: what it took (a lion first) and
// the moving code before the move, which the counter-strike rule reads.
struct LionHistory {
    PieceCode lastCaptured;   // capturedPiece of the latest entry
    PieceCode lastAfter;      // pieceAfter of the latest entry
    PieceCode previousAfter;  // pieceAfter of the entry before it

    friend bool operator==(const LionHistory&, const LionHistory&) = default;
};

// The lion history of a record whose entries 1..n are applied.
LionHistory lionHistoryOf(const GameRecord& r, int n);

// Which rules a position is played by. Zenkoru: every promotable piece starts
// promoted and promoting turns it back. Standard: the classic game, every
// piece starting plain, promotion a choice, lion moves in two steps.
enum class RuleSet : std::uint8_t { Zenkoru, Standard };

struct Position {
    BoardGrid Board{};
    int mover = -1;  // sign of the codes of the side to move: -1 bottom, +1 top
    LionHistory history{code::EMPTY, PieceCode(1), code::EMPTY};
    RuleSet rules = RuleSet::Zenkoru;

    // The initial position, the bottom side to move, no move made.
    static Position initial();
    // The initial position of a rule set: Zenkoru's, or the standard array.
    static Position initial(RuleSet rules);
    // A board with a side to move and no move behind it.
    static Position fromBoard(const BoardGrid& board, int mover);
    // `start` with the record's entries 1..n put on it; the side to move is
    // the one that did not make entry n (`firstMover` when n is 0).
    static Position fromRecord(const BoardGrid& start, int firstMover, const GameRecord& r, int n);

    friend bool operator==(const Position&, const Position&) = default;
};

// One whole turn. A lion, horned falcon or soaring eagle that goes on after
// its first step has a mid square; its second step may end where it started.
struct Move {
    std::int8_t fromX = 0, fromY = 0;
    std::int8_t midX = 0, midY = 0;  // 0: no second step
    std::int8_t toX = 0, toY = 0;    // where the piece ends
    bool stopped = false;  // a first step after which "もう一手移動しますか？" was declined
    PieceCode piece;       // the moving code before the move
    PieceCode midAfter;     // its recorded code after the first step (two-step moves)
    PieceCode after;        // the code that ends on (toX, toY)
    PieceCode capturedMid;  // taken on the mid square
    PieceCode captured;     // taken on (toX, toY)

    // A single move of `piece` from (fx, fy) to (tx, ty), ending as `after`.
    static Move single(int fx, int fy, int tx, int ty, PieceCode piece, PieceCode after,
                       PieceCode captured) {
        Move m;
        m.fromX = static_cast<std::int8_t>(fx);
        m.fromY = static_cast<std::int8_t>(fy);
        m.toX = static_cast<std::int8_t>(tx);
        m.toY = static_cast<std::int8_t>(ty);
        m.piece = piece;
        m.after = after;
        m.captured = captured;
        return m;
    }

    bool isTwoStep() const { return midX != 0; }
    // Did the piece change its code on the way?
    bool promotes() const { return after != piece; }

    friend bool operator==(const Move&, const Move&) = default;
};

// Who makes the move decides what promotion is: a move made by presses
// promotes whenever the rule says so, and a first step of a two-step piece
// asks whether to go on (declining is a move of its own, recorded twice); the
// computer chooses promotion freely and is never asked.
enum class Mover { Presses, Computer };

// Every move the side to move may make, in the order of the board scan
// (origin column, origin row, destination column, destination row). Under
// the standard rules both promotion choices are listed for either mover,
// every two-step move is a whole turn, and an ended game has no moves.
void legalMoves(const Position& p, Mover who, std::vector<Move>& out);
std::vector<Move> legalMoves(const Position& p, Mover who = Mover::Presses);

// Put a move on the position: the board, the lion history as the record
// would hold it, and the other side to move.
void apply(Position& p, const Move& m);

// The number of move sequences of `depth` moves from p.
std::uint64_t perft(const Position& p, int depth, Mover who = Mover::Presses);

// The mid-move code with which the second step of this move is checked, or
// the empty code when the move is a single move, as the move table says.
// `pieceBefore` is the moving code before promotion.
PieceCode 二手目駒(int selX, int selY, int destX, int destY, PieceCode pieceBefore,
                   RuleSet rules = RuleSet::Zenkoru);

}  // namespace zk
