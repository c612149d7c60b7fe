#include "state.h"

namespace zk {

ComState& computerPart(State& s) {
    static_cast<Position&>(s.com) = 現局面(s.game);
    s.com.level = s.game.comLevel;
    return s.com;
}

}  // namespace zk
