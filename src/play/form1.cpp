#include "form1.h"

#include "analysis.h"
#include "autosave.h"
#include "board_screen.h"
#include "clock_flow.h"
#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "pieces.h"
#include "platform.h"
#include "rule_choice.h"
#include "settings.h"
#include "sound.h"

namespace zk {

namespace {

// Size of the window's client area in twips.
constexpr int kWindowWidth = 9400, kWindowHeight = 8500;

// Release what an earlier start-up loaded, so that starting up again (loading
// a record does) neither leaks the buffers nor plays the music twice.
void 旧サウンド解放(State& s) {
    if (s.sounds.soundLibraryHandle == 0 && s.sounds.soundOther == 0 &&
        s.sounds.soundForbidden == 0 && s.sounds.soundPiece == 0 && s.sounds.soundBgm == 0)
        return;
    終了処理(s);
    s.sounds.soundLibraryHandle = 0;
    s.sounds.soundOther = s.sounds.soundForbidden = s.sounds.soundPiece = s.sounds.soundBgm = 0;
}

}  // namespace

void Form_Load(State& s) {
    旧サウンド解放(s);

    // One level entry is checked at a time, also when starting up again.
    s.screen.ui->setMenuChecked("SIDOU", false);
    s.screen.ui->setMenuChecked("LEVEL1", false);
    s.screen.ui->setMenuChecked("LEVEL2", false);
    s.screen.ui->setMenuChecked("LEVEL3", true);
    s.screen.ui->setMenuChecked("LEVEL4", false);
    s.game.comLevel = 3;

    s.press.guidanceColour = Screen::boardGridColour;
    s.press.turnNoticePending = Game::flagOff;
    駒価値設定(s.com);

    s.screen.ui->screen().fillRect(0, 0, kWindowWidth, kWindowHeight, Screen::boardColour);
    初期設定(s);
    // The board is on the screen before the sounds load: preparing them for
    // the device takes longer than painting it. The settings start the music.
    s.screen.ui->flush();
    サウンド初期化(s, 0);
    s.sounds.soundOther = サウンド読込(s, "その他.wav", 3);
    s.sounds.soundForbidden = サウンド読込(s, "禁止.wav", 3);
    s.sounds.soundPiece = サウンド読込(s, "駒打音.wav", 3);
    s.sounds.soundBgm = サウンド読込(s, "BGM.wav", 1);
    読込_環境設定ファイル(s);
    // Over the painted board, not an empty window, and each only once a run.
    s.screen.ui->flush();
    サウンド不可通知(s);
    サウンド問題通知(s);
}

void Form_Unload(State& s) {
    思考中止(s);
    stopAnalysis(s);
    autosaveGame(s);
    終了処理(s);
    s.screen.ui->quit();
}

void Form_KeyPress(State& s, int keyAscii) {
    if (keyAscii != 27) return;
    思考中止(s);
    stopAnalysis(s);
    autosaveGame(s);
    終了処理(s);
    s.screen.ui->quit();
}

void 初期設定(State& s) {
    s.game.handicapLevel = 0;
    s.game.handicapChanged = Game::flagOff;
    s.game.importedStart = Game::flagOff;
    s.game.recordMode = Game::flagOff;
    s.game.turnPlayer = Game::noPlayer;
    s.game.moveCount = 0;
    s.help.moveHelpMode = 0;
    s.screen.lastMoveShown = true;
    s.game.record.recordCount = 0;
    s.game.record.recordEnd = 0;
    s.game.isReversed = Game::flagOff;
    s.game.savedGame = {};
    s.game.record.slot(0).pieceAfter = PieceCode(1);
    s.press.clickPhase = 0;
    // A fresh board has no piece waiting between two steps.
    s.press.moveStep = 1;
    // A fresh board is of the chosen rules, whatever was read before it.
    s.game.rules = s.game.chosenRules;
    時計_盤初期化(s);
    showRules(s);
    s.game.Board = Position::initial(s.game.rules).Board;
    画面_再描画(s);
}

void 終了(State& s, const std::string& 勝手) {
    時計_終局(s);
    if (勝手 == "引き分け")
        通知(s, "引き分けです", "終了");
    else
        通知(s, 勝手 + "の勝ちです", "終了");
    autosaveGame(s);
    if (質問(s, "続けますか？", "再ゲーム")) {
        初期設定(s);
    } else {
        終了処理(s);
        s.screen.ui->quit();
    }
}

}  // namespace zk
