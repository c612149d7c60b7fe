#include "board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "piece_art.h"

namespace zkqt {

namespace {

QColor colourOf(int n) {
    const std::uint32_t rgb = zk::paletteRgb(n);
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

BoardView::BoardView(const zk::ScreenModel& model, QWidget* parent)
    : QWidget(parent), model_(model) {
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

void BoardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor background = colourOf(2);
    p.fillRect(rect(), background);
    const double k = scale();
    const QPointF o = offset();
    const double dpr = devicePixelRatioF();
    // One design pixel (15 twips) of line, never thinner than one device pixel.
    const double lineWidth = std::max(1.0, 15.0 * k);

    for (const zk::ScreenItem& it : model_.items()) {
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
                const QRect target = r.toAlignedRect();
                const QPixmap pm =
                    renderImage(QString::fromStdString(it.text), int(std::lround(r.width() * dpr)),
                                int(std::lround(r.height() * dpr)));
                p.drawPixmap(r, pm, QRectF(0, 0, pm.width(), pm.height()));
                (void)target;
                break;
            }
            case zk::ScreenItem::Kind::Text: {
                QFont f(mincho());
                f.setPixelSize(std::max(1, int(std::lround(it.fontSize * 20 * k))));
                f.setBold(it.bold);
                p.setFont(f);
                p.setPen(colourOf(it.colour));
                p.drawText(QRectF(r.x(), r.y(), 4000 * k, it.fontSize * 40 * k),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                           QString::fromStdString(it.text));
                break;
            }
        }
    }
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
