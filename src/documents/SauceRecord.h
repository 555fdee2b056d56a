#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The SAUCE record that drawing programs append to art files: 128 bytes at the very end,
// starting "SAUCE", maybe a block of comment lines ("COMNT" and 64 bytes a line) before it, and
// usually the end-of-file mark Ctrl-Z before that. Its bytes are kept exactly; only its fields
// are read. A record cut short or spoilt is still a trailer when "SAUCE00" starts within the last
// 128 bytes: kept apart from the text from there (or from the Ctrl-Z just before it) to the end,
// and read as far as it goes.
class SauceRecord
{
public:
    // The length of the trailer at the end of `bytes`: the Ctrl-Z, the comments and the record,
    // or 0 when the bytes do not end with a record, whole or damaged.
    static qsizetype trailerLength(const QByteArray& bytes);

    // The record read from a trailer, or nothing when it holds none.
    static std::optional<SauceRecord> read(const QByteArray& trailer);

    QString version;
    QString title;
    QString author;
    QString group;
    QString date; // as stored: CCYYMMDD
    QString font;
    QStringList comments;
    // The size of the text the record was written for, without the record, its comments and
    // the Ctrl-Z before them.
    quint32 fileSize = 0;
    // The record is not 128 bytes long, or claims comment lines that are not there (as when its
    // NULs were turned into blanks): its fields are read where they would be.
    bool damaged = false;
    // What the file holds: DataType 1 is character art, whose FileType 1 is ANSi; TInfo1 is
    // then its width in characters, and bit 0 of TFlags asks for iCE colours (blink as a
    // bright background).
    int dataType = 0;
    int fileType = 0;
    int tInfo1 = 0;
    int tFlags = 0;
};
