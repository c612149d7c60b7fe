#include "level_handicap.h"

#include <string>

#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "move_help.h"
#include "platform.h"
#include "record_panel.h"

namespace zk {

namespace {

// One handicap step's square and the piece the initial position has there.
struct HandicapSquare {
    int x, y;
    PieceCode piece;
};

// The square emptied when the level reaches `level` (1..4 the computer's,
// -1..-4 the human's).
HandicapSquare squareOfLevel(int level) {
    switch (level) {
        case 1:
            return {7, 2, code::COM_獅_R};
        case 2:
            return {6, 2, code::COM_奔_R};
        case 3:
            return {7, 3, code::COM_獅_B};
        case 4:
            return {6, 3, code::COM_奔_B};
        case -1:
            return {6, 11, code::MAN_獅_R};
        case -2:
            return {7, 11, code::MAN_奔_R};
        case -3:
            return {6, 10, code::MAN_獅_B};
        default:
            return {7, 10, code::MAN_奔_B};  // -4
    }
}

void chooseLevel(State& s, int n) {
    const std::string item = "LEVEL" + std::to_string(n);
    if (s.screen.ui->menuChecked(item)) return;
    for (int i = 1; i <= 4; ++i) s.screen.ui->setMenuChecked("LEVEL" + std::to_string(i), i == n);
    s.game.comLevel = n;
    描画_レベル(s.screen, n);
}

void emptySquare(State& s, const HandicapSquare& q) {
    s.game.Board[q.x][q.y] = code::EMPTY;
    描画_桝(s.screen, q.x, q.y);
}

void restoreSquare(State& s, const HandicapSquare& q) {
    s.game.Board[q.x][q.y] = q.piece;
    描画_駒(s.screen, q.piece, q.x, q.y);
}

// One handicap step up (+1) or down (-1).
void stepHandicap(State& s, int direction) {
    描画_可視(s.screen, false, false, false);
    描画_可視(s.screen, false, false, false);
    描画_棋譜_IO(s, 1);
    移動ヘルプ終了(s);
    const std::string title = "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定";
    if (s.game.recordMode == Game::flagOn) {
        禁止通知(s, "棋譜ﾓｰﾄﾞではできません(局面→最初)", title);
        return;
    }
    if (s.game.record.recordCount > 0) {
        禁止通知(s, "対局途中ではできません", title);
        return;
    }
    if (s.game.turnPlayer != Game::noPlayer || s.game.isReversed == Game::flagOn) {
        禁止通知(s, "'局面 '→ '最初 'にして下さい", title);
    } else if ((direction > 0 && s.game.handicapLevel >= 4) ||
               (direction < 0 && s.game.handicapLevel <= -4)) {
        禁止音(s);
    } else {
        s.game.handicapLevel += direction;
        描画_ハンデレベル(s.screen, s.game.handicapLevel);
        const int level = s.game.handicapLevel;
        if (direction > 0) {
            if (level >= 1)
                emptySquare(s, squareOfLevel(level));
            else
                restoreSquare(s, squareOfLevel(level - 1));
        } else {
            if (level <= -1)
                emptySquare(s, squareOfLevel(level));
            else
                restoreSquare(s, squareOfLevel(level + 1));
        }
        駒打音(s);
    }
    s.game.handicapChanged = Game::flagOn;
}

}  // namespace

void LEVEL1_Click(State& s) { chooseLevel(s, 1); }
void LEVEL2_Click(State& s) { chooseLevel(s, 2); }
void LEVEL3_Click(State& s) { chooseLevel(s, 3); }
void LEVEL4_Click(State& s) { chooseLevel(s, 4); }
void LBEL_UP_Click(State& s) { stepHandicap(s, +1); }
void LEBEL_DOWN_Click(State& s) { stepHandicap(s, -1); }

}  // namespace zk
