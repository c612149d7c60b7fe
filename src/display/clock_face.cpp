// The game clocks right of the board: the top side's above the bottom side's.
#include "draw.h"
#include "platform.h"

namespace zk {

namespace {

// The row of a side's clock (+1 the top side, -1 the bottom side).
double clockRow(int side) { return side > 0 ? 8.9 : 10.3; }

}  // namespace

// One side's clock on a cleared strip: its name, marked while its time runs,
// and its time in `colour`. An empty name clears the strip only.
void 描画_時計(Screen& s, int side, const std::string& name, const std::string& time, bool running,
               int colour) {
    const double row = clockRow(side);
    s.ui->screen().fillRect(cellX(14), cellY(row), 3200, 620, Screen::boardColour);
    if (name.empty()) return;
    描画_影付き文字(s, 14, row + 0.15, (running ? "▶" : "　") + name, Screen::textWhite, 11);
    描画_影付き文字(s, 16.3, row, time, colour, 16);
}

}  // namespace zk
