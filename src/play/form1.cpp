#include "form1.h"

#include "draw.h"
#include "pieces.h"
#include "platform.h"
#include "sound.h"

namespace zk {

// Placeholder start-up: enough to paint the initial position.
void Form_Load(State& s) {
    駒価値設定(s);
    初期設定(s);
}

void Form_Unload(State& s) { s.ui->quit(); }

void Form_KeyPress(State& s, int keyAscii) {
    if (keyAscii == 27) s.ui->quit();
}

void Form_MouseDown(State&, int, int, int, int) {}

void 初期設定(State& s) {
    初期配置(s);
    画面_再描画(s);
}

void 終了(State&, const std::string&) {}

bool runMenuCommand(State&, const std::string&) { return false; }

}  // namespace zk
