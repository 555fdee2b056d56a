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
