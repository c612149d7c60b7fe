// The danger test of a trial position: weak squares by the computer's king
// and in its camp, its hanging or cheaply attacked pieces, human pieces newly
// threatened near its king, and forks made by the moved piece.
#pragma once

#include <array>
#include <cstdint>

#include "com_score.h"
#include "influence.h"

namespace zk {

// The danger of each square of the position before the search's trials, so
// that a trial need only weigh again the squares whose inputs it changed.
struct DangerBase {
    Tenths sum = 0;
    std::array<Tenths, 169> at{};
    int comKingX = 0, comKingY = 0;
    std::uint32_t stamp = 0;  // scratch: marks the squares weighed again
    std::array<std::uint32_t, 169> seen{};
};

// Weigh every square of the position on Board with its maps.
void 危険座標基準(ComState& s, DangerBase& base);

// A trial whose maps differ from the base's only on the squares of the two
// patch trails, and whose board only on the move's two squares.
// The survey counts after the patches tell that no rebuild came since.
struct DangerDelta {
    DangerBase* base;
    const PatchTrail* man;
    const PatchTrail* com;
    std::uint64_t manSurveys, comSurveys;
    int fromX, fromY;
};

// The danger sum (mostly negative) of the position on Board after the
// computer's trial move of 移動駒 to (COM移動先X, COM移動先Y).
// With a delta, only the squares the trial changed are weighed again.
Tenths 盤評価_COM危険座標(ComState& s, PieceCode 移動駒, int COM移動先X, int COM移動先Y,
                          DangerDelta* delta = nullptr);

}  // namespace zk
