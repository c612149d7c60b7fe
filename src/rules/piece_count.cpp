#include "game_end.h"
#include "influence.h"

namespace zk {

// Count the pieces of both sides over all 144 squares, royal pieces included.
int 調査_駒数(const State& s, int& O_MAN駒数, int& O_COM駒数) {
    O_MAN駒数 = 0;
    O_COM駒数 = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            if (s.Board[x][y] >= 1) O_COM駒数 += 1;
            if (s.Board[x][y] <= -1) O_MAN駒数 += 1;
        }
    return 0;
}

// After a human move: every royal column is cleared so that a royal piece just
// captured reads as 0, then both sides are surveyed (MAN first).
void 終局前調査_MAN手(State& s) {
    s.manKingX = 0;
    s.manPrinceX = 0;
    s.comKingX = 0;
    s.comPrinceX = 0;
    勢力調査_MAN(s);
    勢力調査_COM(s);
}

// After a COM move: only the human's royal columns are cleared, then both
// sides are surveyed (COM first).
void 終局前調査_COM手(State& s) {
    s.manKingX = 0;
    s.manPrinceX = 0;
    勢力調査_COM(s);
    勢力調査_MAN(s);
}

}  // namespace zk
