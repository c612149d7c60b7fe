// Shared set-up for the computer-player tests: the computer's part with piece
// values, piece placement, blank maps for hand-made evaluation cases, and the
// trial-position helper that mirrors what the search does.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "com_eval.h"
#include "com_search.h"
#include "com_state.h"
#include "influence.h"
#include "pieces.h"
#include "rules_fixture.h"

namespace zk::test {

// An empty board with piece values, the lion history of a game's start and
// the computer at `level`.
struct ComFixture {
    ComState s;

    explicit ComFixture(int level = 3) {
        駒価値設定(s);
        s.level = level;
    }

    void put(int x, int y, int c) { s.Board[x][y] = PieceCode(c); }
};

// An empty board with piece values and the lion history of a game's start.
inline ComState emptyComState() {
    ComState s;
    駒価値設定(s);
    return s;
}

inline ComState initialComState() {
    ComState s = emptyComState();
    初期配置(s.Board);
    return s;
}

// The position turned by 180 degrees with every code negated, the lion
// history negated with it.
inline ComState turnedComState(const ComState& s) {
    ComState t = s;
    t.Board = turnedBoard(s.Board);
    t.history = {-s.history.lastCaptured, -s.history.lastAfter, -s.history.previousAfter};
    return t;
}

// Every map as a fresh survey of an empty board leaves it, the before-move
// copies likewise, and savedBoard equal to Board: a blank page for
// hand-made map entries.
inline void blankMaps(ComState& s) {
    for (int x = 0; x <= 12; ++x)
        for (int y = 0; y <= 12; ++y) {
            s.manInfluence[x][y] = s.comInfluence[x][y] = 0;
            s.manGuardValue[x][y] = s.manAttackValue[x][y] = 999;
            s.comGuardValue[x][y] = s.comAttackValue[x][y] = 999;
            s.manAttackerX[x][y] = s.manAttackerY[x][y] = 0;
            s.comAttackerX[x][y] = s.comAttackerY[x][y] = 0;
            s.comGuardX[x][y] = s.comGuardY[x][y] = 0;
            s.manCheckMarks[x][y] = s.comCheckMarks[x][y] = 0;
            s.manPinned[x][y] = 0;
            s.kingEscapeMap[x][y] = 0;
        }
    com_前局面保存(s);
    s.savedBoard = s.Board;
    s.manKingX = s.manKingY = s.manPrinceX = s.manPrinceY = 0;
    s.comKingX = s.comKingY = s.comPrinceX = s.comPrinceY = 0;
    s.manLionX = s.manLionY = 0;
    s.comPinFlag = 0;
}

// Put the trial move of the piece on (x, y) to (tx, ty) on the board as the
// search does (after com_準備), rebuild both maps and return the score.
inline Tenths scoreTrial(ComState& s, int x, int y, int tx, int ty, PieceCode piece) {
    s.movingPiece = s.Board[x][y];
    s.distToManKing = std::max(std::abs(x - s.manKingX), std::abs(y - s.manKingY));
    const PieceCode captured = s.Board[tx][ty];
    s.Board[x][y] = code::EMPTY;
    s.Board[tx][ty] = piece;
    勢力調査_MAN(s);
    勢力調査_COM(s);
    return 盤評価(s, captured, piece, x, y, tx, ty);
}

}  // namespace zk::test
