// Putting a move on the board and on the screen.
#include "draw.h"

namespace zk {

// Move a piece code from one square to another; whatever stood on the
// destination leaves the game, and a promotion is made by passing the new code.
void 駒移動(State& s, int IN_移動元X, int IN_移動元Y, int IN_移動先X, int IN_移動先Y,
            PieceCode IN_移動駒) {
    描画_移動可能桝色(s, IN_移動元X, IN_移動元Y, State::boardGridColour, IN_移動駒);
    描画_桝(s, IN_移動元X, IN_移動元Y);
    s.Board[IN_移動先X][IN_移動先Y] = IN_移動駒;
    描画_駒(s, IN_移動駒, IN_移動先X, IN_移動先Y);
    // A move onto its own square must not empty the square it just filled.
    if (IN_移動元X != IN_移動先X || IN_移動元Y != IN_移動先Y)
        s.Board[IN_移動元X][IN_移動元Y] = code::EMPTY;
    描画_桝輪郭(s, State::boardColour, IN_移動先X, IN_移動先Y);
}

}  // namespace zk
