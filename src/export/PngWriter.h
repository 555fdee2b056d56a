#pragma once

#include <QByteArray>
#include <memory>

struct z_stream_s;

// A PNG file of two colours, written row by row: a palette of the background (index 0) and
// the text colour (index 1), one bit a pixel, each row filtered as its difference from the one
// above (most rows of text art repeat the one above, and become zeros), deflated at zlib's
// fastest level. The file's chunks (IHDR, PLTE,
// IDAT, IEND) and their checksums are written here.
class PngWriter
{
public:
    // The largest width or height the format allows.
    static constexpr qint64 MaxSide = 0x7FFFFFFF;

    // Colours as 0xRRGGBB.
    PngWriter(qint64 width, qint64 height, quint32 background, quint32 text);
    ~PngWriter();
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    // One row of the picture: a bit for each pixel, the leftmost in the highest bit.
    void writeRow(const uchar* bits);
    // The whole file, or "" when zlib failed or the rows did not fill the picture.
    QByteArray finish();

private:
    void deflatePending(int flush);
    void addChunk(const char* type, const uchar* data, qsizetype size);

    qsizetype m_rowBytes;
    qint64 m_rowsLeft;
    bool m_failed = false;
    std::unique_ptr<z_stream_s> m_zlib;
    QByteArray m_previous; // the row above
    QByteArray m_pending;  // room for filtered rows not yet deflated
    qsizetype m_pendingSize = 0;
    QByteArray m_deflated;
    QByteArray m_file;
};
