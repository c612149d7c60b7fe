#include "influence.h"
#include "pieces.h"

namespace zk {

namespace {

// How one member enters a reach: which guard and attack entries it writes and
// for which enemy royal it marks the reaching piece as giving check.
enum class Guard { ValueOnly, ValueAndSquare };
enum class Attack { None, ValueAndSquare };
enum class Check { None, King, KingOrPrince };

// The value of a reaching piece; a kind beyond the table is worth 0.
int valueOf(const ComState& s, PieceCode p) {
    const int k = p.kind();
    return k < static_cast<int>(s.pieceValue.size()) ? s.pieceValue[k] : 0;
}

// Enter one MAN reach from (x1, y1) onto (x2, y2).
void recordMan(ComState& s, int x1, int y1, int x2, int y2, PieceCode p, Check check) {
    if (!onBoard(x1, y1) || !onBoard(x2, y2)) return;
    const int v = valueOf(s, p);
    const PieceCode t = s.Board[x2][y2];
    s.manInfluence[x2][y2] += 1;
    if (t <= -1) {
        if (s.manGuardValue[x2][y2] > v) s.manGuardValue[x2][y2] = v;
    } else if (t >= 1) {
        if (s.manAttackValue[x2][y2] > v) {
            s.manAttackValue[x2][y2] = v;
            s.manAttackerX[x2][y2] = x1;
            s.manAttackerY[x2][y2] = y1;
        }
    }
    const bool gives =
        (check == Check::King && t == 39) || (check == Check::KingOrPrince && (t == 39 || t == 38));
    if (gives) s.manCheckMarks[x1][y1] = 9;
}

// Enter one COM reach from (x1, y1) onto (x2, y2).
void recordCom(ComState& s, int x1, int y1, int x2, int y2, PieceCode p, Guard guard, Attack attack,
               Check check) {
    if (!onBoard(x1, y1) || !onBoard(x2, y2)) return;
    const int v = valueOf(s, p);
    const PieceCode t = s.Board[x2][y2];
    s.comInfluence[x2][y2] += 1;
    if (t <= -1) {
        if (attack == Attack::ValueAndSquare && s.comAttackValue[x2][y2] > v) {
            s.comAttackValue[x2][y2] = v;
            s.comAttackerX[x2][y2] = x1;
            s.comAttackerY[x2][y2] = y1;
        }
    } else if (t >= 1) {
        if (s.comGuardValue[x2][y2] > v) {
            s.comGuardValue[x2][y2] = v;
            if (guard == Guard::ValueAndSquare) {
                s.comGuardX[x2][y2] = x1;
                s.comGuardY[x2][y2] = y1;
            }
        }
    }
    const bool gives = (check == Check::King && t == -39) ||
                       (check == Check::KingOrPrince && (t == -39 || t == -38));
    if (gives) s.comCheckMarks[x1][y1] = 9;
}

// Walk one ranging line from the piece's square in direction (sx, sy). The
// line records every square up to and including the first piece, but looks
// through the enemy king, marking the checking line on its way.
void walkLine(ComState& s, bool man, PieceCode p, int x, int y, int sx, int sy) {
    const PieceCode enemyKing = man ? code::COM_王 : code::MAN_王;
    IntGrid& marks = man ? s.manCheckMarks : s.comCheckMarks;
    for (int tx = x + sx, ty = y + sy; onBoard(tx, ty); tx += sx, ty += sy) {
        if (man)
            recordMan(s, x, y, tx, ty, p, Check::None);
        else
            recordCom(s, x, y, tx, ty, p, Guard::ValueAndSquare, Attack::ValueAndSquare,
                      Check::None);
        const PieceCode t = s.Board[tx][ty];
        if (t == enemyKing) {
            for (int bx = x + sx, by = y + sy; bx != tx || by != ty; bx += sx, by += sy)
                marks[bx][by] = 1;
            if (onBoard(x, y)) marks[x][y] = 9;
        } else if (!t.isEmpty()) {
            break;
        }
    }
}

// The six gold-general squares: the three forward, left, right, straight back.
template <typename Record>
void goldPattern(int x, int y, int forward, Record record) {
    record(x - 1, y + forward);
    record(x, y + forward);
    record(x + 1, y + forward);
    record(x - 1, y);
    record(x + 1, y);
    record(x, y - forward);
}

}  // namespace

// One MAN reach from a step, jump or area.
void 勢力調査_自駒(ComState& s, int IN_X1, int IN_Y1, int IN_X2, int IN_Y2, PieceCode IN_駒) {
    recordMan(s, IN_X1, IN_Y1, IN_X2, IN_Y2, IN_駒, Check::King);
}

// One COM reach from a step, jump or area.
void 勢力調査_敵駒(ComState& s, int IN_X1, int IN_Y1, int IN_X2, int IN_Y2, PieceCode IN_駒) {
    recordCom(s, IN_X1, IN_Y1, IN_X2, IN_Y2, IN_駒, Guard::ValueAndSquare, Attack::ValueAndSquare,
              Check::KingOrPrince);
}

// The straight lines choose their side by the sign of the code.
void 勢力確定上直進(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y) {
    walkLine(s, 駒種類 < 0, 駒種類, 入力X, 入力Y, 0, -1);
}

void 勢力確定下直進(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y) {
    walkLine(s, 駒種類 < 0, 駒種類, 入力X, 入力Y, 0, 1);
}

void 勢力確定右直進(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y) {
    walkLine(s, 駒種類 < 0, 駒種類, 入力X, 入力Y, 1, 0);
}

void 勢力確定左直進(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y) {
    walkLine(s, 駒種類 < 0, 駒種類, 入力X, 入力Y, -1, 0);
}

// MAN diagonals toward row 1: up-left, then up-right.
void 勢力確定自角_上(ComState& s, PieceCode 入力駒, int 入力X, int 入力Y) {
    walkLine(s, true, 入力駒, 入力X, 入力Y, -1, -1);
    walkLine(s, true, 入力駒, 入力X, 入力Y, 1, -1);
}

// MAN diagonals toward row 12: down-left, then down-right.
void 勢力確定自角_下(ComState& s, PieceCode 入力駒, int 入力X, int 入力Y) {
    walkLine(s, true, 入力駒, 入力X, 入力Y, -1, 1);
    walkLine(s, true, 入力駒, 入力X, 入力Y, 1, 1);
}

// COM diagonals toward row 1.
void 勢力確定敵角_上(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y) {
    walkLine(s, false, 駒種類, 入力X, 入力Y, -1, -1);
    walkLine(s, false, 駒種類, 入力X, 入力Y, 1, -1);
}

// COM diagonals toward row 12.
void 勢力確定敵角_下(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y) {
    walkLine(s, false, 駒種類, 入力X, 入力Y, -1, 1);
    walkLine(s, false, 駒種類, 入力X, 入力Y, 1, 1);
}

// The gold pattern of a MAN と or 金 (forward is toward row 1).
void 勢力確定自金(ComState& s, PieceCode 駒種類, int 移動元X, int 移動元Y) {
    goldPattern(移動元X, 移動元Y, -1, [&](int tx, int ty) {
        recordMan(s, 移動元X, 移動元Y, tx, ty, 駒種類, Check::KingOrPrince);
    });
}

// The gold pattern of a COM と or 金: its guard square is not kept and an
// enemy piece it reaches only counts in comInfluence.
void 勢力確定敵金(ComState& s, PieceCode 駒種類, int 移動元X, int 移動元Y) {
    goldPattern(移動元X, 移動元Y, 1, [&](int tx, int ty) {
        recordCom(s, 移動元X, 移動元Y, tx, ty, 駒種類, Guard::ValueOnly, Attack::None,
                  Check::KingOrPrince);
    });
}

}  // namespace zk
