#pragma once

#include "documents/TextEncoding.h"

#include <QByteArray>
#include <QPlainTextEdit>
#include <array>

// The document's text box. It holds the document's display text (see DocumentCodec) and the
// encoding of its file, and gives back the file's bytes exactly. Text typed or pasted that the
// encoding cannot hold is refused, not altered. Every line end is a paragraph break of the
// widget; one of another kind than the document's first line end carries a mark in its
// separator's character format, which edits and undo carry along with the character.
// Positions are counted in characters with a line end counting as two, whatever the widget
// counts.
class DocumentEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit DocumentEditor(QWidget* parent = nullptr);

    // The file's bytes: the mark of its encoding when it has one, then the text.
    QByteArray codes() const;
    FileEncoding encoding() const { return m_encoding; }
    // Replaces the whole text in one step, so that the cost grows with the text only once.
    void setDocument(QString display, const FileEncoding& encoding,
                     QByteArray trailer = QByteArray());
    // The SAUCE record (and what belongs to it) after the text, "" when there is none.
    QByteArray trailer() const { return m_trailer; }
    QString displayText() const;
    // Replaces the whole text as one edit, keeping the encoding. A character the encoding
    // cannot hold refuses the whole text: "" when replaced, else that character.
    QString replaceDisplay(const QString& display);
    // Adds to the end of the text as one edit, without laying out the rest again; the caret
    // then goes to the start of the text and the top shows. A character the encoding cannot
    // hold refuses it, as typing does; true when added.
    bool appendDisplay(const QString& display);

    // The line end that Enter and pasted text from other programs give: the document's first.
    QChar lineBreak() const { return m_lineBreak; }

    int codeCount() const;
    // The caret, or the start of the selection; setting it removes the selection.
    int selStart() const;
    void setSelStart(int position);
    // The selection's length; setting it selects that many codes from selStart.
    int selLength() const;
    void setSelLength(int length);
    QString selectedDisplay() const;
    // What Copy puts on the clipboard for the selection: the text for other programs, and the
    // selection's bytes with their encoding for a paste back into a document.
    QMimeData* selectionMimeData() const { return createMimeDataFromSelection(); }

    void setWordWrap(bool wrap);

    // Whether the text holds a character the document's encoding cannot hold; if so, says
    // which through textRefused.
    bool refuses(const QString& text);
    // Highlights the text at these positions (in order), all of one length: the matches of a
    // search. Only those in view are drawn, so that a search with a hundred thousand matches
    // costs nothing while the user scrolls or types.
    void setSearchHighlights(QList<int> positions, int length);

    // Where each web and e-mail address starts and ends in the text, in order. Addresses are
    // found when the text is set; they follow edits but are not looked for again.
    QList<std::pair<int, int>> linkSpans() const;

    // The zoom steps, in percent of the document font's size.
    static constexpr std::array<int, 6> ZoomSteps = {50, 100, 150, 200, 300, 400};
    // The font the document is drawn in at 100 %; zoom scales it for the view only.
    QFont baseFont() const { return m_baseFont; }
    void setBaseFont(const QFont& font);
    int zoom() const { return m_zoom; }
    // Takes the nearest step; the view keeps the line at its top.
    void setZoom(int percent);
    void zoomIn();
    void zoomOut();

Q_SIGNALS:
    // Typed or pasted text held a character the encoding cannot hold; the text was left
    // unchanged.
    void textRefused(const QString& message);
    // Files were dropped on the text: the first of them.
    void fileDropped(const QString& path);
    // A key that carries a character was pressed; the text is still as it was before the key.
    void characterKeyPressed();
    // The pointer went onto a link (its address) or off one ("").
    void linkHovered(const QString& address);
    // Ctrl and a click, or the context menu's "Open Link", asked to open the address.
    void linkActivated(const QString& address);
    // The zoom changed, by the keys, the wheel or setZoom.
    void zoomChanged(int percent);
    // The whole document was set anew, maybe in another encoding.
    void encodingChanged();
    // The widget holds a new text document: what watched the old one watches this one.
    void documentReplaced();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Inserts display text at the caret as one edit, or refuses it; true when inserted.
    bool insertChecked(const QString& display);
    void insertDisplay(QTextCursor& cursor, const QString& display);
    bool hasMarkedBreaks() const;
    QString withOwnLineEnds(QString raw) const;
    QString displayBetween(int from, int to) const;
    QString refusal(const QString& text) const;
    void updateTabStops();
    void applyZoom();
    void refreshHighlights();
    // The positions from the first visible block's start to the last visible block's end.
    std::pair<int, int> visibleRange() const;
    void findLinks(const QString& display);
    // The link under a point of the viewport, or -1.
    int linkUnder(const QPoint& point) const;
    int codePosition(int widgetPosition) const;
    int widgetPosition(int codePosition) const;

    FileEncoding m_encoding;
    QByteArray m_trailer;
    QChar m_lineBreak = QLatin1Char('\n');
    QFont m_baseFont;
    int m_zoom = 100;
    struct Link
    {
        QTextCursor span;
        QString address;
    };
    QList<Link> m_links;
    QString m_hovered;
    QList<int> m_searchPositions;
    int m_searchLength = 0;
};
