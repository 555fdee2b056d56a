#pragma once

#include <QByteArray>
#include <QString>

// A document as one standalone web page in UTF-8: the text in a <pre> in the document's
// colours, every address the link finder sees made a link in the text colour, drawn in a VGA
// face when the reader has one, so that the art keeps its lines aligned.
class HtmlPage
{
public:
    // Colours as 0xRRGGBB.
    static QByteArray write(const QString& display, const QString& title, quint32 text,
                            quint32 background);

    // The text with <, >, &, " and ' written as character references.
    static QString escaped(QStringView text);

    // The CSS font list: VGA faces under the names their packages give them, then monospaced
    // faces that have the box-drawing characters.
    static QString fontFamilies();
};
