// The engine's static evaluation: material, the shelter and exposure of each
// royal piece, the lions' standoff and a little centralisation and advance.
#include <algorithm>
#include <cstdlib>

#include "engine.h"
#include "engine_internal.h"

namespace zk::engine {

namespace {

// Chebyshev distance.
int dist(int ax, int ay, int bx, int by) { return std::max(std::abs(ax - bx), std::abs(ay - by)); }

struct Royal {
    int x, y;
};

// The non-royal material of both sides at the start of a game.
int fullNonRoyal() {
    static const int full = [] {
        const Position start = Position::initial();
        int sum = 0;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const int k = start.Board[x][y].kind();
                if (k < 38) sum += materialValue(k);
            }
        return sum;
    }();
    return full;
}

}  // namespace

int convertBonus(int scale, int closeness, int nonRoyal) {
    // Each step toward the enemy royal pieces is worth up to 4, and trading
    // down to nothing half the lead: a passive wall of defenders otherwise
    // holds a won game to a shuffle.
    const int full = fullNonRoyal();
    const int traded = full - std::min(nonRoyal, full);
    return scale * closeness / 1000 + scale * traded / (2 * full);
}

int evaluate(const Position& p) {
    const BoardGrid& b = p.Board;
    int score = 0;  // top side's view
    Royal royals[2][2];
    int royalCount[2] = {0, 0};  // [0] bottom, [1] top
    int lionX[2] = {0, 0}, lionY[2] = {0, 0};
    int material[2] = {0, 0}, nonRoyal = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = b[x][y];
            if (c.isEmpty()) continue;
            const int side = c > 0 ? 1 : 0;
            const int sign = side ? 1 : -1;
            const int k = c.kind();
            int v = materialValue(k);
            material[side] += v;
            if (k < 38) nonRoyal += v;
            if (k >= 38) {
                if (royalCount[side] < 2) royals[side][royalCount[side]++] = {x, y};
                // A royal piece belongs at home: each row out costs.
                const int out = side ? y - 1 : 12 - y;
                v -= 6 * out;
            } else {
                // Rows advanced toward the enemy, and distance from the centre.
                const int advance = side ? y - 1 : 12 - y;
                const int centre = std::max(std::abs(2 * x - 13), std::abs(2 * y - 13)) / 2;
                v += (k <= 2 ? 6 : 2) * std::min(advance, 7) + 3 * (5 - centre);
                if (k == 33 || k == 34) {
                    lionX[side] = x;
                    lionY[side] = y;
                }
            }
            score += sign * v;
        }

    // Royal safety: friends next to a royal piece shelter it, enemies within
    // two squares threaten it, and a lone royal piece feels both twice as much.
    for (int side = 0; side < 2; ++side) {
        const int sign = side ? 1 : -1;
        const int weight = royalCount[side] == 1 ? 2 : 1;
        for (int r = 0; r < royalCount[side]; ++r) {
            const Royal k = royals[side][r];
            int safety = 0;
            for (int x = std::max(1, k.x - 2); x <= std::min(12, k.x + 2); ++x)
                for (int y = std::max(1, k.y - 2); y <= std::min(12, k.y + 2); ++y) {
                    const PieceCode c = b[x][y];
                    if (c.isEmpty() || (x == k.x && y == k.y)) continue;
                    const bool friendly = (c > 0) == (side == 1);
                    if (friendly) {
                        if (dist(x, y, k.x, k.y) == 1) safety += 8;
                    } else {
                        safety -= materialValue(c.kind()) >= 900 ? 45 : 15;
                    }
                }
            score += sign * weight * safety;
        }
    }

    // Lions within reach of each other: the side to move strikes first.
    if (lionX[0] && lionX[1] && dist(lionX[0], lionY[0], lionX[1], lionY[1]) <= 2)
        score += p.mover * 60;

    if (const int scale = convertScale(material[1], material[0])) {
        const bool topAhead = scale > 0;
        int closeness = 0;
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) {
                const PieceCode c = b[x][y];
                if (c.isEmpty() || (c > 0) != topAhead || c.kind() >= 38) continue;
                int nearest = 7;
                for (int rx = 1; rx <= 12; ++rx)
                    for (int ry = 1; ry <= 12; ++ry) {
                        const PieceCode r = b[rx][ry];
                        if (!r.isEmpty() && (r > 0) != topAhead && r.kind() >= 38)
                            nearest = std::min(nearest, dist(x, y, rx, ry));
                    }
                closeness += 8 - nearest;
            }
        score += convertBonus(scale, closeness, nonRoyal);
    }

    return p.mover * score;
}

}  // namespace zk::engine
