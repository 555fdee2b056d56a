#pragma once

#include "export/DocumentExport.h"

#include <QCoreApplication>

class Dialogs;
class DocumentAppearance;
class NfoDocument;
class QStatusBar;
class QWidget;

// File > Export: the document written as a picture (PNG, PDF or SVG), a web page or UTF-8
// text to a file the user chooses, as it looks in the window. The export runs beside the
// window, which stays responsive, with its progress and a Cancel button in the status bar; it
// goes into a file beside the target that replaces it only when complete. It reports on its
// own and never touches the document or its file.
class WindowExport
{
    Q_DECLARE_TR_FUNCTIONS(MDIForm1)

public:
    WindowExport(Dialogs& dialogs, QWidget* parent, QStatusBar& statusBar,
                 const NfoDocument& document, const DocumentAppearance& appearance);

    void run(DocumentExport::Format format);

private:
    DocumentExport::Options options(DocumentExport::Format format) const;
    // Writes the export to `path` on a thread of its own while the window goes on: "" when
    // done, else why not.
    QString write(const QString& path, const DocumentExport::Options& options);
    QString startName(const QString& suffix) const;

    Dialogs& m_dialogs;
    QWidget* m_parent;
    QStatusBar& m_statusBar;
    const NfoDocument& m_document;
    const DocumentAppearance& m_appearance;
};
