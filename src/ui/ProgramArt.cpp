#include "ProgramArt.h"

#include "DocumentFont.h"
#include "ProgramIconEngine.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kNight(0x12, 0x16, 0x2e);
const QColor kDusk(0x2a, 0x1f, 0x5c);
const QColor kCyan(0x4d, 0xd8, 0xe6);
const QColor kWhite(0xf4, 0xf4, 0xf8);

// A heart of `size` pixels across with its top centre at `top`.
QPainterPath heartPath(QPointF top, qreal size)
{
    const qreal x = top.x();
    const qreal y = top.y();
    const qreal h = size / 2.0;
    QPainterPath path(QPointF(x, y + size * 0.25));
    path.cubicTo(x - h * 0.1, y - size * 0.05, x - h * 1.0, y - size * 0.05, x - h, y + size * 0.3);
    path.cubicTo(x - h, y + size * 0.55, x - h * 0.3, y + size * 0.7, x, y + size * 0.95);
    path.cubicTo(x + h * 0.3, y + size * 0.7, x + h, y + size * 0.55, x + h, y + size * 0.3);
    path.cubicTo(x + h * 1.0, y - size * 0.05, x + h * 0.1, y - size * 0.05, x, y + size * 0.25);
    return path;
}

void drawStars(QPainter& p, const QSize& area)
{
    // A fixed scatter, the same on every run.
    quint32 state = 0x5eed1234u;
    for (int i = 0; i < 140; ++i) {
        state = state * 1664525u + 1013904223u;
        const int x = static_cast<int>((state >> 8) % static_cast<quint32>(area.width()));
        state = state * 1664525u + 1013904223u;
        const int y = static_cast<int>((state >> 8) % static_cast<quint32>(area.height()));
        QColor star = kWhite;
        star.setAlphaF(0.25f + static_cast<float>(i % 4) * 0.2f);
        p.fillRect(x, y, 1 + i % 2, 1 + i % 2, star);
    }
}

void drawShadedQ(QPainter& p, const QRectF& box)
{
    // A ring made of four bands that go from light shade to solid, as in NFO art, and a tail.
    const qreal side = qMin(box.width(), box.height());
    const QPointF centre = box.center();
    const qreal outer = side * 0.42;
    const qreal thickness = side * 0.16;
    for (int band = 0; band < 4; ++band) {
        QColor c = kCyan;
        c.setAlphaF(0.35f + 0.65f * static_cast<float>(band) / 3.0f);
        p.setPen(QPen(c, thickness / 4.0, Qt::SolidLine, Qt::FlatCap));
        const qreal r = outer - thickness * band / 4.0 - thickness / 8.0;
        p.drawEllipse(centre, r, r);
    }
    QPen tail(kWhite, thickness * 0.75, Qt::SolidLine, Qt::SquareCap);
    p.setPen(tail);
    p.drawLine(centre + QPointF(side * 0.10, side * 0.10),
               centre + QPointF(side * 0.38, side * 0.38));
}

} // namespace

QPixmap ProgramArt::iconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, size);
    back.setColorAt(0, kDusk);
    back.setColorAt(1, kNight);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
    p.fillPath(tile, back);
    drawShadedQ(p, QRectF(size * 0.08, size * 0.06, size * 0.84, size * 0.84));
    return pixmap;
}

QIcon ProgramArt::programIcon()
{
    return QIcon(new ProgramIconEngine);
}

QPixmap ProgramArt::aboutPicture()
{
    QPixmap pixmap(100, 150);
    QPainter p(&pixmap);
    QLinearGradient back(0, 0, 0, 150);
    back.setColorAt(0, kDusk);
    back.setColorAt(1, kNight);
    p.fillRect(pixmap.rect(), back);

    // Rows of shade glyphs that thicken towards the middle, drawn with the document's face.
    QFont font = DocumentFont::designed();
    font.setPixelSize(16);
    p.setFont(font);
    const QString shades[] = {
        QStringLiteral(
            "\u2591\u2591\u2591\u2591\u2591\u2591\u2591\u2591\u2591\u2591\u2591\u2591\u2591"),
        QStringLiteral(
            "\u2592\u2592\u2592\u2592\u2592\u2592\u2592\u2592\u2592\u2592\u2592\u2592\u2592"),
        QStringLiteral(
            "\u2593\u2593\u2593\u2593\u2593\u2593\u2593\u2593\u2593\u2593\u2593\u2593\u2593")};
    QColor shade = kCyan;
    shade.setAlphaF(0.45f);
    p.setPen(shade);
    for (int row = 0; row < 3; ++row) {
        p.drawText(QPointF(0, 14 + 16 * row), shades[row]);
        p.drawText(QPointF(0, 146 - 16 * row), shades[row]);
    }
    p.setRenderHint(QPainter::Antialiasing);
    drawShadedQ(p, QRectF(10, 40, 80, 80));
    return pixmap;
}

QPixmap ProgramArt::greetingPicture()
{
    const QSize size(640, 480);
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient back(0, 0, 0, size.height());
    back.setColorAt(0, kNight);
    back.setColorAt(0.45, kDusk);
    back.setColorAt(1, QColor(0x5c, 0x1f, 0x4a));
    p.fillRect(pixmap.rect(), back);
    drawStars(p, size);

    // The heart sits left of the words, in the part of the picture the window shows.
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath heart = heartPath(QPointF(280, 40), 150);
    QRadialGradient glow(QPointF(280, 100), 110);
    glow.setColorAt(0, QColor(0xff, 0x6f, 0x91));
    glow.setColorAt(1, QColor(0x9e, 0x1b, 0x4f));
    p.fillPath(heart, glow);
    p.setPen(QPen(QColor(255, 192, 192), 2));
    p.drawPath(heart);

    // A band of shade glyphs under the words, thickening downwards, in the document's face.
    QFont font = DocumentFont::designed();
    font.setPixelSize(16);
    p.setFont(font);
    const QChar shades[] = {QChar(0x2591), QChar(0x2592), QChar(0x2593)};
    for (int row = 0; row < 3; ++row) {
        QColor shade(0xff, 0xa0, 0xc0);
        shade.setAlphaF(0.25f + 0.2f * static_cast<float>(row));
        p.setPen(shade);
        p.drawText(QPointF(0, 172 + 16 * row), QString(80, shades[row]));
    }
    return pixmap;
}
