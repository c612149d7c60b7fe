#include "side_labels.h"

#include "draw.h"

namespace zk {

namespace {

constexpr int kPanelWidth = 595, kPanelHeight = 800;

// A white label over its shadow.
void 影付き文字(State& s, double x, double y, const std::string& text, int size) {
    描画_影付き文字(s.screen, x, y, text, Screen::textWhite, size);
}

}  // namespace

void 描画_対COM名札(State& s) {
    描画_四角形(s.screen, 14, 5.1, kPanelWidth, kPanelHeight, Screen::boardColour);
    影付き文字(s, 14, 5.05, "COM:", 10);
    影付き文字(s, 14, 6.05, "MAN:", 10);
}

void 描画_対人名札(State& s, const std::string& upper, const std::string& lower) {
    描画_四角形(s.screen, 14, 5.08, kPanelWidth, kPanelHeight, Screen::boardColour);
    影付き文字(s, 14, 5.08, upper, 11);
    影付き文字(s, 14, 6.08, lower, 11);
}

}  // namespace zk
