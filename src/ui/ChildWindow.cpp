#include "ChildWindow.h"

#include "ProgramArt.h"

#include <QCloseEvent>

ChildWindow::ChildWindow(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ProgramArt::programIcon());
}

void ChildWindow::setFixedClient(QWidget* content, QSize clientSize)
{
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWidget(content);
    setFixedClientSize(clientSize);
}

void ChildWindow::setFixedClientSize(QSize clientSize)
{
    widget()->setFixedSize(clientSize);
    m_fixedClient = clientSize;
    fitFrame();
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
