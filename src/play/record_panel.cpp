#include "record_panel.h"

#include "platform.h"

namespace zk {

// Show or hide (and clear) the name input of the save panel.
void 描画_棋譜_IO(State& s, int フラグ) {
    if (フラグ == 0) {
        s.screen.ui->setNameInputVisible(true);
        return;
    }
    s.screen.ui->setNameInputText("");
    s.screen.ui->setNameInputVisible(false);
}

}  // namespace zk
