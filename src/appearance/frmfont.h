#pragma once

#include "ui/ChildWindow.h"

class Config;
class Dialogs;
class DocumentAppearance;
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
    // Apply draws documents in the chosen font through `appearance` and keeps it in `config`.
    frmfont(Dialogs& dialogs, Config& config, DocumentAppearance& appearance,
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
    Config& m_config;
    DocumentAppearance& m_appearance;
};
