#include "game_menu.h"

#include "autosave.h"
#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "move_flow.h"
#include "move_help.h"
#include "panel.h"
#include "platform.h"
#include "side_labels.h"
#include "sound.h"

namespace zk {

namespace {

// A move whose first step is on the board must take its second step before
// the game is taken over; otherwise the same side would move twice.
bool 二手目途中(State& s) {
    if (s.moveStep != 2 || s.turnPlayer == State::noPlayer) return false;
    禁止通知(s, "2手目移動中はできません！", "対局");
    return true;
}

// Steps shared by 先手 and 後手 before they decide who moves.
void 対COM準備(State& s) {
    描画_レベル(s, s.comLevel);
    描画_将棋盤桝(s);
    s.clickPhase = 0;
    s.gameMode = State::modeCom;
    s.recordMode = State::flagOff;
    s.turnNoticePending = State::flagOff;
    移動ヘルプ終了(s);
    // Entries ahead of the position are dropped; the count of entries (not
    // of moves, which a two-step move makes differ) keeps every played step.
    s.record.recordEnd = s.record.recordCount;
    描画_対COM名札(s);
    s.ui->flush();
}

// A game against the computer continues from the position on the board.
void 対COM続行(State& s) {
    if (s.turnPlayer == s.manPlayer) {
        s.manPlayer = State::firstPlayer;
        s.comPlayer = State::secondPlayer;
        s.turnPlayer = State::firstPlayer;
        通知(s, "MANの番です", "対局");
    } else if (s.turnPlayer == s.comPlayer) {
        COM手番(s);
    }
}

}  // namespace

void TAIKYOKU_Click(State& s) { 記録欄_非表示(s); }

void MATCH_MAN_Click(State&) {}

void STOP_Click(State& s) { 記録欄_非表示(s); }

void OPTION_Click(State& s) { 記録欄_非表示(s); }

void OWARI_Click(State& s) {
    思考中止(s);
    autosaveGame(s);
    終了処理(s);
    s.ui->quit();
}

void SENTE_Click(State& s) {
    if (二手目途中(s)) return;
    対COM準備(s);
    if (s.turnPlayer == State::noPlayer || s.record.recordCount == 0) {
        s.manPlayer = State::firstPlayer;
        s.comPlayer = State::secondPlayer;
        s.turnPlayer = s.manPlayer;
        通知(s, "MANの番です", " ");
        return;
    }
    対COM続行(s);
}

void GOTE_Click(State& s) {
    if (二手目途中(s)) return;
    対COM準備(s);
    if (s.turnPlayer == State::noPlayer || s.moveCount == 0) {
        s.manPlayer = State::secondPlayer;
        s.comPlayer = State::firstPlayer;
        s.turnPlayer = State::firstPlayer;
        COM手番(s);
        return;
    }
    対COM続行(s);
}

void START_Click(State& s) {
    描画_将棋盤桝(s);
    描画_桝_数値(s);
    s.gameMode = State::modeHumans;
    s.recordMode = State::flagOff;
    描画_対人名札(s, "後手:", "先手:");
    移動ヘルプ終了(s);
    if (s.turnPlayer == State::noPlayer || s.record.recordCount == 0) {
        s.manPlayer = State::firstPlayer;
        s.comPlayer = State::secondPlayer;
        s.turnPlayer = s.manPlayer;
        通知(s, "先手の番です", " ");
    } else {
        if (s.comPlayer == State::firstPlayer) 描画_対人名札(s, "先手:", "後手:");
        if (s.turnPlayer == State::firstPlayer) 通知(s, "先手の番です", " ");
        if (s.turnPlayer == State::secondPlayer) 通知(s, "後手の番です", " ");
    }
    s.turnNoticePending = State::flagOff;
}

}  // namespace zk
