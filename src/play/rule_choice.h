// 対局 -> ルール: the rule set of the next game, standard Chu Shogi or this
// program's own, kept in the settings file and shown beside the board.
#pragma once

#include "state.h"

namespace zk {

// Check the menu entry of the rules the game on the board is played by.
void showRules(State& s);
// 中将棋(標準): standard Chu Shogi from a fresh board.
void RULE_STD_Click(State& s);
// 本ソフトのルール: this program's rules from a fresh board.
void RULE_ZK_Click(State& s);

}  // namespace zk
