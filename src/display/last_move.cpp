// The last move's marks: its origin, mid and end square outlined in a colour
// of their own, and the front end told that the record changed.
#include "draw.h"
#include "move_span.h"
#include "platform.h"

namespace zk {

namespace {

bool marked(const Screen& s, int x, int y) {
    for (int i = 0; i < s.lastMoveMarkCount; ++i)
        if (s.lastMoveMarks[i].x == x && s.lastMoveMarks[i].y == y) return true;
    return false;
}

}  // namespace

void 描画_最終手(Screen& s, const GameRecord& r) {
    const Screen::Square before[3] = {s.lastMoveMarks[0], s.lastMoveMarks[1], s.lastMoveMarks[2]};
    const int countBefore = s.lastMoveMarkCount;
    s.lastMoveMarkCount = 0;
    if (r.recordCount >= 1) {
        const MoveSpan span = 調査_手範囲(r, r.recordCount);
        const MoveRecord& a = r.at(span.first);
        const MoveRecord& b = r.at(span.last);
        auto add = [&s](int x, int y) {
            if (onBoard(x, y) && !marked(s, x, y)) s.lastMoveMarks[s.lastMoveMarkCount++] = {x, y};
        };
        add(a.fromX, a.fromY);
        add(a.toX, a.toY);
        add(b.toX, b.toY);
    }
    for (int i = 0; i < countBefore; ++i)
        if (!marked(s, before[i].x, before[i].y))
            描画_桝輪郭(s, Screen::boardGridColour, before[i].x, before[i].y);
    for (int i = 0; i < s.lastMoveMarkCount; ++i)
        描画_桝輪郭(s, Screen::lastMoveColour, s.lastMoveMarks[i].x, s.lastMoveMarks[i].y);
    s.ui->recordChanged();
}

}  // namespace zk
