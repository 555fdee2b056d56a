#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

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
    };
    static constexpr std::array<Kind, 5> All = {Cp437, Utf8, Utf16Le, Utf16Be, Windows1252};

    // "CP437", "UTF-8", "UTF-16 LE", "UTF-16 BE", "Windows-1252".
    static QString name(Kind kind);
    static std::optional<Kind> fromName(const QString& name);
    // The name as it reads in a sentence: "code page 437" for CP437, else the name.
    static QString description(Kind kind);

    // The byte-order mark that opens a file of the encoding; "" for the 8-bit ones.
    static QByteArray byteOrderMark(Kind kind);
};

// How a document's file is encoded: the encoding and whether it starts with its mark.
struct FileEncoding
{
    TextEncoding::Kind kind = TextEncoding::Cp437;
    bool byteOrderMark = false;

    bool operator==(const FileEncoding& other) const
    {
        return kind == other.kind && byteOrderMark == other.byteOrderMark;
    }
    bool operator!=(const FileEncoding& other) const { return !(*this == other); }
};
