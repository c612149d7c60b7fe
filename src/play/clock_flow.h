// The game clocks in the window's flow: the 持ち時間 / 秒読み / 加算 menus, the
// clocks started with a game and switched by each move, their faces beside
// the board redrawn by a tick only when the text shown changes, the flag fall
// ("時間切れです"), and the 投了, 中断 and 再開 menu items. Boxes that are part
// of a move (成りますか？, もう一手, the refusals) leave the mover's clock
// running; the menu commands outside the move hold it while they run.
#pragma once

#include <cstdint>
#include <string>

#include "settings_format.h"
#include "state.h"
#include "time_control.h"

namespace zk {

// The clock menus ("MOCHI0".."MOCHI30", "BYO0".."BYO60", "KASAN0".."KASAN30"):
// the choice is checked, kept in the settings and used from the next game on.
bool clockMenuClick(State& s, const std::string& control);
// Whether a control is one of the clock menus.
bool isClockControl(const std::string& control);
// The settings' clock onto the menu, and the menu's into the settings.
void 時計_設定反映(State& s, const SettingsValues& v);
void 時計_設定書出(const State& s, SettingsValues& v);

// A game starts or goes on (先手, 後手, スタート): with a clock chosen, a game
// without one gets the chosen times, and the side to move's time runs.
void 時計_対局開始(State& s);
// `movedSide` (-1 the bottom side, +1 the top side) has made its move.
void 時計_着手(State& s, int movedSide);
// The game ended: the clocks stop where they are.
void 時計_終局(State& s);
// A fresh board: no game, no clocks shown.
void 時計_盤初期化(State& s);
// The tick: redraw what changed and end the game on a flag fall.
void 時計_刻み(State& s);
// A command outside the move holds the running clock, and lets it go on.
void 時計_保留(State& s);
void 時計_保留解除(State& s);

// The searching computer's time for its move from its clock (all 0 when the
// game has no clock).
engine::TimeBudget 時計_思考時間(State& s);

// The clocks as text for transcripts: "clock top 5:00 bottom ▶4:58".
std::string 時計_表示テキスト(State& s);

void TOURYOU_Click(State& s);  // 投了
void CHUDAN_Click(State& s);   // 中断: save the game with its clocks and leave it
void SAIKAI_Click(State& s);   // 再開: go on with the game left by 中断

// The file 中断 leaves in the autosave folder.
std::string 中断ファイル(const State& s);

}  // namespace zk
