#include "record_storage.h"

#include <algorithm>
#include <string_view>

#include "dialog.h"
#include "draw.h"
#include "file_io.h"
#include "platform.h"
#include "record_panel.h"

namespace zk {

namespace {

// Why a save may not replace what is there, or null when it may.
const char* saveRefusal(SaveTarget kind) {
    switch (kind) {
        case SaveTarget::ReadOnly:
            return "読み取り専用です";
        case SaveTarget::Directory:
            return "同じ名前のﾌｫﾙﾀﾞがあります";
        case SaveTarget::NotRegular:
            return "普通のﾌｧｲﾙではありません";
        case SaveTarget::BrokenLink:
            return "ﾘﾝｸ先がありません";
        case SaveTarget::Absent:
        case SaveTarget::Writable:
            break;
    }
    return nullptr;
}

std::string directoryOfList(State& s) {
    std::string dir = s.ui->fileListPath();
    return dir.empty() ? "." : dir;
}

// The typed name without blanks (also full-width ones) at either end.
std::string trimmedName(const std::string& typed) {
    std::string_view v = typed;
    const std::string_view wide = "\u3000";
    for (bool trimmed = true; trimmed && !v.empty();) {
        trimmed = false;
        if (v.front() == ' ' || v.front() == '\t') v.remove_prefix(1), trimmed = true;
        if (!v.empty() && (v.back() == ' ' || v.back() == '\t')) v.remove_suffix(1), trimmed = true;
        if (v.substr(0, wide.size()) == wide) v.remove_prefix(wide.size()), trimmed = true;
        if (v.size() >= wide.size() && v.substr(v.size() - wide.size()) == wide)
            v.remove_suffix(wide.size()), trimmed = true;
    }
    return std::string(v);
}

// Why a name cannot become a record file that the file list shows and that
// loads again, or "" when it can.
std::string nameProblem(const std::string& name, const std::string& dir) {
    if (name.find('/') != std::string::npos) return "「/」は使えません";
    if (!isTextLine(name) || name.find('\t') != std::string::npos) return "使えない文字があります";
    if (name.front() == '.') return "先頭に「.」は使えません";
    if (name.size() + std::string_view(".棋譜").size() > maxFileNameBytes(dir)) return "長すぎます";
    return "";
}

std::string refusalText(const std::string& fileName, const RecordFileError& e) {
    const std::string file = "棋譜ﾌｧｲﾙ「" + fileName + "」";
    const std::string line = std::to_string(e.line) + "行目";
    using Kind = RecordFileError::Kind;
    switch (e.kind) {
        case Kind::TooLarge:
            return file + "は大きすぎて読み込めません（4MBまで）";
        case Kind::NotText:
            return file + "の" + line + "に文字でないﾃﾞｰﾀがあります";
        case Kind::EmptyLine:
            return file + "の" + line + "が空行です";
        case Kind::BadSquare:
            return file + "の" + line + "の桝の番号が1～12ではありません";
        case Kind::BadPiece:
            return file + "の" + line + "の駒の番号が-39～39ではありません";
        case Kind::None:
            break;
    }
    return file + "を読み込めません";
}

}  // namespace

void 棋譜_保存(State& s) {
    const std::string name = trimmedName(s.ui->nameInputText());
    if (name.empty()) {
        通知(s, "ﾌｧｲﾙ名が入力されていません", "  ");
        return;
    }
    const GameRecord& r = s.record;
    // Entries on the board are written even if recordEnd fell behind them.
    const int end = std::max(r.recordEnd, r.recordCount);
    if (end == 0) {
        通知(s, "保存するデータがありません", "棋譜保存");
        return;
    }
    const std::string dir = directoryOfList(s);
    if (const std::string why = nameProblem(name, dir); !why.empty()) {
        通知(s, "「" + name + "」はﾌｧｲﾙ名に使えません（" + why + "）", "棋譜保存");
        return;
    }
    for (int i = 1; i <= end; ++i) {
        if (!entryFitsFile(r.at(i))) {
            通知(s, "棋譜の" + std::to_string(i) + "番目の記録が正しくないため保存できません",
                 "棋譜保存");
            return;
        }
    }
    const std::string fileName = name + ".棋譜";
    const std::string cannot = "棋譜ﾌｧｲﾙ「" + fileName + "」を書き込めませんでした";
    std::string target;
    const SaveTarget kind = inspectSaveTarget(dir + "/" + fileName, target);
    if (const char* why = saveRefusal(kind)) {
        通知(s, cannot + "（" + why + "）", "棋譜保存");
        return;
    }
    if (kind == SaveTarget::Writable &&
        !質問(s, "棋譜ﾌｧｲﾙ「" + fileName + "」は既にあります\r\n上書きしますか？", "棋譜保存"))
        return;
    const std::string text = formatRecordFile(r, end);
    std::string why;
    if (!writeFileAtomically(target, text, why)) {
        通知(s, cannot + (why.empty() ? "" : "（" + why + "）"), "棋譜保存");
        return;
    }
    // This game is in a file now; an automatic save would only repeat it.
    s.savedGame.text = text;
    描画_可視(s, false, false, false);
    描画_棋譜_IO(s, 1);
    s.ui->refreshFileList();
    通知(s, "棋譜を書き込みました", "  ");
}

bool 棋譜_読取(State& s, const std::string& fileName, RecordFileContent& out) {
    std::string bytes;
    RecordFileError error;
    switch (readFileLimited(directoryOfList(s) + "/" + fileName, kMaxRecordFileBytes, bytes)) {
        case ReadStatus::Ok:
            error = parseRecordFile(bytes, out);
            break;
        case ReadStatus::TooLarge:
            error.kind = RecordFileError::Kind::TooLarge;
            break;
        case ReadStatus::Missing:
        case ReadStatus::Unreadable:
            禁止通知(s, "棋譜ﾌｧｲﾙ「" + fileName + "」を読み込めません", "棋譜");
            return false;
    }
    if (error.ok() && out.entries.empty()) {
        // Refused like any other bad file, before the game is touched.
        禁止通知(s, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜");
        return false;
    }
    if (error.ok()) return true;
    禁止通知(s, refusalText(fileName, error), "棋譜");
    return false;
}

void 棋譜_再生準備(State& s, const RecordFileContent& content) {
    s.recordMode = State::flagOn;

    // Header lines go to fixed window places (files we write leave them empty).
    constexpr int headerX[3] = {800, 3700, 3700};
    constexpr int headerY[3] = {6350, 100, 6350};
    for (int i = 0; i < 3; ++i) {
        if (content.header[i].empty()) continue;
        s.ui->screen().text(headerX[i], headerY[i], std::string(firstChars(content.header[i], 200)),
                            State::textWhite, 12, false);
    }

    GameRecord& r = s.record;
    r.entries.resize(1);
    r.entries.insert(r.entries.end(), content.entries.begin(), content.entries.end());
    r.recordCount = 0;
    s.moveCount = 0;
    r.recordEnd = static_cast<int>(content.entries.size());
    s.savedGame.text = formatRecordFile(r, r.recordEnd);
    描画_最終手(s);
    if (r.recordEnd == 0) return;  // 棋譜_読取 refuses such files

    std::string upper, lower;
    if (r.at(1).movedPiece >= 1) {
        s.gameMode = State::modeCom;
        s.comPlayer = State::firstPlayer;
        s.manPlayer = State::secondPlayer;
        upper = "先手:";
        lower = "後手:";
    } else {
        s.gameMode = State::modeHumans;
        s.manPlayer = State::firstPlayer;
        s.comPlayer = State::secondPlayer;
        upper = "後手:";
        lower = "先手:";
    }
    s.turnPlayer = State::firstPlayer;
    描画_文字(s, 14.1, 5.18, upper, State::textBlack, 11);
    描画_文字(s, 14, 5.08, upper, State::textWhite, 11);
    描画_文字(s, 14.1, 6.18, lower, State::textBlack, 11);
    描画_文字(s, 14, 6.08, lower, State::textWhite, 11);

    通知(s, " 読み込みました", "棋譜");
    通知(s, "棋譜を '進 'で進めて下さい", "棋譜");
}

}  // namespace zk
