#include "state.h"

namespace zk {

int 手番符号(const State& s) {
    if (s.turnPlayer == State::noPlayer) return 0;
    if (s.turnPlayer == s.manPlayer) return -1;
    return s.turnPlayer == s.comPlayer ? 1 : 0;
}

Position& 現局面(State& s) {
    s.mover = 手番符号(s);
    s.history = lionHistoryOf(s.record, s.record.recordCount);
    return s;
}

ComState& computerPart(State& s) {
    static_cast<Position&>(s.com) = 現局面(s);
    s.com.level = s.comLevel;
    return s.com;
}

}  // namespace zk
