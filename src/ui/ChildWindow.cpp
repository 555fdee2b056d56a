#include "ChildWindow.h"

#include "DesignedScale.h"
#include "ProgramArt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QStyle>
#include <QStyleOptionTitleBar>

ChildWindow::ChildWindow(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramArt::programIcon());
}

void ChildWindow::setFixedClient(QWidget* content, QSize clientSize, Scaling scaling)
{
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWidget(content);
    if (scaling == Scaling::FollowFont) {
        const DesignedScale scale(content->font());
        scale.applyTo(content);
        clientSize = scale.size(clientSize);
    }
    setFixedClientSize(clientSize);
}

void ChildWindow::setFixedClientSize(QSize clientSize)
{
    widget()->setFixedSize(clientSize);
    m_fixedClient = clientSize;
    fitFrame();
}

int ChildWindow::titleClientWidth() const
{
    // The style places the caption between the icon and the buttons: what a wide title bar
    // leaves for the caption tells how much the rest takes.
    QStyleOptionTitleBar option;
    option.initFrom(this);
    option.text = windowTitle();
    option.icon = windowIcon();
    option.titleBarFlags = windowFlags();
    option.subControls = QStyle::SC_All;
    constexpr int kWide = 2000;
    option.rect =
        QRect(0, 0, kWide, style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this));
    const int label =
        style()
            ->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarLabel, this)
            .width();
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int text = QFontMetrics(titleFont).horizontalAdvance(windowTitle());
    // A few pixels to spare, as the style pads the caption.
    return text + (kWide - label) + 8 - contentsMargins().left() - contentsMargins().right();
}

void ChildWindow::fitFrame()
{
    // The frame and title bar come from the style, and only once the window sits in the work
    // area; until then the margins are those of a bare widget.
    if (m_fixedClient.isValid())
        setFixedSize(m_fixedClient.grownBy(contentsMargins()));
}

void ChildWindow::showEvent(QShowEvent* event)
{
    fitFrame();
    QMdiSubWindow::showEvent(event);
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    if (m_mayClose && !m_mayClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    m_closing = event->isAccepted();
    if (m_closing)
        Q_EMIT closed();
}
