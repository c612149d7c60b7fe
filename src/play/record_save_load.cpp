#include "record_save_load.h"

#include "dialog.h"
#include "draw.h"
#include "platform.h"
#include "record_panel.h"
#include "record_storage.h"
#include "text_lines.h"

namespace zk {

namespace {

std::string directoryOfList(State& s) {
    std::string dir = s.screen.ui->fileListPath();
    return dir.empty() ? "." : dir;
}

}  // namespace

void 棋譜_保存(State& s) {
    const RecordSave save =
        planRecordSave(s.game.record, s.screen.ui->nameInputText(), directoryOfList(s));
    if (!save.refusal.empty()) {
        通知(s, save.refusal, save.named ? "棋譜保存" : "  ");
        return;
    }
    if (save.replaces &&
        !質問(s, "棋譜ﾌｧｲﾙ「" + save.fileName + "」は既にあります\r\n上書きしますか？", "棋譜保存"))
        return;
    const std::string text = formatRecordFile(s.game.record, save.end);
    if (const std::string why = writeRecordSave(save, text); !why.empty()) {
        通知(s, why, "棋譜保存");
        return;
    }
    // This game is in a file now; an automatic save would only repeat it.
    s.game.savedGame.text = text;
    描画_可視(s.screen, false, false, false);
    描画_棋譜_IO(s, 1);
    s.screen.ui->refreshFileList();
    通知(s, "棋譜を書き込みました", "  ");
}

bool 棋譜_読取(State& s, const std::string& fileName, RecordFileContent& out) {
    const std::string why = readRecordFile(directoryOfList(s), fileName, out);
    if (why.empty()) return true;
    禁止通知(s, why, "棋譜");
    return false;
}

void 棋譜_再生準備(State& s, const RecordFileContent& content) {
    // Header lines go to fixed window places (files we write leave them empty).
    constexpr int headerX[3] = {800, 3700, 3700};
    constexpr int headerY[3] = {6350, 100, 6350};
    for (int i = 0; i < 3; ++i) {
        if (content.header[i].empty()) continue;
        s.screen.ui->screen().text(headerX[i], headerY[i],
                                   std::string(firstChars(content.header[i], 200)),
                                   Screen::textWhite, 12, false);
    }

    recordFromFile(s.game, content);
    描画_最終手(s.screen, s.game.record);
    if (s.game.record.recordEnd == 0) return;  // 棋譜_読取 refuses such files

    std::string upper, lower;
    if (s.game.record.at(1).movedPiece >= 1) {
        s.game.gameMode = Game::modeCom;
        s.game.comPlayer = Game::firstPlayer;
        s.game.manPlayer = Game::secondPlayer;
        upper = "先手:";
        lower = "後手:";
    } else {
        s.game.gameMode = Game::modeHumans;
        s.game.manPlayer = Game::firstPlayer;
        s.game.comPlayer = Game::secondPlayer;
        upper = "後手:";
        lower = "先手:";
    }
    s.game.turnPlayer = Game::firstPlayer;
    描画_影付き文字(s.screen, 14, 5.08, upper, Screen::textWhite, 11);
    描画_影付き文字(s.screen, 14, 6.08, lower, Screen::textWhite, 11);

    通知(s, " 読み込みました", "棋譜");
    通知(s, "棋譜を '進 'で進めて下さい", "棋譜");
}

}  // namespace zk
