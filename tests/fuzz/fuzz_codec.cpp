#include "FuzzInput.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"

// Every byte string, opened as a file is, saves back to every byte; and in each encoding it
// decodes in, its display text encodes back to it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const DocumentFormat::Opened opened = DocumentFormat::open(bytes);
    require(DocumentFormat::save(opened.display, opened.encoding, opened.trailer) == bytes,
            "save(open(bytes)) == bytes");
    for (const TextEncoding::Kind kind : TextEncoding::All) {
        if (const auto display = DocumentCodec::decode(bytes, kind))
            require(DocumentCodec::encode(*display, kind) == bytes,
                    "encode(decode(bytes)) == bytes");
    }
    return 0;
}
