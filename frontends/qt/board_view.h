// The window's client area: paints the program's screen model scaled to the
// widget, and maps presses back from pixels to twips.
#pragma once

#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QWidget>

#include "piece_art.h"
#include "screen_model.h"

namespace zkqt {

class BoardView : public QWidget {
    Q_OBJECT
public:
    // The client area the program draws for, in twips.
    static constexpr int kTwipsW = 9400;
    static constexpr int kTwipsH = 8500;

    explicit BoardView(zk::ScreenModel& model, QWidget* parent = nullptr);

    // Pixels per twip at the current size, and the offset that centres the picture.
    double scale() const;
    QPointF offset() const;
    QPoint toTwips(const QPointF& pixel) const;
    QRect toPixels(const QRect& twips) const;
    // The pixels a twip rectangle may touch once painted: rounded outward,
    // with a margin for antialiased edges, inside the view.
    QRect coverOf(const zk::TwipRect& twips) const;

    // Paint what changed in the model since the last call: at once, or at
    // the next turn of the event loop.
    void repaintChanged(bool now);

    // Rendered images held for the current size.
    int cachedImages() const { return images_.size(); }

signals:
    void pressed(int button, int shift, int xTwips, int yTwips);
    // After every paint, with the rectangle it covered.
    void painted(const QRect& area);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void drawText(QPainter& p, const zk::ScreenItem& it, QPointF at, double k);

    zk::ScreenModel& model_;
    ImageCache images_;
    double cachedScale_ = 0, cachedRatio_ = 0;
    QHash<QString, QPainterPath> outlines_;
    QHash<QString, QPainterPath> strokes_;  // the pen round bold lettering
    // Lettering rendered at this scale, by text, size, colour and the
    // position's fraction of a device pixel: a repaint only copies it.
    struct Lettering {
        QImage image;
        QPoint at;  // device pixel of the image's corner, relative to the text's
    };
    QHash<QString, Lettering> lettering_;
    // The lettering of `it` (outline key `key`) `pixels` high, offset by a
    // fraction of a device pixel.
    Lettering renderLettering(const zk::ScreenItem& it, const QString& key, QPointF fraction,
                              double pixels);
};

}  // namespace zkqt
