#pragma once

#include "ChildWindow.h"
#include "documents/TextEncoding.h"

#include <QByteArray>

class DocumentEditor;
class FindBar;

// The one document window. Its caption is the path of the document's file, or "Quilra" when
// no file is attached; its text box `txtvimb` holds the whole document.
class Form1 : public ChildWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    DocumentEditor* const txtvimb;
    // The find bar under the text, hidden until Find or Replace opens it.
    FindBar* const findbar;

    // The document as its file's bytes, exactly.
    QByteArray text() const;
    // Makes the bytes the document, as a file is opened: its encoding detected.
    void setText(QByteArray fileBytes);
    FileEncoding encoding() const;
    // Reads the same bytes in another encoding; false (nothing changed) when they do not
    // decode in it without loss.
    bool reinterpret(TextEncoding::Kind kind);
    // Replaces the text by display text, or adds it at the end (the caret then goes to the
    // start of the text), in the document's encoding. Replacing gives the character the
    // encoding cannot hold, "" when done; adding refuses such text as typing does.
    QString replaceText(const QString& display);
    bool appendText(const QString& display);
    // Bytes are no display text: they must go through a codec first.
    QString replaceText(const QByteArray&) = delete;
    bool appendText(const QByteArray&) = delete;

    // Whether the document changed since it was loaded, saved, created or generated; undo back
    // to that state clears it.
    bool isModified() const;
    void setModified(bool modified);

    // The document's file, "" when none is attached. The caption shows it, and an asterisk
    // after it while the document is modified.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path);

    // The document's text and background colours; an invalid colour keeps the one it has.
    void setDocumentColours(const QColor& text, const QColor& background);
    // Draws the document in `face` at `points`; an empty face keeps the face it has.
    void setDocumentFont(const QString& face, double points);

private:
    QString m_filePath;
};
