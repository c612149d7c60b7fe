#include <functional>
#include <map>
#include <set>

#include "about.h"
#include "clock_flow.h"
#include "engine_turn.h"
#include "form1.h"
#include "game_analysis.h"
#include "game_menu.h"
#include "guidance.h"
#include "level_handicap.h"
#include "move_help.h"
#include "record_commands.h"
#include "rule_choice.h"
#include "share.h"

namespace zk {

bool runMenuCommand(State& s, const std::string& control) {
    using Handler = void (*)(State&);
    auto nothing = [](State&) {};
    static const std::map<std::string, Handler> handlers = {
        {"TAIKYOKU", TAIKYOKU_Click},
        {"MATCH_MAN", MATCH_MAN_Click},
        {"START", START_Click},
        {"START2", nothing},
        {"SENTE", SENTE_Click},
        {"GOTE", GOTE_Click},
        {"LEVEL", nothing},
        {"LEVEL1", LEVEL1_Click},
        {"LEVEL2", LEVEL2_Click},
        {"LEVEL3", LEVEL3_Click},
        {"LEVEL4", LEVEL4_Click},
        {"RULES", nothing},
        {"RULE_STD", RULE_STD_Click},
        {"RULE_ZK", RULE_ZK_Click},
        {"THINK", nothing},
        {"THINK1", THINK1_Click},
        {"THINK5", THINK5_Click},
        {"THINK15", THINK15_Click},
        {"HINT", HINT_Click},
        {"OWARI", OWARI_Click},
        {"STOP", STOP_Click},
        {"CANCEL", CANCEL_Click},
        {"REVERSE", REVERSE_Click},
        {"REPLAY", REPLAY_Click},
        {"AFTER", AFTER_Click},
        {"LBEL_UP", LBEL_UP_Click},
        {"LEBEL_DOWN", LEBEL_DOWN_Click},
        {"KIFU", nothing},
        {"KIFU_READ", KIFU_READ_Click},
        {"KIFU_WRITE", KIFU_WRITE_Click},
        {"SFEN_WRITE", SFEN_WRITE_Click},
        {"KIF_WRITE", KIF_WRITE_Click},
        {"SFEN_COPY", SFEN_COPY_Click},
        {"SFEN_READ", SFEN_READ_Click},
        {"KIFU_KAISEKI", KIFU_KAISEKI_Click},
        {"OPTION", OPTION_Click},
        {"SIDOU", SIDOU_Click},
        {"BGM", BGM_Click},
        {"IDOU_HLP", IDOU_HLP_Click},
        {"VER", VER_Click},
        {"CLOCK", nothing},
        {"MOCHI", nothing},
        {"BYO", nothing},
        {"KASAN", nothing},
        {"TOURYOU", TOURYOU_Click},
        {"CHUDAN", CHUDAN_Click},
        {"SAIKAI", SAIKAI_Click},
    };
    // What would change the position or the game under a search is refused.
    static const std::set<std::string> refusedWhileThinking = {
        "START",     "SENTE",    "GOTE",         "LEVEL1",   "LEVEL2",  "LEVEL3",     "LEVEL4",
        "CANCEL",    "REVERSE",  "REPLAY",       "AFTER",    "LBEL_UP", "LEBEL_DOWN", "KIFU_READ",
        "SFEN_READ", "IDOU_HLP", "KIFU_KAISEKI", "RULE_STD", "RULE_ZK", "SAIKAI"};
    // Commands outside the move hold the running clock while their boxes
    // and dialogs are open.
    static const std::set<std::string> holdClock = {
        "KIFU_READ", "KIFU_WRITE", "SFEN_WRITE", "KIF_WRITE", "SFEN_COPY", "SFEN_READ", "VER"};
    if (isClockControl(control) && clockMenuClick(s, control)) return true;
    auto it = handlers.find(control);
    if (it == handlers.end()) return false;
    if (refusedWhileThinking.count(control) && 思考中禁止(s, "思考中")) return true;
    const bool hold = holdClock.count(control) != 0;
    if (hold) 時計_保留(s);
    it->second(s);
    if (hold) 時計_保留解除(s);
    return true;
}

}  // namespace zk
