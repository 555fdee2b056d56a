#include "SteadyCaret.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <limits>

SteadyCaret::SteadyCaret(QTextDocument& text, QObject* parent)
    : QObject(parent), m_text(text), m_flashTime(QGuiApplication::styleHints()->cursorFlashTime())
{
    connect(&text, &QTextDocument::contentsChange, this, &SteadyCaret::changed);
    connect(&text, &QTextDocument::contentsChanged, this, &SteadyCaret::settle);
    setSteady(hasLongLine(0, text.characterCount()));
}

SteadyCaret::~SteadyCaret()
{
    setSteady(false);
}

void SteadyCaret::changed(int position, int /*removed*/, int added)
{
    // Noted now and looked at once the text is laid out: the document tells of a change
    // before its layout does, and a caret changed then would have the long line laid out
    // one time more, which takes seconds.
    m_changedFrom = std::min(m_changedFrom, position);
    m_changedTo = std::max(m_changedTo, position + added);
}

void SteadyCaret::settle()
{
    if (m_changedFrom > m_changedTo)
        return;
    // While steady, an edit may have taken the last long line away: all lines are looked at.
    // Otherwise only the lines the edit touched can have become long.
    setSteady(m_steady ? hasLongLine(0, m_text.characterCount())
                       : hasLongLine(m_changedFrom, m_changedTo));
    m_changedFrom = std::numeric_limits<int>::max();
    m_changedTo = -1;
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
