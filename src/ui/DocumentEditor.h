#pragma once

#include <QByteArray>
#include <QPlainTextEdit>

class DocumentAppearance;
class NfoDocument;

// The document's text box: a view of the one document, in the document appearance. Text typed
// or pasted that the document's encoding cannot hold is refused, not altered. Positions are
// counted in codes, with a line end counting as two, whatever the widget counts.
class DocumentEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    DocumentEditor(NfoDocument& document, DocumentAppearance& appearance,
                   QWidget* parent = nullptr);

    NfoDocument& nfoDocument() const { return m_document; }
    QString displayText() const;

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

    // Highlights the text at these positions (in order), all of one length: the matches of a
    // search. Only those in view are drawn, so that a search with a hundred thousand matches
    // costs nothing while the user scrolls or types.
    void setSearchHighlights(QList<int> positions, int length);

    // Where each web and e-mail address starts and ends in the text, in order.
    QList<std::pair<int, int>> linkSpans() const;

Q_SIGNALS:
    // Files were dropped on the text: the first of them.
    void fileDropped(const QString& path);
    // A key that carries a character was pressed; the text is still as it was before the key.
    void characterKeyPressed();
    // The pointer went onto a link (its address) or off one ("").
    void linkHovered(const QString& address);
    // Ctrl and a click, or the context menu's "Open Link", asked to open the address.
    void linkActivated(const QString& address);

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
    void letGoOfCaret();
    void documentReset();
    void applyAppearance();
    void updateTabStops();
    void refreshHighlights();
    // Lays out the line with the most characters, so that the horizontal scroll bar spans the
    // widest line at once; the view lays out other lines only as they scroll into view.
    void layOutWidestLine();
    // The positions from the first visible block's start to the last visible block's end.
    std::pair<int, int> visibleRange() const;
    // The link under a point of the viewport, or -1.
    int linkUnder(const QPoint& point) const;

    NfoDocument& m_document;
    DocumentAppearance& m_appearance;
    QString m_hovered;
    QList<int> m_searchPositions;
    int m_searchLength = 0;
    // The mark of a search's matches, apart from both document colours.
    QColor m_markColour;
    bool m_shaped = false; // the font shapes the text, as Unicode text needs
};
