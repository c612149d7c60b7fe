#include "panel.h"

#include "draw.h"
#include "record_panel.h"

namespace zk {

void 記録欄_非表示(State& s) {
    描画_可視(s.screen, false, false, false);
    描画_棋譜_IO(s, 1);
}

}  // namespace zk
