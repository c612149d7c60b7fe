#include "game_menu.h"

#include "autosave.h"
#include "clock_flow.h"
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
    if (s.press.moveStep != 2 || s.game.turnPlayer == Game::noPlayer) return false;
    禁止通知(s, "2手目移動中はできません！", "対局");
    return true;
}

// Steps shared by 先手 and 後手 before they decide who moves.
void 対COM準備(State& s) {
    描画_レベル(s.screen, s.game.comLevel);
    描画_将棋盤桝(s.screen);
    s.press.clickPhase = 0;
    s.game.gameMode = Game::modeCom;
    s.game.recordMode = Game::flagOff;
    s.press.turnNoticePending = Game::flagOff;
    移動ヘルプ終了(s);
    // Entries ahead of the position are dropped; the count of entries (not
    // of moves, which a two-step move makes differ) keeps every played step.
    autosaveBeforeCut(s);
    s.game.record.recordEnd = s.game.record.recordCount;
    描画_対COM名札(s);
    s.screen.ui->flush();
}

// A game against the computer continues from the position on the board.
void 対COM続行(State& s) {
    if (s.game.turnPlayer == s.game.manPlayer) {
        s.game.manPlayer = Game::firstPlayer;
        s.game.comPlayer = Game::secondPlayer;
        s.game.turnPlayer = Game::firstPlayer;
        時計_対局開始(s);
        通知(s, "MANの番です", "対局");
    } else if (s.game.turnPlayer == s.game.comPlayer) {
        時計_対局開始(s);
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
    s.screen.ui->quit();
}

void SENTE_Click(State& s) {
    if (二手目途中(s)) return;
    対COM準備(s);
    if (s.game.turnPlayer == Game::noPlayer || s.game.record.recordCount == 0) {
        s.game.manPlayer = Game::firstPlayer;
        s.game.comPlayer = Game::secondPlayer;
        s.game.turnPlayer = s.game.manPlayer;
        時計_対局開始(s);
        通知(s, "MANの番です", " ");
        return;
    }
    対COM続行(s);
}

void GOTE_Click(State& s) {
    if (二手目途中(s)) return;
    対COM準備(s);
    if (s.game.turnPlayer == Game::noPlayer || s.game.moveCount == 0) {
        s.game.manPlayer = Game::secondPlayer;
        s.game.comPlayer = Game::firstPlayer;
        s.game.turnPlayer = Game::firstPlayer;
        時計_対局開始(s);
        COM手番(s);
        return;
    }
    対COM続行(s);
}

void START_Click(State& s) {
    描画_将棋盤桝(s.screen);
    描画_桝_数値(s.screen);
    s.game.gameMode = Game::modeHumans;
    s.game.recordMode = Game::flagOff;
    描画_対人名札(s, "後手:", "先手:");
    移動ヘルプ終了(s);
    if (s.game.turnPlayer == Game::noPlayer || s.game.record.recordCount == 0) {
        s.game.manPlayer = Game::firstPlayer;
        s.game.comPlayer = Game::secondPlayer;
        s.game.turnPlayer = s.game.manPlayer;
        通知(s, "先手の番です", " ");
    } else {
        if (s.game.comPlayer == Game::firstPlayer) 描画_対人名札(s, "先手:", "後手:");
        if (s.game.turnPlayer == Game::firstPlayer) 通知(s, "先手の番です", " ");
        if (s.game.turnPlayer == Game::secondPlayer) 通知(s, "後手の番です", " ");
    }
    s.press.turnNoticePending = Game::flagOff;
    時計_対局開始(s);
}

}  // namespace zk
