#pragma once

#include <QObject>
#include <limits>

class QTextDocument;

// Keeps the caret from blinking while the text holds a line of more than LongLine characters.
// A blink repaints the caret's line twice a second, and a line of millions of characters takes
// longer than that to draw: the idle program would keep a core busy. Blinking is the
// application's setting, so it comes back as it was once no such line is left.
class SteadyCaret : public QObject
{
    Q_OBJECT

public:
    static constexpr int LongLine = 100'000;

    SteadyCaret(QTextDocument& text, QObject* parent);
    ~SteadyCaret() override;

private:
    void changed(int position, int removed, int added);
    void settle();
    bool hasLongLine(int from, int to) const;
    void setSteady(bool steady);

    QTextDocument& m_text;
    int m_flashTime;
    bool m_steady = false;
    // The text changed since the last look, empty when from > to.
    int m_changedFrom = std::numeric_limits<int>::max();
    int m_changedTo = -1;
};
