// The end of a game between two programs, judged by the rules alone: the
// rule set's endings after each move (a side without a royal piece, a bare
// royal, mate under this program's rules, no legal moves under the standard
// ones) and repetitions. Shared by the in-process benches and engine_match.
#pragma once

#include <map>
#include <vector>

#include "engine.h"
#include "game_end.h"
#include "position.h"
#include "repetition.h"

namespace zk::bench {

// How a game stands after a move: over or not, who won (the sign of the
// winner's codes, 0 a draw) and why.
struct Ending {
    bool over = false;
    int winner = 0;
    const char* reason = "";
};

// The rules' ending after `movedSide` made the move that led to `after`,
// under the end rules two programs play by.
inline Ending endingAfter(const Position& after, int movedSide) {
    const engine::Outcome o = engine::outcomeAfter(after, movedSide, engine::EndRules::Symmetric);
    if (o == engine::Outcome::None) return {};
    Ending e;
    e.over = true;
    e.winner = o == engine::Outcome::TopWins ? 1 : o == engine::Outcome::BottomWins ? -1 : 0;
    // The reason is read again from the facts the verdict was made of.
    const Census c = 調査_駒数(after.Board);
    if (after.rules == RuleSet::Standard) {
        const EndReason r = standardEnding(after).reason;
        e.reason = r == EndReason::NoRoyal     ? "no royal"
                   : r == EndReason::BareRoyal ? "bare royal"
                                               : "no legal moves";
    } else if (c.royals[0] == 0 || c.royals[1] == 0) {
        e.reason = "no royal";
    } else if (c.pieces[0] <= 1 || c.pieces[1] <= 1) {
        e.reason = "bare royal";
    } else {
        e.reason = "mate";
    }
    return e;
}

// A game from its start, move by move, with its verdict after each: the
// standard game's repetition rule under the standard rules, and under this
// program's rules a draw the fourth time a position is met (it has no
// repetition rule, and two deterministic programs would repeat for ever).
class GameJudge {
public:
    explicit GameJudge(const Position& start) : positions_{start} {
        ++seen_[engine::positionKey(start)];
    }

    const Position& current() const { return positions_.back(); }
    const std::vector<zk::Move>& moves() const { return moves_; }
    const Position& start() const { return positions_.front(); }

    // Put `m` (a legal move of the side to move) on the game and judge it.
    Ending play(const zk::Move& m) {
        Position p = positions_.back();
        const int moved = p.mover;
        apply(p, m);
        positions_.push_back(p);
        moves_.push_back(m);
        Ending e = endingAfter(p, moved);
        if (e.over) return e;
        if (p.rules == RuleSet::Standard) {
            const RepetitionVerdict v = repetitionVerdict(positions_, moves_);
            if (v == RepetitionVerdict::None) return e;
            e.over = true;
            e.winner = v == RepetitionVerdict::BottomLoses ? 1
                       : v == RepetitionVerdict::TopLoses  ? -1
                                                           : 0;
            e.reason = e.winner ? "repetition by attacks" : "repetition";
        } else if (++seen_[engine::positionKey(p)] == 4) {
            e.over = true;
            e.reason = "repetition";
        }
        return e;
    }

private:
    std::vector<Position> positions_;
    std::vector<zk::Move> moves_;
    std::map<std::uint64_t, int> seen_;
};

}  // namespace zk::bench
