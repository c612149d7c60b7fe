#include "piece_art.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zkqt {

namespace {

struct Face {
    const char* base;
    const char* name;  // the two characters written on the piece
};

const Face kFaces[] = {
    {"HU", "歩兵"},   {"TO", "と金"},     {"KYOU", "香車"}, {"SIRO", "白駒"},  {"DOU", "銅将"},
    {"YOKO", "横行"}, {"INO", "奔猪"},    {"GIN", "銀将"},  {"TATE", "竪行"},  {"USI", "飛牛"},
    {"KIN", "金将"},  {"SYA", "飛車"},    {"RYUU", "龍王"}, {"WASI", "飛鷲"},  {"HYOU", "猛豹"},
    {"KAKU", "角行"}, {"UMA", "龍馬"},    {"TAKA", "角鷹"}, {"HOU", "鳳凰"},   {"HON", "奔王"},
    {"HEN", "反車"},  {"KUJIRA", "鯨鯢"}, {"TORA", "盲虎"}, {"SIKA", "飛鹿"},  {"KIRIN", "麒麟"},
    {"SISI", "獅子"}, {"NAKA", "仲人"},   {"ZOU", "酔象"},  {"TAISI", "太子"}, {"OU", "王将"},
};

// Kinds that exist only as a promoted form wear red letters.
const char* const kRedOnly[] = {"TO",   "SIRO",   "INO",  "USI",  "WASI",
                                "TAKA", "KUJIRA", "SIKA", "TAISI"};

const QColor kSquare(0xE6, 0xC2, 0x7C);
const QColor kGrain(0xD9, 0xB1, 0x66);

void paintSquare(QPainter& p, int w, int h) {
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, kSquare.lighter(104));
    g.setColorAt(1, kGrain);
    p.fillRect(QRectF(0, 0, w, h), g);
    // A few faint grain lines so the board reads as wood.
    p.setPen(QPen(QColor(0xC8, 0x9E, 0x55, 70), qMax(1.0, h / 60.0)));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(0, h * i / 4.0 + 1), QPointF(w, h * i / 4.0 - 1));
}

void paintPiece(QPainter& p, int w, int h, const QString& text, bool red, bool top) {
    paintSquare(p, w, h);
    p.save();
    if (top) {
        p.translate(w, h);
        p.rotate(180);
    }
    QPainterPath path;
    path.moveTo(w * 0.50, h * 0.05);
    path.lineTo(w * 0.84, h * 0.19);
    path.lineTo(w * 0.93, h * 0.95);
    path.lineTo(w * 0.07, h * 0.95);
    path.lineTo(w * 0.16, h * 0.19);
    path.closeSubpath();
    // Shadow, body, rim.
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(path.translated(w * 0.02, h * 0.02), QColor(60, 40, 10, 90));
    QLinearGradient body(0, 0, w, 0);
    body.setColorAt(0, QColor(0xF7, 0xE2, 0xB0));
    body.setColorAt(0.55, QColor(0xF2, 0xD3, 0x93));
    body.setColorAt(1, QColor(0xDC, 0xB4, 0x6C));
    p.fillPath(path, body);
    p.setPen(QPen(QColor(0x7A, 0x55, 0x22), qMax(1.0, w / 34.0)));
    p.drawPath(path);

    // Each letter is centred by its ink in its half of the face; a thin
    // stroke in the same colour gives the weight of a brush.
    QFont f(mincho());
    f.setPixelSize(qMax(6, int(h * 0.31)));
    const QColor ink = red ? QColor(0xC0, 0x10, 0x10) : QColor(0x10, 0x10, 0x10);
    const QPen weight(ink, h * 0.012, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto letter = [&](const QString& ch, const QRectF& box) {
        QPainterPath path = textOutline(ch, f);
        path.translate(box.center() - path.boundingRect().center());
        p.strokePath(path, weight);
        p.fillPath(path, ink);
    };
    if (text.size() >= 2) {
        letter(text.left(1), QRectF(0, h * 0.21, w, h * 0.35));
        letter(text.mid(1, 1), QRectF(0, h * 0.56, w, h * 0.35));
    } else {
        letter(text, QRectF(0, h * 0.2, w, h * 0.7));
    }
    p.restore();
}

void paintTitle(QPainter& p, int w, int h) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(0x5A, 0x1E, 0x0E));
    g.setColorAt(1, QColor(0x2E, 0x0C, 0x04));
    p.fillRect(QRectF(0, 0, w, h), g);
    p.setPen(QPen(QColor(0xE8, 0xC0, 0x60), qMax(1.0, h / 16.0)));
    p.drawRect(QRectF(h / 16.0, h / 16.0, w - h / 8.0, h - h / 8.0));
    QFont f(mincho());
    f.setPixelSize(qMax(6, int(h * 0.62)));
    f.setLetterSpacing(QFont::AbsoluteSpacing, h * 0.12);
    QPainterPath path = textOutline(QStringLiteral("中将棋"), f);
    path.translate(QRectF(0, 0, w, h).center() - path.boundingRect().center());
    const QColor gold(0xF4, 0xD4, 0x7A);
    p.strokePath(path, QPen(gold, h * 0.02, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, gold);
}

}  // namespace

QString mincho() {
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* want : {"IPAPMincho", "IPA P明朝", "Noto Serif CJK JP", "IPAMincho"})
            if (families.contains(QString::fromUtf8(want))) return QString::fromUtf8(want);
        return QStringLiteral("serif");
    }();
    return family;
}

QPainterPath textOutline(const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(0, QFontMetricsF(font).ascent(), font, text);
    return path;
}

QPixmap renderImage(const QString& name, int w, int h) {
    w = qMax(1, w);
    h = qMax(1, h);
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (name == QLatin1String("TITLE")) {
        paintTitle(p, w, h);
    } else if (name == QLatin1String("KARA_MASU")) {
        paintSquare(p, w, h);
    } else {
        const bool top = name.startsWith(QLatin1String("UE_"));
        QString base = name.mid(top ? 3 : 5);
        bool red = base.endsWith(QLatin1String("_R"));
        if (base.endsWith(QLatin1String("_R")) || base.endsWith(QLatin1String("_B"))) base.chop(2);
        for (const char* r : kRedOnly)
            if (base == QLatin1String(r)) red = true;
        QString text = QStringLiteral("?");
        for (const Face& f : kFaces)
            if (base == QLatin1String(f.base)) text = QString::fromUtf8(f.name);
        paintPiece(p, w, h, text, red, top);
    }
    p.end();
    return pm;
}

QPixmap ImageCache::get(const QString& name, int w, int h) {
    const QString key =
        name + QLatin1Char('@') + QString::number(w) + QLatin1Char('x') + QString::number(h);
    auto it = images_.constFind(key);
    if (it != images_.constEnd()) return *it;
    const QPixmap pm = renderImage(name, w, h);
    images_.insert(key, pm);
    return pm;
}

}  // namespace zkqt
