#include "lion_capture.h"

#include "dialog.h"
#include "move_check.h"

namespace zk {

int 獅子取り禁手(State& s) {
    const LionRefusal why =
        lionCaptureRefusal(s.game.Board, lionHistoryOf(s.game.record, s.game.record.recordCount),
                           s.press.moveStep != 1, s.press.selX, s.press.selY, s.press.selPiece,
                           s.press.destX, s.press.destY, s.game.rules);
    switch (why) {
        case LionRefusal::None:
            return 0;
        case LionRefusal::Recapture:
            禁止通知(s, "すぐに獅子を取り返せません", "禁手：先獅子(せんしし)");
            break;
        case LionRefusal::Protected:
            禁止通知(s, "相手の獅子に足があります\r\n獅子を獅子で取れません", "禁手");
            break;
        case LionRefusal::WeakBait:
            禁止通知(s, "付け食いが歩兵、仲人の為\r\n獅子で獅子を取れません", "禁手");
            break;
    }
    return 1;
}

}  // namespace zk
