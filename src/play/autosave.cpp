#include "autosave.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "dialog.h"
#include "file_io.h"
#include "platform.h"
#include "record_file.h"

namespace zk {

namespace {

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// A free name in `folder` for a game saved now: the time and the sides, with
// a number added when two games end within one minute.
std::string freshPath(const State& s, const std::string& folder) {
    const std::string name = autosaveFileName(s, std::time(nullptr));
    const std::string stem = name.substr(0, name.size() - std::string(".棋譜").size());
    std::string path = folder + "/" + name;
    for (int n = 2; exists(path) && n < 1000; ++n)
        path = folder + "/" + stem + "_" + std::to_string(n) + ".棋譜";
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

}  // namespace

std::string autosaveFileName(const State& s, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M", &local);
    std::string sides = "先手-後手";
    if (s.game.gameMode == Game::modeCom)
        sides = s.game.manPlayer == Game::firstPlayer ? "先手-COM" : "COM-後手";
    return std::string(stamp) + "_" + sides + ".棋譜";
}

void autosaveGame(State& s) {
    const std::string folder = s.screen.ui->autosaveFolder();
    if (folder.empty()) return;
    if (s.game.isReversed == Game::flagOn || s.game.handicapChanged == Game::flagOn ||
        s.game.importedStart == Game::flagOn)
        return;
    const GameRecord& r = s.game.record;
    // Entries on the board count even if recordEnd fell behind them; an entry
    // a file cannot hold ends what is saved.
    int end = 0;
    while (end < std::max(r.recordEnd, r.recordCount) && entryFitsFile(r.at(end + 1))) ++end;
    if (end == 0) return;
    const std::string text = formatRecordFile(r, end);
    if (text == s.game.savedGame.text) return;

    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        reportFailure(s, folder, writeFailureReason(ec.value()));
        return;
    }
    std::string path = s.game.savedGame.file.empty() ? freshPath(s, folder) : s.game.savedGame.file;
    std::string error;
    if (!writeFileAtomically(path, text, error)) {
        reportFailure(s, folder, error);
        return;
    }
    s.game.savedGame = {text, path};
}

}  // namespace zk
