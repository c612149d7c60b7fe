#include "panel.h"

#include "draw.h"
#include "platform.h"

namespace zk {

void 記録欄_非表示(State& s) {
    描画_可視(s, false, false, false);
    s.ui->setNameInputText("");
    s.ui->setNameInputVisible(false);
}

}  // namespace zk
