#include "lion_capture.h"

#include "dialog.h"
#include "move_check.h"

namespace zk {

namespace {

const char* const kRecaptureText = "すぐに獅子を取り返せません";
const char* const kRecaptureTitle = "禁手：先獅子(せんしし)";
const char* const kProtectedText = "相手の獅子に足があります\r\n獅子を獅子で取れません";
const char* const kWeakBaitText = "付け食いが歩兵、仲人の為\r\n獅子で獅子を取れません";
const char* const kLionTitle = "禁手";

// A lion of either code and side.
bool isLion(PieceCode c) { return c.kind() == 33 || c.kind() == 34; }

// The lion-against-lion test for a capture by the side of `sign` (+1 top,
// -1 bottom) of a lion defended by `defender`.
int 獅子対獅子(State& s, int sign, int defender) {
    const PieceCode sel = s.selPiece;
    if (!(isLion(sel) && !sel.isMidMove() && (sel >= 1) == (sign > 0))) return 0;
    if (調査_獅守(s, defender, s.selX, s.selY, s.destX, s.destY) != 1) return 0;
    if (s.moveStep == 1) {
        禁止通知(s, kProtectedText, kLionTitle);
        return 1;
    }
    // Second step: allowed only after a first capture worth more than a pawn
    // or a go-between.
    const PieceCode bait = s.record.at(s.record.recordCount).capturedPiece;
    if (bait.isEmpty()) {
        禁止通知(s, kProtectedText, kLionTitle);
        return 1;
    }
    if (bait == PieceCode(-sign * 1) || bait == PieceCode(-sign * 35)) {
        禁止通知(s, kWeakBaitText, kLionTitle);
        return 1;
    }
    return 0;
}

}  // namespace

int 獅子取り禁手(State& s) {
    const PieceCode target = s.Board[s.destX][s.destY];
    if (!isLion(target) || target.isMidMove()) return 0;
    // The capturing side is the opposite of the target's.
    const int sign = target >= 1 ? -1 : 1;
    const int n = s.record.recordCount;
    const PieceCode lost = s.record.at(n).capturedPiece;
    const bool ownLionLost = isLion(lost) && !lost.isMidMove() && (lost >= 1) == (sign > 0);
    const bool capturerOnSide = sign > 0 ? s.selPiece >= 1 : s.selPiece <= -1;
    if (ownLionLost && capturerOnSide && target != s.record.at(n - 1).pieceAfter) {
        禁止通知(s, kRecaptureText, kRecaptureTitle);
        return 1;
    }
    const int defender = target >= 1 ? s.comPlayer : s.manPlayer;
    return 獅子対獅子(s, sign, defender);
}

}  // namespace zk
