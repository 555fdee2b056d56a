#include "FuzzInput.h"
#include "export/PictureDeflate.h"

#include <zlib.h>

// Any bytes, cut in two bands at any place and deflated with any row and cell layout, inflate
// back to themselves through zlib.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    PictureDeflate::Layout layout;
    layout.stride = 1 + data[0];
    layout.cell = data[1] % 10;
    layout.lineRows = 16;
    layout.thorough = data[1] >= 128;
    const QByteArray bytes = fuzzBytes(data + 3, size - 3);
    const qsizetype cut = bytes.size() * data[2] / 255;
    const auto* raw = reinterpret_cast<const uchar*>(bytes.constData());
    const QByteArray deflated = PictureDeflate::compress(raw, 0, cut, layout, false) +
                                PictureDeflate::compress(raw, cut, bytes.size(), layout, true);
    z_stream zlib = {};
    require(inflateInit2(&zlib, -15) == Z_OK, "zlib starts");
    QByteArray inflated(bytes.size() + 1, '\0');
    zlib.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(deflated.constData()));
    zlib.avail_in = uInt(deflated.size());
    zlib.next_out = reinterpret_cast<Bytef*>(inflated.data());
    zlib.avail_out = uInt(inflated.size());
    const int status = inflate(&zlib, Z_FINISH);
    inflated.truncate(qsizetype(zlib.total_out));
    inflateEnd(&zlib);
    require(status == Z_STREAM_END && zlib.avail_in == 0, "the stream ends where it says");
    require(inflated == bytes, "inflate(deflate(bytes)) == bytes");
    return 0;
}
