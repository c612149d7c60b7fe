#include "settings.h"

#include "file_io.h"
#include "platform.h"
#include "settings_format.h"

namespace zk {

namespace {

constexpr const char* kSettingsFile = "Zenkoru.ini";

// Put the options on the menu and in the guidance colour; start the music
// when it is on.
void 設定反映(State& s, SettingsValues v) {
    s.ui->setMenuChecked("SIDOU", v.guidance);
    s.guidanceColour = v.guidance ? State::textWhite : State::boardColour;
    s.ui->setMenuChecked("BGM", v.bgm);
    if (v.bgm) s.ui->dsPlayLooping(s.soundBgm);
}

}  // namespace

// Start-up: take the options from the settings file. A missing, unreadable,
// oversized or broken file is replaced by the defaults (guidance off, music
// on); when even that cannot be written the defaults simply apply.
void 読込_環境設定ファイル(State& s) {
    std::string bytes;
    std::optional<SettingsValues> values;
    if (readFileLimited(kSettingsFile, kMaxSettingsBytes, bytes) == ReadStatus::Ok)
        values = parseSettings(bytes);
    if (!values) {
        values = SettingsValues{};
        writeFileReplacing(kSettingsFile, formatSettings(*values));
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
    writeFileReplacing(kSettingsFile, formatSettings(v));
}

}  // namespace zk
