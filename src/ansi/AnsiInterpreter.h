#pragma once

#include "AnsiArt.h"
#include "AnsiCanvas.h"

#include <QByteArray>
#include <vector>

// Draws ANSI art onto a canvas as DOS's ANSI driver did: SGR colours (0 reset, 1 bold as a
// bright foreground, 5 blink, 7 reverse, 22/25/27 their ends, 30-37 and 40-47, 39/49),
// cursor moves (A B C D, H and f, s and u), J and K erasing, CR, LF, TAB, and Ctrl-Z ending
// the art. A character written in the last column moves the cursor to the next row at once.
// Unknown and malformed sequences are skipped; cursor moves stay on the canvas.
class AnsiInterpreter
{
public:
    static AnsiCanvas interpret(const QByteArray& fileBytes, const AnsiArt::Settings& settings);

private:
    explicit AnsiInterpreter(const AnsiArt::Settings& settings);

    // Each gives the index after what it took.
    qsizetype sequence(const QByteArray& art, qsizetype at);
    void character(uchar code);
    void command(char letter, const std::vector<int>& parameters);
    void graphics(const std::vector<int>& parameters);
    void eraseScreen(int mode);
    void eraseLine(int mode);
    void moveTo(qint64 x, qint64 y);
    void cursorTo(qint64 x, qint64 y);
    AnsiCanvas::Cell blank() const;
    uchar colours() const;

    AnsiCanvas m_canvas;
    bool m_ice;
    int m_x = 0;
    int m_y = 0;
    int m_savedX = 0;
    int m_savedY = 0;
    int m_foreground = 7;
    int m_background = 0;
    bool m_bold = false;
    bool m_blink = false;
    bool m_reverse = false;
};
