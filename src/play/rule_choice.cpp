#include "rule_choice.h"

#include "autosave.h"
#include "dialog.h"
#include "form1.h"
#include "move_help.h"
#include "panel.h"
#include "platform.h"
#include "settings.h"

namespace zk {

namespace {

// A game is played by one rule set from its start: choosing the other keeps
// the game left (saved) and sets up a fresh board.
void chooseRules(State& s, RuleSet rules) {
    記録欄_非表示(s);
    s.screen.ui->setMenuChecked("RULE_STD", rules == RuleSet::Standard);
    s.screen.ui->setMenuChecked("RULE_ZK", rules == RuleSet::Zenkoru);
    if (rules != s.game.rules) {
        移動ヘルプ終了(s);
        autosaveGame(s);
        s.game.rules = rules;
        初期設定(s);
    }
    書込_環境設定ファイル(s);
}

}  // namespace

void RULE_STD_Click(State& s) { chooseRules(s, RuleSet::Standard); }

void RULE_ZK_Click(State& s) { chooseRules(s, RuleSet::Zenkoru); }

}  // namespace zk
