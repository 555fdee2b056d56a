#pragma once

#include <QList>
#include <QString>

// Typographic punctuation typed in Windows-1252 into a code page 437 file: the bytes 0x91-0x97
// and 0x85, which code page 437 draws as the letters æ Æ ô ö ò û ù and à. A byte is taken for
// punctuation only where punctuation fits and a letter does not: 0x92 between a letter and s,
// t, ll, re or ve ending a word (it's, don't); 0x91 and 0x92, or 0x93 and 0x94, opening and
// closing one or more words on a line; 0x96 and 0x97 between blanks or between digits; 0x85
// after a word and before a blank, a line end or punctuation, except in French words that end
// in à. A letter inside a word, such as the ö of "können", is never taken.
class Windows1252Punctuation
{
public:
    struct Found
    {
        qsizetype at;      // index in the display text
        QChar letter;      // what code page 437 shows
        QString lookAlike; // what was meant, in ASCII
    };

    // The punctuation in display text read as code page 437, in order.
    static QList<Found> find(const QString& display);

private:
    static bool isApostrophe(QStringView line, qsizetype at);
    static bool isDash(QStringView line, qsizetype at);
    static bool isEllipsis(QStringView line, qsizetype at);
    static void findInLine(QStringView line, qsizetype offset, QList<Found>& found);
};
