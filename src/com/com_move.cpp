#include "com_move.h"

namespace zk {

// Placeholder until the computer player lands: the turn passes straight back.
ComOutcome com_ban(State& s) {
    s.turnPlayer = s.manPlayer;
    return {};
}

void com_ban2手目(State&, int, int, PieceCode) {}

}  // namespace zk
