// Reading the labels beside the board off the screen model.
#pragma once

#include <string>
#include <vector>

#include "draw.h"
#include "headless_platform.h"

namespace zk {

// Texts anchored in the side-panel line whose cell row starts at `row`
// (labels of the top side sit on row 5, of the bottom side on row 6), in
// drawing order, within the label column 14..15.
inline std::vector<std::string> panelTexts(HeadlessPlatform& ui, int row) {
    const int left = cellX(14), top = cellY(row);
    return ui.screen().textsIn(left, top, cellX(15) - left, cellY(row + 1) - top);
}

}  // namespace zk
