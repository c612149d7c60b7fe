// Level-3 dispatch on the moving piece, and the terms of the small pieces.
#include "com_piece_terms.h"

#include "com_surveys.h"

namespace zk {

bool 評価_駒別(ComState& s, const EvalMove& m, Tenths& score) {
    if (m.piece.isMidMove()) return false;
    switch (m.piece.whole()) {
        case 1:
            return 駒別_歩(s, m, score);
        case 2:
            return 駒別_と(s, m, score);
        case 6:
        case 7:
            return 駒別_横(s, m, score);
        case 9:
            return 駒別_銀(s, m, score);
        case 13:
            return 駒別_金(s, m, score);
        case 20:
        case 21:
            return 駒別_角(s, m, score);
        case 22:
        case 23:
            return 駒別_馬(s, m, score);
        case 14:
        case 15:
            return 駒別_飛(s, m, score);
        case 16:
        case 17:
            return 駒別_龍(s, m, score);
        case 24:
            return 駒別_鷹(s, m, score);
        case 19:
            return 駒別_豹(s, m, score);
        case 18:
            return 駒別_鷲(s, m, score);
        case 33:
        case 34:
            return 駒別_獅(s, m, score);
        case 35:
            return 駒別_仲(s, m, score);
        case 39:
            return 駒別_王(s, m, score);
        default:
            return false;  // 白, 竪 (10), 香 and the rest add nothing
    }
}

bool 駒別_と(ComState& s, const EvalMove& m, Tenths& score) {
    if (s.comInfluence[m.toX][m.toY] >= s.manInfluence[m.toX][m.toY]) score += pts(1);
    return true;
}

bool 駒別_横(ComState& s, const EvalMove& m, Tenths& score) {
    if (s.manInfluence[m.toX][m.toY] == 0 && m.toY > m.fromY) score += pts(1);
    return true;
}

bool 駒別_銀(ComState& s, const EvalMove& m, Tenths& score) {
    if (m.toY <= 1) return false;
    if (m.toY > m.fromY && m.toX == m.fromX) score -= 1;
    if (m.toX == 7 && m.toY == 3 && s.Board[8][3] == 1 && s.Board[8][5] == -1)
        return endWith(score, score + pts(115));
    return false;
}

bool 駒別_金(ComState& s, const EvalMove& m, Tenths& score) {
    if (m.toY > m.fromY && m.toX != m.fromX) score -= 5;
    if (m.toY == 4) {
        if (s.manInfluence[6][4] > 0 && isBishop(s.Board[6][4]))
            return endWith(score, score - pts(5));
    } else if (m.toY == 2) {
        if (s.Board[8][3] == 1 && s.Board[8][6] == -1 && s.manGuardValue[8][6] == 17 && m.toX == 7)
            return endWith(score, score + pts(10));
    }
    return false;
}

bool 駒別_豹(ComState&, const EvalMove& m, Tenths& score) {
    if (m.toY > m.fromY) score += pts(1);
    return true;
}

bool 駒別_仲(ComState& s, const EvalMove& m, Tenths& score) {
    if (s.manInfluence[m.toX][m.toY] == 0 && m.toY > m.fromY) score += pts(1);
    return true;
}

bool 駒別_王(ComState& s, const EvalMove& m, Tenths& score) {
    if (s.comPinFlag == 1) score += pts(10);
    if (s.comInfluence[m.toX][m.toY] > s.comInfluenceBefore[m.toX][m.toY]) score += pts(1);
    if (調査_移動可場所数(s, m.toX, m.toY, 39) < 2) return endWith(score, score - pts(20));
    return false;
}

}  // namespace zk
