// The settings file "Zenkoru.ini": move guidance, background music, the
// thinking time and the rule set.
#pragma once

#include "state.h"

namespace zk {

void 読込_環境設定ファイル(State& s);
void 書込_環境設定ファイル(State& s);

}  // namespace zk
