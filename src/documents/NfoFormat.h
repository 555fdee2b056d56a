#pragma once

#include <QByteArray>

// The NFO text format: one byte per character, lines ended by CR LF.
class NfoFormat
{
public:
    // The document text for a file's bytes: the file's lines, each followed by CR LF. A line
    // ends at CR LF or at a lone CR; a lone LF is an ordinary character of its line. The last
    // line need not have an end. Built in one pass, so the cost grows with the file only.
    static QByteArray documentText(const QByteArray& fileBytes);

    // The bytes to write for a document text: the text followed by CR LF, unless it already
    // ends with CR LF, so that a file loaded and saved unchanged keeps every byte. An empty
    // document gives the two bytes CR LF.
    static QByteArray fileBytes(const QByteArray& documentText);
};
