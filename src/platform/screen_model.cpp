#include "screen_model.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zk {

namespace {

bool inside(int x, int y, int w, int h, int px, int py) {
    return px >= x && py >= y && px < x + w && py < y + h;
}

// Half-open containment: [ix, ix+iw) x [iy, iy+ih) inside [x, x+w) x [y, y+h).
bool covers(int x, int y, int w, int h, const ScreenItem& it) {
    return it.x >= x && it.y >= y && it.x + it.w <= x + w && it.y + it.h <= y + h;
}

bool meet(const TwipRect& a, const TwipRect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

long long floorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int clampInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// Same kind and the same key: the bounds of an outline, the anchor of a text,
// everything of a fill or an image.
bool sameKey(const ScreenItem& a, const ScreenItem& b) {
    if (a.kind != b.kind || a.x != b.x || a.y != b.y) return false;
    switch (a.kind) {
        case ScreenItem::Kind::Text:
            return true;
        case ScreenItem::Kind::Rect:
            return a.w == b.w && a.h == b.h;
        case ScreenItem::Kind::FillRect:
        case ScreenItem::Kind::Image:
            return a.w == b.w && a.h == b.h && a.colour == b.colour && a.text == b.text;
    }
    return false;
}

bool identical(const ScreenItem& a, const ScreenItem& b) {
    return sameKey(a, b) && a.w == b.w && a.h == b.h && a.colour == b.colour && a.text == b.text &&
           a.fontSize == b.fontSize && a.bold == b.bold && a.shadowDx == b.shadowDx &&
           a.shadowDy == b.shadowDy;
}

}  // namespace

ScreenModel::ScreenModel() : buckets_(kCols * kRows) {}

int ScreenModel::colOf(long long x) {
    return static_cast<int>(
        std::clamp<long long>(floorDiv(x - kCellOriginX, kCellWidth) - kFirstCol, 0, kCols - 1));
}

int ScreenModel::rowOf(long long y) {
    return static_cast<int>(
        std::clamp<long long>(floorDiv(y - kCellOriginY, kCellHeight) - kFirstRow, 0, kRows - 1));
}

TwipRect ScreenModel::reach(const ScreenItem& it) {
    if (it.kind != ScreenItem::Kind::Text) return {it.x, it.y, it.w, it.h};
    const long long em = std::max(it.fontSize, 1) * 20LL;
    long long chars = 0;
    for (unsigned char c : it.text) chars += (c & 0xC0) != 0x80;
    // A shadow paints near the text it shades, up and left of its own anchor.
    const long long dx = std::max(it.shadowDx, 0), dy = std::max(it.shadowDy, 0);
    return {clampInt(it.x - dx), clampInt(it.y - dy), clampInt(chars * em + em / 2 + dx),
            clampInt(2 * em + dy)};
}

int ScreenModel::shadowPixels(double devicePixelsPerTwip) {
    const long p = std::lround(kTwipsPerPixel * devicePixelsPerTwip);
    return static_cast<int>(std::clamp<long>(p, 1, 2));
}

void ScreenModel::markDirty(const TwipRect& r) {
    if (r.empty()) return;
    if (dirty_.empty()) {
        dirty_ = r;
        return;
    }
    const long long x0 = std::min(dirty_.x, r.x), y0 = std::min(dirty_.y, r.y);
    const long long x1 = std::max<long long>(dirty_.x + 0LL + dirty_.w, r.x + 0LL + r.w);
    const long long y1 = std::max<long long>(dirty_.y + 0LL + dirty_.h, r.y + 0LL + r.h);
    dirty_ = {clampInt(x0), clampInt(y0), clampInt(x1 - x0), clampInt(y1 - y0)};
}

TwipRect ScreenModel::takeDirty() {
    TwipRect r = dirty_;
    dirty_ = {};
    return r;
}

int ScreenModel::findSame(const ScreenItem& item) const {
    const int bucket = bucketOf(item.x, item.y);
    for (int i : buckets_[bucket]) {
        const Node& n = nodes_[i];
        if (n.home == bucket && sameKey(n.item, item)) return i;
    }
    return -1;
}

bool ScreenModel::onTop(int i) const {
    const Node& n = nodes_[i];
    for (int row = n.row0; row <= n.row1; ++row)
        for (int col = n.col0; col <= n.col1; ++col) {
            const std::vector<int>& b = buckets_[row * kCols + col];
            if (b.back() == i) continue;
            auto it = std::find(b.begin(), b.end(), i);
            for (++it; it != b.end(); ++it)
                if (meet(nodes_[*it].reach, n.reach)) return false;
        }
    return true;
}

void ScreenModel::add(ScreenItem item) {
    int i;
    if (free_.empty()) {
        i = static_cast<int>(nodes_.size());
        nodes_.emplace_back();
    } else {
        i = free_.back();
        free_.pop_back();
    }
    Node& n = nodes_[i];
    n.item = std::move(item);
    n.reach = reach(n.item);
    n.stamp = ++stamp_;
    n.col0 = colOf(n.reach.x);
    n.col1 = colOf(n.reach.x + n.reach.w - 1LL);
    n.row0 = rowOf(n.reach.y);
    n.row1 = rowOf(n.reach.y + n.reach.h - 1LL);
    n.home = bucketOf(n.item.x, n.item.y);
    n.prev = tail_;
    n.next = -1;
    (tail_ < 0 ? head_ : nodes_[tail_].next) = i;
    tail_ = i;
    for (int row = n.row0; row <= n.row1; ++row)
        for (int col = n.col0; col <= n.col1; ++col) buckets_[row * kCols + col].push_back(i);
    markDirty(n.reach);
    ++count_;
    ++generation_;
}

void ScreenModel::raise(int i) {
    Node& n = nodes_[i];
    n.stamp = ++stamp_;
    if (tail_ != i) {
        (n.prev < 0 ? head_ : nodes_[n.prev].next) = n.next;
        nodes_[n.next].prev = n.prev;
        n.prev = tail_;
        n.next = -1;
        nodes_[tail_].next = i;
        tail_ = i;
    }
    for (int row = n.row0; row <= n.row1; ++row)
        for (int col = n.col0; col <= n.col1; ++col) {
            std::vector<int>& b = buckets_[row * kCols + col];
            if (b.back() == i) continue;
            auto it = std::find(b.begin(), b.end(), i);
            std::rotate(it, it + 1, b.end());
        }
    ++order_;
}

void ScreenModel::remove(int i) {
    Node& n = nodes_[i];
    (n.prev < 0 ? head_ : nodes_[n.prev].next) = n.next;
    (n.next < 0 ? tail_ : nodes_[n.next].prev) = n.prev;
    for (int row = n.row0; row <= n.row1; ++row)
        for (int col = n.col0; col <= n.col1; ++col) {
            std::vector<int>& b = buckets_[row * kCols + col];
            b.erase(std::find(b.begin(), b.end(), i));
        }
    markDirty(n.reach);
    n.item.text.clear();
    free_.push_back(i);
    --count_;
    ++generation_;
}

void ScreenModel::removeCoveredBy(int x, int y, int w, int h) {
    // A covered item's anchor lies inside the rectangle, so its home bucket is
    // one of the rectangle's; looking at each item only in its home bucket
    // sees it once.
    scratch_.clear();
    forEachAnchoredIn(x, y, w, h, [&](int i) {
        const ScreenItem& it = nodes_[i].item;
        const bool gone = it.kind == ScreenItem::Kind::Text ? inside(x, y, w, h, it.x, it.y)
                                                            : covers(x, y, w, h, it);
        if (gone) scratch_.push_back(i);
    });
    for (int i : scratch_) remove(i);
}

void ScreenModel::fillRect(int x, int y, int w, int h, int colour) {
    if (w <= 0 || h <= 0) return;
    ScreenItem item{ScreenItem::Kind::FillRect, x, y, w, h, colour, {}, 0, false, 0, 0};
    const int same = findSame(item);
    if (same >= 0 && onTop(same)) return raise(same);
    removeCoveredBy(x, y, w, h);
    add(std::move(item));
}

void ScreenModel::outlineRect(int x, int y, int w, int h, int colour) {
    if (w <= 0 || h <= 0) return;
    // The usual case, a square's outline again over its own square: last in
    // the one bucket it meets, so on top of everything.
    const std::vector<int>& b = buckets_[bucketOf(x, y)];
    if (!b.empty()) {
        const Node& n = nodes_[b.back()];
        if (n.item.kind == ScreenItem::Kind::Rect && n.item.x == x && n.item.y == y &&
            n.item.w == w && n.item.h == h && n.item.colour == colour && n.col0 == n.col1 &&
            n.row0 == n.row1)
            return raise(b.back());
    }
    ScreenItem item{ScreenItem::Kind::Rect, x, y, w, h, colour, {}, 0, false, 0, 0};
    const int same = findSame(item);
    if (same >= 0) {
        if (nodes_[same].item.colour == colour && onTop(same)) return raise(same);
        remove(same);
    }
    add(std::move(item));
}

void ScreenModel::text(int x, int y, const std::string& s, int colour, int fontSize, bool bold,
                       int shadowDx, int shadowDy) {
    // Rough extent: a full-width character is about one em (20 twips a point).
    const int em = fontSize * 20;
    const int w = static_cast<int>(s.size()) * em / 3;
    ScreenItem item{
        ScreenItem::Kind::Text, x, y, w, em, colour, s, fontSize, bold, shadowDx, shadowDy};
    const int same = findSame(item);
    if (same >= 0) {
        if (identical(nodes_[same].item, item) && onTop(same)) return raise(same);
        remove(same);
    }
    add(std::move(item));
}

void ScreenModel::image(int x, int y, const std::string& name) {
    int w = 0, h = 0;
    imageSize(name, w, h);
    ScreenItem item{ScreenItem::Kind::Image, x, y, w, h, 0, name, 0, false, 0, 0};
    const int same = findSame(item);
    if (same >= 0 && onTop(same)) return raise(same);
    removeCoveredBy(x, y, w, h);
    add(std::move(item));
}

void ScreenModel::clear() {
    for (int i = head_; i >= 0; i = nodes_[i].next) markDirty(nodes_[i].reach);
    nodes_.clear();
    free_.clear();
    for (auto& b : buckets_) b.clear();
    head_ = tail_ = -1;
    count_ = 0;
    ++generation_;
}

const std::vector<ScreenItem>& ScreenModel::items() const {
    if (orderedGeneration_ != generation_ || orderedOrder_ != order_) {
        ordered_.clear();
        for (int i = head_; i >= 0; i = nodes_[i].next) ordered_.push_back(nodes_[i].item);
        orderedGeneration_ = generation_;
        orderedOrder_ = order_;
    }
    return ordered_;
}

std::string ScreenModel::imageAt(int x, int y) const {
    const std::vector<int>& b = buckets_[bucketOf(x, y)];
    for (auto it = b.rbegin(); it != b.rend(); ++it) {
        const ScreenItem& item = nodes_[*it].item;
        if (!inside(item.x, item.y, item.w, item.h, x, y)) continue;
        if (item.kind == ScreenItem::Kind::Image) return item.text;
        if (item.kind == ScreenItem::Kind::FillRect) return "";
    }
    return "";
}

int ScreenModel::outlineColour(int x, int y, int w, int h) const {
    if (w <= 0 || h <= 0) return -1;
    const int i = findSame({ScreenItem::Kind::Rect, x, y, w, h, 0, {}, 0, false});
    return i < 0 ? -1 : nodes_[i].item.colour;
}

std::vector<std::string> ScreenModel::textsIn(int x, int y, int w, int h) const {
    std::vector<std::string> out;
    if (w <= 0 || h <= 0) return out;
    std::vector<const Node*> found;
    forEachAnchoredIn(x, y, w, h, [&](int i) {
        const Node& n = nodes_[i];
        if (n.item.kind == ScreenItem::Kind::Text && inside(x, y, w, h, n.item.x, n.item.y))
            found.push_back(&n);
    });
    std::sort(found.begin(), found.end(),
              [](const Node* a, const Node* b) { return a->stamp < b->stamp; });
    for (const Node* n : found) out.push_back(n->item.text);
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
