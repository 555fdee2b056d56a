#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// The encodings a document's bytes may be read in, and how a file marks them.
class TextEncoding
{
public:
    enum Kind
    {
        Cp437,
        Utf8,
        Utf16Le,
        Utf16Be,
        Windows1252,
        // Legacy code pages that the platform's converter provides, when it has them.
        ShiftJis,
        Cp850,
        Cp852,
        Cp866,
        Iso8859_2,
        Iso8859_5,
        Iso8859_15,
        Koi8R,
    };
    static constexpr Kind LastKind = Koi8R;

    // Every encoding a document may be read and saved in here, in the order of the menus: the
    // built-in ones, then those of the legacy code pages the platform can convert.
    static std::vector<Kind> offered();
    static inline const std::vector<Kind> All = offered();

    // "CP437", "UTF-8", "UTF-16 LE", "UTF-16 BE", "Windows-1252", "Shift-JIS", "CP850", ...
    static QString name(Kind kind);
    static std::optional<Kind> fromName(const QString& name);
    // The name as it reads in a sentence: "code page 437" for CP437, else the name.
    static QString description(Kind kind);

    // The byte-order mark that opens a file of the encoding; "" for the 8-bit ones.
    static QByteArray byteOrderMark(Kind kind);

    // The name the platform's converter knows a legacy code page by; nullptr for the built-in
    // encodings.
    static const char* converterName(Kind kind);
    static bool isUnicode(Kind kind) { return kind == Utf8 || kind == Utf16Le || kind == Utf16Be; }

    // The 8-bit code page in which a program read CP437 art before writing it out again.
    enum class Misread
    {
        None,
        Windows1252, // with the five codes it leaves undefined as C1 controls, as Windows reads
        Latin1,
    };
};

// How a document's file is encoded: the encoding, whether it starts with its mark, and for CP437
// art that a program read as Windows-1252 or Latin-1 and wrote in `kind` (once, or twice over),
// how to repair it: the document then shows the art, and its edits are stored damaged the same
// way, so that the file keeps its bytes and reopens as it was.
struct FileEncoding
{
    TextEncoding::Kind kind = TextEncoding::Cp437;
    bool byteOrderMark = false;
    TextEncoding::Misread misreadAs = TextEncoding::Misread::None;
    int misreadTimes = 0;

    // Only text in a Unicode encoding is repaired.
    bool isRepaired() const
    {
        return misreadAs != TextEncoding::Misread::None && misreadTimes > 0 &&
               TextEncoding::isUnicode(kind);
    }
    // The encoding whose characters the display text holds: CP437 for a repaired reading.
    TextEncoding::Kind textKind() const { return isRepaired() ? TextEncoding::Cp437 : kind; }
    // For the status bar: "UTF-8", or "UTF-8, repaired from CP437".
    QString name() const;

    bool operator==(const FileEncoding& other) const
    {
        return kind == other.kind && byteOrderMark == other.byteOrderMark &&
               misreadAs == other.misreadAs && misreadTimes == other.misreadTimes;
    }
    bool operator!=(const FileEncoding& other) const { return !(*this == other); }
};
