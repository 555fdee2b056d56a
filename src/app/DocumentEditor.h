#pragma once

#include <QByteArray>
#include <QPlainTextEdit>

// The document's text box. It holds the document's codes through the code page 437 table and
// hands them out unchanged; text typed or pasted that has no code is refused, not altered.
class DocumentEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DocumentEditor(QWidget* parent = nullptr);

    QByteArray codes() const;
    // Replaces the whole text in one step, so that the cost grows with the text only once.
    void setCodes(const QByteArray& codes);

Q_SIGNALS:
    // Typed or pasted text held a character without a code; the text was left unchanged.
    void textRefused(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void changeEvent(QEvent* event) override;

private:
    // Inserts foreign text at the caret as codes, or refuses it; true when inserted.
    bool insertForeignText(const QString& text);
    void updateTabStops();
};
