// Shared set-up for the computer-player tests: a state with a headless
// platform, piece placement, blank maps for hand-made evaluation cases, and
// the trial-position helper that mirrors what the search does.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "com_eval.h"
#include "com_games.h"
#include "com_search.h"
#include "headless_platform.h"
#include "influence.h"
#include "pieces.h"
#include "state.h"

namespace zk::test {

// A headless platform that can keep a copy of the picture at every flush.
class RecordingPlatform : public HeadlessPlatform {
public:
    void flush() override {
        HeadlessPlatform::flush();
        if (keepSnapshots) snapshots.push_back(screen().items());
    }
    bool keepSnapshots = false;
    std::vector<std::vector<ScreenItem>> snapshots;
};

// An empty board with piece values, the human moving first, the sounds
// loaded under their file names and the computer at `level`.
struct ComFixture {
    RecordingPlatform ui;
    State s;

    explicit ComFixture(int level = 3) {
        s.ui = &ui;
        bench::setUpComTurn(s, level);
        s.soundLibraryHandle = ui.dsInitialize(0);
        const std::uint8_t byte = 0;
        s.soundOther = ui.dsCreateDSB(s.soundLibraryHandle, &byte, 1, 3, "その他.wav");
        s.soundForbidden = ui.dsCreateDSB(s.soundLibraryHandle, &byte, 1, 3, "禁止.wav");
        s.soundPiece = ui.dsCreateDSB(s.soundLibraryHandle, &byte, 1, 3, "駒打音.wav");
        s.soundBgm = ui.dsCreateDSB(s.soundLibraryHandle, &byte, 1, 1, "BGM.wav");
    }

    void put(int x, int y, int c) { s.Board[x][y] = PieceCode(c); }

    // Transcript lines of boxes only ("box [title] text").
    std::vector<std::string> boxes() const {
        std::vector<std::string> out;
        for (const auto& line : ui.transcript)
            if (line.rfind("box", 0) == 0 || line.rfind("ask", 0) == 0) out.push_back(line);
        return out;
    }
};

// Every map as a fresh survey of an empty board leaves it, the before-move
// copies likewise, and savedBoard equal to Board: a blank page for
// hand-made map entries.
inline void blankMaps(State& s) {
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
inline Tenths scoreTrial(State& s, int x, int y, int tx, int ty, PieceCode piece) {
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
