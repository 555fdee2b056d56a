#include "PrintRuns.h"

#include "export/PrintLayout.h"

#include <QList>
#include <QPainter>
#include <QRect>
#include <algorithm>

void PrintRuns::continueRun(const Run& run, size_t& above)
{
    // The rectangles above that start left of the run can no longer grow.
    while (above < m_open.size() && m_open[above].left < run.left)
        m_closed.push_back(m_open[above++]);
    if (above < m_open.size()) {
        Run& same = m_open[above];
        if (same.left == run.left && same.right == run.right && same.colour == run.colour &&
            same.bottom == run.top) {
            same.bottom = run.bottom;
            m_next.push_back(same);
            ++above;
            return;
        }
    }
    m_next.push_back(run);
}

void PrintRuns::addRow(const std::vector<int>& row, qint64 top, qint64 bottom)
{
    m_next.clear();
    size_t above = 0;
    const qint64 width = qint64(row.size());
    qint64 x = 0;
    while (x < width) {
        const int colour = row[size_t(x)];
        qint64 end = x + 1;
        while (end < width && row[size_t(end)] == colour)
            ++end;
        if (colour >= 0)
            continueRun({x, end, top, bottom, colour}, above);
        x = end;
    }
    m_closed.insert(m_closed.end(), m_open.begin() + qsizetype(above), m_open.end());
    m_open.swap(m_next);
}

void PrintRuns::draw(QPainter& painter, const PrintLayout& layout,
                     const std::vector<QColor>& colours)
{
    m_closed.insert(m_closed.end(), m_open.begin(), m_open.end());
    m_open.clear();
    std::sort(m_closed.begin(), m_closed.end(),
              [](const Run& a, const Run& b) { return a.colour < b.colour; });
    painter.setPen(Qt::NoPen);
    QList<QRect> rects;
    for (size_t i = 0; i < m_closed.size(); ++i) {
        const Run& run = m_closed[i];
        // At least a device pixel, so that no pixel is lost on a coarse device.
        const int x = layout.edge(run.left);
        const int y = layout.edge(run.top);
        rects.append(
            QRect(x, y, qMax(1, layout.edge(run.right) - x), qMax(1, layout.edge(run.bottom) - y)));
        if (i + 1 == m_closed.size() || m_closed[i + 1].colour != run.colour) {
            painter.setBrush(colours[size_t(run.colour)]);
            painter.drawRects(rects.constData(), int(rects.size()));
            rects.clear();
        }
    }
    m_closed.clear();
}
