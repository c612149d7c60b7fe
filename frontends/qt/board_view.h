// The window's client area: paints the program's screen model scaled to the
// widget, and maps presses back from pixels to twips.
#pragma once

#include <QWidget>

#include "screen_model.h"

namespace zkqt {

class BoardView : public QWidget {
    Q_OBJECT
public:
    // The client area the program draws for, in twips.
    static constexpr int kTwipsW = 9400;
    static constexpr int kTwipsH = 8500;

    explicit BoardView(const zk::ScreenModel& model, QWidget* parent = nullptr);

    // Pixels per twip at the current size, and the offset that centres the picture.
    double scale() const;
    QPointF offset() const;
    QPoint toTwips(const QPointF& pixel) const;
    QRect toPixels(const QRect& twips) const;

signals:
    void pressed(int button, int shift, int xTwips, int yTwips);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    const zk::ScreenModel& model_;
};

}  // namespace zkqt
