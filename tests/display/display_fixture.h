// The window's state on the headless platform, with helpers that read the picture back
// by square.
#pragma once

#include <gtest/gtest.h>

#include "board_screen.h"
#include "draw.h"
#include "headless_platform.h"
#include "pieces.h"

namespace zk::test {

class DisplayTest : public ::testing::Test {
protected:
    DisplayTest() { s.screen.ui = &ui; }

    ScreenModel& screen() { return ui.screen(); }
    // The image that shows in the middle of square (x, y).
    std::string imageOn(int x, int y) {
        return screen().imageAt(cellX(x) + Screen::squareWidth / 2,
                                cellY(y) + Screen::squareHeight / 2);
    }
    // Colour of the outline around square (x, y), or -1.
    int outlineOf(int x, int y) {
        return screen().outlineColour(cellX(x), cellY(y), Screen::squareWidth,
                                      Screen::squareHeight);
    }
    // The text item anchored exactly at (x, y) twips, or nullptr.
    const ScreenItem* textAt(int x, int y) {
        const ScreenItem* found = nullptr;
        for (const auto& it : screen().items())
            if (it.kind == ScreenItem::Kind::Text && it.x == x && it.y == y) found = &it;
        return found;
    }
    // Every text on the screen, in drawing order.
    std::vector<std::string> allTexts() {
        std::vector<std::string> out;
        for (const auto& it : screen().items())
            if (it.kind == ScreenItem::Kind::Text) out.push_back(it.text);
        return out;
    }

    HeadlessPlatform ui;
    State s;
};

}  // namespace zk::test
