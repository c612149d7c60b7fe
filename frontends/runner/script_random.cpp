#include <sstream>

#include "form1.h"
#include "move_check.h"
#include "script.h"
#include "two_step.h"

namespace zk {

namespace {

struct Step {
    int fx, fy, tx, ty;
};

}  // namespace

// xorshift64*: the same sequence on every platform for a given seed.
std::uint32_t ScriptRunner::nextRandom(std::uint32_t bound) {
    rng_ ^= rng_ >> 12;
    rng_ ^= rng_ << 25;
    rng_ ^= rng_ >> 27;
    const std::uint64_t r = rng_ * 0x2545F4914F6CDD1DULL;
    return bound == 0 ? 0 : static_cast<std::uint32_t>((r >> 32) % bound);
}

// Plays one random legal move of the human side to move by pressing the
// squares, answering a two-step question at random and choosing a random
// legal second step. Moves refused by the lion rules are skipped.
std::vector<std::string> ScriptRunner::randomMove() {
    lastRandom_ = RandomMove{};
    if (s_.turnPlayer == State::noPlayer || s_.recordMode == State::flagOn || s_.moveHelpMode != 0)
        return {"random-move: no game to move in"};
    // Against the computer, a press while it is its turn lets it move first.
    if (s_.gameMode == State::modeCom && s_.turnPlayer == s_.comPlayer) {
        Form_MouseDown(s_, 1, 0, -10000, -10000);
        if (ended() || s_.turnPlayer == State::noPlayer) return {"random-move: game over"};
    }
    const int sign = s_.turnPlayer == s_.manPlayer ? -1 : 1;

    std::vector<Step> steps;
    const int savedStep = s_.moveStep;
    s_.moveStep = 1;  // judged as a first step, as the selection click will set
    for (int fx = 1; fx <= 12; ++fx)
        for (int fy = 1; fy <= 12; ++fy) {
            const PieceCode c = s_.Board[fx][fy];
            if (!(sign > 0 ? c >= 1 : c <= -1)) continue;
            for (int tx = 1; tx <= 12; ++tx)
                for (int ty = 1; ty <= 12; ++ty)
                    if (移動チェック(s_, fx, fy, tx, ty, c) == 1) steps.push_back({fx, fy, tx, ty});
        }
    s_.moveStep = savedStep;

    while (!steps.empty()) {
        const std::size_t i = nextRandom(static_cast<std::uint32_t>(steps.size()));
        const Step m = steps[i];
        steps[i] = steps.back();
        steps.pop_back();

        const int movesBefore = s_.moveCount;
        pressSquare(m.fx, m.fy);
        const PieceCode piece = s_.Board[m.fx][m.fy];
        const bool twoStep = !二手目駒(m.fx, m.fy, m.tx, m.ty, piece).isEmpty();
        const bool goOn = twoStep && nextRandom(2) == 0;
        const std::size_t queued = ui_.answers.size();
        if (twoStep) ui_.answers.push_back(goOn ? MsgAnswer::Yes : MsgAnswer::No);
        pressSquare(m.tx, m.ty);
        if (ui_.answers.size() > queued) ui_.answers.pop_back();  // refused: never asked

        std::ostringstream text;
        text << "random-move " << m.fx << ' ' << m.fy << " -> " << m.tx << ' ' << m.ty;
        if (s_.moveStep == 2 && !ended()) {
            std::vector<Step> seconds;
            for (int x = 1; x <= 12; ++x)
                for (int y = 1; y <= 12; ++y)
                    if (移動チェック(s_, m.tx, m.ty, x, y, s_.secondStepPiece) == 1)
                        seconds.push_back({m.tx, m.ty, x, y});
            while (s_.moveStep == 2 && !seconds.empty() && !ended()) {
                const std::size_t j = nextRandom(static_cast<std::uint32_t>(seconds.size()));
                const Step second = seconds[j];
                seconds[j] = seconds.back();
                seconds.pop_back();
                pressSquare(second.tx, second.ty);
                if (s_.moveStep == 1) {
                    lastRandom_.secondX = second.tx;
                    lastRandom_.secondY = second.ty;
                    text << " -> " << second.tx << ' ' << second.ty;
                }
            }
        } else if (twoStep && !goOn && s_.moveCount != movesBefore) {
            lastRandom_.declined = true;
            text << " (one step)";
        }
        const bool moved =
            s_.moveCount != movesBefore || s_.turnPlayer == State::noPlayer || ended();
        if (!moved) continue;
        lastRandom_.made = true;
        lastRandom_.fromX = m.fx;
        lastRandom_.fromY = m.fy;
        lastRandom_.toX = m.tx;
        lastRandom_.toY = m.ty;
        return {text.str()};
    }
    return {"random-move: no legal move"};
}

}  // namespace zk
