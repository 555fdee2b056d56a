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
    content->setFixedSize(clientSize);
    setWidget(content);
    m_fixedClient = true;
    fitFrameToClient();
}

void ChildWindow::fitFrameToClient()
{
    // The frame around the client area comes from the style; fix the outer size to it.
    adjustSize();
    setFixedSize(sizeHint());
}

void ChildWindow::showEvent(QShowEvent* event)
{
    // The title bar and borders are only known once the window sits in the work area, so the
    // size fixed at construction can be the bare client; fit it again before it is seen.
    if (m_fixedClient)
        fitFrameToClient();
    QMdiSubWindow::showEvent(event);
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    QMdiSubWindow::closeEvent(event);
    m_closing = event->isAccepted();
}
