#include "com_danger.h"

#include <cstdlib>

#include "com_surveys.h"
#include "move_check.h"

namespace zk {

namespace {

// Human ranging pieces that count against the computer king's open column.
bool isFileRunner(PieceCode c) {
    return c == -3 || c == -4 || c == -10 || c == -11 || c == -12 || c == -14 || c == -15 ||
           c == -16 || c == -17 || c == -26 || c == -27 || c == -29 || c == -31;
}

// An empty square that the human reaches.
Tenths emptySquare(State& s, int x, int y) {
    Tenths danger = 0;
    const int man = s.manInfluence[x][y];
    const int com = s.comInfluence[x][y];
    if (std::abs(s.comKingX - x) < 2 && std::abs(s.comKingY - y) < 2) {
        danger -= 5 * man;  // half a point per human reach
        if (com == 1 && man > 1) danger -= pts(10);
    }
    if (com == 0 && y < 4) {
        danger -= 1;
        if (調査_自守駒MAN_直進駒(s, x, y) == 1) danger -= pts(10);
    }
    if (y < 4 && s.Board[x][y + 1] == -1 && man >= com) {
        danger -= pts(30);
        if (調査_自守駒MAN_直進駒(s, x, y + 1) == 1) danger -= pts(70);
    }
    return danger;
}

// A computer piece c on (x, y).
Tenths computerPiece(State& s, int x, int y, PieceCode c) {
    Tenths danger = 0;
    if (c == 39 && y == 1 && s.manInfluence[x][2] > 0) {
        danger -= pts(50);
        if (s.manInfluence[x][2] >= s.comInfluence[x][2]) danger -= pts(250);
    }
    const int man = s.manInfluence[x][y];
    if (man <= 0) return danger;
    const int com = s.comInfluence[x][y];
    const int ax = s.manAttackerX[x][y], ay = s.manAttackerY[x][y];
    const int attackerPinned = cell(s.manPinned, ax, ay);
    const int value = valueOf(s, c);
    const int attackBefore = s.manAttackValueBefore[x][y];
    const int attackNow = s.manAttackValue[x][y];

    if (s.comGuardValue[x][y] == 39 && (man > 1 || c > std::abs(attackNow))) danger -= pts(100);
    if (attackerPinned == 0 && value > attackBefore) danger -= pts(value - attackBefore);
    if (com > 0) {
        if (value > attackBefore) danger -= pts(value - attackBefore);
        if (attackerPinned == 0) {
            if (man > com && s.comGuardValue[x][y] >= std::abs(attackNow)) danger -= codeTenths(c);
            if (y <= 3 && man == com && !s.Board[x][y + 1].isEmpty() &&
                調査_自守駒MAN_直進駒(s, x, y + 1) == 1)
                danger -= codeTenths(c) + pts(std::abs(s.manAttackValue[x][y + 1]));
        }
    } else {
        danger -= codeTenths(c);
        if (y <= 3) danger -= pts(1);
        if (s.savedBoard[x][y] <= -1) danger += absCodeTenths(s.savedBoard[x][y]);
    }
    return danger;
}

}  // namespace

Tenths 盤評価_COM危険座標(State& s, PieceCode 移動駒, int COM移動先X, int COM移動先Y) {
    Tenths danger = 0;
    int forkCount = 0;
    Tenths forkMin = pts(9999);
    const bool movedSafe = cell(s.manInfluence, COM移動先X, COM移動先Y) == 0;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            const PieceCode c = s.Board[x][y];
            if (c.isEmpty()) {
                if (s.manInfluence[x][y] > 0) danger += emptySquare(s, x, y);
            } else if (c >= 1) {
                danger += computerPiece(s, x, y, c);
            } else if (c < 0) {
                if (s.comInfluenceBefore[x][y] == 0 && s.comInfluence[x][y] > 0 &&
                    std::abs(s.comKingX - x) < 3 && std::abs(s.comKingY - y) < 3)
                    danger += pts(15);
                if (isFileRunner(c) && s.comKingX == x) danger -= pts(1);
                if (movedSafe &&
                    (s.manInfluence[x][y] == 0 || (x == s.manKingX && y == s.manKingY)) &&
                    移動チェック(s, COM移動先X, COM移動先Y, x, y, 移動駒) == 1) {
                    danger += 1;
                    ++forkCount;
                    if (absCodeTenths(c) < forkMin) forkMin = absCodeTenths(c);
                }
            }
        }
    if (forkCount > 1) danger += forkMin;
    return danger;
}

}  // namespace zk
