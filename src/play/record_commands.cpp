#include "record_commands.h"

#include "autosave.h"
#include "dialog.h"
#include "draw.h"
#include "engine_turn.h"
#include "form1.h"
#include "move_help.h"
#include "panel.h"
#include "record_panel.h"
#include "record_save_load.h"
#include "replay.h"
#include "settings.h"

namespace zk {

// 最初: a fresh board and an empty record.
void CANCEL_Click(State& s) {
    autosaveGame(s);
    初期設定(s);
    // A second step that was awaited belongs to the game just left.
    s.press.moveStep = 1;
    駒打音(s);
}

// 戻: take back one move (a two-step move as one).
void REPLAY_Click(State& s) {
    s.press.turnNoticePending = Game::flagOn;
    記録欄_非表示(s);
    移動ヘルプ終了(s);
    棋譜_戻(s);
}

// 進: replay one move of the record.
void AFTER_Click(State& s) {
    s.press.turnNoticePending = Game::flagOn;
    記録欄_非表示(s);
    if (s.game.turnPlayer == Game::noPlayer) {
        禁止通知(s, "「対局」で始めて下さい", "開始");
        return;
    }
    移動ヘルプ終了(s);
    棋譜_進(s);
}

// 反転: turn the board; the record starts again empty.
void REVERSE_Click(State& s) {
    autosaveGame(s);
    移動ヘルプ終了(s);
    盤_反転(s);
    // The game turned is a new one; its file must not replace the last.
    if (s.game.record.recordEnd == 0 && s.game.record.recordCount == 0) s.game.savedGame = {};
}

// 読込: show the lists to pick a file from.
void KIFU_READ_Click(State& s) {
    if (s.game.rules == RuleSet::Standard) {
        // A record file holds a game of this program's rules.
        禁止通知(s, "棋譜ファイルは「本ソフトのルール」で読み込んで下さい", "棋譜読込");
        return;
    }
    描画_可視(s.screen, true, true, true);
    描画_棋譜_IO(s, 1);
}

// 書込: show the directory and the name input, unless the record no longer
// describes the game from the initial position.
void KIFU_WRITE_Click(State& s) {
    if (s.game.isReversed == Game::flagOn) {
        禁止通知(s, "反転後は書き込みできません", "棋譜書込");
        return;
    }
    if (s.game.handicapChanged == Game::flagOn) {
        禁止通知(s, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込");
        return;
    }
    if (s.game.rules == RuleSet::Standard) {
        // A record file is replayed by this program's rules only.
        禁止通知(s, "中将棋(標準)の棋譜は「SFEN/USIで書出」で書き出して下さい", "棋譜書込");
        return;
    }
    if (s.game.importedStart == Game::flagOn) {
        // A record file replays from the initial position only.
        禁止通知(s, "初期配置から始まらない棋譜は「SFEN/USIで書出」で書き出して下さい", "棋譜書込");
        return;
    }
    描画_可視(s.screen, true, true, false);
    描画_棋譜_IO(s, 0);
}

void Command1_Click(State& s) { 棋譜_保存(s); }

// A file clicked in the list: check it whole first, then start afresh and
// replay it in record mode.
void File1_Click(State& s, const std::string& fileName) {
    if (思考中禁止(s, "思考中")) return;
    描画_可視(s.screen, false, false, false);
    RecordFileContent content;
    if (!棋譜_読取(s, fileName, content)) return;
    autosaveGame(s);
    Form_Load(s);
    s.press.moveStep = 1;
    棋譜_再生準備(s, content);
}

// The file list follows the directory list.
void Dir1_Change(State& s) { s.screen.ui->setFileListPath(s.screen.ui->dirListPath()); }

// The directory list follows the drive list; a drive that cannot be opened
// is reported and the lists stay where they were.
void Drive1_Change(State& s) {
    if (!s.screen.ui->setDirListPath(s.screen.ui->driveListPath())) {
        通知(s, "ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
        return;
    }
    Dir1_Change(s);
}

// BGM: music on or off, kept in the settings file.
void BGM_Click(State& s) {
    if (s.screen.ui->menuChecked("BGM")) {
        s.screen.ui->setMenuChecked("BGM", false);
        s.screen.ui->dsStop(s.sounds.soundBgm);
    } else {
        s.screen.ui->setMenuChecked("BGM", true);
        s.screen.ui->dsPlayLooping(s.sounds.soundBgm);
    }
    書込_環境設定ファイル(s);
}

}  // namespace zk
