#include "ChildWindow.h"

#include "DesignedScale.h"
#include "ProgramArt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScrollArea>
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
    // Without a frame or scroll bars while the content fits, the designed look.
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("clientscroll"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(content);
    setWidget(scroller);
    m_content = content;
    if (scaling == Scaling::FollowFont) {
        const DesignedScale scale(content->font());
        scale.applyTo(content);
        clientSize = scale.size(clientSize);
    }
    setFixedClientSize(clientSize);
}

void ChildWindow::setFixedClientSize(QSize clientSize)
{
    m_content->setFixedSize(clientSize);
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
    if (!m_fixedClient.isValid())
        return;
    const QMargins frame = contentsMargins();
    const QSize client =
        m_workArea ? shownClient(m_workArea->size().shrunkBy(frame)) : m_fixedClient;
    widget()->setFixedSize(client);
    setFixedSize(client.grownBy(frame));
}

QSize ChildWindow::shownClient(QSize room) const
{
    // A scroll bar for one side takes room from the other, which grows by as much where it can.
    // Never smaller than a few scroll bars, so that something of the content still shows.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    room = room.expandedTo(QSize(4 * bar, 4 * bar));
    QSize shown = m_fixedClient.boundedTo(room);
    if (shown.height() < m_fixedClient.height())
        shown.setWidth(qMin(m_fixedClient.width() + bar, room.width()));
    if (shown.width() < m_fixedClient.width())
        shown.setHeight(qMin(m_fixedClient.height() + bar, room.height()));
    return shown;
}

void ChildWindow::showEvent(QShowEvent* event)
{
    // The work area is known once the window is in it; the window follows its size from then.
    if (parentWidget() != m_workArea) {
        if (m_workArea)
            m_workArea->removeEventFilter(this);
        m_workArea = parentWidget();
        if (m_workArea)
            m_workArea->installEventFilter(this);
    }
    fitFrame();
    // Placed by the work area where it overlaps least, which may be partly out of view: moved
    // back into view, close box and all.
    if (m_workArea && m_fixedClient.isValid())
        move(qMax(0, qMin(x(), m_workArea->width() - width())),
             qMax(0, qMin(y(), m_workArea->height() - height())));
    QMdiSubWindow::showEvent(event);
}

bool ChildWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_workArea && event->type() == QEvent::Resize)
        fitFrame();
    return QMdiSubWindow::eventFilter(watched, event);
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
