#include "SteadyCaret.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextDocument>

SteadyCaret::SteadyCaret(QTextDocument& text, QObject* parent)
    : QObject(parent), m_text(text), m_flashTime(QGuiApplication::styleHints()->cursorFlashTime())
{
    connect(&text, &QTextDocument::contentsChange, this, &SteadyCaret::changed);
    setSteady(hasLongLine(0, text.characterCount()));
}

SteadyCaret::~SteadyCaret()
{
    setSteady(false);
}

void SteadyCaret::changed(int position, int /*removed*/, int added)
{
    // While steady, an edit may have taken the last long line away: all lines are looked at.
    // Otherwise only the lines the edit touched can have become long.
    setSteady(m_steady ? hasLongLine(0, m_text.characterCount())
                       : hasLongLine(position, position + added));
}

bool SteadyCaret::hasLongLine(int from, int to) const
{
    for (QTextBlock block = m_text.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.length() > LongLine)
            return true;
    }
    return false;
}

void SteadyCaret::setSteady(bool steady)
{
    if (steady == m_steady)
        return;
    m_steady = steady;
    QGuiApplication::styleHints()->setCursorFlashTime(steady ? 0 : m_flashTime);
}
