// The USI program's clock handling: the engine plays itself through two USI
// sessions, each searching on a thread of its own as zenkoru-engine does,
// while this program keeps both clocks as a GUI would, timing each move from
// its "go" to its "bestmove".
//   bench_engine_time                  the standard rules, 100 moves a control
//   bench_engine_time zenkoru [MOVES]  this program's rules
//   bench_engine_time both [MOVES]     both, one after the other
// For each control: the largest overrun (time taken beyond what was on the
// clock for that move; negative, the least time to spare), how far past its
// hard budget the engine answered at worst, the share of the available time
// used, and whether a side lost on time.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine.h"
#include "position.h"
#include "sfen.h"
#include "time_control.h"
#include "usi.h"

namespace {

using Clock = std::chrono::steady_clock;

// One side: a session whose searches run on a thread, and its answers.
class Player {
public:
    explicit Player(const char* variant)
        : session_([this](const std::string& line) { heard(line); }) {
        session_.setRunner([this](std::function<void()> search) {
            if (searcher_.joinable()) searcher_.join();
            searcher_ = std::thread(std::move(search));
        });
        session_.command(std::string("setoption name USI_Variant value ") + variant);
        session_.command("usinewgame");
    }
    ~Player() {
        session_.stop();
        if (searcher_.joinable()) searcher_.join();
    }

    // Send the position and the go; wait for the bestmove. Its move text and
    // the milliseconds from the go to it.
    std::string think(const std::string& position, const std::string& go, double& millis) {
        if (searcher_.joinable()) searcher_.join();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            best_.clear();
        }
        session_.command(position);
        const auto start = Clock::now();
        session_.command(go);
        std::unique_lock<std::mutex> lock(mutex_);
        answered_.wait(lock, [this] { return !best_.empty(); });
        millis = std::chrono::duration<double, std::milli>(heardAt_ - start).count();
        return best_;
    }
    void newGame() {
        if (searcher_.joinable()) searcher_.join();
        session_.command("usinewgame");
    }

private:
    void heard(const std::string& line) {
        if (line.rfind("bestmove ", 0) != 0) return;
        const auto now = Clock::now();
        std::lock_guard<std::mutex> lock(mutex_);
        heardAt_ = now;
        best_ = line.substr(9);
        answered_.notify_one();
    }

    std::mutex mutex_;
    std::condition_variable answered_;
    std::string best_;
    Clock::time_point heardAt_;
    std::thread searcher_;
    zk::usi::UsiSession session_;
};

struct Control {
    const char* name;
    std::int64_t main, inc, byoyomi;
};

// Plays `moves` moves under `c` and prints what the clocks saw.
void play(const char* variant, const Control& c, int moves) {
    using namespace zk;
    const RuleSet rules =
        std::strcmp(variant, "zenkoru") == 0 ? RuleSet::Zenkoru : RuleSet::Standard;
    Player players[2]{Player(variant), Player(variant)};
    std::int64_t left[2] = {c.main, c.main};
    Position p = Position::initial(rules);
    std::string moveList;
    double worstOverrun = -1e9, pastHard = -1e9, shareSum = 0, used2[2] = {0, 0}, given[2] = {0, 0};
    int games = 1, flagged = 0;
    for (int ply = 0; ply < moves; ++ply) {
        const int side = p.mover < 0 ? 0 : 1;
        const std::string go = "go btime " + std::to_string(left[0]) + " wtime " +
                               std::to_string(left[1]) + " binc " + std::to_string(c.inc) +
                               " winc " + std::to_string(c.inc) + " byoyomi " +
                               std::to_string(c.byoyomi);
        double used = 0;
        const std::string best = players[side].think("position startpos" + moveList, go, used);
        const double available = static_cast<double>(left[side] + c.byoyomi);
        // How late the search itself stopped: the same budget the session made.
        const engine::TimeBudget budget =
            engine::timeBudget(engine::Clock{left[side], c.inc, c.byoyomi, 0, 0});
        pastHard = std::max(pastHard, used - static_cast<double>(budget.hard));
        worstOverrun = std::max(worstOverrun, used - available);
        shareSum += used / available;
        used2[side] += used;
        given[side] += static_cast<double>(c.byoyomi + c.inc) + (given[side] == 0 ? c.main : 0);
        const auto spent = static_cast<std::int64_t>(used + 0.5);
        if (spent > left[side] + c.byoyomi) ++flagged;
        left[side] = std::max<std::int64_t>(left[side] - spent, 0) + c.inc;
        Move m;
        bool legal = false;
        for (const Move& x : legalMoves(p, Mover::Computer))
            if (usiMove(x) == best) {
                m = x;
                legal = true;
                break;
            }
        bool over = !legal;
        if (legal) {
            const int mover = p.mover;
            apply(p, m);
            moveList += (moveList.empty() ? " moves " : " ") + best;
            over = engine::outcomeAfter(p, mover, engine::EndRules::Symmetric) !=
                   engine::Outcome::None;
        }
        if (over && ply + 1 < moves) {
            // A new game, fresh clocks, for the moves still to time.
            ++games;
            p = Position::initial(rules);
            moveList.clear();
            left[0] = left[1] = c.main;
            given[0] = given[1] = 0;
            used2[0] = used2[1] = 0;
            for (Player& pl : players) pl.newGame();
        }
    }
    // The clock's share: what the sides used of all they were given (main
    // time, increments, byoyomi) in the last game.
    const double clockShare = (used2[0] + used2[1]) / (given[0] + given[1]);
    std::printf(
        "%-8s %-20s %3d moves, %d game(s): largest overrun %+7.1f ms (negative: to spare), "
        "past the hard budget %+6.1f ms, available time used per move %5.1f %%, "
        "of the clock %5.1f %%, %s\n",
        variant, c.name, moves, games, worstOverrun, pastHard, 100 * shareSum / moves,
        100 * clockShare, flagged ? "LOST ON TIME" : "no flag");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const char* which = argc > 1 ? argv[1] : "chushogi";
    const int moves = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const Control controls[] = {
        {"byoyomi 1 s", 0, 0, 1000},
        {"10 s + 1 s increment", 10000, 1000, 0},
        {"60 s sudden death", 60000, 0, 0},
    };
    for (const char* variant : {"chushogi", "zenkoru"}) {
        if (std::strcmp(which, "both") != 0 && std::strcmp(which, variant) != 0) continue;
        for (const Control& c : controls) play(variant, c, moves);
    }
    return 0;
}
