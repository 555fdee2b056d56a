#pragma once

#include "PictureDeflate.h"

#include <QByteArray>
#include <QList>
#include <deque>
#include <future>
#include <vector>

class QIODevice;

// A PNG file with a palette, written row by row into a device as the rows come, so that
// memory holds a few rows, never the picture. At one bit a pixel each row is filtered as itself
// or as its difference from the one above, whichever leaves more zero bytes; at more bits a
// pixel, where the differences of colour numbers are no smaller than the numbers and break the
// repeats that deflate finds, every row is left as it is. The rows are gathered into bands
// that are deflated by PictureDeflate (which knows where a picture of text repeats itself) on
// every core at once, each band ended on a byte boundary, so that the bands joined in order
// are one zlib stream (as pigz does); each band may refer back into the end of the one before,
// and their checksums are combined.
class PngWriter
{
public:
    // The largest picture written: a row is held a few times over, so the width is bounded
    // well below what the format allows; the height only by the format.
    static constexpr qint64 MaxWidth = qint64(1) << 22;
    static constexpr qint64 MaxHeight = 0x7FFFFFFF;

    struct Band
    {
        QByteArray deflated;
        quint32 checksum = 1; // the Adler-32 of the band's filtered rows
        qsizetype size = 0;   // of the filtered rows
        bool last = false;
        bool failed = false;
    };

    static bool fits(qint64 width, qint64 height);

    // `depth` is 1, 2, 4 or 8 bits a pixel; `palette` holds 0xRRGGBB colours, at most
    // 2^depth; a cell is `cellWidth` pixels wide and a line of text `lineRows` rows high (0 when
    // unknown). The file's start is written at once.
    PngWriter(QIODevice& sink, qint64 width, qint64 height, int depth,
              const QList<quint32>& palette, int cellWidth = 0, int lineRows = 0);
    ~PngWriter();
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    // Bytes of one row: the pixels packed at the depth, the leftmost in the highest bits.
    qsizetype rowBytes() const { return m_rowBytes; }
    // One row of the picture, rowBytes() long.
    void writeRow(const uchar* row);
    // Ends the file; false when a row was missing or a write failed.
    bool finish();

private:
    void submitBand(bool last);
    void collectBand();
    void writeChunk(const char* type, const QByteArray& data);

    QIODevice& m_sink;
    qsizetype m_rowBytes;
    qint64 m_rowsLeft;
    bool m_failed = false;
    QByteArray m_previous; // the row above
    QByteArray m_band;     // filtered rows not yet deflated
    QByteArray m_before;   // the end of the band before
    std::deque<std::future<Band>> m_working;
    size_t m_workers;
    bool m_tryUp;
    PictureDeflate::Layout m_layout;
    quint32 m_checksum = 1;
    bool m_streamStarted = false;
};
