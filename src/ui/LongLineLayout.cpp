#include "LongLineLayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

LongLineLayout::LongLineLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

void LongLineLayout::documentChanged(int from, int removed, int added)
{
    // Before the changed lines are laid out, so that the first layout is the one kept.
    const QTextDocument* text = document();
    const QTextBlock last = text->findBlock(from + added);
    for (QTextBlock block = text->findBlock(from); block.isValid(); block = block.next()) {
        if (block.length() >= KeptLength)
            block.layout()->setCacheEnabled(true);
        if (block == last)
            break;
    }
    QPlainTextDocumentLayout::documentChanged(from, removed, added);
}
