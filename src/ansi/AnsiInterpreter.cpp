#include "AnsiInterpreter.h"

#include "VgaColours.h"

#include <algorithm>

namespace {

constexpr char kEscape = '\x1B';
constexpr int kTabColumns = 8;
// A sequence longer than this is no sequence: its bytes are skipped.
constexpr qsizetype kLongestSequence = 64;
// Parameters beyond this are taken as this: every move is clamped to the canvas anyway.
constexpr int kLargestParameter = 1'000'000;

bool isParameter(char c)
{
    return c >= 0x30 && c <= 0x3F;
}

bool isIntermediate(char c)
{
    return c >= 0x20 && c <= 0x2F;
}

bool isFinal(char c)
{
    return c >= 0x40 && c <= 0x7E;
}

// The numbers of "1;31", an empty one as -1.
std::vector<int> parametersOf(const QByteArray& art, qsizetype from, qsizetype to)
{
    std::vector<int> parameters;
    int value = -1;
    for (qsizetype i = from; i < to; ++i) {
        const char c = art.at(i);
        if (c >= '0' && c <= '9') {
            value = std::min(std::max(value, 0) * 10 + (c - '0'), kLargestParameter);
        } else if (c == ';') {
            parameters.push_back(value);
            value = -1;
        }
    }
    parameters.push_back(value);
    return parameters;
}

int parameter(const std::vector<int>& parameters, size_t index, int fallback)
{
    return index < parameters.size() && parameters[index] >= 0 ? parameters[index] : fallback;
}

// A count of a move: missing or 0 is 1.
int count(const std::vector<int>& parameters)
{
    return std::max(1, parameter(parameters, 0, 1));
}

} // namespace

AnsiInterpreter::AnsiInterpreter(const AnsiArt::Settings& settings)
    : m_canvas(settings.width), m_ice(settings.iceColours)
{
}

AnsiCanvas AnsiInterpreter::interpret(const QByteArray& fileBytes,
                                      const AnsiArt::Settings& settings)
{
    const QByteArray art = AnsiArt::artOf(fileBytes);
    AnsiInterpreter interpreter(settings);
    const qsizetype n = art.size();
    for (qsizetype i = 0; i < n && !interpreter.m_canvas.truncated();) {
        const char c = art.at(i);
        if (c == kEscape) {
            i = interpreter.sequence(art, i);
            continue;
        }
        switch (c) {
        case '\r':
            interpreter.m_x = 0;
            break;
        case '\n':
            interpreter.moveTo(0, qint64(interpreter.m_y) + 1);
            break;
        case '\t':
            interpreter.moveTo((interpreter.m_x / kTabColumns + 1) * kTabColumns, interpreter.m_y);
            break;
        default:
            interpreter.character(uchar(c));
        }
        ++i;
    }
    return std::move(interpreter.m_canvas);
}

qsizetype AnsiInterpreter::sequence(const QByteArray& art, qsizetype at)
{
    const qsizetype n = art.size();
    // ESC without [ is skipped on its own; what follows is drawn.
    if (at + 1 >= n || art.at(at + 1) != '[')
        return at + 1;
    qsizetype i = at + 2;
    const qsizetype limit = std::min(n, at + kLongestSequence);
    while (i < limit && isParameter(art.at(i)))
        ++i;
    const qsizetype parametersEnd = i;
    while (i < limit && isIntermediate(art.at(i)))
        ++i;
    if (i >= limit || !isFinal(art.at(i))) {
        // Malformed: its bytes up to the one that broke it are skipped.
        return i;
    }
    // Private (ESC [ ? ...) and intermediate forms are none of DOS's: skipped.
    const bool plain = std::all_of(art.constData() + at + 2, art.constData() + parametersEnd,
                                   [](char c) { return (c >= '0' && c <= '9') || c == ';'; });
    if (plain && parametersEnd == i)
        command(art.at(i), parametersOf(art, at + 2, parametersEnd));
    return i + 1;
}

uchar AnsiInterpreter::colours() const
{
    int foreground = m_foreground;
    int background = m_background;
    if (m_reverse)
        std::swap(foreground, background);
    if (m_bold)
        foreground |= VgaColours::Bright;
    if (m_blink && m_ice)
        background |= VgaColours::Bright;
    return uchar(foreground | (background << 4));
}

AnsiCanvas::Cell AnsiInterpreter::blank() const
{
    return {uchar(' '), colours()};
}

void AnsiInterpreter::character(uchar code)
{
    m_canvas.put(m_x, m_y, {code, colours()});
    // Writing the last column moves to the next row at once, as DOS did.
    if (++m_x >= m_canvas.width()) {
        m_x = 0;
        moveTo(0, qint64(m_y) + 1);
    }
}

// The row just past the limit stays reachable by text, so that drawing there says the art was
// cut; the cursor commands stay on the canvas.
void AnsiInterpreter::moveTo(qint64 x, qint64 y)
{
    m_x = int(std::clamp<qint64>(x, 0, m_canvas.width() - 1));
    m_y = int(std::clamp<qint64>(y, 0, m_canvas.maxRows()));
}

void AnsiInterpreter::cursorTo(qint64 x, qint64 y)
{
    moveTo(x, std::min<qint64>(y, m_canvas.maxRows() - 1));
}

void AnsiInterpreter::command(char letter, const std::vector<int>& parameters)
{
    switch (letter) {
    case 'm':
        graphics(parameters);
        break;
    case 'A':
        cursorTo(m_x, qint64(m_y) - count(parameters));
        break;
    case 'B':
        cursorTo(m_x, qint64(m_y) + count(parameters));
        break;
    case 'C':
        cursorTo(qint64(m_x) + count(parameters), m_y);
        break;
    case 'D':
        cursorTo(qint64(m_x) - count(parameters), m_y);
        break;
    case 'H':
    case 'f':
        cursorTo(qint64(std::max(1, parameter(parameters, 1, 1))) - 1,
                 qint64(std::max(1, parameter(parameters, 0, 1))) - 1);
        break;
    case 's':
        m_savedX = m_x;
        m_savedY = m_y;
        break;
    case 'u':
        cursorTo(m_savedX, m_savedY);
        break;
    case 'J':
        eraseScreen(parameter(parameters, 0, 0));
        break;
    case 'K':
        eraseLine(parameter(parameters, 0, 0));
        break;
    default:
        break; // unknown: skipped
    }
}

void AnsiInterpreter::graphics(const std::vector<int>& parameters)
{
    for (size_t i = 0; i < parameters.size(); ++i) {
        const int value = std::max(0, parameters[i]);
        if (value == 0) {
            m_foreground = 7;
            m_background = 0;
            m_bold = m_blink = m_reverse = false;
        } else if (value == 1) {
            m_bold = true;
        } else if (value == 5 || value == 6) {
            m_blink = true;
        } else if (value == 7) {
            m_reverse = true;
        } else if (value == 22) {
            m_bold = false;
        } else if (value == 25) {
            m_blink = false;
        } else if (value == 27) {
            m_reverse = false;
        } else if (value >= 30 && value <= 37) {
            m_foreground = value - 30;
        } else if (value == 39) {
            m_foreground = 7;
        } else if (value >= 40 && value <= 47) {
            m_background = value - 40;
        } else if (value == 49) {
            m_background = 0;
        } else if (value == 38 || value == 48) {
            // 256 and true colours are not DOS's: their numbers are skipped.
            i += parameter(parameters, i + 1, 0) == 2 ? 4 : 2;
        }
    }
}

void AnsiInterpreter::eraseScreen(int mode)
{
    if (mode == 2) {
        // The whole screen, and the cursor home, as DOS did.
        m_canvas.clear();
        m_x = m_y = 0;
        return;
    }
    const int rows = m_canvas.rows();
    if (mode == 0) {
        eraseLine(0);
        for (int y = m_y + 1; y < rows; ++y)
            m_canvas.fill(y, 0, m_canvas.width(), blank());
    } else if (mode == 1) {
        for (int y = 0; y < std::min(m_y, rows); ++y)
            m_canvas.fill(y, 0, m_canvas.width(), blank());
        eraseLine(1);
    }
}

void AnsiInterpreter::eraseLine(int mode)
{
    if (mode == 0)
        m_canvas.fill(m_y, m_x, m_canvas.width(), blank());
    else if (mode == 1)
        m_canvas.fill(m_y, 0, m_x + 1, blank());
    else if (mode == 2)
        m_canvas.fill(m_y, 0, m_canvas.width(), blank());
}
