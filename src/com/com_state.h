// What the level 1..3 computer keeps of its own: the position it reads (its
// trials are put on this board and taken back), the piece values, the
// influence maps and royal squares of both sides, and the scratch values its
// evaluation reads between trials. The maps outlive a turn on purpose: the
// computer reads them as the last survey left them.
#pragma once

#include <array>
#include <cstdint>

#include "position.h"

namespace zk {

struct ComState : Position {
    // How deep the evaluation goes (1..3).
    int level = 3;
    // Piece values by kind (index 0..39).
    std::array<int, 40> pieceValue{};

    // Influence maps and the royal squares (an x of 0: not on the board).
    // MAN is the bottom side, which the computer plays against; COM the top.
    IntGrid manInfluence{}, manGuardValue{}, manAttackValue{}, manAttackerX{}, manAttackerY{},
        manCheckMarks{};
    IntGrid comInfluence{}, comGuardValue{}, comGuardX{}, comGuardY{}, comAttackValue{},
        comAttackerX{}, comAttackerY{}, comCheckMarks{};
    int manKingX = 0, manKingY = 0, manPrinceX = 0, manPrinceY = 0;
    int manLionX = 0, manLionY = 0;
    int comKingX = 0, comKingY = 0, comPrinceX = 0, comPrinceY = 0;
    IntGrid kingEscapeMap{};
    IntGrid manPinned{};
    int comPinFlag = 0;

    // The computer's turn: scratch values read by the evaluation.
    BoardGrid savedBoard{};
    std::int64_t bestScore = 0;  // tenths
    PieceCode movingPiece;
    int distToManKing = 0;
    int comKingXBefore = 0, comKingYBefore = 0;
    int manKingEscapesBefore = 0;
    IntGrid manInfluenceBefore{}, comInfluenceBefore{}, manAttackValueBefore{},
        manAttackerXBefore{}, manAttackerYBefore{}, comAttackerXBefore{}, comAttackerYBefore{};
};

// Fill pieceValue (index 0..39) with the value of each kind.
void 駒価値設定(ComState& s);

}  // namespace zk
