#include "ViewCommands.h"

#include "ClockStatusBar.h"
#include "DocumentWindow.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "settings/Config.h"
#include "ui/Dialogs.h"
#include "ui/DocumentAppearance.h"
#include "ui/Form1.h"
#include "ui/NfoDocument.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <algorithm>

ViewCommands::ViewCommands(MainMenuItems& items, ClockStatusBar& statusBar, Dialogs& dialogs,
                           NfoDocument& document, DocumentAppearance& appearance, Config& config,
                           DocumentWindow& window, QWidget* parent)
    : QObject(parent), m(items), m_statusBar(statusBar), m_dialogs(dialogs), m_document(document),
      m_appearance(appearance), m_config(config), m_window(window), m_parent(parent)
{
    for (qsizetype i = 0; i < m.mnuenc.size(); ++i) {
        const TextEncoding::Kind kind = TextEncoding::All.at(size_t(i));
        connect(m.mnuenc.at(i), &QAction::triggered, this, [this, kind] { mnuenc_Click(kind); });
    }
    connect(m.mnuencrepaired, &QAction::triggered, this, [this] {
        // Back to the reading the file was opened in: the art it was.
        m_document.reinterpret(m_document.detectedEncoding());
        updateDocumentStatus();
    });
    connect(m.mnuwordwrap, &QAction::triggered, this, &ViewCommands::mnuwordwrap_Click);
    connect(m.mnushowcodes, &QAction::triggered, this, [this](bool show) {
        if (!m_document.setShowCodes(show))
            m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                              tr("The codes no longer draw ANSI art, so they stay shown."));
        updateDocumentStatus();
    });
    connect(m.mnuice, &QAction::triggered, &document, &NfoDocument::setIceColours);
    connect(&document, &NfoDocument::artChanged, this, &ViewCommands::updateDocumentStatus);
    connect(m.mnuzoomin, &QAction::triggered, &appearance, &DocumentAppearance::zoomIn);
    connect(m.mnuzoomout, &QAction::triggered, &appearance, &DocumentAppearance::zoomOut);
    connect(m.mnuzoomreset, &QAction::triggered, this, [this] { m_appearance.setZoom(100); });
    connect(&appearance, &DocumentAppearance::changed, this, &ViewCommands::showZoom);
    connect(&document, &NfoDocument::encodingChanged, this, &ViewCommands::updateDocumentStatus);
    connect(&window, &DocumentWindow::created, this,
            [this](Form1* form) { form->setWordWrap(m_config.wordWrap()); });
    showZoom();
    updateDocumentStatus();
}

void ViewCommands::mnuenc_Click(TextEncoding::Kind kind)
{
    // The same bytes, read anew; a reading that would lose characters is not made.
    if (!m_document.reinterpret(kind))
        m_dialogs.message(m_parent, Dialogs::Icon::Exclamation, ProductInfo::Title,
                          Messages::notReadable(TextEncoding::description(kind)));
    updateDocumentStatus();
}

void ViewCommands::mnuwordwrap_Click()
{
    // The check mark and the window show what is stored, so that the next start looks the same.
    if (!m_config.setWordWrap(m.mnuwordwrap->isChecked()))
        m.mnuwordwrap->setChecked(m_config.wordWrap());
    const bool wrap = m.mnuwordwrap->isChecked();
    if (Form1* window = m_window.existing())
        window->setWordWrap(wrap);
}

void ViewCommands::updateDocumentStatus()
{
    const FileEncoding encoding = m_document.encoding();
    const FileEncoding detected = m_document.detectedEncoding();
    m.mnuencrepaired->setVisible(detected.isRepaired());
    m.mnuencrepaired->setText(detected.name());
    const auto& all = TextEncoding::All;
    const auto at = std::find(all.begin(), all.end(), encoding.kind);
    if (encoding.isRepaired())
        m.mnuencrepaired->setChecked(true);
    else if (at != all.end())
        m.mnuenc.at(at - all.begin())->setChecked(true);
    m_statusBar.encodingPanel->setText(m_document.isDrawnArt()
                                           ? tr("ANSI")
                                           : encoding.name() +
                                                 (encoding.byteOrderMark ? tr(" BOM") : QString()));
    // The art's own commands, for art only; the encodings read a text, not a drawing.
    m.mnushowcodes->setEnabled(m_document.isArt());
    m.mnushowcodes->setChecked(m_document.showsCodes());
    m.mnuice->setEnabled(m_document.isDrawnArt());
    m.mnuice->setChecked(m_document.iceColours());
    m.mnuencoding->setEnabled(!m_document.isDrawnArt());
}

void ViewCommands::showZoom()
{
    m_statusBar.zoomPanel->setText(QStringLiteral("%1%").arg(m_appearance.zoom()));
}
