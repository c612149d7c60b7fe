// Influence maps: for every square, how many pieces of each side reach it,
// the cheapest guard and attacker, the checking lines, and where the royal
// pieces and the human lion stand. Each survey rebuilds only its own side.
#pragma once

#include <array>
#include <cstdint>

#include "com_state.h"

namespace zk {

void 勢力調査_MAN(ComState& s);
void 勢力調査_COM(ComState& s);

// Members (record one reach; walk one line; the gold pattern).
void 勢力調査_自駒(ComState& s, int IN_X1, int IN_Y1, int IN_X2, int IN_Y2, PieceCode IN_駒);
void 勢力調査_敵駒(ComState& s, int IN_X1, int IN_Y1, int IN_X2, int IN_Y2, PieceCode IN_駒);
void 勢力確定上直進(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定下直進(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定右直進(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定左直進(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定自角_上(ComState& s, PieceCode 入力駒, int 入力X, int 入力Y);
void 勢力確定自角_下(ComState& s, PieceCode 入力駒, int 入力X, int 入力Y);
void 勢力確定敵角_上(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定敵角_下(ComState& s, PieceCode 駒種類, int 入力X, int 入力Y);
void 勢力確定自金(ComState& s, PieceCode 駒種類, int 移動元X, int 移動元Y);
void 勢力確定敵金(ComState& s, PieceCode 駒種類, int 移動元X, int 移動元Y);

// The MAN maps of one position with, for every square, the human pieces that
// reach it in the surveys' order, so that the maps after one computer move
// can be patched on the squares it changes instead of rebuilt.
struct ManSurveyBase {
    static constexpr int kMaxReachers = 48;
    bool valid = false;
    BoardGrid board{};
    IntGrid influence{}, guardValue{}, attackValue{}, attackerX{}, attackerY{};
    // The royal and lion squares the survey writes (x of 0: none found).
    int kingX = 0, kingY = 0, princeX = 0, princeY = 0, lionX = 0, lionY = 0;
    std::array<std::uint8_t, 169> count{};
    // Source square (x * 13 + y) in the low byte, how it reaches above.
    std::array<std::array<std::uint16_t, kMaxReachers>, 169> reacher{};
};

// The squares a patch wrote. Passed to the next patch of the same maps while
// nothing else wrote them (`known`), it lets that patch put back only these
// squares from the base instead of every map whole.
struct PatchTrail {
    bool known = false;
    int count = 0;
    std::array<std::uint8_t, 169> square{};
    // The COM patch's square lifted, and the squares of the trail whose values
    // came from that lift alone (liftOnly equal to stamp): the next trial of
    // the same piece finds them already right.
    int lifted = -1;
    std::uint32_t stamp = 0;
    std::array<std::uint32_t, 169> liftOnly{};
    // The squares the moved piece reaches from its destination (COM patch).
    int reachCount = 0;
    std::array<std::uint8_t, 169> reach{};
};

// Take Board and the MAN maps now in `s` (just rebuilt for Board) as the base.
void 勢力基準_MAN(const ComState& s, ManSurveyBase& base);

// Patch the MAN maps for Board, which differs from the base only by a computer
// piece moved from (x, y) to (tx, ty), taking what stood there. The check
// marks are left as they were. False, with nothing written, when the move is
// not of that shape or takes a royal piece or a lion: then rebuild instead.
// With a trail, the squares written are left in it.
bool 勢力差分_MAN(ComState& s, const ManSurveyBase& base, int x, int y, int tx, int ty,
                  PatchTrail* trail = nullptr);

// The same for the COM maps. The survey leaves the COM guard and attacker
// squares where it enters nothing, so the base keeps what it enters (x of -1:
// nothing) and a patch leaves the rest as it finds them, as a rebuild does.
struct ComSurveyBase {
    static constexpr int kMaxReachers = 48;
    bool valid = false;
    BoardGrid board{};
    IntGrid influence{}, guardValue{}, attackValue{};
    int kingX = 0, kingY = 0, princeX = 0, princeY = 0;
    std::array<int, 169> value{};  // value of the piece on each square
    // What the survey enters in the guard and attacker squares, square by
    // square where it enters any (x of -1: that one not entered).
    struct Entered {
        int square, guardX, guardY, attackerX, attackerY;
    };
    int written = 0;
    std::array<Entered, 144> entered{};
    std::array<std::int16_t, 169> enteredAt{};  // index into entered, -1: none
    std::array<std::uint8_t, 169> count{};
    std::array<std::array<std::uint16_t, kMaxReachers>, 169> reacher{};
    // The entries of reacher that a line records, in the same order.
    std::array<std::uint8_t, 169> lineCount{};
    std::array<std::array<std::uint16_t, kMaxReachers>, 169> lineReacher{};
    // The squares each computer piece reaches: reachedCount[square] of them
    // from reached[reachedFrom[square]] on.
    std::array<std::uint16_t, 169> reachedFrom{};
    std::array<std::uint8_t, 169> reachedCount{};
    std::array<std::uint8_t, 169 * kMaxReachers> reached{};
    // How many squares each computer line records, by source square and
    // direction ((dx + 1) * 3 + dy + 1).
    std::array<std::uint8_t, 169 * 9> lineRun{};
    // 1 where the cheapest guard of a computer piece was entered with its
    // square: reachers dearer than it may come and go without changing it.
    std::array<std::uint8_t, 169> guardKept{};
};

void 勢力基準_COM(const ComState& s, ComSurveyBase& base);

// Patch the COM maps as 勢力差分_MAN patches the MAN maps; refused when a
// royal piece moves.
bool 勢力差分_COM(ComState& s, const ComSurveyBase& base, int x, int y, int tx, int ty,
                  PatchTrail* trail = nullptr);

std::uint64_t 勢力調査_COM_回数();

// How many times 勢力調査_MAN has run; tells a caller whether the maps were
// rebuilt since it patched them.
std::uint64_t 勢力調査_MAN_回数();

}  // namespace zk
