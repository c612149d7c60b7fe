#include "move_check.h"

#include <cstdlib>

#include "pieces.h"

namespace zk {

namespace {

// A lion of either side (the two lion codes, never a mid-move code).
bool isLion(PieceCode c) { return c == 33 || c == 34 || c == -33 || c == -34; }

// The geometry of one move as the piece sees it: f > 0 is forward for its side.
struct Move {
    int fx, fy, tx, ty;
    int dx, dy, adx, ady, f;
    bool oneStep() const { return adx <= 1 && ady <= 1; }
};

// The movement rule of a mid-move code (the second step of a two-step move).
int secondStepRule(const Move& m, int tenths) {
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
int pieceRule(const State& s, const Move& m, int kind) {
    auto vertical = [&] { return 移動チェック上下(s, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto horizontal = [&] { return 移動チェック左右(s, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto rookLine = [&] { return 移動チェック飛車(s, m.fx, m.fy, m.tx, m.ty) == 1; };
    auto diagonal = [&] { return 移動チェック角(s, m.fx, m.fy, m.tx, m.ty) == 1; };
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
int lionRule(State& s, const Move& m) {
    if (m.adx > 2 || m.ady > 2) return 0;
    const PieceCode target = s.Board[m.tx][m.ty];
    if (s.moveStep != 2 && isLion(target)) {
        const int defender = target >= 1 ? s.comPlayer : s.manPlayer;
        if (調査_獅守(s, defender, m.fx, m.fy, m.tx, m.ty) == 1) return 0;
    }
    return 1;
}

}  // namespace

// May the code 移動駒種類 move from the origin to the destination on the
// current board? Changes nothing (the lion test restores what it empties).
int 移動チェック(State& s, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                 PieceCode 移動駒種類) {
    if (移動先X < 1 || 移動先X > 12 || 移動先Y < 1 || 移動先Y > 12) return 0;
    // An origin off the board would make the line walks leave the grid.
    if (!onBoard(移動元X, 移動元Y)) return 0;
    const PieceCode c = 移動駒種類;
    const PieceCode target = s.Board[移動先X][移動先Y];
    if ((c >= 1 && target >= 1) || (c <= -1 && target <= -1)) return 0;
    if (移動元X == 移動先X && 移動元Y == 移動先Y) return 0;

    // The side that has just lost a lion may not take the lion of that code
    // back at once, unless it is the piece the move before the last left.
    if (isLion(target)) {
        const int n = s.record.recordCount;
        if (s.record.at(n).capturedPiece == -target && target != s.record.at(n - 1).pieceAfter)
            return 0;
    }

    Move m;
    m.fx = 移動元X;
    m.fy = 移動元Y;
    m.tx = 移動先X;
    m.ty = 移動先Y;
    m.dx = 移動先X - 移動元X;
    m.dy = 移動先Y - 移動元Y;
    m.adx = std::abs(m.dx);
    m.ady = std::abs(m.dy);
    m.f = c > 0 ? m.dy : -m.dy;

    if (c.isMidMove()) return secondStepRule(m, c.tenths());
    const int kind = c.kind();
    if (kind == 33 || kind == 34) return lionRule(s, m);
    return pieceRule(s, m, kind);
}

}  // namespace zk
