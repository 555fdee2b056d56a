#pragma once

#include "settings/ProgramSettings.h"
#include "ui/ChildWindow.h"

#include <QColor>
#include <functional>

class Dialogs;
class Form1;
class QFrame;
class QGroupBox;
class QPushButton;

// The colour window: previews of the document's text and background colours, a colour chooser
// for each, and Apply, which recolours the document, stores both colours and closes. The close
// box closes without changing anything.
class frmcolor : public ChildWindow
{
    Q_OBJECT

public:
    // `document` gives the one document window, creating it when the user had closed it.
    frmcolor(Dialogs& dialogs, ProgramSettings settings, std::function<Form1*()> document,
             QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QFrame* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QFrame* Picture2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

private:
    void buildControls(QWidget* client);
    void loadStoredColours();
    // Shows the chooser at `last`, the colour last picked with that button, and keeps the pick.
    void pick(QFrame* preview, QColor& last);
    void Command3_Click();

    Dialogs& m_dialogs;
    ProgramSettings m_settings;
    std::function<Form1*()> m_document;
    // Each chooser starts at black and then at the colour last picked with its button, while
    // the window is open.
    QColor m_lastText = Qt::black;
    QColor m_lastBackground = Qt::black;
};
