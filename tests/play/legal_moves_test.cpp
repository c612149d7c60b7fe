// legalMoves must be exactly the moves the board-click flow completes: for
// positions of seeded games in every game mode, every selection and every
// destination is pressed (both answers to the two-step question, every second
// step), and the completed moves, with the board and lion history each leaves,
// are compared with legalMoves and apply.
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <tuple>

#include "board_click.h"
#include "script_fixture.h"

namespace zk {
namespace {

struct Outcome {
    int fromX, fromY, midX, midY, toX, toY;
    bool stopped;
    BoardGrid board;
    LionHistory history;

    auto key() const {
        std::array<int, 144> codes{};
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) codes[(x - 1) * 12 + y - 1] = board[x][y].tenths();
        return std::tuple(fromX, fromY, midX, midY, toX, toY, stopped, codes,
                          history.lastCaptured.tenths(), history.lastAfter.tenths(),
                          history.previousAfter.tenths());
    }
    bool operator<(const Outcome& o) const { return key() < o.key(); }
    bool operator==(const Outcome& o) const { return key() == o.key(); }
};

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    os << o.fromX << ',' << o.fromY << " -> ";
    if (o.midX) os << o.midX << ',' << o.midY << " -> ";
    return os << o.toX << ',' << o.toY << (o.stopped ? " (stopped)" : "");
}

class LegalMoves : public ScriptTest {
protected:
    std::string settings() const override { return "移動指導=OFF\r\nBGM=OFF\r\n"; }

    // What a completed press sequence left behind.
    static Outcome completed(const State& t, int fx, int fy, int mx, int my, int tx, int ty,
                             bool stopped) {
        return {fx,      fy,           mx,
                my,      tx,           ty,
                stopped, t.game.Board, lionHistoryOf(t.game.record, t.game.record.recordCount)};
    }

    // Presses of the probes draw and ask here, away from the game.
    HeadlessPlatform probe;

    // Was the two-step question asked since the transcript was last taken?
    bool asked() {
        for (const auto& l : probe.takeTranscript())
            if (l.rfind("ask [２手移動]", 0) == 0) return true;
        return false;
    }

    // Every move the flow completes from this position. A completed move
    // runs the end test of two-human play, so no computer reply moves on;
    // which side owns which codes does not depend on the mode.
    std::vector<Outcome> pressedMoves(const State& base) {
        std::vector<Outcome> out;
        State start = base;
        start.game.gameMode = Game::modeHumans;
        start.press.clickPhase = 0;
        start.press.moveStep = 1;
        start.screen.ui = &probe;
        probe.defaultAnswer = MsgAnswer::No;  // a game that ends keeps its board
        for (int fx = 1; fx <= 12; ++fx)
            for (int fy = 1; fy <= 12; ++fy) {
                State sel = start;
                選択クリック(sel, fx, fy);
                if (sel.press.clickPhase != 1) continue;
                State t = sel;
                for (int tx = 1; tx <= 12; ++tx)
                    for (int ty = 1; ty <= 12; ++ty) {
                        probe.takeTranscript();
                        probe.answers.assign(1, MsgAnswer::No);
                        移動先クリック(t, tx, ty);
                        const bool moved = t.game.record.recordCount != sel.game.record.recordCount;
                        const bool question = asked();
                        if (moved) out.push_back(completed(t, fx, fy, 0, 0, tx, ty, question));
                        if (question) secondSteps(sel, fx, fy, tx, ty, out);
                        if (moved || t.press.clickPhase != 1 || t.press.selX != fx ||
                            t.press.selY != fy) {
                            t = sel;
                        }
                    }
            }
        return out;
    }

    // Answer Yes to the question of the first step to (mx, my), then press
    // every square as the second step.
    void secondSteps(const State& sel, int fx, int fy, int mx, int my, std::vector<Outcome>& out) {
        State first = sel;
        probe.answers.assign(1, MsgAnswer::Yes);
        移動先クリック(first, mx, my);
        ASSERT_EQ(first.press.moveStep, 2);
        for (int tx = 1; tx <= 12; ++tx)
            for (int ty = 1; ty <= 12; ++ty) {
                State t = first;
                移動先クリック(t, tx, ty);
                if (t.press.moveStep == 1)
                    out.push_back(completed(t, fx, fy, mx, my, tx, ty, false));
            }
        probe.takeTranscript();
    }

    static std::vector<Outcome> generated(const Position& p) {
        std::vector<Outcome> out;
        for (const Move& m : legalMoves(p, Mover::Presses)) {
            Position q = p;
            apply(q, m);
            EXPECT_EQ(q.mover, -p.mover);
            out.push_back(
                {m.fromX, m.fromY, m.midX, m.midY, m.toX, m.toY, m.stopped, q.Board, q.history});
        }
        return out;
    }

    // Compare the two sets at the current position; returns its move count.
    std::size_t compareHere() {
        std::vector<Outcome> pressed = pressedMoves(s());
        std::vector<Outcome> listed = generated(現局面(s().game));
        std::sort(pressed.begin(), pressed.end());
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(pressed.size(), listed.size());
        std::vector<Outcome> onlyPressed, onlyListed;
        std::set_difference(pressed.begin(), pressed.end(), listed.begin(), listed.end(),
                            std::back_inserter(onlyPressed));
        std::set_difference(listed.begin(), listed.end(), pressed.begin(), pressed.end(),
                            std::back_inserter(onlyListed));
        for (const auto& o : onlyPressed) ADD_FAILURE() << "pressed only: " << o;
        for (const auto& o : onlyListed) ADD_FAILURE() << "listed only: " << o;
        return pressed.size();
    }
};

// The four ways a game starts: two humans, the human first or second against
// the computer, and two humans after a game as 後手 swapped the sides.
const char* const kStarts[4][2] = {
    {"menu START", ""}, {"menu SENTE", ""}, {"menu GOTE", ""}, {"menu GOTE", "menu START"}};

TEST_F(LegalMoves, AreThePressedMovesInSeededGamesOfEveryMode) {
    int positions = 0, twoStepPositions = 0;
    const int wanted = std::getenv("ZK_POSITIONS") ? std::atoi(std::getenv("ZK_POSITIONS")) : 2000;
    for (int seed = 1; positions < wanted; ++seed) {
        run({"menu CANCEL", "seed " + std::to_string(seed)});
        const int mode = seed % 4;
        if (seed % 3 == 0) run(mode == 2 ? "menu LEBEL_DOWN" : "menu LBEL_UP");
        run(kStarts[mode][0]);
        if (*kStarts[mode][1]) run(kStarts[mode][1]);
        for (int ply = 0; ply < 80 && s().game.turnPlayer != Game::noPlayer && !runner().ended();
             ++ply) {
            if (s().game.gameMode == Game::modeCom && s().game.turnPlayer == s().game.comPlayer) {
                run("press 0 0");  // the computer's turn: let it move
                continue;
            }
            bool twoStep = false;
            for (const Move& m : legalMoves(現局面(s().game))) twoStep |= m.isTwoStep();
            compareHere();
            ++positions;
            twoStepPositions += twoStep;
            if (HasFailure()) return;
            const Lines made = runner().execute("random-move");
            ASSERT_FALSE(made.empty());
            ASSERT_EQ(made[0].rfind("error", 0), std::string::npos) << made[0];
            if (seed % 5 == 0 && ply == 30) run("menu REVERSE");  // the board turned mid-game
        }
        ASSERT_FALSE(runner().ended());
    }
    EXPECT_GT(twoStepPositions, positions / 4);
}

}  // namespace
}  // namespace zk
