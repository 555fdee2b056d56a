#pragma once

#include "ChildWindow.h"
#include "documents/TextEncoding.h"

#include <QByteArray>

class CheckPanel;
class DocumentAppearance;
class DocumentEditor;
class FileChangedBar;
class FindBar;
class NfoDocument;

// The one document window: a view of the document. Its caption is the path of the document's
// file, or "Quilra" when the document is untitled, with an asterisk after it while the
// document is modified; its text box `txtvimb` shows and edits the whole document.
class Form1 : public ChildWindow
{
    Q_OBJECT

public:
    Form1(NfoDocument& document, DocumentAppearance& appearance, QWidget* parent = nullptr);

    DocumentEditor* const txtvimb;
    // The find bar under the text, hidden until Find or Replace opens it.
    FindBar* const findbar;
    // Edit > Check NFO: the findings under the text, hidden until the command opens it.
    CheckPanel* const checkpanel;
    // The notice that another program changed the file, hidden until it did.
    FileChangedBar* const filechanged;
    // Shows that notice.
    void showFileChanged();

    NfoDocument& document() const { return m_document; }

    // The document as its file's bytes, exactly.
    QByteArray text() const;
    // Makes the bytes the document, as a file is opened: its encoding detected.
    void setText(QByteArray fileBytes);
    FileEncoding encoding() const;
    bool isModified() const;
    void setModified(bool modified);
    QString filePath() const;

    // The Edit menu's commands on the text box, positions counted in codes.
    void selectAll();
    // Copies the selection (the characters for other programs, the bytes for a document) and
    // moves the caret to its end.
    void copy();
    void cut();
    void paste();
    void undo();
    void redo();
    bool hasSelection() const;
    void setWordWrap(bool wrap);
    // Lets `filter` see the text's paint events.
    void watchPaint(QObject* filter);
    void unwatchPaint(QObject* filter);

    // The document's text and background colours; an invalid colour keeps the one it has.
    void setDocumentColours(const QColor& text, const QColor& background);
    // Draws the document in `face` at `points`; an empty face keeps the face it has.
    void setDocumentFont(const QString& face, double points);

Q_SIGNALS:
    // What the text box tells: see DocumentEditor.
    void fileDropped(const QString& path);
    void characterKeyPressed();
    void linkHovered(const QString& address);
    void linkActivated(const QString& address);
    void copyAvailable(bool available);
    // The notice's Reload was chosen.
    void reloadRequested();

private:
    void showCaption();

    NfoDocument& m_document;
    DocumentAppearance& m_appearance;
};
