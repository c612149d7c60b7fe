#include "settings.h"

#include <sys/stat.h>

#include <filesystem>

#include "file_io.h"
#include "platform.h"
#include "settings_format.h"

namespace zk {

namespace {

constexpr const char* kSettingsFile = "Zenkoru.ini";

// A Zenkoru.ini in the current folder is kept where it is (people keep one
// beside their records); otherwise the file lives in the platform's settings
// folder, made when it is missing.
std::string settingsPath(State& s) {
    struct stat st {};
    const std::string folder = s.ui->settingsFolder();
    if (folder.empty() || ::lstat(kSettingsFile, &st) == 0) return kSettingsFile;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder + "/" + kSettingsFile;
}

// Put the options on the menu and in the guidance colour; start the music
// when it is on.
void 設定反映(State& s, SettingsValues v) {
    s.ui->setMenuChecked("SIDOU", v.guidance);
    s.guidanceColour = v.guidance ? State::textWhite : State::boardColour;
    s.ui->setMenuChecked("BGM", v.bgm);
    s.ui->setMenuChecked("THINK1", v.thinkSeconds == 1);
    s.ui->setMenuChecked("THINK5", v.thinkSeconds == 5);
    s.ui->setMenuChecked("THINK15", v.thinkSeconds == 15);
    if (v.bgm) s.ui->dsPlayLooping(s.soundBgm);
}

}  // namespace

// Start-up: take the options from the settings file. A missing, unreadable,
// oversized or broken file is replaced by the defaults (guidance off, music
// on); when even that cannot be written the defaults simply apply.
void 読込_環境設定ファイル(State& s) {
    std::string bytes;
    std::optional<SettingsValues> values;
    const std::string path = settingsPath(s);
    if (readFileLimited(path, kMaxSettingsBytes, bytes) == ReadStatus::Ok)
        values = parseSettings(bytes);
    if (!values) {
        values = SettingsValues{};
        writeFileReplacing(path, formatSettings(*values));
    }
    設定反映(s, *values);
}

// Rewrite the settings file from the menu's check marks. A failed write
// keeps the options as the user set them; they are only not kept for the
// next run.
void 書込_環境設定ファイル(State& s) {
    SettingsValues v;
    v.guidance = s.ui->menuChecked("SIDOU");
    v.bgm = s.ui->menuChecked("BGM");
    if (s.ui->menuChecked("THINK1")) v.thinkSeconds = 1;
    if (s.ui->menuChecked("THINK15")) v.thinkSeconds = 15;
    writeFileReplacing(settingsPath(s), formatSettings(v));
}

}  // namespace zk
