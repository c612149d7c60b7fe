// Positions and moves of the standard game as text: the SFEN of a standard
// position (every piece under its standard letter, `+` for a promoted one)
// and the USI text of a move. The letters differ from Zenkoru's own SFEN,
// whose pieces start promoted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "position.h"

namespace zk {

// The standard position an SFEN describes (board and side to move; the
// hands and the move number are read past), or nothing when it is not one.
std::optional<Position> readStandardSfen(std::string_view text);

// The SFEN of a standard position, move number 1.
std::string writeStandardSfen(const Position& p);

// A move as USI names it: origin, the mid square of a two-step move, then
// the destination, and `+` when it promotes.
std::string standardUsi(const Move& m);

}  // namespace zk
