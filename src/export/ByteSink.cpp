#include "ByteSink.h"

#include <QIODevice>

namespace {

// Bytes are handed to the device, and to zlib, in pieces of about this size.
constexpr qsizetype kChunk = 64 * 1024;

} // namespace

ByteSink::ByteSink(QIODevice& device) : m_device(device)
{
    m_pending.reserve(kChunk * 2);
}

ByteSink::~ByteSink()
{
    if (m_deflating)
        deflateEnd(&m_zlib);
}

void ByteSink::write(const char* bytes, qsizetype size)
{
    if (!m_deflating) {
        pass(bytes, size);
        return;
    }
    m_input.append(bytes, size);
    if (m_input.size() >= kChunk)
        deflateSome(Z_NO_FLUSH);
}

void ByteSink::pass(const char* bytes, qsizetype size)
{
    m_pending.append(bytes, size);
    if (m_pending.size() >= kChunk)
        flush();
}

bool ByteSink::flush()
{
    if (m_ok && !m_pending.isEmpty())
        m_ok = m_device.write(m_pending) == m_pending.size();
    m_offset += m_pending.size();
    m_pending.clear();
    return m_ok;
}

void ByteSink::startDeflate()
{
    m_zlib = z_stream{};
    m_ok = m_ok && deflateInit(&m_zlib, Z_DEFAULT_COMPRESSION) == Z_OK;
    m_deflating = true;
    m_deflateStart = offset();
}

void ByteSink::deflateSome(int flush)
{
    m_zlib.next_in = reinterpret_cast<Bytef*>(m_input.data());
    m_zlib.avail_in = uInt(m_input.size());
    char out[16384];
    int status = Z_OK;
    do {
        m_zlib.next_out = reinterpret_cast<Bytef*>(out);
        m_zlib.avail_out = sizeof out;
        status = deflate(&m_zlib, flush);
        pass(out, qsizetype(sizeof out - m_zlib.avail_out));
    } while (m_zlib.avail_out == 0 || (flush == Z_FINISH && status == Z_OK));
    m_ok = m_ok && status != Z_STREAM_ERROR;
    m_input.clear();
}

qint64 ByteSink::finishDeflate()
{
    deflateSome(Z_FINISH);
    deflateEnd(&m_zlib);
    m_deflating = false;
    return offset() - m_deflateStart;
}
