#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// Writing a SAUCE trailer, and the fields of one as a list: the Ctrl-Z that ends the text for
// DOS, a "COMNT" block of 64-byte comment lines when there are comments, and the 128-byte
// record "SAUCE00" with its fields at fixed widths, text padded with blanks.
class SauceTrailer
{
public:
    // What a person edits; the other fields (data and file type, the numbers after the width,
    // the flags) are kept from the record being replaced.
    struct Fields
    {
        QString title;  // up to 35 characters
        QString author; // up to 20
        QString group;  // up to 20
        QString date;   // CCYYMMDD
        QStringList comments;
        int width = 0; // characters a line, 0 when not given
        QString font;  // up to 22 characters, such as "IBM VGA"
    };
    static constexpr int MaxComments = 255;
    static constexpr int TitleSize = 35;
    static constexpr int NameSize = 20;
    static constexpr int FontSize = 22;
    static constexpr int CommentSize = 64;

    // The trailer for a text of `contentSize` bytes. Text is stored in code page 437 (a
    // character without a code becomes '?') and cut to its field; comments beyond 255 are
    // left out. A whole record in `old` gives the fields that `fields` does not hold; without
    // one, the record describes plain character text (data type 1, file type 0).
    static QByteArray write(const Fields& fields, quint32 contentSize,
                            const QByteArray& old = QByteArray());

    // The fields of a trailer as SauceRecord reads it, with the width.
    static Fields fieldsOf(const QByteArray& trailer);

    // The trailer with its FileSize set to `contentSize`; the trailer as it was when it holds
    // no whole record.
    static QByteArray withFileSize(const QByteArray& trailer, quint32 contentSize);

    // Every field of the record as a name and its value, comments last, one a line; empty when
    // the trailer holds no record.
    static QList<std::pair<QString, QString>> describe(const QByteArray& trailer);

    // The date for a day, CCYYMMDD.
    static QString dateOf(int year, int month, int day);
};
