#include "guidance.h"

#include "draw.h"
#include "platform.h"
#include "settings.h"

namespace zk {

void SIDOU_Click(State& s) {
    if (s.screen.ui->menuChecked("SIDOU")) {
        for (int x = 1; x <= 12; ++x)
            for (int y = 1; y <= 12; ++y) 描画_桝輪郭(s.screen, Screen::boardGridColour, x, y);
        s.screen.ui->setMenuChecked("SIDOU", false);
        s.press.guidanceColour = Screen::boardGridColour;
    } else {
        s.screen.ui->setMenuChecked("SIDOU", true);
        s.press.guidanceColour = Screen::textWhite;
    }
    書込_環境設定ファイル(s);
}

}  // namespace zk
