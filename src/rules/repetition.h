// The standard game's repetition rule: the fourth time the same position
// (board and side to move) occurs, counting only since the last capture,
// promotion or pawn or lance move, the game is drawn; but a side that
// attacked with every one of its moves since the first of those four
// occurrences (gave check, or the moved piece threatened an enemy piece)
// loses instead.
#pragma once

#include <vector>

#include "position.h"

namespace zk {

enum class RepetitionVerdict { None, Draw, BottomLoses, TopLoses };

// Did the move that led to `after` attack: does the side that made it now
// attack a royal piece of the other side, or does the moved piece, standing
// on (toX, toY), now attack an enemy piece?
bool attacksWith(const Position& after, const Move& m);

// The verdict on the last position of a game: positions[0..n], moves[i]
// leading from positions[i] to positions[i+1] (n = moves.size()).
RepetitionVerdict repetitionVerdict(const std::vector<Position>& positions,
                                    const std::vector<Move>& moves);

}  // namespace zk
