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
    s.game.chosenRules = rules;
    if (rules != s.game.rules) {
        移動ヘルプ終了(s);
        autosaveGame(s);
        初期設定(s);
    }
    showRules(s);
    書込_環境設定ファイル(s);
}

}  // namespace

void showRules(State& s) {
    s.screen.ui->setMenuChecked("RULE_STD", s.game.rules == RuleSet::Standard);
    s.screen.ui->setMenuChecked("RULE_ZK", s.game.rules == RuleSet::Zenkoru);
}

void RULE_STD_Click(State& s) { chooseRules(s, RuleSet::Standard); }

void RULE_ZK_Click(State& s) { chooseRules(s, RuleSet::Zenkoru); }

}  // namespace zk
