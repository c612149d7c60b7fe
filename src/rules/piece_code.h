// Piece codes: a signed kind 1..39 per square, plus the five mid-move codes
// (±18.1, ±18.2, ±24.1, ±33.1, ±34.1) held exactly as integer tenths so that
// 18.1, 18.2 and 18 can never be confused.
#pragma once

#include <cstdlib>

namespace zk {

class PieceCode {
public:
    constexpr PieceCode() = default;
    // A whole code: 0 (empty), ±1..±39.
    constexpr PieceCode(int whole) : tenths_(whole * 10) {}

    // A code given in tenths, e.g. fromTenths(181) is 18.1.
    static constexpr PieceCode fromTenths(int tenths) {
        PieceCode c;
        c.tenths_ = tenths;
        return c;
    }

    constexpr int tenths() const { return tenths_; }
    // The integer part, cut toward zero (18.1 -> 18, -24.1 -> -24).
    constexpr int whole() const { return tenths_ / 10; }
    // Magnitude of the kind as an integer (indexes pieceValue).
    constexpr int kind() const { return (tenths_ < 0 ? -tenths_ : tenths_) / 10; }
    constexpr bool isMidMove() const { return tenths_ % 10 != 0; }
    constexpr bool isEmpty() const { return tenths_ == 0; }

    constexpr PieceCode operator-() const { return fromTenths(-tenths_); }

    friend constexpr bool operator==(PieceCode a, PieceCode b) { return a.tenths_ == b.tenths_; }
    friend constexpr bool operator!=(PieceCode a, PieceCode b) { return a.tenths_ != b.tenths_; }
    friend constexpr bool operator<(PieceCode a, PieceCode b) { return a.tenths_ < b.tenths_; }
    friend constexpr bool operator<=(PieceCode a, PieceCode b) { return a.tenths_ <= b.tenths_; }
    friend constexpr bool operator>(PieceCode a, PieceCode b) { return a.tenths_ > b.tenths_; }
    friend constexpr bool operator>=(PieceCode a, PieceCode b) { return a.tenths_ >= b.tenths_; }
    // Comparisons with whole numbers (thresholds such as >= 1 or <= -1).
    friend constexpr bool operator==(PieceCode a, int b) { return a.tenths_ == b * 10; }
    friend constexpr bool operator!=(PieceCode a, int b) { return a.tenths_ != b * 10; }
    friend constexpr bool operator<(PieceCode a, int b) { return a.tenths_ < b * 10; }
    friend constexpr bool operator<=(PieceCode a, int b) { return a.tenths_ <= b * 10; }
    friend constexpr bool operator>(PieceCode a, int b) { return a.tenths_ > b * 10; }
    friend constexpr bool operator>=(PieceCode a, int b) { return a.tenths_ >= b * 10; }

private:
    int tenths_ = 0;
};

// One named constant per signed code. COM_ codes are positive (top side),
// MAN_ codes negative (bottom side). _R marks the promoted-form code of a
// kind that exists under two codes, _B the plain one (as the faces do).
namespace code {
constexpr PieceCode EMPTY = 0;
#define ZK_CODE(name, n)                           \
    constexpr PieceCode COM_##name = PieceCode(n); \
    constexpr PieceCode MAN_##name = PieceCode(-(n));
ZK_CODE(歩, 1)
ZK_CODE(と, 2)
ZK_CODE(香, 3)
ZK_CODE(白, 4)
ZK_CODE(銅, 5)
ZK_CODE(横_R, 6)
ZK_CODE(横_B, 7)
ZK_CODE(猪, 8)
ZK_CODE(銀, 9)
ZK_CODE(竪_R, 10)
ZK_CODE(竪_B, 11)
ZK_CODE(牛, 12)
ZK_CODE(金, 13)
ZK_CODE(飛_R, 14)
ZK_CODE(飛_B, 15)
ZK_CODE(龍_R, 16)
ZK_CODE(龍_B, 17)
ZK_CODE(鷲, 18)
ZK_CODE(豹, 19)
ZK_CODE(角_R, 20)
ZK_CODE(角_B, 21)
ZK_CODE(馬_R, 22)
ZK_CODE(馬_B, 23)
ZK_CODE(鷹, 24)
ZK_CODE(鳳, 25)
ZK_CODE(奔_R, 26)
ZK_CODE(奔_B, 27)
ZK_CODE(反, 28)
ZK_CODE(鯨, 29)
ZK_CODE(虎, 30)
ZK_CODE(鹿, 31)
ZK_CODE(麒, 32)
ZK_CODE(獅_R, 33)
ZK_CODE(獅_B, 34)
ZK_CODE(仲, 35)
ZK_CODE(象_R, 36)
ZK_CODE(象_B, 37)
ZK_CODE(太, 38)
ZK_CODE(王, 39)
#undef ZK_CODE
// Mid-move codes of a piece between the two steps of a two-step move.
constexpr PieceCode COM_鷲_1 = PieceCode::fromTenths(181);
constexpr PieceCode COM_鷲_2 = PieceCode::fromTenths(182);
constexpr PieceCode COM_鷹_1 = PieceCode::fromTenths(241);
constexpr PieceCode COM_獅_R_1 = PieceCode::fromTenths(331);
constexpr PieceCode COM_獅_B_1 = PieceCode::fromTenths(341);
constexpr PieceCode MAN_鷲_1 = PieceCode::fromTenths(-181);
constexpr PieceCode MAN_鷲_2 = PieceCode::fromTenths(-182);
constexpr PieceCode MAN_鷹_1 = PieceCode::fromTenths(-241);
constexpr PieceCode MAN_獅_R_1 = PieceCode::fromTenths(-331);
constexpr PieceCode MAN_獅_B_1 = PieceCode::fromTenths(-341);
}  // namespace code

}  // namespace zk
