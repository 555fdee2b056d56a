#pragma once

#include "MainMenuItems.h"

#include <QObject>

class DocumentWindow;
class Form1;
class NfoDocument;

// The Edit menu: undo and redo of the document, Cut, Select All, Copy and Paste in the text
// box, counted in codes, and the find bar's commands. Each item is enabled as the document
// allows.
class EditCommands : public QObject
{
    Q_OBJECT

public:
    EditCommands(MainMenuItems& items, NfoDocument& document, DocumentWindow& window,
                 QObject* parent = nullptr);

private:
    void watch(Form1* window);
    void updateActions();

    MainMenuItems& m;
    NfoDocument& m_document;
    DocumentWindow& m_window;
};
