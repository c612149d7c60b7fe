// make_icon OUTDIR: writes the program's icon, a shogi piece bearing 中, as
// OUTDIR/zenkoru.svg and as OUTDIR/zenkoru-SIZE.png for the usual sizes.
// Both are drawn from the same shapes, so they always agree; 16 and 24 pixels
// have their own drawing on the pixel grid, a flat piece and a bold 中.
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// On a 256 x 256 canvas.
const QPointF kPiece[] = {{128, 14}, {202, 46}, {226, 242}, {30, 242}, {54, 46}};
const QRectF kBox(80, 104, 96, 72);  // the frame of 中
const QLineF kStem(128, 66, 128, 218);
constexpr double kRim = 8, kStroke = 16;
const char* const kWoodLight = "#f7e2b0";
const char* const kWoodDark = "#dcb46c";
const char* const kRimColour = "#7a5522";
const char* const kInk = "#1a1a1a";

QString svg() {
    QString points;
    for (const QPointF& p : kPiece) points += QStringLiteral("%1,%2 ").arg(p.x()).arg(p.y());
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
               "viewBox=\"0 0 256 256\">\n"
               "  <defs><linearGradient id=\"wood\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">"
               "<stop offset=\"0\" stop-color=\"%1\"/><stop offset=\"1\" stop-color=\"%2\"/>"
               "</linearGradient></defs>\n"
               "  <polygon points=\"%3\" fill=\"url(#wood)\" stroke=\"%4\" stroke-width=\"%5\" "
               "stroke-linejoin=\"round\"/>\n"
               "  <rect x=\"%6\" y=\"%7\" width=\"%8\" height=\"%9\" fill=\"none\" stroke=\"%10\" "
               "stroke-width=\"%11\"/>\n"
               "  <line x1=\"%12\" y1=\"%13\" x2=\"%14\" y2=\"%15\" stroke=\"%10\" "
               "stroke-width=\"%11\"/>\n"
               "</svg>\n")
        .arg(QLatin1String(kWoodLight), QLatin1String(kWoodDark), points.trimmed(),
             QLatin1String(kRimColour))
        .arg(kRim)
        .arg(kBox.x())
        .arg(kBox.y())
        .arg(kBox.width())
        .arg(kBox.height())
        .arg(QLatin1String(kInk))
        .arg(kStroke)
        .arg(kStem.x1())
        .arg(kStem.y1())
        .arg(kStem.x2())
        .arg(kStem.y2());
}

QImage png(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    QPainterPath piece;
    piece.addPolygon(QPolygonF(std::begin(kPiece), std::end(kPiece)));
    piece.closeSubpath();
    QLinearGradient wood(0, 0, 256, 0);
    wood.setColorAt(0, QColor(QLatin1String(kWoodLight)));
    wood.setColorAt(1, QColor(QLatin1String(kWoodDark)));
    p.fillPath(piece, wood);
    p.setPen(
        QPen(QColor(QLatin1String(kRimColour)), kRim, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(piece);
    p.setPen(QPen(QColor(QLatin1String(kInk)), kStroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kBox);
    p.drawLine(kStem);
    return img;
}

// The small sizes: the piece filling the square, one flat wood colour and
// 中 of two-pixel strokes on whole pixels, so it stays sharp and dark.
QImage smallPng(int size) {
    const double k = size / 16.0;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF shape[] = {{size / 2.0, 0.5},
                             {size - 2.0 * k, 2.5 * k},
                             {size - 0.5, size - 0.5},
                             {0.5, size - 0.5},
                             {2.0 * k, 2.5 * k}};
    QPainterPath piece;
    piece.addPolygon(QPolygonF(std::begin(shape), std::end(shape)));
    piece.closeSubpath();
    p.fillPath(piece, QColor(QLatin1String(kWoodLight)));
    p.setPen(
        QPen(QColor(QLatin1String(kRimColour)), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(piece);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor ink{QLatin1String(kInk)};
    // Box columns [left, right), rows [top, bottom), walls two pixels thick.
    const int left = size == 16 ? 4 : 5, right = size - left;
    const int top = size == 16 ? 5 : 8, bottom = size == 16 ? 12 : 17;
    p.fillRect(left, top, right - left, 2, ink);
    p.fillRect(left, bottom - 2, right - left, 2, ink);
    p.fillRect(left, top, 2, bottom - top, ink);
    p.fillRect(right - 2, top, 2, bottom - top, ink);
    p.fillRect(size / 2 - 1, size == 16 ? 2 : 3, 2, size == 16 ? 12 : 19, ink);
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTDIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QFile file(dir + QStringLiteral("/zenkoru.svg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg().toUtf8()) < 0) return 1;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        if (!(size <= 24 ? smallPng(size) : png(size))
                 .save(dir + QStringLiteral("/zenkoru-%1.png").arg(size)))
            return 1;
    return 0;
}
