#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QStringView>

// The line ends of a document's display text: which display characters end a line and which
// bytes each stands for. Every line end shows as one line break, and each kind has a character
// of its own, so that the bytes come back exactly:
//   kind 0  CR LF       '\n' (the widget also hands it out as U+2029 PARAGRAPH SEPARATOR)
//   kind 1  LF          U+2028 LINE SEPARATOR
//   kind 2  CR          U+FDD0
//   kind 3  CR CR LF    U+FDD1, and so on: CR x n LF is kind n + 1, U+FDCF + n,
//   kind 33 CR x 32 LF  U+FDEF, the last of the noncharacters, which no file or keyboard gives.
// Any run of CRs followed by LF is one line end. A run of more than 32 CRs before the LF is read
// as lone CRs (each a line end of its own, as a CR without LF always is) and then CR x 32 LF:
// the text shows the surplus as blank lines, and the bytes still come back.
// The kinds are numbered, so that a view can tag a line end with its kind and ask for it back.
class LineEnd
{
public:
    enum Kind : int
    {
        CrLf = 0,
        Lf = 1,
        Cr = 2,
        CrCrLf = 3,
    };
    static constexpr int LongestCrRun = 32;
    static constexpr int Count = CrCrLf + LongestCrRun - 1;

    static constexpr char16_t ParagraphSeparator = u'\u2029';
    static constexpr char16_t LineSeparator = u'\u2028';
    static constexpr char16_t FirstNoncharacter = u'\uFDD0';

    static constexpr bool isLineEnd(char16_t u)
    {
        return u == u'\n' || u == LineSeparator || u == ParagraphSeparator ||
               (u >= FirstNoncharacter && u < FirstNoncharacter + Count - Cr);
    }
    static bool isLineEnd(QChar ch) { return isLineEnd(ch.unicode()); }

    // The kind of a display character, or -1 when it ends no line.
    static constexpr int kindOf(char16_t u)
    {
        if (u == u'\n' || u == ParagraphSeparator)
            return CrLf;
        if (u == LineSeparator)
            return Lf;
        if (u >= FirstNoncharacter && u < FirstNoncharacter + Count - Cr)
            return Cr + (u - FirstNoncharacter);
        return -1;
    }
    static int kindOf(QChar ch) { return kindOf(ch.unicode()); }

    // The display character of a kind; '\n' for a kind out of range.
    static constexpr char16_t character(int kind)
    {
        if (kind == Lf)
            return LineSeparator;
        if (kind >= Cr && kind < Count)
            return char16_t(FirstNoncharacter + (kind - Cr));
        return u'\n';
    }

    // The kind of a run of `crs` CRs (1 to LongestCrRun) followed by LF.
    static constexpr int crRunKind(qsizetype crs)
    {
        return crs <= 1 ? CrLf : CrCrLf + int(crs) - 2;
    }

    // The bytes a kind stands for ("\r\n", "\n", "\r", "\r\r\n", ...).
    static QByteArrayView bytes(int kind);
    // The same as characters, for text that spells its line ends with CR and LF.
    static QStringView text(int kind);
    // The bytes of the line end of a display character; empty for any other character.
    static QByteArrayView bytesOf(QChar ch);
    static QStringView textOf(QChar ch);
};
