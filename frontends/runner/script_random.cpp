#include <sstream>

#include "form1.h"
#include "position.h"
#include "script.h"

namespace zk {

// xorshift64*: the same sequence on every platform for a given seed.
std::uint32_t ScriptRunner::nextRandom(std::uint32_t bound) {
    rng_ ^= rng_ >> 12;
    rng_ ^= rng_ << 25;
    rng_ ^= rng_ >> 27;
    const std::uint64_t r = rng_ * 0x2545F4914F6CDD1DULL;
    return bound == 0 ? 0 : static_cast<std::uint32_t>((r >> 32) % bound);
}

// Plays one random legal move of the side to move by pressing its squares,
// answering the two-step question as the move says. A move the flow does not
// complete is reported as an error line.
std::vector<std::string> ScriptRunner::randomMove() {
    lastRandom_ = RandomMove{};
    if (s_.game.turnPlayer == Game::noPlayer || s_.game.recordMode == Game::flagOn ||
        s_.help.moveHelpMode != 0)
        return {"random-move: no game to move in"};
    // Against the computer, a press while it is its turn lets it move first.
    if (s_.game.gameMode == Game::modeCom && s_.game.turnPlayer == s_.game.comPlayer) {
        Form_MouseDown(s_, 1, 0, -10000, -10000);
        if (ended() || s_.game.turnPlayer == Game::noPlayer) return {"random-move: game over"};
    }
    // A selection click starts every move, whatever the last press left.
    s_.press.moveStep = 1;
    const std::vector<Move> moves = legalMoves(現局面(s_.game), Mover::Presses);
    if (moves.empty()) return {"random-move: no legal move"};
    const Move m = moves[nextRandom(static_cast<std::uint32_t>(moves.size()))];

    const int movesBefore = s_.game.moveCount;
    std::ostringstream text;
    text << "random-move " << int{m.fromX} << ' ' << int{m.fromY} << " -> ";
    pressSquare(m.fromX, m.fromY);
    if (m.isTwoStep()) {
        ui_.answers.push_back(MsgAnswer::Yes);
        pressSquare(m.midX, m.midY);
        pressSquare(m.toX, m.toY);
        text << int{m.midX} << ' ' << int{m.midY} << " -> ";
        lastRandom_.toX = m.midX;
        lastRandom_.toY = m.midY;
        lastRandom_.secondX = m.toX;
        lastRandom_.secondY = m.toY;
    } else {
        if (m.stopped) ui_.answers.push_back(MsgAnswer::No);
        pressSquare(m.toX, m.toY);
        lastRandom_.toX = m.toX;
        lastRandom_.toY = m.toY;
        lastRandom_.declined = m.stopped;
    }
    text << int{m.toX} << ' ' << int{m.toY} << (m.stopped ? " (one step)" : "");
    lastRandom_.fromX = m.fromX;
    lastRandom_.fromY = m.fromY;
    lastRandom_.made =
        s_.game.moveCount != movesBefore || s_.game.turnPlayer == Game::noPlayer || ended();
    if (!lastRandom_.made) return {"error: random-move " + text.str().substr(12) + " was refused"};
    return {text.str()};
}

}  // namespace zk
