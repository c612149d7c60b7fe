#include "com_surveys.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "move_check.h"
#include "pieces.h"

namespace zk {

namespace {

bool isLion(PieceCode c) { return c == 33 || c == 34 || c == -33 || c == -34; }

// The kinds that pin in the pinned-piece survey (lance, bishops, horses,
// rooks, dragons), by magnitude.
bool isPinnerKind(PieceCode c) {
    if (c.isMidMove()) return false;
    switch (c.kind()) {
        case 3:
        case 14:
        case 15:
        case 16:
        case 17:
        case 20:
        case 21:
        case 22:
        case 23:
            return true;
        default:
            return false;
    }
}

}  // namespace

int 調査_移動可場所数(ComState& s, int 移動元X, int 移動元Y, PieceCode 移動駒) {
    if (isLion(移動駒)) return 1;
    const IntGrid& enemy = 移動駒 >= 1 ? s.manInfluence : s.comInfluence;
    int count = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (移動チェック(s, false, 移動元X, 移動元Y, x, y, 移動駒) == 1 && enemy[x][y] == 0)
                ++count;
    return count;
}

int 調査_自守駒MAN_直進駒(ComState& s, int 入力X, int 入力Y) {
    if (!onBoard(入力X, 入力Y)) return 0;
    int result = 0;
    PieceCode saved = s.Board[入力X][入力Y];
    s.Board[入力X][入力Y] = code::EMPTY;
    for (int y = 入力Y + 1; y <= 12; ++y) {
        PieceCode c = s.Board[入力X][y];
        if (c >= 1) break;
        if (c == -3 || c == -14 || c == -15 || c == -16 || c == -17) {
            result = 移動チェック(s, false, 入力X, y, 入力X, 入力Y, c);
            break;
        }
    }
    s.Board[入力X][入力Y] = saved;
    return result;
}

int 調査_周辺状況(const ComState& s, int 移動先X, int 移動先Y) {
    int result = 0;
    for (int x = 移動先X - 1; x <= 移動先X + 1; ++x)
        for (int y = 移動先Y - 1; y <= 移動先Y + 1; ++y) {
            if (x == 移動先X && y == 移動先Y) continue;
            if (x < 1 || x > 9 || y < 1 || y > 9) continue;
            if (s.Board[x][y] >= 20) --result;
        }
    return result;
}

void 調査_移動不可駒(ComState& s) {
    s.comPinFlag = 0;
    // Lifting a piece of one side never changes where the other side's
    // pinning pieces stand, so each side's pinners are listed once, with
    // whether each reaches the king with nothing lifted. Their moves are
    // steps and lines, so lifting a piece changes the answer only when it
    // stands strictly between the pinner and the king on one line.
    struct Pinner {
        int x, y;
        PieceCode c;
        bool reaches;
    };
    std::array<Pinner, 144> comPinners, manPinners;
    int comCount = 0, manCount = 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = s.Board[x][y];
            if (!isPinnerKind(c)) continue;
            if (c >= 1)
                comPinners[comCount++] = {
                    x, y, c, 移動チェック(s, false, x, y, s.manKingX, s.manKingY, c) == 1};
            else
                manPinners[manCount++] = {
                    x, y, c, 移動チェック(s, false, x, y, s.comKingX, s.comKingY, c) == 1};
        }
    auto between = [](const Pinner& p, int kx, int ky, int x, int y) {
        const int dx = kx - p.x, dy = ky - p.y;
        if (!(dx == 0 || dy == 0 || dx == dy || dx == -dy)) return false;
        const int sx = (dx > 0) - (dx < 0), sy = (dy > 0) - (dy < 0);
        const int n = std::max(std::abs(dx), std::abs(dy));
        const int ox = x - p.x, oy = y - p.y;
        const int k = sx != 0 ? ox * sx : oy * sy;
        return k > 0 && k < n && ox == k * sx && oy == k * sy;
    };
    // Does one of the pinners reach the king (kx, ky) with (x, y) lifted?
    auto pinned = [&](const std::array<Pinner, 144>& pinners, int count, int kx, int ky, int x,
                      int y) {
        for (int k = 0; k < count; ++k) {
            const Pinner& p = pinners[k];
            if (p.reaches) return true;
            if (!between(p, kx, ky, x, y)) continue;
            const PieceCode c = s.Board[x][y];
            s.Board[x][y] = code::EMPTY;
            const bool reaches = 移動チェック(s, false, p.x, p.y, kx, ky, p.c) == 1;
            s.Board[x][y] = c;
            if (reaches) return true;
        }
        return false;
    };
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            s.manPinned[x][y] = 0;
            const PieceCode c = s.Board[x][y];
            if (c <= -1) {
                if (pinned(comPinners, comCount, s.manKingX, s.manKingY, x, y))
                    s.manPinned[x][y] = 1;
            } else if (c >= 1) {
                if (pinned(manPinners, manCount, s.comKingX, s.comKingY, x, y)) s.comPinFlag = 1;
            }
        }
}

}  // namespace zk
