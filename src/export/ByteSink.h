#pragma once

#include <QByteArray>
#include <zlib.h>

class QIODevice;

// Bytes on their way into a device, gathered into large writes, counted (a PDF names the
// offsets of its parts) and, between startDeflate() and finishDeflate(), compressed as one zlib
// stream. A write that fails stops all further ones, and ok() says so.
class ByteSink
{
public:
    explicit ByteSink(QIODevice& device);
    ~ByteSink();
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;

    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    void write(const char* bytes, qsizetype size);
    // The bytes written so far, as the device will hold them.
    qint64 offset() const { return m_offset + m_pending.size(); }

    void startDeflate();
    // Ends the compressed stream; gives its length in bytes.
    qint64 finishDeflate();

    // Writes out what is gathered; false when any write failed.
    bool flush();
    bool ok() const { return m_ok; }

private:
    void deflateSome(int flush);
    void pass(const char* bytes, qsizetype size);

    QIODevice& m_device;
    QByteArray m_pending;
    qint64 m_offset = 0;
    bool m_ok = true;
    bool m_deflating = false;
    qint64 m_deflateStart = 0;
    z_stream m_zlib{};
    QByteArray m_input;
};
