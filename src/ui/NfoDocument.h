#pragma once

#include "ansi/AnsiDocument.h"
#include "documents/TextEncoding.h"
#include "files/FileStamp.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTextCursor>
#include <optional>

class QTextDocument;

// The one document of a run: the bytes of its file as display text (see DocumentCodec), the
// encoding they are read in, the SAUCE trailer kept apart, the file it belongs to, whether it
// changed since, the undo history and the web addresses in it. The text box and the find bar
// are views of it; opening a file replaces its content, never the object the views hold, so
// that nothing a view keeps can point into a text that is gone.
//
// Every line end is a paragraph break of the text, so that each line is laid out on its own
// however the file ends its lines. A break of another kind than the document's own (the first
// line end of the text it was given) carries a mark on its separator's character format, which
// edits and undo carry along with the character. Positions in codes count a line end as two,
// whatever the text counts.
class NfoDocument : public QObject
{
    Q_OBJECT

public:
    struct Link
    {
        QTextCursor span;
        QString address;
    };

    explicit NfoDocument(QObject* parent = nullptr);
    ~NfoDocument() override;

    // The text the views show and edit; the same object for the whole run.
    QTextDocument* textDocument() const { return m_text; }

    // Makes a file's bytes the content, their encoding detected; the undo history is emptied
    // and the content counts as unmodified.
    void open(QByteArray fileBytes);
    // Empty, untitled, code page 437, unmodified, no history: a new document.
    void clear();
    // The file's bytes: the mark of its encoding when it has one, the text, the trailer.
    QByteArray bytes() const;
    FileEncoding encoding() const { return m_encoding; }
    // The SAUCE record (and what belongs to it) after the text, "" when there is none.
    QByteArray trailer() const { return m_trailer; }
    // Replaces the trailer (a new or edited SAUCE record, or none) as one step of the undo
    // history, which marks the document modified as an edit of its text does.
    void setTrailer(const QByteArray& trailer);
    // Reads the same bytes in another encoding; false (nothing changed) when they do not decode
    // in it without loss. A modified document stays modified.
    bool reinterpret(TextEncoding::Kind kind);
    // The same with a repaired reading: CP437 art that went through another code page.
    bool reinterpret(const FileEncoding& encoding);
    // The encoding the file was found in when it was opened, a repaired reading included.
    FileEncoding detectedEncoding() const { return m_detected; }
    // Keeps the text and stores it in another encoding from now on; the text must be held by it.
    void setEncoding(const FileEncoding& encoding);

    QString displayText() const;
    // The display text between two text positions.
    QString displayBetween(int from, int to) const;
    // Replaces the whole text as one edit. A character the encoding cannot hold refuses the
    // whole text: "" when replaced, else that character.
    QString replaceText(const QString& display);
    // Adds to the end as one edit; refused (with textRefused) as typing is. True when added.
    bool append(const QString& display);
    // Inserts at the cursor, over its selection, as one edit; refused as above.
    bool insert(QTextCursor& cursor, const QString& display);
    // The first character of `text` the encoding cannot hold, "" when none.
    QString refusal(const QString& text) const;
    // Whether the text holds a character the encoding cannot hold; if so, says which through
    // textRefused.
    bool refuses(const QString& text);
    // The line end that Enter and pasted text from other programs give: the text's first.
    QChar lineBreak() const { return m_lineBreak; }

    int codeCount() const;
    int codePosition(int textPosition) const;
    // A position inside a CR LF pair stands before the break.
    int textPosition(int codePosition) const;

    // Where each web and e-mail address stands. Addresses are found when the text is set; they
    // follow edits but are not looked for again.
    const QList<Link>& links() const { return m_links; }

    // The file the document belongs to, "" when untitled.
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path);
    // The file as it was when last opened or saved, to tell another program's changes.
    std::optional<FileStamp> stamp() const { return m_stamp; }
    void setStamp(std::optional<FileStamp> stamp) { m_stamp = stamp; }

    // ANSI art: shown as it is drawn, in its colours, and read as drawn (nothing can be typed
    // into the drawing); with its codes shown, it is a text like any other. Plain files are
    // never art.
    bool isArt() const { return m_art.has_value(); }
    bool isDrawnArt() const { return m_art && !m_showCodes; }
    const AnsiDocument* art() const { return m_art ? &*m_art : nullptr; }
    bool showsCodes() const { return m_showCodes; }
    // Shows the art's codes as text, or draws the (maybe edited) codes again; false when the
    // codes no longer draw art.
    bool setShowCodes(bool show);
    bool iceColours() const { return m_art && m_art->settings().iceColours; }
    void setIceColours(bool on);

    // Whether the content changed since it was opened, saved or made; undo back to that state
    // clears it.
    bool isModified() const;
    void setModified(bool modified);
    // Modified for good: no undo or redo brings back a state that counts as saved.
    void markUnsaved();

Q_SIGNALS:
    // The content is about to be replaced as a whole: the text's cursors still hold their
    // places in the old one.
    void aboutToReset();
    // The content was replaced as a whole (opened, cleared, read anew): views let go of
    // positions they keep.
    void reset();
    // The content turned from text to drawn art or back.
    void artChanged();
    // The text was replaced by or added to from outside the views: a closed document window
    // opens to show it.
    void changedFromOutside();
    // Text was added at the end: the views go to the start of the text.
    void appended();
    void encodingChanged();
    void filePathChanged(const QString& path);
    void modificationChanged(bool modified);
    // Text held a character the encoding cannot hold; the text was left unchanged.
    void textRefused(const QString& message);
    // The trailer was replaced, undone or redone.
    void trailerChanged();

private:
    friend class TrailerChange;
    // Sets the trailer without a step of its own: an undo or redo of one.
    void restoreTrailer(const QByteArray& trailer);
    void load(QString display, const FileEncoding& encoding, QByteArray trailer);
    void loadDrawn();
    // The text of drawn art cannot be edited: says so, true when the art is drawn.
    bool refusesDrawn();
    void insertDisplay(QTextCursor& cursor, const QString& display);
    bool hasMarkedBreaks() const;
    void findLinks(const QString& display);

    QTextDocument* m_text;
    FileEncoding m_encoding;
    FileEncoding m_detected;
    QByteArray m_trailer;
    // The kind of an unmarked break, fixed from one opening to the next.
    QChar m_ownBreak = QLatin1Char('\n');
    QChar m_lineBreak = QLatin1Char('\n');
    QList<Link> m_links;
    std::optional<AnsiDocument> m_art;
    bool m_showCodes = false;
    QString m_filePath;
    std::optional<FileStamp> m_stamp;
};
