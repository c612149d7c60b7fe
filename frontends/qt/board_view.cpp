#include "board_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPathStroker>
#include <cmath>

#include "piece_art.h"

namespace zkqt {

namespace {

QColor colourOf(int n) {
    const std::uint32_t rgb = zk::paletteRgb(n);
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

BoardView::BoardView(zk::ScreenModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kTwipsW / 30, kTwipsH / 30);
}

double BoardView::scale() const {
    return std::min(width() / double(kTwipsW), height() / double(kTwipsH));
}

QPointF BoardView::offset() const {
    const double k = scale();
    return {(width() - kTwipsW * k) / 2.0, (height() - kTwipsH * k) / 2.0};
}

QPoint BoardView::toTwips(const QPointF& pixel) const {
    const double k = scale();
    const QPointF o = offset();
    return {int(std::floor((pixel.x() - o.x()) / k)), int(std::floor((pixel.y() - o.y()) / k))};
}

QRect BoardView::toPixels(const QRect& t) const {
    const double k = scale();
    const QPointF o = offset();
    return QRect(int(std::lround(o.x() + t.x() * k)), int(std::lround(o.y() + t.y() * k)),
                 int(std::lround(t.width() * k)), int(std::lround(t.height() * k)));
}

QRect BoardView::coverOf(const zk::TwipRect& t) const {
    if (t.empty()) return {};
    // Two pixels round it: antialiased edges and rounded image edges spill
    // less than that.
    constexpr int kMargin = 2;
    const double k = scale();
    const QPointF o = offset();
    const int x0 = int(std::floor(o.x() + t.x * k)) - kMargin;
    const int y0 = int(std::floor(o.y() + t.y * k)) - kMargin;
    const int x1 = int(std::ceil(o.x() + (t.x + double(t.w)) * k)) + kMargin;
    const int y1 = int(std::ceil(o.y() + (t.y + double(t.h)) * k)) + kMargin;
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1)) & rect();
}

void BoardView::repaintChanged(bool now) {
    const QRect area = coverOf(model_.takeDirty());
    if (area.isEmpty()) return;
    if (now)
        repaint(area);
    else
        update(area);
}

void BoardView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    // Qt clips the painter to the region asked for; items that cannot reach
    // it are not even looked at.
    const QRect area = e->rect();
    const QColor background = colourOf(2);
    p.fillRect(area, background);
    const double k = scale();
    const QPointF o = offset();
    const double dpr = devicePixelRatioF();
    // Images of another size are never needed again.
    if (k != cachedScale_ || dpr != cachedRatio_) {
        images_.clear();
        lettering_.clear();
        cachedScale_ = k;
        cachedRatio_ = dpr;
    }
    // One design pixel (15 twips) of line, never thinner than one device pixel.
    const double lineWidth = std::max(1.0 / dpr, 15.0 * k);

    const bool whole = area.contains(rect());
    for (const zk::ScreenItem& it : model_.items()) {
        if (!whole && !coverOf(zk::ScreenModel::reach(it)).intersects(area)) continue;
        const QRectF r(o.x() + it.x * k, o.y() + it.y * k, it.w * k, it.h * k);
        switch (it.kind) {
            case zk::ScreenItem::Kind::FillRect:
                p.fillRect(r, colourOf(it.colour));
                break;
            case zk::ScreenItem::Kind::Rect: {
                QPen pen(colourOf(it.colour), lineWidth);
                pen.setJoinStyle(Qt::MiterJoin);
                p.setPen(pen);
                p.setBrush(Qt::NoBrush);
                const double half = lineWidth / 2.0;
                p.drawRect(r.adjusted(half, half, -half, -half));
                break;
            }
            case zk::ScreenItem::Kind::Image: {
                // Whole device pixels, each edge rounded on its own, so that
                // neighbouring squares meet exactly and nothing is rescaled.
                const int x0 = int(std::lround(r.left() * dpr)),
                          x1 = int(std::lround(r.right() * dpr));
                const int y0 = int(std::lround(r.top() * dpr)),
                          y1 = int(std::lround(r.bottom() * dpr));
                QPixmap pm = images_.get(QString::fromStdString(it.text), x1 - x0, y1 - y0);
                pm.setDevicePixelRatio(dpr);
                p.drawPixmap(QPointF(x0 / dpr, y0 / dpr), pm);
                break;
            }
            case zk::ScreenItem::Kind::Text:
                if (it.shadowDx != 0 || it.shadowDy != 0) {
                    // Just off the text it shades, however large the window.
                    const double d = zk::ScreenModel::shadowPixels(k * dpr) / dpr;
                    drawText(p, it,
                             QPointF(o.x() + (it.x - it.shadowDx) * k + d,
                                     o.y() + (it.y - it.shadowDy) * k + d),
                             k);
                } else
                    drawText(p, it, QPointF(r.x(), r.y()), k);
                break;
        }
    }
    p.end();
    emit painted(area);
}

void BoardView::drawText(QPainter& p, const zk::ScreenItem& it, QPointF at, double k) {
    // Rendered once where it falls between device pixels, then copied: filling
    // the outlines on every repaint was most of a full repaint's work.
    const double dpr = devicePixelRatioF();
    const double dx = at.x() * dpr, dy = at.y() * dpr;
    const double fx = dx - std::floor(dx), fy = dy - std::floor(dy);
    const QString key = QString::fromStdString(it.text) + QLatin1Char('|') +
                        QString::number(it.fontSize) +
                        (it.bold ? QLatin1String("b") : QLatin1String(""));
    const QString renderedKey = key + QLatin1Char('|') + QString::number(it.colour) +
                                QLatin1Char('|') + QString::number(fx, 'g', 17) + QLatin1Char('|') +
                                QString::number(fy, 'g', 17);
    auto rendered = lettering_.constFind(renderedKey);
    if (rendered == lettering_.constEnd()) {
        if (lettering_.size() > 200) lettering_.clear();
        const double size = it.fontSize * 20 * k;  // points are 20 twips
        rendered =
            lettering_.insert(renderedKey, renderLettering(it, key, QPointF(fx, fy), size * dpr));
    }
    const QPoint corner(int(std::floor(dx)) + rendered->at.x(),
                        int(std::floor(dy)) + rendered->at.y());
    p.drawImage(QPointF(corner.x() / dpr, corner.y() / dpr), rendered->image);
}

BoardView::Lettering BoardView::renderLettering(const zk::ScreenItem& it, const QString& key,
                                                QPointF fraction, double pixels) {
    // Outlines at a fixed reference size, scaled to the window: antialiased
    // at every size.
    constexpr int kReference = 200;  // pixels of the outline's font
    auto outline = outlines_.constFind(key);
    if (outline == outlines_.constEnd()) {
        if (outlines_.size() > 1000) outlines_.clear();
        QFont f(mincho());
        f.setPixelSize(kReference);
        outline = outlines_.insert(key, textOutline(QString::fromStdString(it.text), f));
    }
    const QColor c = colourOf(it.colour);
    const QPainterPath* stroke = nullptr;
    if (it.bold) {
        // The outline of the pen's stroke, made once for every size: stroking
        // the lettering was half the work of rendering it.
        auto found = strokes_.constFind(key);
        if (found == strokes_.constEnd()) {
            if (strokes_.size() > 1000) strokes_.clear();
            QPainterPathStroker stroker(
                QPen(c, kReference * 0.045, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            found = strokes_.insert(key, stroker.createStroke(*outline));
        }
        stroke = &*found;
    }
    QTransform t;
    t.translate(fraction.x(), fraction.y());
    t.scale(pixels / kReference, pixels / kReference);
    const QRect box = t.mapRect((stroke ? *stroke : *outline).boundingRect())
                          .toAlignedRect()
                          .adjusted(-1, -1, 1, 1);
    Lettering l;
    l.at = box.topLeft();
    l.image = QImage(box.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    l.image.fill(Qt::transparent);
    QPainter ip(&l.image);
    ip.setRenderHint(QPainter::Antialiasing);
    ip.translate(-box.left(), -box.top());
    ip.setTransform(t, true);
    if (stroke) ip.fillPath(*stroke, c);
    ip.fillPath(*outline, c);
    ip.end();
    l.image.setDevicePixelRatio(devicePixelRatioF());
    return l;
}

void BoardView::mousePressEvent(QMouseEvent* e) {
    const QPoint t = toTwips(e->position());
    int button = 0;
    if (e->button() == Qt::LeftButton) button = 1;
    if (e->button() == Qt::RightButton) button = 2;
    if (e->button() == Qt::MiddleButton) button = 4;
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (e->modifiers() & Qt::ControlModifier) shift |= 2;
    if (e->modifiers() & Qt::AltModifier) shift |= 4;
    emit pressed(button, shift, t.x(), t.y());
}

}  // namespace zkqt
