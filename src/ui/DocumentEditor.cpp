#include "DocumentEditor.h"

#include "DocumentFont.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"
#include "documents/LinkFinder.h"
#include "documents/RefusedCharacter.h"
#include "product/Messages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>

namespace {

// Every line end is a paragraph break of the widget, so that each line is laid out on its own
// however the file ends its lines. The kind of a break is a mark on its separator's character
// format; a break without a mark is of the document's own kind, its first line end, so that a
// file whose line ends are all alike carries no marks at all.
constexpr int kBreakKind = QTextFormat::UserProperty + 0x51;

// The mark for a line end (one of the display text's four line-end characters).
int markOf(QChar lineEnd)
{
    switch (lineEnd.unicode()) {
    case DocumentCodec::LoneCr:
        return 1;
    case DocumentCodec::CrCrLf:
        return 2;
    case DocumentCodec::LineSeparator:
        return 3;
    default:
        return 4; // CR LF
    }
}

QChar lineEndOf(int mark)
{
    switch (mark) {
    case 1:
        return QChar(DocumentCodec::LoneCr);
    case 2:
        return QChar(DocumentCodec::CrCrLf);
    case 3:
        return QChar(DocumentCodec::LineSeparator);
    default:
        return QLatin1Char('\n');
    }
}

bool isLineEnd(QChar ch)
{
    return ch == QLatin1Char('\n') || ch.unicode() == DocumentCodec::ParagraphSeparator ||
           ch.unicode() == DocumentCodec::LineSeparator || ch.unicode() == DocumentCodec::LoneCr ||
           ch.unicode() == DocumentCodec::CrCrLf;
}

QTextCharFormat withoutMark(QTextCharFormat format)
{
    format.clearProperty(kBreakKind);
    return format;
}

QTextCharFormat withMark(QTextCharFormat format, int mark)
{
    format.setProperty(kBreakKind, mark);
    return format;
}

// A paste from a document carries its bytes and their encoding beside the plain text.
const QString kCodesType = QStringLiteral("application/x-quilra-codes");
const QString kEncodingType = QStringLiteral("application/x-quilra-encoding");

// The document's first line end, which new line ends follow; CR LF when it has none.
QChar firstLineBreak(const QString& display)
{
    for (const QChar ch : display) {
        if (isLineEnd(ch))
            return ch.unicode() == DocumentCodec::ParagraphSeparator ? QLatin1Char('\n') : ch;
    }
    return QLatin1Char('\n');
}

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
    m_baseFont = DocumentFont::designed();
    applyZoom();
    // Art wider than the window stays whole, with a scroll bar, unless the user asks to wrap.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Always there, so that the wrap width does not change (and lay out the whole text again)
    // when a document grows past one screen.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(true);
    updateTabStops();
    // The pointer is followed without a button held, so that a link shows where it leads.
    viewport()->setMouseTracking(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &DocumentEditor::refreshHighlights);
}

QByteArray DocumentEditor::codes() const
{
    return DocumentFormat::save(displayText(), m_encoding, m_trailer);
}

void DocumentEditor::setDocument(QString display, const FileEncoding& encoding, QByteArray trailer)
{
    m_encoding = encoding;
    m_trailer = std::move(trailer);
    m_searchPositions.clear();
    const QList<LinkFinder::Link> links = LinkFinder::find(display);
    m_lineBreak = firstLineBreak(display);
    // Every line end becomes a paragraph break in place; those of another kind than the
    // document's own are marked once the text is set.
    struct Mark
    {
        int position;
        int mark;
    };
    QList<Mark> marks;
    const int own = markOf(m_lineBreak);
    QChar* text = display.data();
    for (qsizetype i = 0; i < display.size(); ++i) {
        if (!isLineEnd(text[i]))
            continue;
        const int mark = markOf(text[i]);
        if (mark != own)
            marks.append({static_cast<int>(i), mark});
        text[i] = QLatin1Char('\n');
    }
    // A new text document each time: the old one's formats, marks among them, would otherwise
    // linger in its collection and at its first block. Filled and marked before it is shown,
    // outside any undo history, so that undo never takes a mark away.
    auto* fresh = new QTextDocument(this);
    fresh->setDocumentLayout(new QPlainTextDocumentLayout(fresh));
    fresh->setDefaultFont(font());
    fresh->setUndoRedoEnabled(false);
    fresh->setPlainText(display);
    display = QString();
    QTextCursor cursor(fresh);
    for (const Mark& mark : marks) {
        cursor.setPosition(mark.position);
        cursor.setPosition(mark.position + 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(withMark(QTextCharFormat(), mark.mark));
    }
    fresh->setUndoRedoEnabled(true);
    fresh->setModified(false);
    m_links.clear();
    for (const LinkFinder::Link& link : links) {
        QTextCursor span(fresh);
        span.setPosition(link.start);
        span.setPosition(link.start + link.length, QTextCursor::KeepAnchor);
        m_links.append({span, link.address});
    }
    // The editor is the only user of its documents; Qt deletes the old one itself when the
    // editor is its parent, and the first, made by Qt, is deleted here.
    const QPointer<QTextDocument> old = document();
    QPlainTextEdit::setDocument(fresh);
    if (old)
        delete old.data();
    updateTabStops();
    refreshHighlights();
    Q_EMIT documentReplaced();
    Q_EMIT encodingChanged();
}

bool DocumentEditor::hasMarkedBreaks() const
{
    // Formats stay in the document's collection after the text that used them is gone, so
    // this may send a document without marks the long way; never the other way round.
    const QList<QTextFormat> formats = document()->allFormats();
    return std::any_of(formats.cbegin(), formats.cend(), [](const QTextFormat& format) {
        return format.isCharFormat() && format.hasProperty(kBreakKind);
    });
}

QString DocumentEditor::withOwnLineEnds(QString raw) const
{
    // The widget hands every paragraph break out as U+2029: here each is the document's own.
    if (m_lineBreak != QLatin1Char('\n'))
        raw.replace(QChar(DocumentCodec::ParagraphSeparator), m_lineBreak);
    return raw;
}

QString DocumentEditor::displayText() const
{
    if (!hasMarkedBreaks())
        return withOwnLineEnds(document()->toRawText());
    return displayBetween(0, document()->characterCount() - 1);
}

QString DocumentEditor::selectedDisplay() const
{
    const QTextCursor cursor = textCursor();
    if (!hasMarkedBreaks())
        return withOwnLineEnds(cursor.selectedText());
    return displayBetween(cursor.selectionStart(), cursor.selectionEnd());
}

QString DocumentEditor::displayBetween(int from, int to) const
{
    // Block by block, so that every break's mark is seen: the mark of the break after a block
    // is on the separator, which the next block gives as its character format.
    QString display;
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int start = qMax(from, block.position());
        const int separator = block.position() + block.length() - 1;
        display.append(block.text().mid(start - block.position(), qMin(to, separator) - start));
        const QTextBlock next = block.next();
        if (next.isValid() && separator >= from && separator < to) {
            const QVariant mark = next.charFormat().property(kBreakKind);
            display.append(mark.isValid() ? lineEndOf(mark.toInt()) : m_lineBreak);
        }
    }
    return display;
}

void DocumentEditor::insertDisplay(QTextCursor& cursor, const QString& display)
{
    // Inserted text takes the format at the caret, which may carry a break's mark: the text
    // and the document's own line ends go in without one, other line ends with theirs.
    const QTextCharFormat plain = withoutMark(cursor.charFormat());
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) {
        if (end <= start)
            return;
        QString part = display.mid(start, end - start);
        if (m_lineBreak != QLatin1Char('\n'))
            part.replace(m_lineBreak, QLatin1Char('\n'));
        cursor.insertText(part, plain);
    };
    const int own = markOf(m_lineBreak);
    for (qsizetype i = 0; i < display.size(); ++i) {
        if (!isLineEnd(display.at(i)) || markOf(display.at(i)) == own)
            continue;
        flush(i);
        cursor.insertBlock(cursor.blockFormat(), withMark(plain, markOf(display.at(i))));
        start = i + 1;
    }
    flush(display.size());
}

QString DocumentEditor::refusal(const QString& text) const
{
    return RefusedCharacter::first(text, m_encoding.kind);
}

QString DocumentEditor::replaceDisplay(const QString& display)
{
    const QString refused = refusal(display);
    if (!refused.isEmpty())
        return refused;
    // One edit, so that a single undo brings the old text back.
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    insertDisplay(cursor, display);
    cursor.endEditBlock();
    m_lineBreak = firstLineBreak(display);
    findLinks(display);
    setTextCursor(QTextCursor(document()));
    return QString();
}

bool DocumentEditor::refuses(const QString& text)
{
    const QString refused = refusal(text);
    if (refused.isEmpty())
        return false;
    Q_EMIT textRefused(Messages::notInserted(refused, TextEncoding::description(m_encoding.kind)));
    return true;
}

bool DocumentEditor::appendDisplay(const QString& display)
{
    if (refuses(display))
        return false;
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    insertDisplay(end, display);
    end.endEditBlock();
    setTextCursor(QTextCursor(document()));
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    return true;
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

void DocumentEditor::setSearchHighlights(QList<int> positions, int length)
{
    m_searchPositions = std::move(positions);
    m_searchLength = length;
    refreshHighlights();
}

void DocumentEditor::findLinks(const QString& display)
{
    m_links.clear();
    for (const LinkFinder::Link& link : LinkFinder::find(display)) {
        QTextCursor span(document());
        span.setPosition(link.start);
        span.setPosition(link.start + link.length, QTextCursor::KeepAnchor);
        m_links.append({span, link.address});
    }
    refreshHighlights();
}

QList<std::pair<int, int>> DocumentEditor::linkSpans() const
{
    QList<std::pair<int, int>> spans;
    for (const Link& link : m_links)
        spans.append({link.span.selectionStart(), link.span.selectionEnd()});
    return spans;
}

int DocumentEditor::linkUnder(const QPoint& point) const
{
    // The character under the point, not merely the nearest caret position: a point right of
    // a line's end is on no link.
    const QTextCursor at = cursorForPosition(point);
    const QRect caret = cursorRect(at);
    const int position = point.x() < caret.x() ? at.position() - 1 : at.position();
    for (qsizetype i = 0; i < m_links.size(); ++i) {
        const QTextCursor& span = m_links.at(i).span;
        if (span.selectionStart() <= position && position < span.selectionEnd())
            return static_cast<int>(i);
    }
    return -1;
}

void DocumentEditor::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    const int link = linkUnder(event->position().toPoint());
    const QString address = link < 0 ? QString() : m_links.at(link).address;
    viewport()->setCursor(link < 0 ? Qt::IBeamCursor : Qt::PointingHandCursor);
    if (address != m_hovered) {
        m_hovered = address;
        Q_EMIT linkHovered(address);
    }
}

void DocumentEditor::mousePressEvent(QMouseEvent* event)
{
    // Ctrl and a click open a link; a plain click places the caret, as in any editor.
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier)) {
        const int link = linkUnder(event->position().toPoint());
        if (link >= 0) {
            Q_EMIT linkActivated(m_links.at(link).address);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::mousePressEvent(event);
}

void DocumentEditor::contextMenuEvent(QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    const int link = linkUnder(event->pos());
    if (link >= 0) {
        const QString address = m_links.at(link).address;
        QAction* first = menu->actions().value(0);
        QAction* open = new QAction(QStringLiteral("Open Link"), menu.get());
        open->setObjectName(QStringLiteral("mnuopenlink"));
        connect(open, &QAction::triggered, this,
                [this, address] { Q_EMIT linkActivated(address); });
        QAction* copy = new QAction(QStringLiteral("Copy Link Address"), menu.get());
        copy->setObjectName(QStringLiteral("mnucopylink"));
        connect(copy, &QAction::triggered, this,
                [address] { QGuiApplication::clipboard()->setText(address); });
        menu->insertActions(first, {open, copy});
        menu->insertSeparator(first);
    }
    menu->exec(event->globalPos());
}

std::pair<int, int> DocumentEditor::visibleRange() const
{
    const QTextBlock lastBlock = cursorForPosition(viewport()->rect().bottomRight()).block();
    return {firstVisibleBlock().position(), lastBlock.position() + lastBlock.length()};
}

void DocumentEditor::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    // Links are underlined on the bottom pixel row of their cells, in the text's own colour,
    // so that the art is otherwise unchanged: a face's own underline may lie below a cell.
    if (m_links.isEmpty())
        return;
    QPainter painter(viewport());
    // One glyph pixel thick: a pixel at 100 %, two at 200 %.
    const int thickness = qMax(1, m_zoom / 100);
    const auto [first, last] = visibleRange();
    QTextCursor at(document());
    for (const Link& link : m_links) {
        if (link.span.selectionEnd() < first || link.span.selectionStart() > last)
            continue;
        for (int position = link.span.selectionStart(); position < link.span.selectionEnd();
             ++position) {
            at.setPosition(position);
            const QRect left = cursorRect(at);
            at.setPosition(position + 1);
            const QRect right = cursorRect(at);
            if (left.top() == right.top())
                painter.fillRect(left.left(), left.bottom() + 1 - thickness,
                                 right.left() - left.left(), thickness,
                                 palette().color(QPalette::Text));
        }
    }
}

void DocumentEditor::refreshHighlights()
{
    QList<QTextEdit::ExtraSelection> selections;
    const auto [first, last] = visibleRange();
    if (!m_searchPositions.isEmpty()) {
        QTextCharFormat marked;
        marked.setBackground(QColor(255, 230, 80));
        marked.setForeground(Qt::black);
        for (auto it = std::lower_bound(m_searchPositions.cbegin(), m_searchPositions.cend(),
                                        first - m_searchLength);
             it != m_searchPositions.cend() && *it <= last; ++it) {
            QTextCursor cursor(document());
            cursor.setPosition(*it);
            cursor.setPosition(*it + m_searchLength, QTextCursor::KeepAnchor);
            selections.append({cursor, marked});
        }
    }
    setExtraSelections(selections);
}

void DocumentEditor::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    refreshHighlights();
}

void DocumentEditor::setBaseFont(const QFont& font)
{
    m_baseFont = font;
    applyZoom();
}

void DocumentEditor::setZoom(int percent)
{
    const int* nearest =
        std::min_element(ZoomSteps.begin(), ZoomSteps.end(), [percent](int a, int b) {
            return std::abs(a - percent) < std::abs(b - percent);
        });
    if (*nearest == m_zoom)
        return;
    const int top = firstVisibleBlock().blockNumber();
    m_zoom = *nearest;
    applyZoom();
    verticalScrollBar()->setValue(top);
    Q_EMIT zoomChanged(m_zoom);
}

void DocumentEditor::zoomIn()
{
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), m_zoom);
    if (next != ZoomSteps.end())
        setZoom(*next);
}

void DocumentEditor::zoomOut()
{
    const auto here = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), m_zoom);
    if (here != ZoomSteps.begin())
        setZoom(*(here - 1));
}

void DocumentEditor::applyZoom()
{
    // Pixel sizes scale by whole pixels, so that the VGA face's glyphs at 200 % are exactly
    // twice as large; that face is drawn as the pixels it is made of, without smoothing, and
    // fully hinted, which puts every glyph on whole pixels.
    QFont font = m_baseFont;
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, font.pixelSize() * m_zoom / 100));
    else
        font.setPointSizeF(font.pointSizeF() * m_zoom / 100.0);
    if (font.family() == DocumentFont::family()) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    setFont(font);
}

void DocumentEditor::wheelEvent(QWheelEvent* event)
{
    // Ctrl and the wheel zoom by steps, as in other viewers; the wheel alone scrolls.
    if (event->modifiers() & Qt::ControlModifier) {
        const int delta = event->angleDelta().y();
        if (delta > 0)
            zoomIn();
        else if (delta < 0)
            zoomOut();
        event->accept();
        return;
    }
    QPlainTextEdit::wheelEvent(event);
}

void DocumentEditor::setWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool DocumentEditor::event(QEvent* event)
{
    // Select All, Copy, Cut, Undo and Redo belong to the main window's Edit menu, which counts
    // positions in codes and keeps its items enabled as the text allows; the text box must not
    // take their keys first.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Copy) ||
            key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->matches(QKeySequence::Cut) ||
            key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

QMimeData* DocumentEditor::createMimeDataFromSelection() const
{
    // Other programs get the characters with their line ends; a document gets the bytes back.
    const QString display = selectedDisplay();
    auto* mime = new QMimeData;
    mime->setText(DocumentCodec::toForeignText(display));
    mime->setData(kCodesType, DocumentCodec::encode(display, m_encoding.kind));
    mime->setData(kEncodingType, TextEncoding::name(m_encoding.kind).toUtf8());
    return mime;
}

bool DocumentEditor::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText() || source->hasFormat(kCodesType);
}

void DocumentEditor::insertFromMimeData(const QMimeData* source)
{
    const auto kind = TextEncoding::fromName(QString::fromUtf8(source->data(kEncodingType)));
    if (kind && source->hasFormat(kCodesType)) {
        if (const auto display = DocumentCodec::decode(source->data(kCodesType), *kind)) {
            insertChecked(*display);
            return;
        }
    }
    if (source->hasText())
        insertChecked(DocumentCodec::displayFromForeign(source->text(), m_lineBreak));
}

bool DocumentEditor::insertChecked(const QString& display)
{
    if (refuses(display))
        return false;
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    insertDisplay(cursor, display);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
    return true;
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

void DocumentEditor::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    // Every key that carries a character (Enter and Backspace too) is told before it takes
    // effect; the key then goes on as usual.
    if (!text.isEmpty())
        Q_EMIT characterKeyPressed();
    // Alt and a letter belong to the menus: never typed into the document.
    if (event->modifiers() & Qt::AltModifier) {
        event->ignore();
        return;
    }
    const bool plainTyping = !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (plainTyping && !isReadOnly()) {
        // A new line end is of the kind the document already has.
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            insertChecked(QString(m_lineBreak));
            event->accept();
            return;
        }
        if (!text.isEmpty() && text.at(0).isPrint() && !refusal(text).isEmpty()) {
            insertChecked(text);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
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
