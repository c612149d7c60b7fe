// Draws the program's images: the piece faces (a shogi-piece pentagon with the
// piece's name in black or red, turned 180 degrees for the top side), the
// empty square and the title. Everything is painted here at the pixel size the
// window needs, and letters are filled outlines with antialiasing (never the
// font's embedded bitmaps), so the picture stays crisp at any scale.
#pragma once

#include <QFont>
#include <QHash>
#include <QPainterPath>
#include <QPixmap>
#include <QString>

namespace zkqt {

// The image named `name` ("UE_HU", "KARA_MASU", "TITLE", ...) at `w` x `h`
// device pixels.
QPixmap renderImage(const QString& name, int w, int h);

// Rendered images for one window size. The view empties it whenever its
// scale or device-pixel ratio changes, so it never holds more than the
// images of the picture on screen.
class ImageCache {
public:
    QPixmap get(const QString& name, int w, int h);
    void clear() { images_.clear(); }
    int size() const { return int(images_.size()); }

private:
    QHash<QString, QPixmap> images_;
};

// The outline of `text` in `font` with the top of its line at (0, 0).
QPainterPath textOutline(const QString& text, const QFont& font);

// The font family standing in for the window font.
QString mincho();

}  // namespace zkqt
