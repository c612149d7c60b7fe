#include "game.h"

namespace zk {

int 手番符号(const Game& g) {
    if (g.turnPlayer == Game::noPlayer) return 0;
    if (g.turnPlayer == g.manPlayer) return -1;
    return g.turnPlayer == g.comPlayer ? 1 : 0;
}

Position& 現局面(Game& g) {
    g.mover = 手番符号(g);
    g.history = lionHistoryOf(g.record, g.record.recordCount);
    return g;
}

}  // namespace zk
