#include "DocumentWindow.h"

#include "ui/DocumentAppearance.h"
#include "ui/Form1.h"
#include "ui/NfoDocument.h"
#include "ui/ProgramArt.h"

#include <QMdiArea>

DocumentWindow::DocumentWindow(NfoDocument& document, DocumentAppearance& appearance,
                               QMdiArea& workArea, QObject* parent)
    : QObject(parent), m_document(document), m_appearance(appearance), m_workArea(workArea)
{
    // Text that comes from outside the window (the palette, the generator) shows in it.
    connect(&document, &NfoDocument::changedFromOutside, this, &DocumentWindow::get);
}

Form1* DocumentWindow::existing() const
{
    return m_window && !m_window->isClosing() ? m_window.data() : nullptr;
}

Form1* DocumentWindow::get()
{
    if (Form1* window = existing())
        return window;
    // A new window takes the stored colours and font, as the window always has.
    m_appearance.readStored();
    m_window = new Form1(m_document, m_appearance);
    // Its title bar's icon, drawn at the one size it shows.
    m_window->setWindowIcon(ProgramArt::programIcon());
    m_workArea.addSubWindow(m_window);
    m_window->show();
    fillWorkArea();
    connect(m_window, &ChildWindow::closed, this, [this] {
        m_document.clear();
        Q_EMIT closed();
    });
    Q_EMIT created(m_window);
    return m_window;
}

void DocumentWindow::fillWorkArea()
{
    Form1* window = existing();
    if (!window || window->isMinimized() || window->isMaximized())
        return;
    window->setGeometry(QRect(QPoint(0, 0), m_workArea.viewport()->size()));
}
