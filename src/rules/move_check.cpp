#include "move_check.h"

#include <array>
#include <cstdlib>
#include <mutex>

#include "pieces.h"

namespace zk {

namespace {

// A lion of either side (the two lion codes, never a mid-move code).
bool isLion(PieceCode c) { return c == 33 || c == 34 || c == -33 || c == -34; }

// The geometry of one move as the piece sees it: f > 0 is forward for its side.
struct Step {
    int fx, fy, tx, ty;
    int dx, dy, adx, ady, f;
    bool oneStep() const { return adx <= 1 && ady <= 1; }
};

// The movement rule of a mid-move code (the second step of a two-step move).
int secondStepRule(const Step& m, int tenths) {
    switch (tenths) {
        case 331:
        case 341:
        case -331:
        case -341:
            return m.oneStep() ? 1 : 0;
        case 241:
        case -241:
            return (m.dx == 0 && m.ady == 1) ? 1 : 0;
        case 181:
        case -182:
            return (m.adx == 1 && m.ady == 1 && m.dx == -m.dy) ? 1 : 0;
        case 182:
        case -181:
            return (m.adx == 1 && m.ady == 1 && m.dx == m.dy) ? 1 : 0;
        default:
            return 0;
    }
}

// The movement rule of a whole code; a kind outside 1..39 moves nowhere.
int pieceRule(const BoardGrid& b, const Step& m, int kind) {
    auto vertical = [&] { return lineFile(b, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto horizontal = [&] { return lineRank(b, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto rookLine = [&] { return lineRook(b, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto diagonal = [&] { return lineDiagonal(b, m.fx, m.fy, m.tx, m.ty) == 1; };
    bool ok = false;
    switch (kind) {
        case 1:  // 歩
            ok = m.dx == 0 && m.f == 1;
            break;
        case 3:  // 香
            ok = m.dx == 0 && m.f >= 1 && vertical();
            break;
        case 2:   // と
        case 13:  // 金
            ok = (m.oneStep() && (m.f == 0 || m.f == 1)) || (m.dx == 0 && m.f == -1);
            break;
        case 5:  // 銅
            ok = (m.adx <= 1 && m.f == 1) || (m.dx == 0 && m.f == -1);
            break;
        case 9:  // 銀
            ok = (m.adx <= 1 && m.f == 1) || (m.adx == 1 && m.f == -1);
            break;
        case 19:  // 豹
            ok = m.oneStep() && m.dy != 0;
            break;
        case 30:  // 虎
            ok = m.oneStep() && !(m.dx == 0 && m.f == 1);
            break;
        case 36:
        case 37:  // 象
            ok = m.oneStep() && !(m.dx == 0 && m.f == -1);
            break;
        case 38:
        case 39:  // 太, 王
            ok = m.oneStep();
            break;
        case 35:  // 仲
            ok = m.dx == 0 && m.ady == 1;
            break;
        case 28:  // 反
            ok = vertical();
            break;
        case 6:
        case 7:  // 横
            ok = horizontal() || (m.dx == 0 && m.ady == 1);
            break;
        case 10:
        case 11:  // 竪
            ok = vertical() || (m.dy == 0 && m.adx == 1);
            break;
        case 4:  // 白
            ok = vertical() || (m.f > 0 && diagonal());
            break;
        case 29:  // 鯨
            ok = vertical() || (m.f < 0 && diagonal());
            break;
        case 12:  // 牛
            ok = vertical() || diagonal();
            break;
        case 8:  // 猪
            ok = horizontal() || diagonal();
            break;
        case 14:
        case 15:  // 飛
            ok = rookLine();
            break;
        case 20:
        case 21:  // 角
            ok = diagonal();
            break;
        case 26:
        case 27:  // 奔
            ok = rookLine() || diagonal();
            break;
        case 16:
        case 17:  // 龍
            ok = m.oneStep() || rookLine();
            break;
        case 22:
        case 23:  // 馬
            ok = m.oneStep() || diagonal();
            break;
        case 31:  // 鹿
            ok = m.oneStep() || vertical();
            break;
        case 18:  // 鷲
            ok = rookLine() || (m.f <= 1 && diagonal()) || (m.adx == 2 && m.f == 2);
            break;
        case 24:  // 鷹
            ok = (m.f <= 2 && rookLine()) || diagonal();
            break;
        case 25:  // 鳳
            ok = (m.adx + m.ady == 1) || (m.adx == 2 && m.ady == 2);
            break;
        case 32:  // 麒
            ok = (m.adx == 1 && m.ady == 1) || (m.dx == 0 && m.ady == 2) ||
                 (m.dy == 0 && m.adx == 2);
            break;
        default:
            ok = false;
            break;
    }
    return ok ? 1 : 0;
}

// A lion's jump within its 5 x 5 block; a lion may not take a protected lion
// except in the second step of a two-step move.
int lionRule(BoardGrid& b, bool secondStep, const Step& m) {
    if (m.adx > 2 || m.ady > 2) return 0;
    const PieceCode target = b[m.tx][m.ty];
    if (!secondStep && isLion(target)) {
        const int defender = target >= 1 ? 1 : -1;
        if (lionGuarded(b, defender, m.fx, m.fy, m.tx, m.ty) == 1) return 0;
    }
    return 1;
}

}  // namespace

// May the code c move from the origin to the destination on the board?
// Changes nothing (the lion test restores what it empties).
int moveCheck(BoardGrid& b, const LionHistory& history, bool secondStep, int fx, int fy, int tx,
              int ty, PieceCode c) {
    if (tx < 1 || tx > 12 || ty < 1 || ty > 12) return 0;
    // An origin off the board would make the line walks leave the grid.
    if (!onBoard(fx, fy)) return 0;
    const PieceCode target = b[tx][ty];
    if ((c >= 1 && target >= 1) || (c <= -1 && target <= -1)) return 0;
    if (fx == tx && fy == ty) return 0;

    // The side that has just lost a lion may not take the lion of that code
    // back at once, unless it is the piece the move before the last left.
    if (isLion(target) && history.lastCaptured == -target && target != history.previousAfter)
        return 0;

    Step m;
    m.fx = fx;
    m.fy = fy;
    m.tx = tx;
    m.ty = ty;
    m.dx = tx - fx;
    m.dy = ty - fy;
    m.adx = std::abs(m.dx);
    m.ady = std::abs(m.dy);
    m.f = c > 0 ? m.dy : -m.dy;

    if (c.isMidMove()) return secondStepRule(m, c.tenths());
    const int kind = c.kind();
    if (kind == 33 || kind == 34) return lionRule(b, secondStep, m);
    return pieceRule(b, m, kind);
}

const std::vector<std::pair<std::int8_t, std::int8_t>>& emptyBoardSteps(PieceCode c) {
    using Steps = std::vector<std::pair<std::int8_t, std::int8_t>>;
    // Each code's list is made when first asked for: a game meets few codes.
    static std::array<Steps, 79> table;
    static std::array<std::once_flag, 79> made;
    const int index = c.whole() + 39;
    std::call_once(made[index], [index] {
        const PieceCode code = PieceCode(index - 39);
        const LionHistory none{};
        BoardGrid empty{};
        for (int dx = -11; dx <= 11; ++dx)
            for (int dy = -11; dy <= 11; ++dy) {
                // Beyond the 5 x 5 block around it a piece moves only along lines.
                const bool line = dx == 0 || dy == 0 || dx == dy || dx == -dy;
                if (code.isEmpty() || (!line && (std::abs(dx) > 2 || std::abs(dy) > 2))) continue;
                // From the corner that leaves the most room for this step.
                const int fx = dx >= 0 ? 1 : 12, fy = dy >= 0 ? 1 : 12;
                if (moveCheck(empty, none, false, fx, fy, fx + dx, fy + dy, code))
                    table[index].emplace_back(dx, dy);
            }
    });
    return table[index];
}

// The move check in a position: its board and the lion history it carries.
int 移動チェック(Position& p, bool secondStep, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 PieceCode 移動駒種類) {
    return moveCheck(p.Board, p.history, secondStep, 移動元X, 移動元Y, 移動先X, 移動先Y,
                     移動駒種類);
}

}  // namespace zk
