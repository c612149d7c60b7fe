// The standard game's moves: every piece starts plain, promotion is a choice
// on entering the far four rows or capturing in them, the lion, falcon and
// eagle may make two steps in one turn, and the lion-capture rules are the
// standard ones. Written apart from Zenkoru's press flow: a move here is one
// whole turn and nothing asks a question between its steps.
#pragma once

#include <vector>

#include "position.h"

namespace zk {

// The standard initial array, every piece plain, the bottom side to move.
Position standardInitial();

// May the piece `c` promote on a move from row fromY to row toY? `takes`: it
// captures on the way. Entering the zone, a capture with either end in it,
// or a pawn or lance reaching the last row; the choice is the mover's.
bool standardMayPromote(PieceCode c, int fromY, int toY, bool takes);

// Every move of the side to move under the standard rules, both promotion
// choices listed; none once the game has ended.
void standardLegalMoves(const Position& p, std::vector<Move>& out);

// The same moves whether or not the game has ended (what the end test asks).
void standardMovesOnBoard(const Position& p, std::vector<Move>& out);

// The lion history after a standard move: the lion it took if any (else what
// it took), and the moving code before the move, which the counter-strike
// rule reads.
LionHistory standardHistoryAfter(const LionHistory& before, const Move& m);

}  // namespace zk
