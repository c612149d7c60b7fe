#include "form1.h"

#include "autosave.h"
#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "pieces.h"
#include "platform.h"
#include "settings.h"
#include "sound.h"

namespace zk {

namespace {

// Size of the window's client area in twips.
constexpr int kWindowWidth = 9400, kWindowHeight = 8500;

// Release what an earlier start-up loaded, so that starting up again (loading
// a record does) neither leaks the buffers nor plays the music twice.
void 旧サウンド解放(State& s) {
    if (s.soundLibraryHandle == 0 && s.soundOther == 0 && s.soundForbidden == 0 &&
        s.soundPiece == 0 && s.soundBgm == 0)
        return;
    終了処理(s);
    s.soundLibraryHandle = 0;
    s.soundOther = s.soundForbidden = s.soundPiece = s.soundBgm = 0;
}

}  // namespace

void Form_Load(State& s) {
    旧サウンド解放(s);

    // One level entry is checked at a time, also when starting up again.
    s.ui->setMenuChecked("SIDOU", false);
    s.ui->setMenuChecked("LEVEL1", false);
    s.ui->setMenuChecked("LEVEL2", false);
    s.ui->setMenuChecked("LEVEL3", true);
    s.ui->setMenuChecked("LEVEL4", false);
    s.comLevel = 3;

    s.guidanceColour = State::boardGridColour;
    s.turnNoticePending = State::flagOff;
    駒価値設定(s.com);

    s.ui->screen().fillRect(0, 0, kWindowWidth, kWindowHeight, State::boardColour);
    初期設定(s);
    // The board is on the screen before the sounds load: preparing them for
    // the device takes longer than painting it. The settings start the music.
    s.ui->flush();
    サウンド初期化(s, 0);
    s.soundOther = サウンド読込(s, "その他.wav", 3);
    s.soundForbidden = サウンド読込(s, "禁止.wav", 3);
    s.soundPiece = サウンド読込(s, "駒打音.wav", 3);
    s.soundBgm = サウンド読込(s, "BGM.wav", 1);
    読込_環境設定ファイル(s);
    // Over the painted board, not an empty window, and each only once a run.
    s.ui->flush();
    サウンド不可通知(s);
    サウンド問題通知(s);
}

void Form_Unload(State& s) {
    思考中止(s);
    autosaveGame(s);
    終了処理(s);
    s.ui->quit();
}

void Form_KeyPress(State& s, int keyAscii) {
    if (keyAscii != 27) return;
    思考中止(s);
    autosaveGame(s);
    終了処理(s);
    s.ui->quit();
}

void 初期設定(State& s) {
    s.handicapLevel = 0;
    s.handicapChanged = State::flagOff;
    s.importedStart = State::flagOff;
    s.recordMode = State::flagOff;
    s.turnPlayer = State::noPlayer;
    s.moveCount = 0;
    s.moveHelpMode = 0;
    s.record.recordCount = 0;
    s.record.recordEnd = 0;
    s.isReversed = State::flagOff;
    s.savedGame = {};
    s.record.slot(0).pieceAfter = PieceCode(1);
    s.clickPhase = 0;
    // A fresh board has no piece waiting between two steps.
    s.moveStep = 1;
    初期配置(s.Board);
    画面_再描画(s);
}

void 終了(State& s, const std::string& 勝手) {
    if (勝手 == "引き分け")
        通知(s, "引き分けです", "終了");
    else
        通知(s, 勝手 + "の勝ちです", "終了");
    autosaveGame(s);
    if (質問(s, "続けますか？", "再ゲーム")) {
        初期設定(s);
    } else {
        終了処理(s);
        s.ui->quit();
    }
}

}  // namespace zk
