// Move legality: may a piece code move from one square to another on the
// current board? A pure question, answered from the move table.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "lion_rules.h"
#include "position.h"

namespace zk {

// The rule queries below take the rule set of the position they are asked
// about; a hand-made board with no position behind it plays Zenkoru.

// The move check on a board alone, read off the move table. `history` is
// what the lion rules read of the record and `secondStep` tells the second
// step of a two-step move. The board is left as it was.
int moveCheck(BoardGrid& b, const LionHistory& history, bool secondStep, int fx, int fy, int tx,
              int ty, PieceCode c, RuleSet rules = RuleSet::Zenkoru);

// The steps (dx, dy) a whole code can make on an empty board, in destination
// order (column, then row). Pieces in the way and the lion rules only take
// steps away, so the move check answers 1 for no other step.
const std::vector<std::pair<std::int8_t, std::int8_t>>& emptyBoardSteps(
    PieceCode c, RuleSet rules = RuleSet::Zenkoru);

// Line tests with blocking on a board; both ends must lie on the board.
int lineRook(const BoardGrid& b, int fx, int fy, int tx, int ty);
int lineFile(const BoardGrid& b, int fx, int fy, int tx, int ty);
int lineRank(const BoardGrid& b, int fx, int fy, int tx, int ty);
int lineDiagonal(const BoardGrid& b, int fx, int fy, int tx, int ty);

// Is the lion on (lionX, lionY) protected by the pieces of the side whose
// codes have the sign `defenderSign` (0: nobody) against a capture from
// (fromX, fromY)? `b` is left as it was.
int lionGuarded(BoardGrid& b, int defenderSign, int fromX, int fromY, int lionX, int lionY,
                RuleSet rules = RuleSet::Zenkoru);

// The code the moving piece becomes, or the empty code when the move does not
// promote; under the standard rules, the code it may become by choice. The
// destination still holds what the move would take.
PieceCode promotionOf(const BoardGrid& b, int fromY, int tx, int ty, PieceCode c,
                      RuleSet rules = RuleSet::Zenkoru);

// The lion-capture refusals of a press of `selPiece` on (selX, selY) onto
// (destX, destY); only a destination holding a lion can be refused.
LionRefusal lionCaptureRefusal(BoardGrid& b, const LionHistory& history, bool secondStep, int selX,
                               int selY, PieceCode selPiece, int destX, int destY,
                               RuleSet rules = RuleSet::Zenkoru);

// 1 if `移動駒種類` may move from (移動元X, 移動元Y) to (移動先X, 移動先Y) in
// the position `p`, else 0; `secondStep` tells the second step of a two-step
// move made by presses. An origin or destination off the board answers 0.
int 移動チェック(Position& p, bool secondStep, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 PieceCode 移動駒種類);

// Line tests with blocking: rook (file then rank), file, rank, diagonal.
// Both ends must be squares of the board, else the answer is 0.
int 移動チェック飛車(const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック上下(const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック左右(const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック角(const BoardGrid& b, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

}  // namespace zk
