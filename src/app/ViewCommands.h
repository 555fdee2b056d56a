#pragma once

#include "MainMenuItems.h"
#include "documents/TextEncoding.h"

#include <QObject>

class ClockStatusBar;
class Config;
class Dialogs;
class DocumentAppearance;
class DocumentWindow;
class NfoDocument;
class QWidget;

// The View menu: the encoding the document's bytes are read in, word wrap and the zoom, with
// the encoding and the zoom shown in the status bar.
class ViewCommands : public QObject
{
    Q_OBJECT

public:
    ViewCommands(MainMenuItems& items, ClockStatusBar& statusBar, Dialogs& dialogs,
                 NfoDocument& document, DocumentAppearance& appearance, Config& config,
                 DocumentWindow& window, QWidget* parent);

private:
    void mnuenc_Click(TextEncoding::Kind kind);
    void mnuwordwrap_Click();
    // Shows the document's encoding in the View menu and the status bar.
    void updateDocumentStatus();
    void showZoom();

    MainMenuItems& m;
    ClockStatusBar& m_statusBar;
    Dialogs& m_dialogs;
    NfoDocument& m_document;
    DocumentAppearance& m_appearance;
    Config& m_config;
    DocumentWindow& m_window;
    QWidget* m_parent;
};
