#include "com_danger.h"

#include <cstdlib>

#include "com_surveys.h"
#include "influence.h"
#include "move_check.h"

namespace zk {

namespace {

// Human ranging pieces that count against the computer king's open column.
bool isFileRunner(PieceCode c) {
    return c == -3 || c == -4 || c == -10 || c == -11 || c == -12 || c == -14 || c == -15 ||
           c == -16 || c == -17 || c == -26 || c == -27 || c == -29 || c == -31;
}

// An empty square that the human reaches. Out of line, like computerPiece,
// so that the common quick answers of squareDanger stay small.
[[gnu::noinline]] Tenths emptySquare(ComState& s, int x, int y) {
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
[[gnu::noinline]] Tenths computerPiece(ComState& s, int x, int y, PieceCode c) {
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

// A human piece c on (x, y), apart from the forks.
Tenths humanPiece(const ComState& s, int x, int y, PieceCode c) {
    Tenths danger = 0;
    if (s.comInfluenceBefore[x][y] == 0 && s.comInfluence[x][y] > 0 &&
        std::abs(s.comKingX - x) < 3 && std::abs(s.comKingY - y) < 3)
        danger += pts(15);
    if (isFileRunner(c) && s.comKingX == x) danger -= pts(1);
    return danger;
}

// The danger of one square, apart from the forks.
inline Tenths squareDanger(ComState& s, int x, int y) {
    const PieceCode c = s.Board[x][y];
    const bool reached = s.manInfluence[x][y] > 0;
    if (c.isEmpty()) return reached ? emptySquare(s, x, y) : 0;
    // A computer piece the human does not reach weighs nothing, unless it
    // is the king on the back row.
    if (c >= 1) return reached || (c == 39 && y == 1) ? computerPiece(s, x, y, c) : 0;
    return humanPiece(s, x, y, c);
}

// A human piece the moved piece attacks from a square the human does not
// reach, counted when it stands unguarded or is the king.
void fork(ComState& s, PieceCode moved, int tx, int ty, int x, int y, int& count, Tenths& least) {
    const PieceCode c = s.Board[x][y];
    if (!(c < 0)) return;
    if ((s.manInfluence[x][y] == 0 || (x == s.manKingX && y == s.manKingY)) &&
        移動チェック(s, false, tx, ty, x, y, moved) == 1) {
        ++count;
        if (absCodeTenths(c) < least) least = absCodeTenths(c);
    }
}

}  // namespace

void 危険座標基準(ComState& s, DangerBase& base) {
    base.sum = 0;
    base.comKingX = s.comKingX;
    base.comKingY = s.comKingY;
    for (int x = 1; x <= 12; ++x)
        for (int y = 1; y <= 12; ++y) {
            base.at[x * 13 + y] = squareDanger(s, x, y);
            base.sum += base.at[x * 13 + y];
        }
}

Tenths 盤評価_COM危険座標(ComState& s, PieceCode 移動駒, int COM移動先X, int COM移動先Y,
                          DangerDelta* delta) {
    Tenths danger = 0;
    const bool fromBase = delta && delta->manSurveys == 勢力調査_MAN_回数() &&
                          delta->comSurveys == 勢力調査_COM_回数();
    if (fromBase && delta->base->comKingX == s.comKingX && delta->base->comKingY == s.comKingY) {
        DangerBase& base = *delta->base;
        danger = base.sum;
        const std::uint32_t stamp = ++base.stamp;
        const PieceCode* board = &s.Board[0][0];
        const int* man = &s.manInfluence[0][0];
        auto again = [&](int i) {
            if (base.seen[i] == stamp) return;
            base.seen[i] = stamp;
            // An empty square the human does not reach weighs nothing.
            const bool nothing = board[i].isEmpty() && man[i] <= 0;
            danger += (nothing ? 0 : squareDanger(s, i / 13, i % 13)) - base.at[i];
        };
        // A square's danger reads its own maps and occupant and the human maps
        // of the square below it; the king on the back row reads the computer's
        // too. The camp's rows read the columns of the move below them.
        for (int k = 0; k < delta->man->count; ++k) {
            const int i = delta->man->square[k];
            again(i);
            if (i % 13 > 1) again(i - 1);
        }
        // Away from the camp and the king, only computer pieces read the
        // computer's maps: other squares the computer's patch wrote keep their
        // danger unless the human maps or the occupant changed there too.
        auto readsComputerMaps = [&](int i) {
            const int x = i / 13, y = i % 13;
            return board[i] >= 1 || y < 4 ||
                   (std::abs(s.comKingX - x) < 3 && std::abs(s.comKingY - y) < 3);
        };
        for (int k = 0; k < delta->com->count; ++k) {
            const int i = delta->com->square[k];
            if (readsComputerMaps(i)) again(i);
            if (i % 13 == 2) again(i - 1);
        }
        for (const int column : {delta->fromX, COM移動先X})
            for (int y = 1; y <= 3; ++y) again(column * 13 + y);
        for (const int i : {delta->fromX * 13 + delta->fromY, COM移動先X * 13 + COM移動先Y}) {
            again(i);
            if (i % 13 > 1) again(i - 1);
        }
    } else {
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) danger += squareDanger(s, x, y);
    }
    int forkCount = 0;
    Tenths forkMin = pts(9999);
    if (cell(s.manInfluence, COM移動先X, COM移動先Y) == 0) {
        if (fromBase && !移動駒.isMidMove()) {
            // The move check accepts no square the moved piece does not reach.
            for (int k = 0; k < delta->com->reachCount; ++k) {
                const int i = delta->com->reach[k];
                fork(s, 移動駒, COM移動先X, COM移動先Y, i / 13, i % 13, forkCount, forkMin);
            }
        } else if (移動駒.isMidMove() || !onBoard(COM移動先X, COM移動先Y)) {
            for (int x = 1; x <= 12; ++x)
                for (int y = 1; y <= 12; ++y)
                    fork(s, 移動駒, COM移動先X, COM移動先Y, x, y, forkCount, forkMin);
        } else {
            // The move check accepts no square off the piece's empty-board steps.
            for (const auto& [dx, dy] : emptyBoardSteps(移動駒, s.rules)) {
                const int x = COM移動先X + dx, y = COM移動先Y + dy;
                if (onBoard(x, y))
                    fork(s, 移動駒, COM移動先X, COM移動先Y, x, y, forkCount, forkMin);
            }
        }
    }
    danger += forkCount;
    if (forkCount > 1) danger += forkMin;
    return danger;
}

}  // namespace zk
