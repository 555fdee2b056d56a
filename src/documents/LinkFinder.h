#pragma once

#include <QList>
#include <QString>

// The web and e-mail addresses in a document's display text: addresses that start with
// http://, https://, ftp:// or www., and e-mail addresses. One pass over the text, which for a
// text without any does no more than look at each character once. A link never crosses a line
// end; punctuation after an address (.,;:!?) and a closing bracket without its opening one in
// the address end it, as in "(see www.example.com)."
class LinkFinder
{
public:
    struct Link
    {
        int start;       // index in the display text
        int length;      // characters of the text
        QString address; // what to open: www. gains "http://", an e-mail address "mailto:"
    };

    static QList<Link> find(const QString& display);
};
