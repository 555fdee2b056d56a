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
    // The frame around the client area comes from the style; fix the outer size to it.
    adjustSize();
    setFixedSize(sizeHint());
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    QMdiSubWindow::closeEvent(event);
    m_closing = event->isAccepted();
}
