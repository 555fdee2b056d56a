#pragma once

#include <QIconEngine>
#include <QMap>
#include <QPixmap>

// The program's icon, drawn at a size only when a size is asked for: a window's title bar
// needs one small picture, and drawing every size up front would hold up the start.
class ProgramIconEngine : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QMap<int, QPixmap> m_drawn;
};
