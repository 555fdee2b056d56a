#pragma once

#include "documents/NfoFile.h"
#include "documents/TextEncoding.h"

#include <QString>
#include <functional>

class Dialogs;
class Form1;
class QWidget;

// The commands that tie the one document to files: reading one in, saving, saving a copy in
// another encoding, and the question before a modified document is replaced or dropped.
class DocumentFiles
{
public:
    // `document` gives the document window, making it when there is none; `existing` gives it
    // only when it exists; `attach` makes a path the document's file (both captions).
    DocumentFiles(Dialogs& dialogs, QWidget* parent, std::function<Form1*()> document,
                  std::function<Form1*()> existing, std::function<void(const QString&)> attach);

    // Replaces the document's text by the file's. Anything but Read means the file could not
    // be opened or read (the text holds what was read). Says nothing itself.
    NfoFile::Status read(const QString& path);
    void reportOpenFailure(NfoFile::Status status);

    // Writes the document to its own file, or runs Save As when it has none; true when written.
    bool save();
    // Writes the document, or a copy of it in another encoding, to a chosen file. An untitled
    // document then belongs to that file; one with a file of its own stays with it. True when
    // written.
    bool saveAs();

    // Whether the document may be replaced or dropped now: it is unmodified, or the user saved
    // it or chose to discard the changes. False when the user cancelled or the save failed.
    bool maySetAside();

private:
    bool write(const QString& path, const QByteArray& bytes);
    bool writeConverted(const QString& path, TextEncoding::Kind kind);

    Dialogs& m_dialogs;
    QWidget* m_parent;
    std::function<Form1*()> m_document;
    std::function<Form1*()> m_existing;
    std::function<void(const QString&)> m_attach;
};
