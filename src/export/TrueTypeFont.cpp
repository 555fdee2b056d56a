#include "TrueTypeFont.h"

#include <array>

namespace {

// Points of one contour as the file gives them.
struct FilePoint
{
    double x;
    double y;
    bool onCurve;
};

constexpr quint8 kOnCurve = 0x01;
constexpr quint8 kShortX = 0x02;
constexpr quint8 kShortY = 0x04;
constexpr quint8 kRepeat = 0x08;
constexpr quint8 kSameOrPositiveX = 0x10;
constexpr quint8 kSameOrPositiveY = 0x20;
// Straight pieces per quadratic segment; a face of pixel squares has none.
constexpr int kCurveSteps = 8;

qint16 asSigned(quint16 value)
{
    return static_cast<qint16>(value);
}

TrueTypeFont::Point midpoint(const FilePoint& a, const FilePoint& b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

void addCurve(TrueTypeFont::Contour& contour, const TrueTypeFont::Point& control,
              const TrueTypeFont::Point& end)
{
    const TrueTypeFont::Point start = contour.constLast();
    for (int step = 1; step <= kCurveSteps; ++step) {
        const double t = double(step) / kCurveSteps;
        const double u = 1 - t;
        contour.append({u * u * start.x + 2 * u * t * control.x + t * t * end.x,
                        u * u * start.y + 2 * u * t * control.y + t * t * end.y});
    }
}

// The polygon of a contour: a point off the curve is the control point of a quadratic segment,
// and two of them in a row have an implied point on the curve halfway between them.
TrueTypeFont::Contour flattened(const QList<FilePoint>& points)
{
    const qsizetype n = points.size();
    qsizetype first = 0;
    while (first < n && !points.at(first).onCurve)
        ++first;
    TrueTypeFont::Contour contour;
    if (first == n)
        contour.append(midpoint(points.at(0), points.at(n - 1)));
    else
        contour.append({points.at(first).x, points.at(first).y});
    const qsizetype start = first == n ? 0 : first + 1;
    for (qsizetype k = 0; k < n; ++k) {
        const FilePoint& point = points.at((start + k) % n);
        if (point.onCurve) {
            contour.append({point.x, point.y});
            continue;
        }
        const FilePoint& next = points.at((start + k + 1) % n);
        const TrueTypeFont::Point end =
            next.onCurve ? TrueTypeFont::Point{next.x, next.y} : midpoint(point, next);
        addCurve(contour, {point.x, point.y}, end);
        if (next.onCurve)
            ++k;
    }
    return contour;
}

} // namespace

std::optional<TrueTypeFont> TrueTypeFont::parse(QByteArray bytes)
{
    TrueTypeFont font(std::move(bytes));
    if (!font.readTables())
        return std::nullopt;
    return font;
}

bool TrueTypeFont::inside(qsizetype offset, qsizetype length) const
{
    return offset >= 0 && length >= 0 && offset <= m_bytes.size() - length;
}

quint16 TrueTypeFont::u16(qsizetype offset) const
{
    if (!inside(offset, 2))
        return 0;
    const auto* p = reinterpret_cast<const uchar*>(m_bytes.constData()) + offset;
    return static_cast<quint16>((p[0] << 8) | p[1]);
}

bool TrueTypeFont::readTables()
{
    struct Table
    {
        const char* tag;
        qsizetype offset = -1;
        qsizetype length = 0;
    };
    std::array<Table, 6> tables = {{{"head"}, {"hhea"}, {"maxp"}, {"cmap"}, {"loca"}, {"glyf"}}};
    const int count = u16(4);
    if (!inside(12, qsizetype(count) * 16))
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 12 + qsizetype(i) * 16;
        for (Table& table : tables) {
            if (m_bytes.mid(record, 4) != table.tag)
                continue;
            table.offset = (qsizetype(u16(record + 8)) << 16) | u16(record + 10);
            table.length = (qsizetype(u16(record + 12)) << 16) | u16(record + 14);
        }
    }
    for (const Table& table : tables) {
        if (table.offset < 0 || !inside(table.offset, table.length))
            return false;
    }
    const Table &head = tables[0], &hhea = tables[1], &maxp = tables[2], &loca = tables[4];
    if (head.length < 54 || hhea.length < 6 || maxp.length < 6)
        return false;
    m_unitsPerEm = u16(head.offset + 18);
    m_longOffsets = u16(head.offset + 50) == 1;
    m_ascent = asSigned(u16(hhea.offset + 4));
    m_glyphCount = u16(maxp.offset + 4);
    m_loca = loca.offset;
    m_glyf = tables[5].offset;
    m_glyfLength = tables[5].length;
    const qsizetype locaSize = (qsizetype(m_glyphCount) + 1) * (m_longOffsets ? 4 : 2);
    return m_unitsPerEm > 0 && loca.length >= locaSize &&
           readCharacterMap(tables[3].offset, tables[3].length);
}

bool TrueTypeFont::readCharacterMap(qsizetype cmap, qsizetype length)
{
    // The Unicode subtable of format 4: Windows (3, 1) or Unicode (0, *).
    const int count = u16(cmap + 2);
    if (!inside(cmap + 4, qsizetype(count) * 8) || length < 4 + qsizetype(count) * 8)
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype record = cmap + 4 + qsizetype(i) * 8;
        const int platform = u16(record);
        const int encoding = u16(record + 2);
        const qsizetype table = cmap + ((qsizetype(u16(record + 4)) << 16) | u16(record + 6));
        if ((platform == 3 && encoding == 1) || platform == 0) {
            if (u16(table) == 4 && inside(table, u16(table + 2))) {
                m_map = table;
                return true;
            }
        }
    }
    return false;
}

int TrueTypeFont::glyphIndex(char16_t character) const
{
    const int segments = u16(m_map + 6) / 2;
    const qsizetype ends = m_map + 14;
    const qsizetype starts = ends + 2 * qsizetype(segments) + 2;
    const qsizetype deltas = starts + 2 * qsizetype(segments);
    const qsizetype rangeOffsets = deltas + 2 * qsizetype(segments);
    for (int s = 0; s < segments; ++s) {
        if (u16(ends + 2 * s) < character)
            continue;
        const int start = u16(starts + 2 * s);
        if (start > character)
            return 0;
        const int delta = u16(deltas + 2 * s);
        const int rangeOffset = u16(rangeOffsets + 2 * s);
        if (rangeOffset == 0)
            return (character + delta) & 0xFFFF;
        const int glyph = u16(rangeOffsets + 2 * s + rangeOffset + 2 * (character - start));
        return glyph == 0 ? 0 : (glyph + delta) & 0xFFFF;
    }
    return 0;
}

std::optional<QList<TrueTypeFont::Contour>> TrueTypeFont::outline(char16_t character) const
{
    const int glyph = glyphIndex(character);
    if (glyph <= 0 || glyph >= m_glyphCount)
        return std::nullopt;
    const auto location = [this](int index) -> qsizetype {
        if (m_longOffsets)
            return (qsizetype(u16(m_loca + 4 * index)) << 16) | u16(m_loca + 4 * index + 2);
        return 2 * qsizetype(u16(m_loca + 2 * index));
    };
    const qsizetype start = location(glyph);
    const qsizetype end = location(glyph + 1);
    if (start > end || end > m_glyfLength)
        return std::nullopt;
    return glyphOutline(m_glyf + start, end - start);
}

std::optional<QList<TrueTypeFont::Contour>> TrueTypeFont::glyphOutline(qsizetype start,
                                                                       qsizetype length) const
{
    if (length == 0)
        return QList<Contour>();
    const int contours = asSigned(u16(start));
    if (contours < 0 || length < 10 + 2 * qsizetype(contours) + 2)
        return std::nullopt;
    QList<int> lastPoints;
    for (int c = 0; c < contours; ++c) {
        lastPoints.append(u16(start + 10 + 2 * c));
        if (c > 0 && lastPoints.at(c) <= lastPoints.at(c - 1))
            return std::nullopt;
    }
    const qsizetype pointCount = contours == 0 ? 0 : lastPoints.constLast() + 1;
    qsizetype at = start + 10 + 2 * qsizetype(contours);
    at += 2 + u16(at);
    const qsizetype end = start + length;
    const auto byte = [&](qsizetype offset) -> int {
        return offset < end && inside(offset, 1) ? uchar(m_bytes.at(offset)) : -1;
    };

    QList<quint8> flags;
    while (flags.size() < pointCount) {
        const int flag = byte(at++);
        if (flag < 0)
            return std::nullopt;
        int repeat = 0;
        if (flag & kRepeat) {
            repeat = byte(at++);
            if (repeat < 0)
                return std::nullopt;
        }
        for (int r = 0; r <= repeat && flags.size() < pointCount; ++r)
            flags.append(static_cast<quint8>(flag));
    }

    QList<FilePoint> points(pointCount);
    // Coordinates are deltas: first every x, then every y.
    const auto readAxis = [&](bool isX) {
        const quint8 shortBit = isX ? kShortX : kShortY;
        const quint8 sameBit = isX ? kSameOrPositiveX : kSameOrPositiveY;
        int value = 0;
        for (qsizetype i = 0; i < pointCount; ++i) {
            const quint8 flag = flags.at(i);
            if (flag & shortBit) {
                const int delta = byte(at++);
                if (delta < 0)
                    return false;
                value += (flag & sameBit) ? delta : -delta;
            } else if (!(flag & sameBit)) {
                if (at + 2 > end)
                    return false;
                value += asSigned(u16(at));
                at += 2;
            }
            (isX ? points[i].x : points[i].y) = value;
            points[i].onCurve = flag & kOnCurve;
        }
        return true;
    };
    if (!readAxis(true) || !readAxis(false))
        return std::nullopt;

    QList<Contour> outline;
    qsizetype first = 0;
    for (const int last : lastPoints) {
        outline.append(flattened(points.mid(first, last + 1 - first)));
        first = last + 1;
    }
    return outline;
}
