#include <sstream>

#include "form1.h"
#include "position.h"
#include "script.h"
#include "standard_play.h"

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
    const bool standard = s_.game.rules == RuleSet::Standard;
    const Position here = standard ? 標準局面(s_.game) : 現局面(s_.game);
    const std::vector<Move> moves = legalMoves(here, Mover::Presses);
    if (moves.empty()) return {"random-move: no legal move"};
    const Move m = moves[nextRandom(static_cast<std::uint32_t>(moves.size()))];
    if (standard) return standardMove(m, moves);

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

// The standard game asks only what its list leaves open: to go on when the
// first step could also end the move, and to promote when both are listed.
std::vector<std::string> ScriptRunner::standardMove(const Move& m, const std::vector<Move>& moves) {
    const int movesBefore = s_.game.moveCount;
    bool stopHere = false, goOnHere = false, otherPromotion = false;
    for (const Move& o : moves) {
        if (o.fromX != m.fromX || o.fromY != m.fromY) continue;
        if (m.isTwoStep() && !o.isTwoStep() && o.toX == m.midX && o.toY == m.midY) stopHere = true;
        if (!m.isTwoStep() && o.isTwoStep() && o.midX == m.toX && o.midY == m.toY) goOnHere = true;
        if (o.toX == m.toX && o.toY == m.toY && o.midX == m.midX && o.midY == m.midY &&
            o.promotes() != m.promotes())
            otherPromotion = true;
    }
    std::ostringstream text;
    text << "random-move " << int{m.fromX} << ' ' << int{m.fromY} << " -> ";
    pressSquare(m.fromX, m.fromY);
    if (m.isTwoStep()) {
        if (stopHere) ui_.answers.push_back(MsgAnswer::Yes);
        pressSquare(m.midX, m.midY);
        text << int{m.midX} << ' ' << int{m.midY} << " -> ";
    }
    if (goOnHere) ui_.answers.push_back(MsgAnswer::No);
    if (otherPromotion) ui_.answers.push_back(m.promotes() ? MsgAnswer::Yes : MsgAnswer::No);
    pressSquare(m.toX, m.toY);
    text << int{m.toX} << ' ' << int{m.toY} << (m.promotes() ? "+" : "");
    lastRandom_ = RandomMove{};
    lastRandom_.fromX = m.fromX;
    lastRandom_.fromY = m.fromY;
    lastRandom_.toX = m.isTwoStep() ? m.midX : m.toX;
    lastRandom_.toY = m.isTwoStep() ? m.midY : m.toY;
    if (m.isTwoStep()) {
        lastRandom_.secondX = m.toX;
        lastRandom_.secondY = m.toY;
    }
    lastRandom_.made =
        s_.game.moveCount != movesBefore || s_.game.turnPlayer == Game::noPlayer || ended();
    if (!lastRandom_.made) return {"error: random-move " + text.str().substr(12) + " was refused"};
    return {text.str()};
}

}  // namespace zk
