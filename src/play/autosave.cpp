#include "autosave.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "dialog.h"
#include "file_io.h"
#include "platform.h"
#include "record_file.h"
#include "share.h"

namespace zk {

namespace {

constexpr const char* kRecordEnding = ".棋譜";
constexpr const char* kGameTextEnding = ".usi";

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// A free name in `folder` for a game saved now: the time and the sides, with
// a number added when two games end within one minute.
std::string freshPath(const State& s, const std::string& folder, const std::string& ending) {
    const std::string name = autosaveFileName(s, std::time(nullptr));
    const std::string stem = name.substr(0, name.size() - std::string(kRecordEnding).size());
    std::string path = folder + "/" + stem + ending;
    for (int n = 2; exists(path) && n < 1000; ++n)
        path = folder + "/" + stem + "_" + std::to_string(n) + ending;
    return path;
}

void reportFailure(State& s, const std::string& folder, const std::string& why) {
    if (s.game.autosaveFailureShown) return;
    s.game.autosaveFailureShown = true;
    通知(s,
         "対局を「" + folder + "」に自動保存できませんでした" +
             (why.empty() ? "" : "（" + why + "）"),
         "自動保存");
}

// A record file replays from this program's initial position only, by its
// rules: a standard game is kept as SFEN/USI text, which reads back as one.
bool startsFromInitial(const State& s) {
    return s.game.rules == RuleSet::Zenkoru && s.game.isReversed == Game::flagOff &&
           s.game.handicapChanged == Game::flagOff && s.game.importedStart == Game::flagOff;
}

}  // namespace

std::string autosaveFileName(const State& s, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M", &local);
    std::string sides = "先手-後手";
    if (s.game.gameMode == Game::modeCom)
        sides = s.game.manPlayer == Game::firstPlayer ? "先手-COM" : "COM-後手";
    return std::string(stamp) + "_" + sides + kRecordEnding;
}

void autosaveGame(State& s) {
    const std::string folder = s.screen.ui->autosaveFolder();
    if (folder.empty()) return;
    const GameRecord& r = s.game.record;
    // Entries on the board count even if recordEnd fell behind them; in a
    // record file, an entry it cannot hold ends what is saved.
    const bool asRecord = startsFromInitial(s);
    int end = std::max(r.recordEnd, r.recordCount);
    if (asRecord) {
        end = 0;
        while (end < std::max(r.recordEnd, r.recordCount) && entryFitsFile(r.at(end + 1))) ++end;
    }
    if (end == 0) return;
    // A game that ended by no move (投了, 時間切れ) says so in the record
    // file's first header line, which readers show and otherwise ignore.
    const std::string text =
        asRecord ? s.game.ending + formatRecordFile(r, end) : 共有棋譜テキスト(s) + "\n";
    if (text == s.game.savedGame.text) return;
    // A game read as SFEN/USI is marked as in its file by its record's text.
    if (!asRecord && s.game.savedGame.file.empty() &&
        formatRecordFile(r, end) == s.game.savedGame.text)
        return;

    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        reportFailure(s, folder, writeFailureReason(ec.value()));
        return;
    }
    const std::string ending = asRecord ? kRecordEnding : kGameTextEnding;
    std::string path = s.game.savedGame.file;
    if (path.empty() || !path.ends_with(ending)) path = freshPath(s, folder, ending);
    std::string error;
    if (!writeFileAtomically(path, text, error)) {
        reportFailure(s, folder, error);
        return;
    }
    s.game.savedGame = {text, path};
}

void autosaveBeforeCut(State& s) {
    const GameRecord& r = s.game.record;
    if (r.recordCount >= r.recordEnd) return;
    autosaveGame(s);
    // The file holds the line left behind; the new line goes to a file of its own.
    s.game.savedGame = {};
}

}  // namespace zk
