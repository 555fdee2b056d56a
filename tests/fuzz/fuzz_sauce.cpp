#include "FuzzInput.h"
#include "documents/SauceRecord.h"

namespace {

constexpr qsizetype kRecord = 128;

} // namespace

// Input: any file's bytes. The SAUCE trailer found at their end is a record (with its comment
// block and the Ctrl-Z before it, when there), reads as one, and is found again whatever text
// stands before it; reading anything else never fails or reads beyond it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const std::optional<SauceRecord> any = SauceRecord::read(bytes);
    const qsizetype length = SauceRecord::trailerLength(bytes);
    require(length == 0 || (length >= kRecord && length <= bytes.size()),
            "a trailer is a whole record inside the file");
    require(any.has_value() == (length == bytes.size() && length > 0),
            "bytes read as a record exactly when they are one whole trailer");
    if (length == 0)
        return 0;
    const QByteArray trailer = bytes.last(length);
    require(trailer.last(kRecord).startsWith("SAUCE"), "the record starts with SAUCE");
    require(SauceRecord::trailerLength(trailer) == length, "the trailer alone is the trailer");
    for (const QByteArray& before : {QByteArray("text\r\n"), QByteArray("\x1A")}) {
        const qsizetype again = SauceRecord::trailerLength(before + trailer);
        require(again == length || (again == length + 1 && before.endsWith('\x1A')),
                "text before the trailer leaves it as it was");
    }
    const std::optional<SauceRecord> record = SauceRecord::read(trailer);
    require(record.has_value(), "a trailer reads as a record");
    // A comment block stands between the Ctrl-Z, if any, and the record: 64 bytes a line
    // after "COMNT", as many lines as the record says.
    const qsizetype block = length - kRecord - (trailer.front() == '\x1A' ? 1 : 0);
    if (block > 0) {
        const int lines = static_cast<uchar>(trailer.at(length - kRecord + 104));
        require(record->comments.size() == lines && block == 5 + 64 * qsizetype(lines),
                "every comment line is read");
    }
    return 0;
}
