#include "guidance.h"

#include "draw.h"
#include "platform.h"
#include "settings.h"

namespace zk {

void SIDOU_Click(State& s) {
    if (s.ui->menuChecked("SIDOU")) {
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) 描画_桝輪郭(s, State::boardGridColour, x, y);
        s.ui->setMenuChecked("SIDOU", false);
        s.guidanceColour = State::boardGridColour;
    } else {
        s.ui->setMenuChecked("SIDOU", true);
        s.guidanceColour = State::textWhite;
    }
    書込_環境設定ファイル(s);
}

}  // namespace zk
