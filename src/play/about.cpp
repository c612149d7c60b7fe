#include "about.h"

#include "dialog.h"

namespace zk {

void VER_Click(State& s) {
    通知(s, "Zenkoru 中将棋 Ver 1.0.0\r\nMIT ライセンス", "バージョン情報");
}

}  // namespace zk
