#include "DocumentEditor.h"

#include "DocumentFont.h"
#include "documents/Cp437.h"
#include "documents/DocumentCodec.h"
#include "documents/RefusedCharacter.h"
#include "product/Messages.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QUrl>

namespace {

// The first local file that a drag carries, or "".
QString firstLocalFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return QString();
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return QString();
}

} // namespace

DocumentEditor::DocumentEditor(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtvimb"));
    setFont(DocumentFont::designed());
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that the wrap width does not change (and lay out the whole text again)
    // when a document grows past one screen.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(true);
    updateTabStops();
}

QByteArray DocumentEditor::codes() const
{
    return DocumentCodec::fromDisplay(document()->toRawText());
}

void DocumentEditor::setCodes(QByteArray codes)
{
    QString shown = DocumentCodec::toDisplay(codes);
    codes = QByteArray();
    setPlainText(shown);
}

void DocumentEditor::appendCodes(const QByteArray& codes)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    // A CR at the old end shows as its glyph; with an LF arriving after it, the two become one
    // line end, exactly as the whole text would show.
    const QChar last = document()->characterAt(document()->characterCount() - 2);
    if (codes.startsWith('\n') && last == Cp437::toUnicode('\r')) {
        end.deletePreviousChar();
        end.insertText(DocumentCodec::toDisplay('\r' + codes));
    } else {
        end.insertText(DocumentCodec::toDisplay(codes));
    }
    end.endEditBlock();
    QTextCursor start(document());
    setTextCursor(start);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

int DocumentEditor::codeCount() const
{
    // Every paragraph break but the last block's end counts twice.
    return document()->characterCount() - 1 + document()->blockCount() - 1;
}

int DocumentEditor::codePosition(int widgetPos) const
{
    return widgetPos + document()->findBlock(widgetPos).blockNumber();
}

int DocumentEditor::widgetPosition(int codePos) const
{
    // The last block whose first code lies at or before the position.
    int low = 0;
    int high = document()->blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        const QTextBlock block = document()->findBlockByNumber(middle);
        if (block.position() + middle <= codePos)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = document()->findBlockByNumber(low);
    const int offset = codePos - (block.position() + low);
    // A position inside a CR LF pair stands before the break.
    return block.position() + qBound(0, offset, block.length() - 1);
}

int DocumentEditor::selStart() const
{
    return codePosition(textCursor().selectionStart());
}

void DocumentEditor::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(widgetPosition(qBound(0, position, codeCount())));
    setTextCursor(cursor);
}

int DocumentEditor::selLength() const
{
    const QTextCursor cursor = textCursor();
    return codePosition(cursor.selectionEnd()) - codePosition(cursor.selectionStart());
}

void DocumentEditor::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = qBound(0, codePosition(start) + qMax(0, length), codeCount());
    cursor.setPosition(start);
    cursor.setPosition(widgetPosition(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QByteArray DocumentEditor::selectedCodes() const
{
    return DocumentCodec::fromDisplay(textCursor().selectedText());
}

bool DocumentEditor::event(QEvent* event)
{
    // Select All and Copy belong to the main window's Edit menu, which counts positions in
    // codes; the text box must not take their keys first.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Copy)) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

QMimeData* DocumentEditor::createMimeDataFromSelection() const
{
    // Other programs get the art as Unicode glyphs with CR LF line ends.
    auto* mime = new QMimeData;
    mime->setText(DocumentCodec::toForeignText(selectedCodes()));
    return mime;
}

void DocumentEditor::dragEnterEvent(QDragEnterEvent* event)
{
    if (firstLocalFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void DocumentEditor::dragMoveEvent(QDragMoveEvent* event)
{
    if (firstLocalFile(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void DocumentEditor::dropEvent(QDropEvent* event)
{
    // Only files open; dropped text and other data are ignored.
    const QString path = firstLocalFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT fileDropped(path);
}

bool DocumentEditor::insertForeignText(const QString& text)
{
    const QString refused = RefusedCharacter::first(text);
    if (!refused.isEmpty()) {
        Q_EMIT textRefused(Messages::notInserted(refused));
        return false;
    }
    // Through the codes and back, so that what the widget shows is what will be saved (a typed
    // glyph of TAB becomes a tab, for example).
    insertPlainText(DocumentCodec::toDisplay(DocumentCodec::fromForeignText(text)));
    return true;
}

void DocumentEditor::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    // Every key that carries a character (Enter and Backspace too) is told before it takes
    // effect; the key then goes on as usual.
    if (!text.isEmpty())
        Q_EMIT characterKeyPressed();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    const bool plainTyping = !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (printable && plainTyping && !isReadOnly()) {
        const QString shown = DocumentCodec::toDisplay(DocumentCodec::fromForeignText(text));
        if (DocumentCodec::firstUnencodable(text) >= 0 || shown != text) {
            insertForeignText(text);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DocumentEditor::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText())
        insertForeignText(source->text());
}

void DocumentEditor::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateTabStops();
}

void DocumentEditor::updateTabStops()
{
    // Tab stops every eight columns, as on the text screens NFO files were drawn for.
    setTabStopDistance(8 * fontMetrics().horizontalAdvance(QLatin1Char(' ')));
}
