#include "influence.h"
#include "pieces.h"

namespace zk {

namespace {

// The members one side uses for its reaches; forward is its direction of play.
struct Side {
    bool man;
    int forward;
    void (*step)(State&, int, int, int, int, PieceCode);
    void (*lineForward)(State&, PieceCode, int, int);
    void (*lineBack)(State&, PieceCode, int, int);
    void (*diagonalsForward)(State&, PieceCode, int, int);
    void (*diagonalsBack)(State&, PieceCode, int, int);
    void (*gold)(State&, PieceCode, int, int);
};

constexpr Side kMan{true,
                    -1,
                    勢力調査_自駒,
                    勢力確定上直進,
                    勢力確定下直進,
                    勢力確定自角_上,
                    勢力確定自角_下,
                    勢力確定自金};
constexpr Side kCom{
    false,           1,           勢力調査_敵駒, 勢力確定下直進, 勢力確定上直進, 勢力確定敵角_下,
    勢力確定敵角_上, 勢力確定敵金};

// The king's neighbours: counted, and its own pieces there take the king's
// signed code as guard value when that is lower. No square, attack or check.
void kingRule(State& s, const Side& side, int x, int y, PieceCode king) {
    IntGrid& influence = side.man ? s.manInfluence : s.comInfluence;
    IntGrid& guard = side.man ? s.manGuardValue : s.comGuardValue;
    for (int tx = x - 1; tx <= x + 1; ++tx)
        for (int ty = y - 1; ty <= y + 1; ++ty) {
            if ((tx == x && ty == y) || !onBoard(tx, ty)) continue;
            influence[tx][ty] += 1;
            const PieceCode t = s.Board[tx][ty];
            const bool own = side.man ? t <= -1 : t >= 1;
            if (own && guard[tx][ty] > king.whole()) guard[tx][ty] = king.whole();
        }
}

// Enter every reach of the piece on (x, y) by the reach table of its kind.
void reachOf(State& s, const Side& side, int x, int y, PieceCode c) {
    if (c.isMidMove()) return;  // a piece between two steps reaches nothing
    const int f = side.forward, b = -side.forward;
    auto step = [&](int tx, int ty) {
        if (onBoard(tx, ty)) side.step(s, x, y, tx, ty, c);
    };
    auto fwd = [&] { side.lineForward(s, c, x, y); };
    auto back = [&] { side.lineBack(s, c, x, y); };
    auto left = [&] { 勢力確定左直進(s, c, x, y); };
    auto right = [&] { 勢力確定右直進(s, c, x, y); };
    auto diagFwd = [&] { side.diagonalsForward(s, c, x, y); };
    auto diagBack = [&] { side.diagonalsBack(s, c, x, y); };
    auto neighboursExcept = [&](int skipX, int skipY) {
        for (int tx = x - 1; tx <= x + 1; ++tx)
            for (int ty = y - 1; ty <= y + 1; ++ty)
                if (!(tx == x && ty == y) && !(tx == skipX && ty == skipY)) step(tx, ty);
    };

    switch (c.kind()) {
        case 1:  // 歩
            step(x, y + f);
            break;
        case 2:
        case 13:  // と, 金
            side.gold(s, c, x, y);
            break;
        case 3:  // 香
            fwd();
            break;
        case 4:  // 白
            fwd();
            back();
            diagFwd();
            break;
        case 5:  // 銅
            step(x, y + b);
            step(x, y + f);
            step(x + 1, y + f);
            step(x - 1, y + f);
            break;
        case 6:
        case 7:  // 横
            left();
            right();
            step(x, y + f);
            step(x, y + b);
            break;
        case 8:  // 猪
            diagFwd();
            diagBack();
            left();
            right();
            break;
        case 9:  // 銀
            step(x + 1, y + b);
            step(x - 1, y + b);
            step(x, y + f);
            step(x + 1, y + f);
            step(x - 1, y + f);
            break;
        case 10:
        case 11:  // 竪
            fwd();
            back();
            step(x - 1, y);
            step(x + 1, y);
            break;
        case 12:  // 牛
            diagFwd();
            diagBack();
            fwd();
            back();
            break;
        case 14:
        case 15:  // 飛
            fwd();
            back();
            left();
            right();
            break;
        case 16:
        case 17:  // 龍
            fwd();
            back();
            left();
            right();
            step(x - 1, y - 1);
            step(x + 1, y - 1);
            step(x - 1, y + 1);
            step(x + 1, y + 1);
            break;
        case 18:  // 鷲
            back();
            fwd();
            right();
            left();
            diagBack();
            step(x - 1, y + f);
            step(x - 2, y + 2 * f);
            step(x + 1, y + f);
            step(x + 2, y + 2 * f);
            break;
        case 19:  // 豹
            step(x, y + f);
            step(x + 1, y + f);
            step(x - 1, y + f);
            step(x, y + b);
            step(x + 1, y + b);
            step(x - 1, y + b);
            break;
        case 20:
        case 21:  // 角
            diagFwd();
            diagBack();
            break;
        case 22:
        case 23:  // 馬
            step(x, y + f);
            step(x, y + b);
            step(x - 1, y);
            step(x + 1, y);
            diagFwd();
            diagBack();
            break;
        case 24:  // 鷹
            back();
            right();
            left();
            diagFwd();
            diagBack();
            step(x, y + f);
            step(x, y + 2 * f);
            break;
        case 25:  // 鳳
            step(x - 1, y);
            step(x + 1, y);
            step(x, y + f);
            step(x, y + b);
            step(x - 2, y - 2);
            step(x + 2, y - 2);
            step(x - 2, y + 2);
            step(x + 2, y + 2);
            break;
        case 26:
        case 27:  // 奔
            fwd();
            back();
            left();
            right();
            diagFwd();
            diagBack();
            break;
        case 28:  // 反
            fwd();
            back();
            break;
        case 29:  // 鯨
            back();
            fwd();
            diagBack();
            break;
        case 30:  // 虎
            neighboursExcept(x, y + f);
            break;
        case 31:  // 鹿
            fwd();
            back();
            for (int ty = y - 1; ty <= y + 1; ++ty) {
                step(x - 1, ty);
                step(x + 1, ty);
            }
            break;
        case 32:  // 麒
            step(x - 1, y - 1);
            step(x + 1, y - 1);
            step(x - 1, y + 1);
            step(x + 1, y + 1);
            step(x, y + f * 2);
            step(x, y + b * 2);
            step(x - 2, y);
            step(x + 2, y);
            break;
        case 33:
        case 34:  // 獅
            for (int tx = x - 2; tx <= x + 2; ++tx)
                for (int ty = y - 2; ty <= y + 2; ++ty)
                    if (!(tx == x && ty == y)) step(tx, ty);
            if (side.man) {
                s.manLionX = x;
                s.manLionY = y;
            }
            break;
        case 35:  // 仲
            step(x, y + f);
            step(x, y + b);
            break;
        case 36:
        case 37:  // 象
            neighboursExcept(x, y + b);
            break;
        case 38:  // 太
            neighboursExcept(x, y);
            if (side.man) {
                s.manPrinceX = x;
                s.manPrinceY = y;
            } else {
                s.comPrinceX = x;
                s.comPrinceY = y;
            }
            break;
        case 39:  // 王
            kingRule(s, side, x, y, c);
            if (side.man) {
                s.manKingX = x;
                s.manKingY = y;
            } else {
                s.comKingX = x;
                s.comKingY = y;
            }
            break;
        default:
            break;
    }
}

}  // namespace

// Rebuild the MAN maps from the board. The MAN attacker squares are cleared;
// royal and lion squares are only written when the piece is found.
void 勢力調査_MAN(State& s) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            s.manInfluence[x][y] = 0;
            s.manCheckMarks[x][y] = 0;
            s.manAttackerX[x][y] = 0;
            s.manAttackerY[x][y] = 0;
            s.manGuardValue[x][y] = 999;
            s.manAttackValue[x][y] = 999;
        }
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (s.Board[x][y] <= -1) reachOf(s, kMan, x, y, s.Board[x][y]);
}

// Rebuild the COM maps from the board. The COM guard and attacker squares are
// not cleared: an entry is read only where its value map is below 999.
void 勢力調査_COM(State& s) {
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            s.comInfluence[x][y] = 0;
            s.comCheckMarks[x][y] = 0;
            s.comGuardValue[x][y] = 999;
            s.comAttackValue[x][y] = 999;
        }
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y)
            if (s.Board[x][y] >= 1) reachOf(s, kCom, x, y, s.Board[x][y]);
}

}  // namespace zk
