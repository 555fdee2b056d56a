#pragma once

#include "ui/ChildWindow.h"

#include <QColor>

class Config;
class Dialogs;
class DocumentAppearance;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// The colour window: previews of the document's text and background colours, a colour chooser
// for each, and Apply, which recolours the document, stores both colours and closes. The close
// box closes without changing anything.
class frmcolor : public ChildWindow
{
    Q_OBJECT

public:
    // Apply shows the colours in `appearance` and keeps them in `config`.
    frmcolor(Dialogs& dialogs, Config& config, DocumentAppearance& appearance,
             QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QFrame* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QFrame* Picture2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    // The ready colour pairs: choosing one sets both previews.
    QLabel* lblpreset = nullptr;
    QComboBox* cbopreset = nullptr;

private:
    void buildControls(QWidget* client);
    void loadStoredColours();
    // Shows the chooser at `last`, the colour last picked with that button, and keeps the pick.
    void pick(QFrame* preview, QColor& last);
    void Command3_Click();
    void presetChosen(int index);
    // Shows the preset the previews hold, or none.
    void showMatchingPreset();

    Dialogs& m_dialogs;
    Config& m_config;
    DocumentAppearance& m_appearance;
    // Each chooser starts at black and then at the colour last picked with its button, while
    // the window is open.
    QColor m_lastText = Qt::black;
    QColor m_lastBackground = Qt::black;
};
