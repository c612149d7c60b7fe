// The retained picture of the window, in twips and colour numbers.
//
// Every drawing primitive of the program lands here as one item of a display
// list. A later opaque item (a filled rectangle or an image) removes earlier
// items it fully covers, and an outline or a text drawn at exactly the place
// of an earlier one replaces it, so the list stays bounded however long a game
// runs. Front ends paint the list scaled to their window.
//
// Items are filed in buckets of one board square, so every drawing call and
// every query touches only the few items near its place. An item paints only
// inside its reach (see reach()); two items whose reaches do not meet never
// touch the same pixel, so drawing an item again that is already on top of
// everything it meets changes nothing on the screen: it only moves to the end
// of the list, without counting as a change.
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
    // Text: a drop shadow of the text anchored shadowDx, shadowDy twips up and
    // left of it (0, 0: an ordinary text). Front ends draw it at that text's
    // place moved by shadowPixels(), so it stays a thin edge at every size.
    int shadowDx = 0, shadowDy = 0;
};

// A rectangle in twips, [x, x + w) x [y, y + h); empty when w or h is not positive.
struct TwipRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    bool operator==(const TwipRect&) const = default;
};

class ScreenModel {
public:
    // The bucket grid: one board square per bucket, aligned to the board.
    static constexpr int kCellOriginX = 200, kCellOriginY = -300;
    static constexpr int kCellWidth = 34 * kTwipsPerPixel, kCellHeight = 40 * kTwipsPerPixel;

    ScreenModel();

    void fillRect(int x, int y, int w, int h, int colour);
    // An outline of no area draws nothing, as a fill of no area.
    void outlineRect(int x, int y, int w, int h, int colour);
    void text(int x, int y, const std::string& text, int colour, int fontSize, bool bold,
              int shadowDx = 0, int shadowDy = 0);
    void image(int x, int y, const std::string& name);
    void clear();

    // Every item in painting order (built when first asked after a change).
    const std::vector<ScreenItem>& items() const;
    std::size_t size() const { return count_; }
    // Bumped on every change of the picture so a front end knows when to repaint.
    std::uint64_t generation() const { return generation_; }

    // The union of the reaches of every item added or removed since the last
    // takeDirty(): outside it the picture is as it was then.
    TwipRect dirty() const { return dirty_; }
    TwipRect takeDirty();

    // The topmost image whose area contains the point, or "" when none.
    std::string imageAt(int x, int y) const;
    // Colour of the topmost outline with exactly these bounds, or -1.
    int outlineColour(int x, int y, int w, int h) const;
    // Every text item whose anchor lies inside the rectangle, in drawing order.
    std::vector<std::string> textsIn(int x, int y, int w, int h) const;

    // Size in twips of a named image (pieces and the empty square are one
    // square; the title is wider).
    static void imageSize(const std::string& name, int& w, int& h);
    // Where an item may paint: its bounds, and for a text one em a character
    // plus half an em of overhang, two ems high (the box front ends draw it in).
    static TwipRect reach(const ScreenItem& item);
    // Device pixels a drop shadow lies right of and below its text when one
    // twip is that many device pixels: one design pixel, at least one device
    // pixel and never more than two, so a shadow never reads as a stroke.
    static int shadowPixels(double devicePixelsPerTwip);

private:
    static constexpr int kFirstCol = -2, kCols = 24;  // the window and a margin round it
    static constexpr int kFirstRow = -2, kRows = 20;

    struct Node {
        ScreenItem item;
        TwipRect reach;
        std::uint64_t stamp = 0;  // drawing order
        int prev = -1, next = -1;
        int col0 = 0, col1 = 0, row0 = 0, row1 = 0;  // buckets the reach meets
        int home = 0;                                // bucket of the anchor
    };

    static int colOf(long long x);
    static int rowOf(long long y);
    static int bucketOf(int x, int y) { return rowOf(y) * kCols + colOf(x); }

    // Call fn(index) once for every item whose anchor lies in a bucket that
    // the rectangle meets (each item is looked at in its home bucket only).
    template <typename Fn>
    void forEachAnchoredIn(int x, int y, int w, int h, Fn fn) const {
        const int col0 = colOf(x), col1 = colOf(x + w - 1LL);
        const int row0 = rowOf(y), row1 = rowOf(y + h - 1LL);
        for (int row = row0; row <= row1; ++row)
            for (int col = col0; col <= col1; ++col) {
                const int bucket = row * kCols + col;
                for (int i : buckets_[bucket])
                    if (nodes_[i].home == bucket) fn(i);
            }
    }

    // The item of this kind and key in the anchor's bucket, or -1.
    int findSame(const ScreenItem& item) const;
    // Whether no later item meets node i's reach.
    bool onTop(int i) const;
    void removeCoveredBy(int x, int y, int w, int h);
    void add(ScreenItem item);
    void remove(int i);
    // Move node i, on top of all it meets, to the end of the drawing order.
    void raise(int i);
    void markDirty(const TwipRect& r);

    std::vector<Node> nodes_;
    std::vector<int> free_;
    std::vector<std::vector<int>> buckets_;  // node indices in drawing order
    std::vector<int> scratch_;
    int head_ = -1, tail_ = -1;
    std::size_t count_ = 0;
    std::uint64_t stamp_ = 0;
    std::uint64_t generation_ = 0;
    std::uint64_t order_ = 0;  // bumped by raise(), which the generation ignores
    TwipRect dirty_;

    mutable std::vector<ScreenItem> ordered_;
    mutable std::uint64_t orderedGeneration_ = ~std::uint64_t{0}, orderedOrder_ = 0;
};

// RGB of a colour number of the classic 16-colour console palette.
std::uint32_t paletteRgb(int colour);

}  // namespace zk
