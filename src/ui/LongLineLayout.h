#pragma once

#include <QPlainTextDocumentLayout>

// The plain text layout, which keeps the shaped glyphs of a very long line: Qt lays a line out
// again each time the caret's place is asked for or the line is drawn, which for a line of
// millions of characters takes a second or more each time. Short lines are laid out again as
// usual, which is quick and keeps no memory.
class LongLineLayout : public QPlainTextDocumentLayout
{
public:
    // Lines at least this long keep their glyphs.
    static constexpr int KeptLength = 64 * 1024;

    explicit LongLineLayout(QTextDocument* document);

protected:
    void documentChanged(int from, int removed, int added) override;
};
