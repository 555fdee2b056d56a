#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QPointer>
#include <QStyle>

// One of the style's standard icons, asked of the style only when it is first drawn or
// measured. Widgets such as the menu bar and the document window's frame take several at
// construction, for buttons and menus that the first sight of the window does not show; reading
// them loads the image plugins.
class DeferredStyleIcon : public QIconEngine
{
public:
    DeferredStyleIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override;
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString iconName() override;
    bool isNull() override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QIcon& icon();

    QPointer<const QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QPointer<const QWidget> m_widget;
    bool m_made = false;
    QIcon m_icon;
};
