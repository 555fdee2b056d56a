#pragma once

#include <QByteArray>

// The document the benchmarks open: lines of 80 columns of dense box drawing and shades, each
// ended by CR LF.
inline QByteArray denseArt(int lines)
{
    const QByteArray pattern("\xC9\xCD\xCB\xBB\xB0\xB1\xB2\xDB\xBA\xCC\xCE\xB9\xC8\xCA\xBC\xDC");
    QByteArray bytes;
    bytes.reserve(qsizetype(lines) * 82);
    for (int line = 0; line < lines; ++line) {
        for (int column = 0; column < 80; ++column)
            bytes.append(pattern.at((line + column) % pattern.size()));
        bytes.append("\r\n");
    }
    return bytes;
}

// Bytes of every value, in no order: a file that is no text at all.
inline QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = 2463534242u; // a fixed xorshift start: the same file every run
    for (char& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state & 0xFF);
    }
    return bytes;
}

// Lines of 80 random codes of B0-DF (shades, blocks, box drawing), each ended by CR LF: art as
// dense as it comes, which deflates about as badly as art can.
inline QByteArray randomArt(int lines)
{
    quint32 state = 2463534242u; // a fixed xorshift start: the same file every run
    QByteArray bytes;
    bytes.reserve(qsizetype(lines) * 82);
    for (int line = 0; line < lines; ++line) {
        for (int column = 0; column < 80; ++column) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            bytes.append(char(0xB0 + state % 48));
        }
        bytes.append("\r\n");
    }
    return bytes;
}

// ANSI art in full colour: rows of 80 cells, each run of 1 to 16 cells one code of the shades,
// blocks and box drawing in one of the 16 foreground and 8 background colours; every row
// fills the width, so the cursor wraps to the next without a line end, as real art does.
inline QByteArray colourArt(int rows)
{
    const QByteArray codes("\xB0\xB1\xB2\xDB\xDC\xDF\xDD\xDE\xC4\xCD\xB3\xBA\xFE\x20\xF9\xFA");
    quint32 state = 88675123u;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    QByteArray bytes;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 80;) {
            const quint32 colours = next();
            bytes.append("\x1B[0;");
            if (colours & 0x100)
                bytes.append("1;");
            bytes.append(QByteArray::number(30 + colours % 8) + ';' +
                         QByteArray::number(40 + (colours >> 3) % 8) + 'm');
            const int run = qMin(80 - column, int(1 + (colours >> 9) % 16));
            bytes.append(QByteArray(run, codes.at(next() % codes.size())));
            column += run;
        }
    }
    return bytes;
}

// A typical release NFO of about 5 KB: a banner of shade and block art, then 100 lines of text
// framed by box drawing, 80 columns at most.
inline QByteArray typicalNfo()
{
    QByteArray bytes;
    const QByteArray shades("\xB0\xB1\xB2\xDB\xDB\xB2\xB1\xB0");
    for (int line = 0; line < 6; ++line)
        bytes += QByteArray(8, ' ') + shades.repeated(8).mid(line, 64) + "\r\n";
    bytes += "\xC9" + QByteArray(60, '\xCD') + "\xBB\r\n";
    const QByteArray words("Release notes of a typical group, framed as they are. ");
    for (int line = 0; line < 86; ++line) {
        const QByteArray text = words.mid(line % 20, 20 + line % 37);
        bytes += "\xBA  " + text + QByteArray(58 - text.size(), ' ') + "\xBA\r\n";
    }
    bytes += "\xC8" + QByteArray(60, '\xCD') + "\xBC\r\n";
    return bytes;
}
