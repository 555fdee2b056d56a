#pragma once

#include "export/DocumentExport.h"

#include <QCoreApplication>

class Dialogs;
class DocumentAppearance;
class NfoDocument;
class QWidget;

// File > Export: the document written as a picture, a web page or UTF-8 text to a file the
// user chooses, as it looks in the window. It reports on its own and never touches the
// document or its file.
class WindowExport
{
    Q_DECLARE_TR_FUNCTIONS(MDIForm1)

public:
    WindowExport(Dialogs& dialogs, QWidget* parent, const NfoDocument& document,
                 const DocumentAppearance& appearance);

    void run(DocumentExport::Format format);

private:
    DocumentExport::Options options(DocumentExport::Format format) const;
    QString startName(const QString& suffix) const;

    Dialogs& m_dialogs;
    QWidget* m_parent;
    const NfoDocument& m_document;
    const DocumentAppearance& m_appearance;
};
