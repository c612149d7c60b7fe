#include "settings.h"

#include "clock_flow.h"
#include "form1.h"
#include "platform.h"
#include "rule_choice.h"
#include "settings_file.h"

namespace zk {

namespace {

// Put the options on the menu and in the guidance colour; start the music
// when it is on.
void 設定反映(State& s, SettingsValues v) {
    s.screen.ui->setMenuChecked("SIDOU", v.guidance);
    s.press.guidanceColour = v.guidance ? Screen::textWhite : Screen::boardColour;
    s.screen.ui->setMenuChecked("BGM", v.bgm);
    s.screen.ui->setMenuChecked("THINK1", v.thinkSeconds == 1);
    s.screen.ui->setMenuChecked("THINK5", v.thinkSeconds == 5);
    s.screen.ui->setMenuChecked("THINK15", v.thinkSeconds == 15);
    時計_設定反映(s, v);
    if (v.bgm) s.screen.ui->dsPlayLooping(s.sounds.soundBgm);
    s.game.chosenRules = v.standardRules ? RuleSet::Standard : RuleSet::Zenkoru;
    // Read at start-up, before any game: the board shows the chosen rules' start.
    if (s.game.chosenRules != s.game.rules && s.game.turnPlayer == Game::noPlayer) 初期設定(s);
    showRules(s);
}

}  // namespace

// Start-up: take the options from the settings file (the defaults when it is
// missing or broken).
void 読込_環境設定ファイル(State& s) {
    設定反映(s, readSettingsFile(s.screen.ui->settingsFolder()));
}

// Rewrite the settings file from the menu's check marks. A failed write
// keeps the options as the user set them; they are only not kept for the
// next run.
void 書込_環境設定ファイル(State& s) {
    SettingsValues v;
    v.guidance = s.screen.ui->menuChecked("SIDOU");
    v.bgm = s.screen.ui->menuChecked("BGM");
    if (s.screen.ui->menuChecked("THINK1")) v.thinkSeconds = 1;
    if (s.screen.ui->menuChecked("THINK15")) v.thinkSeconds = 15;
    v.standardRules = s.game.chosenRules == RuleSet::Standard;
    時計_設定書出(s, v);
    writeSettingsFile(s.screen.ui->settingsFolder(), v);
}

}  // namespace zk
