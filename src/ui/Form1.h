#pragma once

#include "ChildWindow.h"

#include <QByteArray>

class DocumentEditor;

// The one document window. Its caption is the path of the document's file, or "Quilra" when
// no file is attached; its text box `txtvimb` holds the whole document.
class Form1 : public ChildWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    DocumentEditor* const txtvimb;

    QByteArray text() const;
    void setText(QByteArray codes);
    // Adds codes at the end of the document; the caret goes to the start of the text.
    void appendText(const QByteArray& codes);

    // The document's file, "" when none is attached. The caption shows it.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path);

    // The document's text and background colours; an invalid colour keeps the one it has.
    void setDocumentColours(const QColor& text, const QColor& background);
    // Draws the document in `face` at `points`; an empty face keeps the face it has.
    void setDocumentFont(const QString& face, double points);

private:
    QString m_filePath;
};
