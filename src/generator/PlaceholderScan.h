#pragma once

#include <QByteArray>
#include <QList>

// Where the placeholders of a list occur in a text as it is given. Each placeholder is looked
// for from the start of the text to its end, in the order of the list: the occurrences of one
// placeholder do not overlap one another, and none overlaps an occurrence of a placeholder
// earlier in the list. An empty placeholder occurs nowhere.
class PlaceholderScan
{
public:
    struct Occurrence
    {
        qsizetype start;
        qsizetype size;
        qsizetype index; // the placeholder's place in the list
    };

    // Every occurrence, ordered by where it starts.
    static QList<Occurrence> find(const QByteArray& text, const QList<QByteArray>& placeholders);

    // The next occurrence of the needle at or after `from`, or -1.
    static qsizetype findFrom(const QByteArray& haystack, const QByteArray& needle, qsizetype from);
};
