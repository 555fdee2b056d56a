#include "DocumentEditor.h"

#include "DocumentFont.h"
#include "documents/DocumentCodec.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>

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

void DocumentEditor::setCodes(const QByteArray& codes)
{
    setPlainText(DocumentCodec::toDisplay(codes));
}

bool DocumentEditor::insertForeignText(const QString& text)
{
    const int refused = DocumentCodec::firstUnencodable(text);
    if (refused >= 0) {
        Q_EMIT textRefused(tr("\"%1\" has no code in code page 437 and was not inserted.")
                               .arg(text.mid(refused, text.at(refused).isHighSurrogate() ? 2 : 1)));
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
