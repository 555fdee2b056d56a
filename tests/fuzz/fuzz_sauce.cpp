#include "FuzzInput.h"
#include "documents/SauceRecord.h"

namespace {

constexpr qsizetype kRecord = 128;

} // namespace

// Input: any file's bytes. The SAUCE trailer found at their end (a whole record with its comment
// block and the Ctrl-Z before it, or a record cut short) lies inside them, is found again on its
// own, and reads as a record; a record cut short reads as damaged. Reading anything else never
// fails or reads beyond it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    SauceRecord::read(bytes);
    const qsizetype length = SauceRecord::trailerLength(bytes);
    require(length >= 0 && length <= bytes.size(), "a trailer lies inside the file");
    if (length == 0)
        return 0;
    const QByteArray trailer = bytes.last(length);
    require(trailer.contains("SAUCE"), "the trailer holds its record");
    require(SauceRecord::trailerLength(trailer) == length, "the trailer alone is the trailer");
    const std::optional<SauceRecord> record = SauceRecord::read(trailer);
    require(record.has_value(), "a trailer reads as a record");
    if (length < kRecord)
        require(record->damaged, "a record cut short is damaged");
    return 0;
}
