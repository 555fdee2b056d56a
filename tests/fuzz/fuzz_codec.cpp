#include "FuzzInput.h"
#include "documents/DocumentCodec.h"

// Every byte string shown as widget text and read back gives every byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    require(DocumentCodec::fromDisplay(DocumentCodec::toDisplay(bytes)) == bytes,
            "fromDisplay(toDisplay(bytes)) == bytes");
    return 0;
}
