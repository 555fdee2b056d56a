#pragma once

#include "settings/ProgramSettings.h"
#include "ui/ChildWindow.h"

#include <functional>

class Dialogs;
class Form1;
class QComboBox;
class QLabel;
class QPushButton;

// The font window: every screen font face, the sizes the chosen face really shows, a preview
// label, and Apply, which sets the document's face and size, stores both as typed and closes.
// Cancel and the close box close without changing anything.
class frmfont : public ChildWindow
{
    Q_OBJECT

public:
    // `document` gives the one document window, creating it when the user had closed it.
    frmfont(Dialogs& dialogs, ProgramSettings settings, std::function<Form1*()> document,
            QWidget* parent = nullptr);

    QLabel* lblfont = nullptr;
    QComboBox* cbofonts = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbofontsize = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdapply = nullptr;
    QPushButton* Command1 = nullptr;

private:
    void buildControls(QWidget* client);
    void connectControls();
    void FillSizeList();
    void cbofontsize_Click();
    void cmdapply_Click();

    Dialogs& m_dialogs;
    ProgramSettings m_settings;
    std::function<Form1*()> m_document;
};
