// Draws the program's images: the piece faces (a shogi-piece pentagon with the
// piece's name in black or red, turned 180 degrees for the top side), the
// empty square and the title. Everything is painted here at the pixel size the
// window needs, so the picture stays crisp at any scale.
#pragma once

#include <QPixmap>
#include <QString>

namespace zkqt {

// The image named `name` ("UE_HU", "KARA_MASU", "TITLE", ...) at `w` x `h`
// device pixels; cached.
QPixmap renderImage(const QString& name, int w, int h);

// The font family standing in for the window font.
QString mincho();

}  // namespace zkqt
