#include "screen_model.h"

#include <algorithm>

namespace zk {

namespace {

// Half-open containment: [ix, ix+iw) x [iy, iy+ih) inside [x, x+w) x [y, y+h).
bool covers(int x, int y, int w, int h, int ix, int iy, int iw, int ih) {
    return ix >= x && iy >= y && ix + iw <= x + w && iy + ih <= y + h;
}

bool inside(int x, int y, int w, int h, int px, int py) {
    return px >= x && py >= y && px < x + w && py < y + h;
}

}  // namespace

void ScreenModel::removeCoveredBy(int x, int y, int w, int h) {
    items_.erase(std::remove_if(items_.begin(), items_.end(),
                                [&](const ScreenItem& it) {
                                    if (it.kind == ScreenItem::Kind::Text)
                                        return inside(x, y, w, h, it.x, it.y);
                                    return covers(x, y, w, h, it.x, it.y, it.w, it.h);
                                }),
                 items_.end());
}

void ScreenModel::add(ScreenItem item) {
    items_.push_back(std::move(item));
    ++generation_;
}

void ScreenModel::fillRect(int x, int y, int w, int h, int colour) {
    if (w <= 0 || h <= 0) return;
    removeCoveredBy(x, y, w, h);
    add({ScreenItem::Kind::FillRect, x, y, w, h, colour, {}, 0, false});
}

void ScreenModel::outlineRect(int x, int y, int w, int h, int colour) {
    items_.erase(std::remove_if(items_.begin(), items_.end(),
                                [&](const ScreenItem& it) {
                                    return it.kind == ScreenItem::Kind::Rect && it.x == x &&
                                           it.y == y && it.w == w && it.h == h;
                                }),
                 items_.end());
    add({ScreenItem::Kind::Rect, x, y, w, h, colour, {}, 0, false});
}

void ScreenModel::text(int x, int y, const std::string& s, int colour, int fontSize, bool bold) {
    items_.erase(std::remove_if(items_.begin(), items_.end(),
                                [&](const ScreenItem& it) {
                                    return it.kind == ScreenItem::Kind::Text && it.x == x &&
                                           it.y == y;
                                }),
                 items_.end());
    // Rough extent: a full-width character is about one em (20 twips a point).
    int em = fontSize * 20;
    int w = static_cast<int>(s.size()) * em / 3;
    add({ScreenItem::Kind::Text, x, y, w, em, colour, s, fontSize, bold});
}

void ScreenModel::image(int x, int y, const std::string& name) {
    int w = 0, h = 0;
    imageSize(name, w, h);
    removeCoveredBy(x, y, w, h);
    add({ScreenItem::Kind::Image, x, y, w, h, 0, name, 0, false});
}

void ScreenModel::clear() {
    items_.clear();
    ++generation_;
}

std::string ScreenModel::imageAt(int x, int y) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        if (!inside(it->x, it->y, it->w, it->h, x, y)) continue;
        if (it->kind == ScreenItem::Kind::Image) return it->text;
        if (it->kind == ScreenItem::Kind::FillRect) return "";
    }
    return "";
}

int ScreenModel::outlineColour(int x, int y, int w, int h) const {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
        if (it->kind == ScreenItem::Kind::Rect && it->x == x && it->y == y && it->w == w &&
            it->h == h)
            return it->colour;
    return -1;
}

std::vector<std::string> ScreenModel::textsIn(int x, int y, int w, int h) const {
    std::vector<std::string> out;
    for (const auto& it : items_)
        if (it.kind == ScreenItem::Kind::Text && inside(x, y, w, h, it.x, it.y))
            out.push_back(it.text);
    return out;
}

void ScreenModel::imageSize(const std::string& name, int& w, int& h) {
    if (name == "TITLE") {
        w = 111 * kTwipsPerPixel;
        h = 32 * kTwipsPerPixel;
    } else {
        w = 34 * kTwipsPerPixel;
        h = 40 * kTwipsPerPixel;
    }
}

std::uint32_t paletteRgb(int colour) {
    static const std::uint32_t table[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return table[colour & 15];
}

}  // namespace zk
