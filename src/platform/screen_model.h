// The retained picture of the window, in twips and colour numbers.
//
// Every drawing primitive of the program lands here as one item of a display
// list. A later opaque item (a filled rectangle or an image) removes earlier
// items it fully covers, and an outline or a text drawn at exactly the place
// of an earlier one replaces it, so the list stays bounded however long a game
// runs. Front ends paint the list scaled to their window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zk {

// Twips per pixel at the usual resolution the images were designed for.
constexpr int kTwipsPerPixel = 15;

struct ScreenItem {
    enum class Kind { FillRect, Rect, Text, Image };
    Kind kind = Kind::FillRect;
    int x = 0, y = 0;   // top-left, twips
    int w = 0, h = 0;   // size, twips (text: estimated extent)
    int colour = 0;     // colour number 0..15
    std::string text;   // Text: the characters; Image: the image name
    int fontSize = 10;  // points
    bool bold = false;
};

class ScreenModel {
public:
    void fillRect(int x, int y, int w, int h, int colour);
    void outlineRect(int x, int y, int w, int h, int colour);
    void text(int x, int y, const std::string& text, int colour, int fontSize, bool bold);
    void image(int x, int y, const std::string& name);
    void clear();

    const std::vector<ScreenItem>& items() const { return items_; }
    // Bumped on every change so a front end knows when to repaint.
    std::uint64_t generation() const { return generation_; }

    // The topmost image whose area contains the point, or "" when none.
    std::string imageAt(int x, int y) const;
    // Colour of the topmost outline with exactly these bounds, or -1.
    int outlineColour(int x, int y, int w, int h) const;
    // Every text item whose anchor lies inside the rectangle, in drawing order.
    std::vector<std::string> textsIn(int x, int y, int w, int h) const;

    // Size in twips of a named image (pieces and the empty square are one
    // square; the title is wider).
    static void imageSize(const std::string& name, int& w, int& h);

private:
    void removeCoveredBy(int x, int y, int w, int h);
    void add(ScreenItem item);

    std::vector<ScreenItem> items_;
    std::uint64_t generation_ = 0;
};

// RGB of a colour number of the classic 16-colour console palette.
std::uint32_t paletteRgb(int colour);

}  // namespace zk
