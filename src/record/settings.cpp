#include "settings.h"

namespace zk {

void 読込_環境設定ファイル(State&) {}
void 書込_環境設定ファイル(State&) {}

}  // namespace zk
