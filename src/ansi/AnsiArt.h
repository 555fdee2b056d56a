#pragma once

#include <QByteArray>
#include <optional>

// Whether a file is ANSI art, and how it asks to be drawn. A file is ANSI art when at least
// five escape sequences of the form ESC [ ... letter come before its first Ctrl-Z, or when a
// whole SAUCE record at its end says so (DataType 1, FileType 1). A stray escape in a plain
// NFO changes nothing.
class AnsiArt
{
public:
    struct Settings
    {
        // A whole SAUCE record's TInfo1 when it is 1 to 1000, else 80.
        int width = 80;
        // Blink as a bright background: bit 0 of the record's TFlags.
        bool iceColours = false;
    };

    static constexpr int SequencesNeeded = 5;
    static constexpr int DefaultWidth = 80;

    // How to draw the file's bytes (with any SAUCE trailer), or nothing for a plain file.
    static std::optional<Settings> detect(const QByteArray& fileBytes);

    // The bytes that draw: before the SAUCE trailer and the first Ctrl-Z.
    static QByteArray artOf(const QByteArray& fileBytes);

    // The escape sequences ESC [ parameters letter among the bytes, up to `enough`.
    static int sequenceCount(const QByteArray& art, int enough);
};
