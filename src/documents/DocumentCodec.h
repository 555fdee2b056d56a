#pragma once

#include <QByteArray>
#include <QString>

// How the bytes of a document meet a text widget. The widget holds Unicode; the document holds
// one 8-bit code per character. The pair CR LF is a paragraph break, TAB a tab, a lone LF a line
// break inside its paragraph (U+2028), and every other code its code page 437 glyph, so that
// decoding and encoding again gives back every byte.
class DocumentCodec
{
public:
    static constexpr char16_t LineSeparator = u'\u2028';
    static constexpr char16_t ParagraphSeparator = u'\u2029';

    // The widget text for a document: paragraphs separated by '\n', as setPlainText expects.
    static QString toDisplay(const QByteArray& codes);

    // The document for a widget text. Paragraph breaks may come as '\n' or as U+2029 (the form a
    // text document hands out raw). A character without a code page 437 glyph gives '?'; callers
    // that take text from outside check it with firstUnencodable() first.
    static QByteArray fromDisplay(const QString& text);

    // Text from outside (typed, pasted): CR LF, a lone CR and a lone LF from another program
    // are all line ends and become CR LF; U+2028 stays a lone LF. The index of the first
    // character that has no code, or -1 when every character has one.
    static int firstUnencodable(const QString& text);
    static QByteArray fromForeignText(const QString& text);

    // The codes as text for other programs: the glyphs, CR LF as CR LF, a lone LF as LF.
    static QString toForeignText(const QByteArray& codes);
};
