#pragma once

#include "documents/NfoFile.h"
#include "documents/TextEncoding.h"
#include "files/WholeFile.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

class Dialogs;
class NfoDocument;
class QWidget;

// The commands that tie the document to files: opening one, saving, saving a copy in another
// encoding, reading the file again, and the question before a modified document is replaced
// or dropped. The document belongs only to a file it was read from or written to, and a save
// never writes over a file that another program changed or removed since without asking.
class DocumentFiles : public QObject
{
    Q_OBJECT

public:
    DocumentFiles(Dialogs& dialogs, QWidget* parent, NfoDocument& document);

    // Makes the file the document. Anything but Read means the file could not be opened or
    // read, and the document stays as it was. Says nothing itself.
    NfoFile::Status read(const QString& path);
    // Reads the file as `read` does; on failure shows "File not found." and tells why in the
    // status bar. True when opened.
    bool open(const QString& path);
    // Reads the document's file again, after the question when the document is modified.
    bool reload();

    // Writes the document to its own file, or runs Save As when it has none; true when written.
    bool save();
    // Writes the document, or a copy in another encoding, to a chosen file, which the document
    // then belongs to. True when written.
    bool saveAs();

    // Whether the document may be replaced or dropped now: it is unmodified, or the user saved
    // it or chose to discard the changes. False when the user cancelled or the save failed.
    bool maySetAside();

    // Makes the document belong to the file and watches it for other programs' changes.
    void belongTo(const QString& path);

Q_SIGNALS:
    // A short note for the status bar.
    void statusMessage(const QString& text);
    // Save As made the document belong to this file.
    void savedAs(const QString& path);
    // Another program changed the document's file while the document was unmodified.
    void changedOnDisk();

private:
    bool write(const QString& path, const QByteArray& bytes, WholeFile::Links links);
    // Whether the document's file is still as it was opened or saved; if not, what the user
    // wants: false to stop, true to write over it, or a Save As run in between (`savedAs`).
    bool mayWriteOwnFile(bool& savedAs);
    void fileChanged(const QString& path);
    static QString whyNotOpened(NfoFile::Status status);

    Dialogs& m_dialogs;
    QWidget* m_parent;
    NfoDocument& m_document;
    QFileSystemWatcher m_watcher;
    bool m_throughLink = false;
};
