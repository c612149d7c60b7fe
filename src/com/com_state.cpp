#include "com_state.h"

namespace zk {

namespace {

constexpr int kValues[40] = {0,  1,  7,  2,  6,  4,  12, 12, 14, 5,  13, 13, 15, 8,
                             17, 17, 22, 22, 25, 9,  16, 16, 23, 23, 24, 21, 26, 26,
                             11, 19, 10, 18, 20, 27, 27, 3,  28, 28, 29, 30};

}  // namespace

void 駒価値設定(ComState& s) {
    for (int i = 0; i < 40; ++i) s.pieceValue[i] = kValues[i];
}

}  // namespace zk
