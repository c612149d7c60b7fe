#include "record_panel.h"

#include "platform.h"

namespace zk {

// Show or hide (and clear) the name input of the save panel.
void 描画_棋譜_IO(State& s, int フラグ) {
    if (フラグ == 0) {
        s.ui->setNameInputVisible(true);
        return;
    }
    s.ui->setNameInputText("");
    s.ui->setNameInputVisible(false);
}

}  // namespace zk
