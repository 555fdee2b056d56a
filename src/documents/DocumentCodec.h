#pragma once

#include "LineEnd.h"
#include "TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

// How a document's bytes meet a text widget. The widget holds Unicode: a document's display
// text, from which its bytes come back exactly. Each line end has a character of its own (see
// LineEnd): '\n' is CR LF, U+2028 a lone LF, noncharacters a lone CR and runs of CRs before LF.
// TAB is a tab. In code page 437 every other code shows its glyph; the other encodings show
// the characters themselves.
class DocumentCodec
{
public:
    static constexpr char16_t LineSeparator = LineEnd::LineSeparator;           // LF
    static constexpr char16_t ParagraphSeparator = LineEnd::ParagraphSeparator; // CR LF
    static constexpr char16_t LoneCr = LineEnd::character(LineEnd::Cr);         // CR
    static constexpr char16_t CrCrLf = LineEnd::character(LineEnd::CrCrLf);     // CR CR LF

    // Code page 437 codes and their display text; every byte string decodes.
    static QString toDisplay(const QByteArray& codes);
    // A character without a code becomes '?'; callers check foreign text first.
    static QByteArray fromDisplay(const QString& display);

    // The display text of bytes in an encoding (without a byte-order mark), or nothing when
    // they do not decode, or not without loss: broken sequences, undefined codes, or a
    // character that stands for a line end here.
    // A legacy code page of the platform's converter counts only when the display text encodes
    // back to the same bytes.
    static std::optional<QString> decode(const QByteArray& bytes, TextEncoding::Kind kind);
    static QByteArray encode(const QString& display, TextEncoding::Kind kind);
    // The same for a file's encoding: a repaired reading undoes the misreading on decoding and
    // does it again on encoding, so the bytes stay damaged the way the file was.
    static std::optional<QString> decode(const QByteArray& bytes, const FileEncoding& encoding);
    static QByteArray encode(const QString& display, const FileEncoding& encoding);

    // Text from outside (typed, pasted, a prompt's answer), where CR LF, a lone CR, a lone LF
    // and U+2028/U+2029 are line ends, or display text. The index of the first character the
    // encoding cannot hold, or -1.
    static int firstUnencodable(const QString& foreign,
                                TextEncoding::Kind kind = TextEncoding::Cp437);
    static int firstUnencodable(const QString& foreign, const FileEncoding& encoding);
    // The display text for foreign text: its CR LF, lone CR and lone LF become `lineBreak`
    // (one of the line-end characters), U+2028 a lone LF, U+2029 CR LF.
    static QString displayFromForeign(const QString& foreign, QChar lineBreak);
    // Foreign text as code page 437 codes with CR LF line ends, for custom keys and fields.
    static QByteArray fromForeignText(const QString& foreign);
    // The display text as text for other programs: the characters with their line ends, NUL
    // as a blank (a NUL cuts text short in many programs).
    static QString toForeignText(const QString& display);

    // True when the text holds a lone CR or a run of CRs before LF, which the widget marks apart.
    static bool hasMarkedBreaks(const QString& display);
    static bool isLineBreak(QChar ch);
};
