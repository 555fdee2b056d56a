#include "DeferredStyleIcon.h"

#include <QWidget>

DeferredStyleIcon::DeferredStyleIcon(const QStyle* style, QStyle::StandardPixmap which,
                                     const QWidget* widget)
    : m_style(style), m_which(which), m_widget(widget)
{
}

QIcon& DeferredStyleIcon::icon()
{
    if (!m_made) {
        m_made = true;
        if (m_style)
            m_icon = m_style->standardIcon(m_which, nullptr, m_widget);
    }
    return m_icon;
}

void DeferredStyleIcon::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize DeferredStyleIcon::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QPixmap DeferredStyleIcon::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, 1.0, mode, state);
}

QPixmap DeferredStyleIcon::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                        qreal scale)
{
    // The size asked for is in device pixels already.
    return icon().pixmap(size / scale, scale, mode, state);
}

void DeferredStyleIcon::addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state)
{
    icon().addPixmap(pixmap, mode, state);
}

void DeferredStyleIcon::addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
                                QIcon::State state)
{
    icon().addFile(fileName, size, mode, state);
}

QList<QSize> DeferredStyleIcon::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

QString DeferredStyleIcon::iconName()
{
    return icon().name();
}

bool DeferredStyleIcon::isNull()
{
    return icon().isNull();
}

QIconEngine* DeferredStyleIcon::clone() const
{
    return new DeferredStyleIcon(*this);
}

QString DeferredStyleIcon::key() const
{
    return QStringLiteral("DeferredStyleIcon");
}
