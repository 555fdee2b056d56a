#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Fills placeholders so that their text stays inside the art. Widths are counted in codes; CR LF,
// a lone CR and a lone LF all end a line, as the document shows them.
//
// A placeholder that is the only one on its line, between text that holds no letter or digit
// (the frame: blanks, shades, box drawing), gets its text wrapped at blanks into the room it has,
// and every further line repeats the frame. A right part set off from the placeholder by blanks
// is a border that keeps its column: the room reaches to one blank before it, and each line is
// padded with blanks up to it. Otherwise (the right part touches the placeholder, or there is
// none) the room reaches to the given width and what follows the placeholder follows the text.
// A placeholder inside a line of text, or beside another one, is replaced as it stands; only
// when that makes a line wider than the width is the line broken at blanks, its further lines
// indented to the first placeholder's column. So no line grows wider than the width.
class FramedFill
{
public:
    // The number of codes in the widest line of the text.
    static qsizetype widestLine(QByteArrayView text);

    // The text's lines (each paragraph of it broken at blanks into lines of at most `width`
    // codes), for a text put into a frame. Blanks at a break are dropped; a word longer than the
    // width is cut. An empty text is one empty line.
    static QList<QByteArray> wrap(QByteArrayView text, qsizetype width);

    struct Substitution
    {
        QByteArray placeholder;
        QByteArray replacement;
    };

    // The text with every occurrence of each placeholder replaced by its replacement. The
    // occurrences are found in the text as given (where two would overlap, the placeholder
    // earlier in the list wins: PlaceholderScan) and replaced in one pass: what is put in is
    // never searched again, so a replacement that holds a placeholder keeps it as it is.
    static QByteArray fill(const QByteArray& text, const QList<Substitution>& substitutions,
                           qsizetype width);

private:
    static void appendFramed(QByteArray& out, QByteArrayView before, qsizetype placeholderSize,
                             QByteArrayView after, QByteArrayView replacement, qsizetype width);
    static void appendInline(QByteArray& out, QByteArrayView line, qsizetype column,
                             qsizetype width);
};
