#include "DocumentEditor.h"

#include "DocumentAppearance.h"
#include "NfoDocument.h"
#include "SteadyCaret.h"
#include "documents/DocumentCodec.h"
#include "settings/Config.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>

namespace {

// A paste from a document carries its bytes and their encoding beside the plain text.
const QString kCodesType = QStringLiteral("application/x-quilra-codes");
const QString kEncodingType = QStringLiteral("application/x-quilra-encoding");

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

// The squared distance of two colours.
int distance(const QColor& a, const QColor& b)
{
    const int red = a.red() - b.red();
    const int green = a.green() - b.green();
    const int blue = a.blue() - b.blue();
    return red * red + green * green + blue * blue;
}

// A yellow marker, or a cyan or pink one where the text or the background is close to yellow
// (amber text, a yellow page), so that the matches stand out in any colours.
QColor markColour(const QColor& text, const QColor& background)
{
    const QColor candidates[] = {QColor(255, 230, 80), QColor(80, 220, 255), QColor(255, 120, 220)};
    constexpr int kApart = 150 * 150;
    for (const QColor& candidate : candidates)
        if (distance(candidate, text) >= kApart && distance(candidate, background) >= kApart)
            return candidate;
    return candidates[0];
}

} // namespace

DocumentEditor::DocumentEditor(NfoDocument& document, DocumentAppearance& appearance,
                               QWidget* parent)
    : QPlainTextEdit(parent), m_document(document), m_appearance(appearance)
{
    setObjectName(QStringLiteral("txtvimb"));
    // The document's text, shared with every other view of it and never replaced.
    QPlainTextEdit::setDocument(document.textDocument());
    new SteadyCaret(*document.textDocument(), this);
    applyAppearance();
    // Art wider than the window stays whole, with a scroll bar, unless the user asks to wrap.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Always there, so that the wrap width does not change (and lay out the whole text again)
    // when a document grows past one screen.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(true);
    // The pointer is followed without a button held, so that a link shows where it leads.
    viewport()->setMouseTracking(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &DocumentEditor::refreshHighlights);
    connect(&appearance, &DocumentAppearance::changed, this, &DocumentEditor::applyAppearance);
    connect(&document, &NfoDocument::aboutToReset, this, &DocumentEditor::letGoOfCaret);
    connect(&document, &NfoDocument::reset, this, &DocumentEditor::documentReset);
    // Drawn art is read as it is drawn, on its own black.
    connect(&document, &NfoDocument::artChanged, this, [this] {
        setReadOnly(m_document.isDrawnArt());
        applyAppearance();
    });
    connect(&document, &NfoDocument::appended, this, [this] {
        // After a palette key the caret goes to the start of the text and the top shows.
        setTextCursor(QTextCursor(this->document()));
        verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    });
    connect(&document, &NfoDocument::changedFromOutside, this,
            [this] { setTextCursor(QTextCursor(this->document())); });
}

void DocumentEditor::letGoOfCaret()
{
    // No caret while the new text goes in: one would be pushed to the text's end, and putting
    // it at the start afterwards would first find where that end lies on screen, which lays out
    // up to two pages of lines.
    setTextCursor(QTextCursor());
}

void DocumentEditor::documentReset()
{
    // A new content: the matches of a search and the caret's place were in the old one.
    m_searchPositions.clear();
    m_searchLength = 0;
    // Text of another kind (Unicode or a code page) is drawn with or without shaping.
    if (m_shaped != TextEncoding::isUnicode(m_document.encoding().kind))
        applyAppearance();
    setTextCursor(QTextCursor(document()));
    updateTabStops();
    layOutWidestLine();
    refreshHighlights();
}

void DocumentEditor::layOutWidestLine()
{
    QTextBlock widest = document()->firstBlock();
    for (QTextBlock block = widest.next(); block.isValid(); block = block.next())
        if (block.length() > widest.length())
            widest = block;
    // Laying the block out widens the layout's document size, which sets the scroll bar.
    document()->documentLayout()->blockBoundingRect(widest);
}

int DocumentEditor::codeCount() const
{
    return m_document.codeCount();
}

QString DocumentEditor::displayText() const
{
    return m_document.displayText();
}

QString DocumentEditor::selectedDisplay() const
{
    const QTextCursor cursor = textCursor();
    return m_document.displayBetween(cursor.selectionStart(), cursor.selectionEnd());
}

int DocumentEditor::selStart() const
{
    return m_document.codePosition(textCursor().selectionStart());
}

void DocumentEditor::setSelStart(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(m_document.textPosition(qBound(0, position, codeCount())));
    setTextCursor(cursor);
}

int DocumentEditor::selLength() const
{
    const QTextCursor cursor = textCursor();
    return m_document.codePosition(cursor.selectionEnd()) -
           m_document.codePosition(cursor.selectionStart());
}

void DocumentEditor::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int end = qBound(0, m_document.codePosition(start) + qMax(0, length), codeCount());
    cursor.setPosition(start);
    cursor.setPosition(m_document.textPosition(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void DocumentEditor::setSearchHighlights(QList<int> positions, int length)
{
    m_searchPositions = std::move(positions);
    m_searchLength = length;
    refreshHighlights();
}

QList<std::pair<int, int>> DocumentEditor::linkSpans() const
{
    QList<std::pair<int, int>> spans;
    for (const NfoDocument::Link& link : m_document.links())
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
    const QList<NfoDocument::Link>& links = m_document.links();
    for (qsizetype i = 0; i < links.size(); ++i) {
        const QTextCursor& span = links.at(i).span;
        if (span.selectionStart() <= position && position < span.selectionEnd())
            return static_cast<int>(i);
    }
    return -1;
}

void DocumentEditor::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    const int link = linkUnder(event->position().toPoint());
    const QString address = link < 0 ? QString() : m_document.links().at(link).address;
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
            Q_EMIT linkActivated(m_document.links().at(link).address);
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
        const QString address = m_document.links().at(link).address;
        QAction* first = menu->actions().value(0);
        QAction* open = new QAction(tr("Open Link"), menu.get());
        open->setObjectName(QStringLiteral("mnuopenlink"));
        connect(open, &QAction::triggered, this,
                [this, address] { Q_EMIT linkActivated(address); });
        QAction* copy = new QAction(tr("Copy Link Address"), menu.get());
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
    if (m_document.links().isEmpty())
        return;
    QPainter painter(viewport());
    // One glyph pixel thick: a pixel at 100 %, two at 200 %.
    const int thickness = qMax(1, m_appearance.zoom() / 100);
    const auto [first, last] = visibleRange();
    QTextCursor at(document());
    for (const NfoDocument::Link& link : m_document.links()) {
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
    // Finding the visible range lays out the visible lines: only done when there are matches.
    if (!m_searchPositions.isEmpty()) {
        const auto [first, last] = visibleRange();
        QTextCharFormat marked;
        marked.setBackground(m_markColour);
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

void DocumentEditor::applyAppearance()
{
    // The view keeps the line at its top when the zoom changes the font.
    const int top = firstVisibleBlock().blockNumber();
    const QFont before = font();
    m_shaped = TextEncoding::isUnicode(m_document.encoding().kind);
    m_appearance.style(*this, m_appearance.zoom(), m_shaped);
    // Drawn art is read on its own black; a text in the appearance's colours.
    const QColor text =
        m_document.isDrawnArt() ? QColor::fromRgb(0xAAAAAA) : m_appearance.textColour();
    const QColor background =
        m_document.isDrawnArt() ? QColor(Qt::black) : m_appearance.backgroundColour();
    QPalette colours = palette();
    colours.setColor(QPalette::Text, text);
    colours.setColor(QPalette::Base, background);
    // A selection is the text in reverse, which shows in any pair of colours, as the caret,
    // which inverts the background under it, does.
    colours.setColor(QPalette::Highlight, text);
    colours.setColor(QPalette::HighlightedText, background);
    setPalette(colours);
    m_markColour = markColour(text, background);
    if (font() == before)
        return;
    layOutWidestLine();
    verticalScrollBar()->setValue(top);
}

void DocumentEditor::wheelEvent(QWheelEvent* event)
{
    // Ctrl and the wheel zoom by steps, as in other viewers; the wheel alone scrolls.
    if (event->modifiers() & Qt::ControlModifier) {
        const int delta = event->angleDelta().y();
        if (delta > 0)
            m_appearance.zoomIn();
        else if (delta < 0)
            m_appearance.zoomOut();
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
    const TextEncoding::Kind kind = m_document.encoding().kind;
    mime->setData(kCodesType, DocumentCodec::encode(display, kind));
    mime->setData(kEncodingType, TextEncoding::name(kind).toUtf8());
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
        insertChecked(DocumentCodec::displayFromForeign(source->text(), m_document.lineBreak()));
}

bool DocumentEditor::insertChecked(const QString& display)
{
    QTextCursor cursor = textCursor();
    if (!m_document.insert(cursor, display))
        return false;
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
    // Drawn art takes no typing: the key is refused with a note, not silently dropped.
    if (isReadOnly() && !text.isEmpty() && !(event->modifiers() & Qt::ControlModifier) &&
        (text.at(0).isPrint() || event->key() == Qt::Key_Return)) {
        m_document.refuses(text);
        event->accept();
        return;
    }
    // Alt and a letter belong to the menus: never typed into the document.
    if (event->modifiers() & Qt::AltModifier) {
        event->ignore();
        return;
    }
    const bool plainTyping = !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (plainTyping && !isReadOnly()) {
        // A new line end is of the kind the document already has.
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            insertChecked(QString(m_document.lineBreak()));
            event->accept();
            return;
        }
        if (!text.isEmpty() && text.at(0).isPrint() && !m_document.refusal(text).isEmpty()) {
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
