#include "EditCommands.h"

#include "DocumentWindow.h"
#include "ui/CheckPanel.h"
#include "ui/FindBar.h"
#include "ui/Form1.h"
#include "ui/NfoDocument.h"

#include <QAction>
#include <QTextDocument>

EditCommands::EditCommands(MainMenuItems& items, NfoDocument& document, DocumentWindow& window,
                           QObject* parent)
    : QObject(parent), m(items), m_document(document), m_window(window)
{
    const auto form = [this] { return m_window.get(); };
    connect(m.mnuundo, &QAction::triggered, this, [form] { form()->undo(); });
    connect(m.mnuredo, &QAction::triggered, this, [form] { form()->redo(); });
    connect(m.mnucut, &QAction::triggered, this, [form] { form()->cut(); });
    connect(m.mnupaste, &QAction::triggered, this, [form] { form()->paste(); });
    connect(m.mnuselall, &QAction::triggered, this, [form] { form()->selectAll(); });
    connect(m.mnucopy, &QAction::triggered, this, [form] { form()->copy(); });
    connect(m.mnufind, &QAction::triggered, this, [form] { form()->findbar->open(false); });
    connect(m.mnureplace, &QAction::triggered, this, [form] { form()->findbar->open(true); });
    connect(m.mnucheck, &QAction::triggered, this, [form] { form()->checkpanel->open(); });
    connect(m.mnufindnext, &QAction::triggered, this, [form] { form()->findbar->findNext(); });
    connect(m.mnufindprevious, &QAction::triggered, this,
            [form] { form()->findbar->findPrevious(); });
    const QTextDocument* text = document.textDocument();
    connect(text, &QTextDocument::undoAvailable, m.mnuundo, &QAction::setEnabled);
    connect(text, &QTextDocument::redoAvailable, m.mnuredo, &QAction::setEnabled);
    connect(&document, &NfoDocument::reset, this, &EditCommands::updateActions);
    connect(&window, &DocumentWindow::created, this, &EditCommands::watch);
    updateActions();
}

void EditCommands::watch(Form1* window)
{
    connect(window, &Form1::copyAvailable, m.mnucut, &QAction::setEnabled);
    updateActions();
}

void EditCommands::updateActions()
{
    const QTextDocument* text = m_document.textDocument();
    m.mnuundo->setEnabled(text->isUndoAvailable());
    m.mnuredo->setEnabled(text->isRedoAvailable());
    const Form1* window = m_window.existing();
    m.mnucut->setEnabled(window && window->hasSelection());
}
