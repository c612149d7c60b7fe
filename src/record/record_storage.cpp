#include "record_storage.h"

#include <algorithm>
#include <string_view>

#include "file_io.h"

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

// The box's text when the save's file cannot be written.
std::string cannotWrite(const std::string& fileName) {
    return "棋譜ﾌｧｲﾙ「" + fileName + "」を書き込めませんでした";
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

RecordSave planRecordSave(const GameRecord& r, const std::string& typedName,
                          const std::string& dir) {
    RecordSave save;
    const std::string name = trimmedName(typedName);
    if (name.empty()) {
        save.refusal = "ﾌｧｲﾙ名が入力されていません";
        return save;
    }
    save.named = true;
    // Entries on the board are written even if recordEnd fell behind them.
    save.end = std::max(r.recordEnd, r.recordCount);
    if (save.end == 0) {
        save.refusal = "保存するデータがありません";
        return save;
    }
    if (const std::string why = nameProblem(name, dir); !why.empty()) {
        save.refusal = "「" + name + "」はﾌｧｲﾙ名に使えません（" + why + "）";
        return save;
    }
    for (int i = 1; i <= save.end; ++i) {
        if (!entryFitsFile(r.at(i))) {
            save.refusal =
                "棋譜の" + std::to_string(i) + "番目の記録が正しくないため保存できません";
            return save;
        }
    }
    save.fileName = name + ".棋譜";
    const SaveTarget kind = inspectSaveTarget(dir + "/" + save.fileName, save.target);
    if (const char* why = saveRefusal(kind)) {
        save.refusal = cannotWrite(save.fileName) + "（" + why + "）";
        return save;
    }
    save.replaces = kind == SaveTarget::Writable;
    return save;
}

std::string writeRecordSave(const RecordSave& save, const std::string& text) {
    std::string why;
    if (writeFileAtomically(save.target, text, why)) return "";
    return cannotWrite(save.fileName) + (why.empty() ? "" : "（" + why + "）");
}

std::string readRecordFile(const std::string& dir, const std::string& fileName,
                           RecordFileContent& out) {
    std::string bytes;
    RecordFileError error;
    switch (readFileLimited(dir + "/" + fileName, kMaxRecordFileBytes, bytes)) {
        case ReadStatus::Ok:
            error = parseRecordFile(bytes, out);
            break;
        case ReadStatus::TooLarge:
            error.kind = RecordFileError::Kind::TooLarge;
            break;
        case ReadStatus::Missing:
        case ReadStatus::Unreadable:
            return "棋譜ﾌｧｲﾙ「" + fileName + "」を読み込めません";
    }
    // Refused like any other bad file, before the game is touched.
    if (error.ok() && out.entries.empty()) return "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
    if (error.ok()) return "";
    return refusalText(fileName, error);
}

void recordFromFile(Game& s, const RecordFileContent& content) {
    s.recordMode = Game::flagOn;
    GameRecord& r = s.record;
    r.entries.resize(1);
    r.entries.insert(r.entries.end(), content.entries.begin(), content.entries.end());
    r.recordCount = 0;
    s.moveCount = 0;
    r.recordEnd = static_cast<int>(content.entries.size());
    s.savedGame.text = formatRecordFile(r, r.recordEnd);
}

}  // namespace zk
