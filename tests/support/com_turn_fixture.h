// Shared set-up for the tests of the computer's turn in the window's flow: a
// state drawing into a headless platform that can keep every picture, the
// sounds loaded under their file names, and the boxes it showed.
#pragma once

#include <string>
#include <vector>

#include "com_fixture.h"
#include "com_games.h"
#include "headless_platform.h"
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
struct ComTurnFixture {
    RecordingPlatform ui;
    State s;

    explicit ComTurnFixture(int level = 3) {
        s.screen.ui = &ui;
        bench::setUpComTurn(s, level);
        s.sounds.soundLibraryHandle = ui.dsInitialize(0);
        const std::uint8_t byte = 0;
        s.sounds.soundOther =
            ui.dsCreateDSB(s.sounds.soundLibraryHandle, &byte, 1, 3, "その他.wav");
        s.sounds.soundForbidden =
            ui.dsCreateDSB(s.sounds.soundLibraryHandle, &byte, 1, 3, "禁止.wav");
        s.sounds.soundPiece =
            ui.dsCreateDSB(s.sounds.soundLibraryHandle, &byte, 1, 3, "駒打音.wav");
        s.sounds.soundBgm = ui.dsCreateDSB(s.sounds.soundLibraryHandle, &byte, 1, 1, "BGM.wav");
    }

    void put(int x, int y, int c) { s.game.Board[x][y] = PieceCode(c); }

    // Transcript lines of boxes only ("box [title] text").
    std::vector<std::string> boxes() const {
        std::vector<std::string> out;
        for (const auto& line : ui.transcript)
            if (line.rfind("box", 0) == 0 || line.rfind("ask", 0) == 0) out.push_back(line);
        return out;
    }
};

}  // namespace zk::test
