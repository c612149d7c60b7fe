#include "screen_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

namespace zk {
namespace {

using Kind = ScreenItem::Kind;

auto key(const ScreenItem& it) {
    return std::tie(it.kind, it.x, it.y, it.w, it.h, it.colour, it.text, it.fontSize, it.bold);
}

// The display list as one plain vector searched whole on every call: what the
// model must keep, item for item and in the same order.
struct ListModel {
    std::vector<ScreenItem> items;

    void dropCovered(int x, int y, int w, int h) {
        std::erase_if(items, [&](const ScreenItem& it) {
            if (it.kind == Kind::Text)
                return it.x >= x && it.y >= y && it.x < x + w && it.y < y + h;
            return it.x >= x && it.y >= y && it.x + it.w <= x + w && it.y + it.h <= y + h;
        });
    }
    void fillRect(int x, int y, int w, int h, int c) {
        dropCovered(x, y, w, h);
        items.push_back({Kind::FillRect, x, y, w, h, c, {}, 0, false});
    }
    void outlineRect(int x, int y, int w, int h, int c) {
        std::erase_if(items, [&](const ScreenItem& it) {
            return it.kind == Kind::Rect && it.x == x && it.y == y && it.w == w && it.h == h;
        });
        items.push_back({Kind::Rect, x, y, w, h, c, {}, 0, false});
    }
    void text(int x, int y, const std::string& s, int c, int size, bool bold) {
        std::erase_if(items, [&](const ScreenItem& it) {
            return it.kind == Kind::Text && it.x == x && it.y == y;
        });
        items.push_back({Kind::Text, x, y, static_cast<int>(s.size()) * size * 20 / 3, size * 20, c,
                         s, size, bold});
    }
    void image(int x, int y, const std::string& name) {
        int w = 0, h = 0;
        ScreenModel::imageSize(name, w, h);
        dropCovered(x, y, w, h);
        items.push_back({Kind::Image, x, y, w, h, 0, name, 0, false});
    }
    // Everything that paints over the point, bottom first.
    std::vector<ScreenItem> stackAt(int px, int py) const {
        std::vector<ScreenItem> out;
        for (const auto& it : items) {
            const TwipRect r = ScreenModel::reach(it);
            if (px >= r.x && py >= r.y && px < r.x + r.w && py < r.y + r.h) out.push_back(it);
        }
        return out;
    }
};

bool sameItems(const std::vector<ScreenItem>& a, const std::vector<ScreenItem>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ScreenItem& x, const ScreenItem& y) { return key(x) == key(y); });
}

constexpr int W = ScreenModel::kCellWidth, H = ScreenModel::kCellHeight;
constexpr int X0 = ScreenModel::kCellOriginX, Y0 = ScreenModel::kCellOriginY;

TEST(ScreenModel, AnOutlineIsReplacedInPlaceAndARedrawOnTopChangesNothing) {
    ScreenModel m;
    m.image(X0 + W, Y0 + H, "UE_HU");
    m.outlineRect(X0 + W, Y0 + H, W, H, 2);
    m.outlineRect(X0 + 2 * W, Y0 + H, W, H, 2);
    m.takeDirty();
    m.outlineRect(X0 + W, Y0 + H, W, H, 12);
    EXPECT_EQ(m.size(), 3u);
    EXPECT_EQ(m.outlineColour(X0 + W, Y0 + H, W, H), 12);
    EXPECT_EQ(m.items().back().colour, 12);
    EXPECT_EQ(m.takeDirty(), (TwipRect{X0 + W, Y0 + H, W, H}));
    EXPECT_EQ(m.imageAt(X0 + W + 1, Y0 + H + 1), "UE_HU");

    const auto generation = m.generation();
    m.outlineRect(X0 + W, Y0 + H, W, H, 12);
    m.outlineRect(X0 + 2 * W, Y0 + H, W, H, 2);  // its neighbour only touches it
    EXPECT_EQ(m.generation(), generation);
    EXPECT_TRUE(m.dirty().empty());
    EXPECT_EQ(m.items().back().x, X0 + 2 * W);  // still last in the list, as drawn
}

TEST(ScreenModel, AnOpaqueItemRemovesWhatItCoversAndDirtiesWhereTheyPainted) {
    ScreenModel m;
    m.image(X0, Y0, "KARA_MASU");
    m.outlineRect(X0, Y0, W, H, 12);
    m.text(X0 + 10, Y0 + 10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", 15, 10, false);  // runs far to the right
    m.outlineRect(X0 - 1, Y0, W, H, 3);                          // sticks out by a twip
    m.takeDirty();
    m.fillRect(X0, Y0, W, H, 2);
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m.items()[0].colour, 3);
    EXPECT_EQ(m.items()[1].kind, Kind::FillRect);
    EXPECT_EQ(m.imageAt(X0 + 5, Y0 + 5), "");
    EXPECT_EQ(m.outlineColour(X0, Y0, W, H), -1);
    EXPECT_TRUE(m.textsIn(X0, Y0, W, H).empty());
    const TwipRect d = m.takeDirty();
    EXPECT_EQ(d.x, X0);
    EXPECT_EQ(d.h, H);
    EXPECT_GE(d.x + d.w, X0 + 10 + 13 * 200);  // thirteen characters of the removed text
    m.clear();
    EXPECT_EQ(m.dirty(), (TwipRect{X0 - 1, Y0, W + 1, H}));
}

// Random drawing near and across the bucket grid, beyond its margin too: the
// list, every query and the dirty rectangle agree with the plain list.
TEST(ScreenModel, RandomDrawingMatchesThePlainList) {
    std::mt19937 rng(13);
    auto pick = [&](int n) { return static_cast<int>(rng() % n); };
    const int xs[] = {-40000,           -300,       X0 - W, X0, X0 + 85, X0 + W,
                      X0 + 2 * W - 170, X0 + 3 * W, 40000};
    const int ys[] = {-40000, Y0 - H, Y0, Y0 + 100, Y0 + H, Y0 + 2 * H + 300, Y0 + 3 * H, 40000};
    const int sizes[][2] = {{W, H}, {85, 100}, {2 * W, H}, {3 * W, 2 * H}, {W, 3 * H}, {0, H}};
    const char* texts[] = {"1", "LEVEL", "十二", " 思考中"};
    const char* images[] = {"KARA_MASU", "UE_HU", "TITLE"};

    ScreenModel m;
    ListModel ref;
    for (int step = 0; step < 4000; ++step) {
        const int x = xs[pick(9)], y = ys[pick(8)];
        const auto& size = sizes[pick(6)];
        const int colour = 1 + pick(3);
        const std::vector<ScreenItem> before = ref.items;
        m.takeDirty();
        switch (pick(5)) {
            case 0:
                if (size[0] > 0) ref.fillRect(x, y, size[0], size[1], colour);
                m.fillRect(x, y, size[0], size[1], colour);
                break;
            case 1:
            case 2:
                if (size[0] > 0) ref.outlineRect(x, y, size[0], size[1], colour);
                m.outlineRect(x, y, size[0], size[1], colour);
                break;
            case 3: {
                const std::string s = texts[pick(4)];
                const int fontSize = 10 + 2 * pick(2);
                ref.text(x, y, s, colour, fontSize, false);
                m.text(x, y, s, colour, fontSize, false);
                break;
            }
            default: {
                const std::string name = images[pick(3)];
                ref.image(x, y, name);
                m.image(x, y, name);
            }
        }
        ASSERT_TRUE(sameItems(m.items(), ref.items)) << "step " << step;
        ASSERT_EQ(m.size(), ref.items.size());

        // Outside the dirty rectangle every point is painted as before.
        const TwipRect d = m.dirty();
        ListModel old{before};
        for (int i = 0; i < 8; ++i) {
            const int px = xs[pick(9)] + pick(700) - 100, py = ys[pick(8)] + pick(700) - 100;
            const bool out =
                d.empty() || px < d.x || py < d.y || px >= d.x + d.w || py >= d.y + d.h;
            if (out) {
                ASSERT_TRUE(sameItems(old.stackAt(px, py), ref.stackAt(px, py))) << step;
            }
        }
    }
    // The queries against a search of the whole list.
    for (int i = 0; i < 2000; ++i) {
        const bool onLattice = pick(2);
        const int px = xs[pick(9)] + (onLattice ? 0 : pick(700) - 100);
        const int py = ys[pick(8)] + (onLattice ? 0 : pick(700) - 100);
        std::string image;
        for (auto it = ref.items.rbegin(); it != ref.items.rend(); ++it) {
            if (px < it->x || py < it->y || px >= it->x + it->w || py >= it->y + it->h) continue;
            if (it->kind == Kind::FillRect) break;
            if (it->kind == Kind::Image) {
                image = it->text;
                break;
            }
        }
        EXPECT_EQ(m.imageAt(px, py), image);
        const auto& size = sizes[pick(5)];
        int colour = -1;
        std::vector<std::string> inside;
        for (const auto& it : ref.items) {
            if (it.kind == Kind::Rect && it.x == px && it.y == py && it.w == size[0] &&
                it.h == size[1])
                colour = it.colour;
            if (it.kind == Kind::Text && it.x >= px && it.y >= py && it.x < px + size[0] &&
                it.y < py + size[1])
                inside.push_back(it.text);
        }
        EXPECT_EQ(m.outlineColour(px, py, size[0], size[1]), colour);
        EXPECT_EQ(m.textsIn(px, py, size[0], size[1]), inside);
    }
}

// A drop shadow stays one or two device pixels off its text from a tiny window
// to an 8K one, and its reach covers the text's place, where it is drawn.
TEST(ScreenModel, AShadowStaysThinAtEverySizeAndReachesItsText) {
    // Device pixels a twip: a 300-pixel window up to 7680 pixels at twice the ratio.
    for (double k = 0.01; k <= 2.0; k *= 1.1) {
        const int d = ScreenModel::shadowPixels(k);
        EXPECT_GE(d, 1) << k;
        EXPECT_LE(d, 2) << k;
    }
    EXPECT_EQ(ScreenModel::shadowPixels(3840.0 / 9400), 2);
    EXPECT_EQ(ScreenModel::shadowPixels(320.0 / 9400), 1);
    ScreenModel m;
    m.text(1000, 2000, "十一", 0, 10, true, 51, 60);
    const TwipRect r = ScreenModel::reach(m.items().at(0));
    EXPECT_LE(r.x, 1000 - 51);
    EXPECT_LE(r.y, 2000 - 60);
    EXPECT_GE(r.x + r.w, 1000 + 2 * 200);
    // The same text drawn as an ordinary one replaces the shadow.
    m.text(1000, 2000, "十一", 0, 10, true);
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m.items().at(0).shadowDx, 0);
}

}  // namespace
}  // namespace zk
