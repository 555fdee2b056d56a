#include "ProgramIconEngine.h"

#include "ProgramArt.h"

#include <QPainter>

void ProgramIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state)
{
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QPixmap ProgramIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = qMax(1, qMin(size.width(), size.height()));
    auto drawn = m_drawn.find(side);
    if (drawn == m_drawn.end())
        drawn = m_drawn.insert(side, ProgramArt::iconPixmap(side));
    return *drawn;
}

QList<QSize> ProgramIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
}

QIconEngine* ProgramIconEngine::clone() const
{
    return new ProgramIconEngine(*this);
}

QString ProgramIconEngine::key() const
{
    return QStringLiteral("ProgramIconEngine");
}
