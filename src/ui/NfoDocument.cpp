#include "NfoDocument.h"

#include "LongLineLayout.h"
#include "TrailerChange.h"
#include "ansi/VgaColours.h"
#include "documents/Cp437.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"
#include "documents/LineEnd.h"
#include "documents/LinkFinder.h"
#include "documents/RefusedCharacter.h"
#include "product/Messages.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace {

// The mark of a break's kind, a property of its separator's character format.
constexpr int kBreakKind = QTextFormat::UserProperty + 0x51;

// A break's mark is its kind of line end (see LineEnd); an unmarked break is of the
// document's own kind.
int markOf(QChar lineEnd)
{
    return LineEnd::kindOf(lineEnd);
}

QChar lineEndOf(int mark)
{
    return QChar(LineEnd::character(mark));
}

bool isLineEnd(QChar ch)
{
    return LineEnd::isLineEnd(ch);
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

// The text's first line end, which new line ends follow; CR LF when it has none.
QChar firstLineBreak(const QString& display)
{
    for (const QChar ch : display) {
        if (isLineEnd(ch))
            return ch.unicode() == DocumentCodec::ParagraphSeparator ? QLatin1Char('\n') : ch;
    }
    return QLatin1Char('\n');
}

} // namespace

NfoDocument::NfoDocument(QObject* parent) : QObject(parent), m_text(new QTextDocument(this))
{
    m_text->setDocumentLayout(new LongLineLayout(m_text));
    m_text->setUndoRedoEnabled(true);
    connect(m_text, &QTextDocument::modificationChanged, this, &NfoDocument::modificationChanged);
}

NfoDocument::~NfoDocument() = default;

void NfoDocument::open(QByteArray fileBytes)
{
    m_showCodes = false;
    m_art = AnsiDocument::open(fileBytes);
    if (m_art) {
        m_detected = FileEncoding();
        m_encoding = FileEncoding();
        m_trailer.clear();
        loadDrawn();
        return;
    }
    DocumentFormat::Opened opened = DocumentFormat::open(fileBytes);
    // The bytes are let go before the text is built, to keep the peak low.
    fileBytes = QByteArray();
    m_detected = opened.encoding;
    load(std::move(opened.display), opened.encoding, std::move(opened.trailer));
}

void NfoDocument::clear()
{
    m_art.reset();
    m_showCodes = false;
    m_detected = FileEncoding();
    load(QString(), FileEncoding(), QByteArray());
    setFilePath(QString());
    m_stamp.reset();
}

void NfoDocument::load(QString display, const FileEncoding& encoding, QByteArray trailer)
{
    if (!m_showCodes)
        m_art.reset();
    m_encoding = encoding;
    m_trailer = std::move(trailer);
    const QList<LinkFinder::Link> found = LinkFinder::find(display);
    m_ownBreak = m_lineBreak = firstLineBreak(display);
    // Every line end becomes a paragraph break in place; those of another kind than the
    // document's own are marked once the text is set.
    struct Mark
    {
        int position;
        int mark;
    };
    QList<Mark> marks;
    const int own = markOf(m_ownBreak);
    QChar* text = display.data();
    for (qsizetype i = 0; i < display.size(); ++i) {
        if (!isLineEnd(text[i]))
            continue;
        const int mark = markOf(text[i]);
        if (mark != own)
            marks.append({static_cast<int>(i), mark});
        text[i] = QLatin1Char('\n');
    }
    // Set and marked outside any undo history, which is emptied with it: undo never takes a
    // mark away, and never brings back another file's text. Setting the text anew also empties
    // the document's collection of formats, so no mark of the last file lingers.
    m_links.clear();
    Q_EMIT aboutToReset();
    m_text->setUndoRedoEnabled(false);
    m_text->setPlainText(display);
    display = QString();
    QTextCursor cursor(m_text);
    for (const Mark& mark : marks) {
        cursor.setPosition(mark.position);
        cursor.setPosition(mark.position + 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(withMark(QTextCharFormat(), mark.mark));
    }
    m_text->setUndoRedoEnabled(true);
    m_text->setModified(false);
    for (const LinkFinder::Link& link : found) {
        QTextCursor span(m_text);
        span.setPosition(link.start);
        span.setPosition(link.start + link.length, QTextCursor::KeepAnchor);
        m_links.append({span, link.address});
    }
    Q_EMIT reset();
    Q_EMIT encodingChanged();
    Q_EMIT artChanged();
}

QByteArray NfoDocument::bytes() const
{
    if (isDrawnArt())
        return m_art->bytes();
    return DocumentFormat::save(displayText(), m_encoding, m_trailer);
}

void NfoDocument::loadDrawn()
{
    // Each row as it is drawn, up to its last character or coloured cell, in runs of one
    // foreground and background; set in one edit, outside any history.
    const AnsiCanvas& canvas = m_art->canvas();
    m_links.clear();
    Q_EMIT aboutToReset();
    m_text->setUndoRedoEnabled(false);
    m_text->clear();
    QTextCursor cursor(m_text);
    cursor.beginEditBlock();
    for (int y = 0; y < canvas.rows(); ++y) {
        const AnsiCanvas::Cell* row = canvas.row(y);
        int end = canvas.width();
        while (end > 0 && (row[end - 1].code == ' ' || row[end - 1].code == 0) &&
               row[end - 1].background() == 0)
            --end;
        if (y > 0)
            cursor.insertBlock();
        for (int start = 0; start < end;) {
            int stop = start + 1;
            while (stop < end && row[stop].colours == row[start].colours)
                ++stop;
            QString run(stop - start, QLatin1Char(' '));
            for (int x = start; x < stop; ++x) {
                if (row[x].code != 0)
                    run[x - start] = Cp437::toUnicode(row[x].code);
            }
            QTextCharFormat colours;
            colours.setForeground(QColor::fromRgb(VgaColours::rgb(row[start].foreground())));
            colours.setBackground(QColor::fromRgb(VgaColours::rgb(row[start].background())));
            cursor.insertText(run, colours);
            start = stop;
        }
    }
    cursor.endEditBlock();
    m_text->setUndoRedoEnabled(true);
    m_text->setModified(false);
    Q_EMIT reset();
    Q_EMIT encodingChanged();
    Q_EMIT artChanged();
}

bool NfoDocument::setShowCodes(bool show)
{
    if (!m_art || show == m_showCodes)
        return m_art.has_value();
    const bool modified = isModified();
    if (show) {
        // The codes as a text: the file's bytes read as code page 437, as ANSI art is drawn,
        // ESC and all.
        m_showCodes = true;
        auto opened = DocumentFormat::reinterpret(m_art->bytes(), TextEncoding::Cp437);
        load(std::move(opened->display), opened->encoding, std::move(opened->trailer));
    } else {
        auto drawn = AnsiDocument::open(bytes(), m_art->settings().iceColours);
        if (!drawn)
            return false;
        m_art = std::move(drawn);
        m_showCodes = false;
        loadDrawn();
    }
    if (modified)
        markUnsaved();
    Q_EMIT artChanged();
    return true;
}

void NfoDocument::setIceColours(bool on)
{
    if (!isDrawnArt() || on == iceColours())
        return;
    const bool modified = isModified();
    m_art = m_art->withIceColours(on);
    loadDrawn();
    if (modified)
        markUnsaved();
}

bool NfoDocument::refusesDrawn()
{
    if (!isDrawnArt())
        return false;
    Q_EMIT textRefused(tr("ANSI art is shown as it is drawn and cannot be edited; View > Show "
                          "Codes edits its codes."));
    return true;
}

bool NfoDocument::reinterpret(TextEncoding::Kind kind)
{
    return reinterpret(FileEncoding{kind, false});
}

bool NfoDocument::reinterpret(const FileEncoding& encoding)
{
    if (isDrawnArt())
        return false;
    auto opened = encoding.isRepaired() ? DocumentFormat::reinterpret(bytes(), encoding)
                                        : DocumentFormat::reinterpret(bytes(), encoding.kind);
    if (!opened)
        return false;
    // The same bytes, edits and all: a modified document stays modified.
    const bool modified = isModified();
    load(std::move(opened->display), opened->encoding, std::move(opened->trailer));
    if (modified)
        markUnsaved();
    return true;
}

void NfoDocument::setEncoding(const FileEncoding& encoding)
{
    m_encoding = encoding;
    Q_EMIT encodingChanged();
}

bool NfoDocument::hasMarkedBreaks() const
{
    // Formats stay in the collection after the text that used them is gone, so this may send
    // a text without marks the long way; never the other way round.
    const QList<QTextFormat> formats = m_text->allFormats();
    return std::any_of(formats.cbegin(), formats.cend(), [](const QTextFormat& format) {
        return format.isCharFormat() && format.hasProperty(kBreakKind);
    });
}

QString NfoDocument::displayText() const
{
    if (!hasMarkedBreaks()) {
        // The text hands every paragraph break out as U+2029: here each is the document's own.
        QString raw = m_text->toRawText();
        raw.replace(QChar(DocumentCodec::ParagraphSeparator), m_ownBreak);
        return raw;
    }
    return displayBetween(0, m_text->characterCount() - 1);
}

QString NfoDocument::displayBetween(int from, int to) const
{
    // Block by block, so that every break's mark is seen: the mark of the break after a block
    // is on the separator, which the next block gives as its character format.
    QString display;
    for (QTextBlock block = m_text->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int start = qMax(from, block.position());
        const int separator = block.position() + block.length() - 1;
        display.append(block.text().mid(start - block.position(), qMin(to, separator) - start));
        const QTextBlock next = block.next();
        if (next.isValid() && separator >= from && separator < to) {
            const QVariant mark = next.charFormat().property(kBreakKind);
            display.append(mark.isValid() ? lineEndOf(mark.toInt()) : m_ownBreak);
        }
    }
    return display;
}

void NfoDocument::insertDisplay(QTextCursor& cursor, const QString& display)
{
    // Inserted text takes the format at the caret, which may carry a break's mark: the text
    // and the document's own line ends go in without one, other line ends with theirs.
    const QTextCharFormat plain = withoutMark(cursor.charFormat());
    qsizetype start = 0;
    const auto flush = [&](qsizetype end) {
        if (end <= start)
            return;
        QString part = display.mid(start, end - start);
        if (m_ownBreak != QLatin1Char('\n'))
            part.replace(m_ownBreak, QLatin1Char('\n'));
        cursor.insertText(part, plain);
    };
    const int own = markOf(m_ownBreak);
    for (qsizetype i = 0; i < display.size(); ++i) {
        if (!isLineEnd(display.at(i)) || markOf(display.at(i)) == own)
            continue;
        flush(i);
        cursor.insertBlock(cursor.blockFormat(), withMark(plain, markOf(display.at(i))));
        start = i + 1;
    }
    flush(display.size());
}

QString NfoDocument::refusal(const QString& text) const
{
    return RefusedCharacter::first(text, m_encoding);
}

bool NfoDocument::refuses(const QString& text)
{
    if (refusesDrawn())
        return true;
    const QString refused = refusal(text);
    if (refused.isEmpty())
        return false;
    Q_EMIT textRefused(
        Messages::notInserted(refused, TextEncoding::description(m_encoding.textKind())));
    return true;
}

QString NfoDocument::replaceText(const QString& display)
{
    // Drawn art is not edited but replaced as a whole: its codes become the text that the
    // new one replaces, so that undo brings them back.
    if (isDrawnArt()) {
        setShowCodes(true);
        m_art.reset();
        m_showCodes = false;
        Q_EMIT artChanged();
    }
    const QString refused = refusal(display);
    if (!refused.isEmpty())
        return refused;
    // One edit, so that a single undo brings the old text back.
    QTextCursor cursor(m_text);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    insertDisplay(cursor, display);
    cursor.endEditBlock();
    m_lineBreak = firstLineBreak(display);
    findLinks(display);
    Q_EMIT changedFromOutside();
    return QString();
}

bool NfoDocument::append(const QString& display)
{
    if (refuses(display))
        return false;
    QTextCursor end(m_text);
    end.movePosition(QTextCursor::End);
    end.beginEditBlock();
    insertDisplay(end, display);
    end.endEditBlock();
    Q_EMIT changedFromOutside();
    Q_EMIT appended();
    return true;
}

bool NfoDocument::insert(QTextCursor& cursor, const QString& display)
{
    if (refuses(display))
        return false;
    cursor.beginEditBlock();
    insertDisplay(cursor, display);
    cursor.endEditBlock();
    return true;
}

void NfoDocument::findLinks(const QString& display)
{
    m_links.clear();
    for (const LinkFinder::Link& link : LinkFinder::find(display)) {
        QTextCursor span(m_text);
        span.setPosition(link.start);
        span.setPosition(link.start + link.length, QTextCursor::KeepAnchor);
        m_links.append({span, link.address});
    }
}

int NfoDocument::codeCount() const
{
    // Every paragraph break but the last block's end counts twice.
    return m_text->characterCount() - 1 + m_text->blockCount() - 1;
}

int NfoDocument::codePosition(int textPos) const
{
    return textPos + m_text->findBlock(textPos).blockNumber();
}

int NfoDocument::textPosition(int codePos) const
{
    // The last block whose first code lies at or before the position.
    int low = 0;
    int high = m_text->blockCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        const QTextBlock block = m_text->findBlockByNumber(middle);
        if (block.position() + middle <= codePos)
            low = middle;
        else
            high = middle - 1;
    }
    const QTextBlock block = m_text->findBlockByNumber(low);
    const int offset = codePos - (block.position() + low);
    return block.position() + qBound(0, offset, block.length() - 1);
}

void NfoDocument::setFilePath(const QString& path)
{
    if (path == m_filePath)
        return;
    m_filePath = path;
    Q_EMIT filePathChanged(path);
}

void NfoDocument::setTrailer(const QByteArray& trailer)
{
    if (trailer == m_trailer)
        return;
    // The step goes into the text's history inside an edit block, so that it is one step of
    // its own and the text's modified state follows undo and redo over it.
    QTextCursor cursor(m_text);
    cursor.beginEditBlock();
    m_text->appendUndoItem(new TrailerChange(*this, m_trailer, trailer));
    cursor.endEditBlock();
    restoreTrailer(trailer);
    m_text->setModified(true);
}

void NfoDocument::restoreTrailer(const QByteArray& trailer)
{
    m_trailer = trailer;
    Q_EMIT trailerChanged();
}

bool NfoDocument::isModified() const
{
    return m_text->isModified();
}

void NfoDocument::setModified(bool modified)
{
    m_text->setModified(modified);
}

void NfoDocument::markUnsaved()
{
    // Marked unmodified at the present state, then modified: the text then counts no state of
    // its history as saved, so neither undo nor redo clears the mark.
    const QSignalBlocker quiet(m_text);
    m_text->setModified(false);
    m_text->setModified(true);
    Q_EMIT modificationChanged(true);
}
