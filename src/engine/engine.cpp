// Iterative deepening principal-variation search with aspiration windows, a
// transposition table, null-move pruning, late-move reductions, killer and
// history ordering, and a quiescence search over captures, all on the
// engine's own board with make and unmake (engine_board.h).
#include "engine.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>

#include "engine_board.h"
#include "engine_internal.h"

namespace zk::engine {

namespace {

// Centipawns by kind; the order follows the window's own piece values, the
// spacing is the engine's. Both rule sets read it: in the standard game the
// pieces start plain, so a promotion gains the promoted kind's value less the
// plain one's. In pawns, close to the commonly published Chu Shogi values:
//   pawn 1, go-between 1.5, copper 2, silver, leopard, tiger, chariot 3,
//   gold, elephant 3.5, lance 2.5, side mover, phoenix, kirin 4,
//   vertical mover 4.5, bishop 5, rook, whale, stag 6, horse, white horse 7,
//   dragon 8, boar, ox 8.5, falcon 11, eagle 11.5, free king 12, lion 18,
//   king and crown prince 15 (the insurance of a second royal piece).
// Gains: pawn to tokin 2.5, kirin to lion 14, elephant to prince 11.5,
// phoenix to free king 8, dragon to eagle 3.5, horse to falcon 4.
constexpr int kMaterial[40] = {
    0,   100, 350, 250,  700,  200, 400,  400,  850,  300,  //  0.. 9
    450, 450, 850, 350,  600,  600, 800,  800,  1150, 300,  // 10..19
    500, 500, 700, 700,  1100, 400, 1200, 1200, 300,  600,  // 20..29
    300, 600, 400, 1800, 1800, 150, 350,  350,  1500, 1500  // 30..39
};

std::uint64_t splitmix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

struct ZobristTable {
    std::uint64_t square[169][79];  // whole codes -39..39 at index code + 39
    std::uint64_t side;
    std::uint64_t history[3][79];
    ZobristTable() {
        std::uint64_t s = 0x5a4b0001;
        for (auto& sq : square)
            for (auto& v : sq) v = splitmix(s++);
        side = splitmix(s++);
        for (auto& h : history)
            for (auto& v : h) v = splitmix(s++);
    }
};
const ZobristTable kZobrist;

// Mid-move codes never stand on a board between turns, but the history may
// hold them; they get keys of their own.
std::uint64_t codeKey(const std::uint64_t* row, PieceCode c) {
    if (!c.isMidMove()) return row[c.whole() + 39];
    return splitmix(static_cast<std::uint64_t>(c.tenths() + 1000) * 7919);
}

enum Bound : std::uint8_t { kNone, kUpper, kLower, kExact };

struct TTEntry {
    std::uint64_t key;
    std::uint32_t move;
    std::int16_t score;
    std::int8_t depth;
    std::uint8_t bound;
};

// A move as the table keeps it: origin, mid and destination squares, and
// whether it promotes or stops after its first step.
std::uint32_t pack(const FastMove& m) {
    return m.from | static_cast<std::uint32_t>(m.mid) << 8 |
           static_cast<std::uint32_t>(m.to) << 16 | static_cast<std::uint32_t>(m.promotes()) << 24 |
           static_cast<std::uint32_t>(m.stopped) << 25 | 1u << 26;
}

int victims(const FastMove& m) {
    return kMaterial[std::abs(m.captured)] + kMaterial[std::abs(m.capturedMid)];
}

bool takesRoyal(const FastMove& m) {
    return std::abs(m.captured) >= 38 || std::abs(m.capturedMid) >= 38;
}

constexpr int kMaxPly = 96;
constexpr int kInf = 32000;

int winIn(int ply) { return kWin - ply; }

// The score for `side` of a decided game.
int outcomeScore(Outcome o, int side, int ply) {
    if (o == Outcome::Draw) return 0;
    const int winner = o == Outcome::BottomWins ? -1 : 1;
    return winner == side ? winIn(ply) : -winIn(ply);
}

int toTT(int score, int ply) {
    if (score > kWinBound) return score + ply;
    if (score < -kWinBound) return score - ply;
    return score;
}
int fromTT(int score, int ply) {
    if (score > kWinBound) return score - ply;
    if (score < -kWinBound) return score + ply;
    return score;
}

struct Stopped {};

}  // namespace

int materialValue(int kind) { return kind >= 0 && kind < 40 ? kMaterial[kind] : 0; }

std::uint64_t squareKey(int x, int y, PieceCode c) {
    return c.isEmpty() ? 0 : codeKey(kZobrist.square[x * 13 + y], c);
}
std::uint64_t sideKey() { return kZobrist.side; }
std::uint64_t historyKey(int slot, PieceCode c) { return codeKey(kZobrist.history[slot], c); }

std::uint64_t positionKey(const Position& p) {
    std::uint64_t k = p.mover > 0 ? kZobrist.side : 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (!p.Board[x][y].isEmpty()) k ^= codeKey(kZobrist.square[x * 13 + y], p.Board[x][y]);
    k ^= codeKey(kZobrist.history[0], p.history.lastCaptured);
    k ^= codeKey(kZobrist.history[1], p.history.lastAfter);
    k ^= codeKey(kZobrist.history[2], p.history.previousAfter);
    return k;
}

void addGameKey(std::vector<std::uint64_t>& keys, const Position& before, const Move& m) {
    if (!m.captured.isEmpty() || !m.capturedMid.isEmpty() || m.promotes())
        keys.clear();
    else
        keys.push_back(positionKey(before));
}

struct Engine::Impl {
    std::vector<TTEntry> table;
    std::uint64_t mask = 0;
    int computerSide = 1;
    Limits limits;
    std::chrono::steady_clock::time_point deadline;
    std::uint64_t nodes = 0;
    int seldepth = 0;
    // The position being searched, moved and unmoved; a stopped search
    // leaves it half made, so each search starts a new one.
    std::optional<SearchBoard> board;
    std::uint64_t keys[kMaxPly + 2]{};  // the search path, for repetitions
    FastMove killers[kMaxPly + 2][2]{};
    int history[256][256]{};
    FastMove pv[kMaxPly + 2][kMaxPly + 2]{};
    int pvLength[kMaxPly + 2]{};
    std::vector<FastMove> moveBuf[kMaxPly + 2];
    std::vector<int> orderBuf[kMaxPly + 2];
    FastMove partialBest{};  // the best root move of the iteration in progress
    bool havePartial = false;
    // Keys of the standard game's positions before the root, sorted: one met
    // again in the search scores as a draw, as one repeated on the path does.
    std::vector<std::uint64_t> gameKeys;

    void resize(std::size_t megabytes) {
        std::size_t n = 1;
        while (n * 2 * sizeof(TTEntry) <= megabytes * 1024 * 1024) n *= 2;
        table.assign(n, TTEntry{});
        mask = n - 1;
    }

    Mover moverFor(int side) const {
        return side == computerSide ? Mover::Computer : Mover::Presses;
    }

    void checkLimits() {
        if ((nodes & 255) != 0) return;
        if (limits.stop && limits.stop->load(std::memory_order_relaxed)) throw Stopped{};
        if (limits.nodes && nodes >= limits.nodes) throw Stopped{};
        if (limits.millis && std::chrono::steady_clock::now() >= deadline) throw Stopped{};
    }

    TTEntry* probe(std::uint64_t key) {
        TTEntry& e = table[key & mask];
        return e.key == key && e.bound != kNone ? &e : nullptr;
    }

    void store(std::uint64_t key, const FastMove* m, int score, int depth, Bound bound, int ply) {
        TTEntry& e = table[key & mask];
        // Keep a deeper entry of the same position unless this one is exact.
        if (e.key == key && e.depth > depth && bound != kExact) return;
        const std::uint32_t move = m ? pack(*m) : (e.key == key ? e.move : 0);
        e = TTEntry{key, move, static_cast<std::int16_t>(toTT(score, ply)),
                    static_cast<std::int8_t>(std::clamp(depth, -1, 127)),
                    static_cast<std::uint8_t>(bound)};
    }

    // Order the moves of ply `ply` into orderBuf: best first.
    void order(int ply, std::uint32_t ttMove) {
        const std::vector<FastMove>& moves = moveBuf[ply];
        std::vector<int>& scores = orderBuf[ply];
        scores.resize(moves.size());
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const FastMove& m = moves[i];
            int s;
            if (ttMove && pack(m) == ttMove)
                s = 1 << 30;
            else if (m.isCapture())
                s = (1 << 28) + victims(m) * 16 - kMaterial[std::abs(m.piece)] / 16;
            else if (m == killers[ply][0])
                s = (1 << 27) + 2;
            else if (m == killers[ply][1])
                s = (1 << 27) + 1;
            else
                s = history[m.from][m.to] + (m.promotes() ? 1 << 26 : 0);
            scores[i] = s;
        }
    }

    // Swap the best remaining move to index i.
    void pickNext(int ply, std::size_t i) {
        std::vector<FastMove>& moves = moveBuf[ply];
        std::vector<int>& scores = orderBuf[ply];
        std::size_t best = i;
        for (std::size_t j = i + 1; j < moves.size(); ++j)
            if (scores[j] > scores[best]) best = j;
        if (best != i) {
            std::swap(moves[i], moves[best]);
            std::swap(scores[i], scores[best]);
        }
    }

    // Sort the moves from index i on, best first, equals in their order: past
    // the first few picks a node that has not cut off will likely try them all.
    std::vector<std::pair<int, FastMove>> sortBuf;
    void sortRest(int ply, std::size_t i) {
        std::vector<FastMove>& moves = moveBuf[ply];
        std::vector<int>& scores = orderBuf[ply];
        sortBuf.clear();
        for (std::size_t j = i; j < moves.size(); ++j) sortBuf.emplace_back(scores[j], moves[j]);
        std::stable_sort(sortBuf.begin(), sortBuf.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        for (std::size_t j = i; j < moves.size(); ++j) {
            scores[j] = sortBuf[j - i].first;
            moves[j] = sortBuf[j - i].second;
        }
    }

    bool repeated(int ply) const {
        for (int back = ply - 2; back >= 0; back -= 2)
            if (keys[back] == keys[ply]) return true;
        return !gameKeys.empty() &&
               std::binary_search(gameKeys.begin(), gameKeys.end(), board->key());
    }

    // The static evaluation, with the weak levels' noise: a number in
    // [-randomMargin, randomMargin] fixed by the position and the seed.
    int evaluate() const {
        const int e = board->evaluate();
        if (limits.randomMargin <= 0) return e;
        const std::uint64_t h = splitmix(board->key() ^ (std::uint64_t{limits.randomSeed} << 32));
        return e + static_cast<int>(h % static_cast<std::uint64_t>(2 * limits.randomMargin + 1)) -
               limits.randomMargin;
    }

    // Which side chooses promotion freely changes the moves, so it is part of the key.
    std::uint64_t searchKey() const {
        return board->key() ^ (computerSide > 0 ? 0x6a09e667f3bcc909ULL : 0);
    }

    // Captures only. Long-range pieces make capture chains explode, so the
    // chain is cut after kQuiesceDepth plies, and past its first two plies a
    // capture must win at least what the capturing piece is worth.
    static constexpr int kQuiesceDepth = 6;
    int quiesce(int alpha, int beta, int ply, int qply = 0) {
        ++nodes;
        seldepth = std::max(seldepth, ply);
        checkLimits();
        pvLength[ply] = 0;
        SearchBoard& b = *board;
        const int standPat = evaluate();
        if (standPat >= beta || ply >= kMaxPly || qply >= kQuiesceDepth) return standPat;
        alpha = std::max(alpha, standPat);
        // When even the two dearest enemy pieces taken at once cannot reach
        // alpha, no capture can: skip generating the moves.
        if (standPat + b.twoDearest() + 200 <= alpha) return alpha;

        const int side = b.mover();
        std::vector<FastMove>& moves = moveBuf[ply];
        b.generate(moverFor(side), moves, true);
        std::erase_if(moves, [&](const FastMove& m) {
            // Delta pruning: a capture that cannot lift the score to alpha
            // even uncontested is not worth a look (a royal victim is judged
            // by the end rules, so it stays).
            if (takesRoyal(m)) return false;
            if (standPat + victims(m) + 200 <= alpha) return true;
            return qply >= 2 && victims(m) < kMaterial[std::abs(m.piece)];
        });
        order(ply, 0);
        for (std::size_t i = 0; i < moves.size(); ++i) {
            pickNext(ply, i);
            const FastMove m = moveBuf[ply][i];
            b.doMove(m);
            const Outcome o = b.outcome(side, limits.endRules);
            const int score = o != Outcome::None ? outcomeScore(o, side, ply + 1)
                                                 : -quiesce(-beta, -alpha, ply + 1, qply + 1);
            b.undoMove(m);
            if (score > alpha) {
                alpha = score;
                if (score >= beta) return score;
            }
        }
        return alpha;
    }

    int search(int depth, int alpha, int beta, int ply, bool allowNull) {
        const bool pvNode = beta - alpha > 1;
        pvLength[ply] = 0;
        SearchBoard& b = *board;
        keys[ply] = searchKey();
        if (ply > 0 && repeated(ply)) return 0;
        if (depth <= 0 || ply >= kMaxPly) return quiesce(alpha, beta, ply);
        ++nodes;
        seldepth = std::max(seldepth, ply);
        checkLimits();

        std::uint32_t ttMove = 0;
        if (const TTEntry* e = probe(keys[ply])) {
            ttMove = e->move;
            const int s = fromTT(e->score, ply);
            if (!pvNode && e->depth >= depth &&
                (e->bound == kExact || (e->bound == kLower && s >= beta) ||
                 (e->bound == kUpper && s <= alpha)))
                return s;
        }

        // Null move: if passing still holds beta, a real move will too.
        if (allowNull && limits.nullMove && !pvNode && depth >= 3 && std::abs(beta) < kWinBound &&
            evaluate() >= beta) {
            b.doNull();
            const int r = 2 + depth / 4;
            const int s = -search(depth - 1 - r, -beta, -beta + 1, ply + 1, false);
            b.undoNull();
            if (s >= beta) return s >= kWinBound ? beta : s;
        }

        const int side = b.mover();
        std::vector<FastMove>& moves = moveBuf[ply];
        b.generate(moverFor(side), moves);
        if (moves.empty()) return -winIn(ply);  // no move at all: the game is lost
        order(ply, ttMove);

        // A ply from the horizon, a quiet move cannot lift a position this far
        // below alpha: after the first move only captures and promotions are tried.
        constexpr int kFutilityMargin = 200;
        const bool futile = limits.futility && depth == 1 && !pvNode &&
                            std::abs(alpha) < kWinBound && evaluate() + kFutilityMargin <= alpha;

        const int alphaIn = alpha;
        int best = -kInf;
        FastMove bestMove{};
        bool haveBest = false;
        constexpr std::size_t kPicks = 6;
        for (std::size_t i = 0; i < moveBuf[ply].size(); ++i) {
            if (i < kPicks)
                pickNext(ply, i);
            else if (i == kPicks)
                sortRest(ply, i);
            const FastMove m = moveBuf[ply][i];
            if (futile && i > 0 && !m.isCapture() && !m.promotes()) continue;
            b.doMove(m);
            const int score = child(m, i, depth, alpha, beta, ply, side);
            b.undoMove(m);
            if (score > best) {
                best = score;
                bestMove = m;
                haveBest = true;
                if (score > alpha) {
                    alpha = score;
                    if (ply == 0) {
                        partialBest = m;
                        havePartial = true;
                    }
                    pv[ply][0] = m;
                    std::copy_n(pv[ply + 1], pvLength[ply + 1], pv[ply] + 1);
                    pvLength[ply] = pvLength[ply + 1] + 1;
                    if (score >= beta) {
                        if (!m.isCapture()) {
                            if (!(m == killers[ply][0])) {
                                killers[ply][1] = killers[ply][0];
                                killers[ply][0] = m;
                            }
                            int& h = history[m.from][m.to];
                            h = std::min(h + depth * depth, 1 << 24);
                        }
                        break;
                    }
                }
            }
        }
        const Bound bound = best >= beta ? kLower : (best > alphaIn ? kExact : kUpper);
        store(keys[ply], haveBest && best > alphaIn ? &bestMove : nullptr, best, depth, bound, ply);
        return best;
    }

    // The score of move number i, already made on the board.
    int child(const FastMove& m, std::size_t i, int depth, int alpha, int beta, int ply, int side) {
        const Outcome o = board->outcome(side, limits.endRules);
        if (o != Outcome::None) return outcomeScore(o, side, ply + 1);
        if (i == 0) return -search(depth - 1, -beta, -alpha, ply + 1, true);
        // Late quiet moves are searched shallower first.
        int r = 0;
        if (limits.reductions && depth >= 3 && i >= 4 && !m.isCapture() && !m.promotes() &&
            !(m == killers[ply][0]) && !(m == killers[ply][1]))
            r = 1 + (i >= 12 && depth >= 5);
        int score = -search(depth - 1 - r, -alpha - 1, -alpha, ply + 1, true);
        if (score > alpha && r > 0) score = -search(depth - 1, -alpha - 1, -alpha, ply + 1, true);
        if (score > alpha && score < beta) score = -search(depth - 1, -beta, -alpha, ply + 1, true);
        return score;
    }

    // Whether the next iteration is worth starting: not past the soft limit,
    // and, unless soft and hard are one (byoyomi, lost when not used), likely
    // to end before the hard one: the next takes at least twice this one, and
    // an iteration cut off is thrown away.
    bool timeForAnother(std::chrono::steady_clock::time_point start,
                        std::chrono::steady_clock::time_point iterationStart) const {
        const auto now = std::chrono::steady_clock::now();
        const auto ms = [](auto d) {
            return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
        };
        const std::int64_t elapsed = ms(now - start);
        if (elapsed >= limits.softMillis) return false;
        if (limits.millis > limits.softMillis &&
            elapsed + 2 * ms(now - iterationStart) > limits.millis)
            return false;
        return true;
    }

    Result run(const Position& root, const Limits& lim) {
        limits = lim;
        nodes = 0;
        seldepth = 0;
        const auto start = std::chrono::steady_clock::now();
        deadline = start + std::chrono::milliseconds(lim.millis);
        for (auto& k : killers) k[0] = k[1] = FastMove{};
        for (auto& row : history)
            for (int& h : row) h /= 8;

        Result result;
        board.emplace(root);
        gameKeys.clear();
        if (root.rules == RuleSet::Standard) {
            gameKeys = lim.history;
            std::sort(gameKeys.begin(), gameKeys.end());
        }
        std::vector<FastMove> rootMoves;
        board->generate(moverFor(root.mover), rootMoves);
        if (rootMoves.empty()) return result;
        result.found = true;
        result.best = toMove(rootMoves.front());
        result.pv = {result.best};

        int previous = 0;
        havePartial = false;
        for (int depth = 1; depth <= std::max(1, lim.depth); ++depth) {
            const auto iterationStart = std::chrono::steady_clock::now();
            try {
                int delta = 60;
                int alpha = -kInf, beta = kInf;
                if (depth >= 4 && std::abs(previous) < kWinBound) {
                    alpha = previous - delta;
                    beta = previous + delta;
                }
                int score;
                for (;;) {
                    score = search(depth, alpha, beta, 0, false);
                    if (score <= alpha && alpha > -kInf) {
                        alpha = std::max(-kInf, score - delta);
                    } else if (score >= beta && beta < kInf) {
                        beta = std::min(kInf, score + delta);
                    } else {
                        break;
                    }
                    delta *= 3;
                }
                previous = score;
                result.score = score;
                result.depth = depth;
                if (pvLength[0] > 0) {
                    result.best = toMove(pv[0][0]);
                    result.pv.clear();
                    for (int i = 0; i < pvLength[0]; ++i) result.pv.push_back(toMove(pv[0][i]));
                }
                result.nodes = nodes;
                result.seldepth = seldepth;
                if (lim.onIteration) lim.onIteration(result);
                if (std::abs(score) > kWinBound && kWin - std::abs(score) <= depth) break;
                if (lim.softMillis && !timeForAnother(start, iterationStart)) break;
            } catch (const Stopped&) {
                // Stopped before any iteration ended: a root move that has
                // beaten the others searched so far is better than none.
                if (result.depth == 0 && havePartial) {
                    result.best = toMove(partialBest);
                    result.pv = {result.best};
                }
                break;
            }
        }
        result.nodes = nodes;
        result.seldepth = seldepth;
        return result;
    }
};

Engine::Engine(std::size_t hashMegabytes) : impl_(std::make_unique<Impl>()) {
    impl_->resize(hashMegabytes);
}

Engine::~Engine() = default;

void Engine::setHashSize(std::size_t megabytes) { impl_->resize(megabytes); }

void Engine::clear() {
    std::fill(impl_->table.begin(), impl_->table.end(), TTEntry{});
    for (auto& row : impl_->history)
        for (int& h : row) h = 0;
}

Result Engine::search(const Position& p, int computerSide, const Limits& limits) {
    impl_->computerSide = computerSide;
    return impl_->run(p, limits);
}

}  // namespace zk::engine
