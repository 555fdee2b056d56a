#pragma once

#include <QByteArray>
#include <QPlainTextEdit>

// The document's text box. It holds the document's codes through the code page 437 table and
// hands them out unchanged; text typed or pasted that has no code is refused, not altered.
// Positions are counted in codes, CR LF counting as two, whatever the widget counts.
class DocumentEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DocumentEditor(QWidget* parent = nullptr);

    QByteArray codes() const;
    // Replaces the whole text in one step, so that the cost grows with the text only once.
    // The codes are let go before the widget copies the text, to keep the peak low.
    void setCodes(QByteArray codes);
    // Adds codes at the end of the text without laying out the rest again, then puts the caret
    // at the start of the text and shows the top, as after a replacement of the whole text.
    void appendCodes(const QByteArray& codes);

    int codeCount() const;
    // The caret, or the start of the selection; setting it removes the selection.
    int selStart() const;
    void setSelStart(int position);
    // The selection's length; setting it selects that many codes from selStart.
    int selLength() const;
    void setSelLength(int length);
    QByteArray selectedCodes() const;

Q_SIGNALS:
    // Typed or pasted text held a character without a code; the text was left unchanged.
    void textRefused(const QString& message);
    // Files were dropped on the text: the first of them.
    void fileDropped(const QString& path);
    // A key that carries a character was pressed; the text is still as it was before the key.
    void characterKeyPressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Inserts foreign text at the caret as codes, or refuses it; true when inserted.
    bool insertForeignText(const QString& text);
    void updateTabStops();
    int codePosition(int widgetPosition) const;
    int widgetPosition(int codePosition) const;
};
