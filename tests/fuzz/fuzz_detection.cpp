#include "FuzzInput.h"
#include "documents/DocumentFormat.h"
#include "documents/MisreadPage.h"

namespace {

// The bytes as a program that misread them in the code page wrote them: in UTF-8.
QByteArray misread(const QByteArray& bytes, TextEncoding::Misread page)
{
    return MisreadPage::text(bytes, page).toUtf8();
}

void requireExactReading(const QByteArray& file)
{
    const DocumentFormat::Opened opened = DocumentFormat::open(file);
    require(DocumentFormat::save(opened.display, opened.encoding, opened.trailer) == file,
            "save(open(file)) == file");
    const auto again = DocumentFormat::reinterpret(file, opened.encoding);
    require(again && again->display == opened.display && again->trailer == opened.trailer,
            "reinterpret(file, open(file).encoding) reads as open(file) did");
}

} // namespace

// The reading rules on any bytes, and on the same bytes dressed as each case the rules tell
// apart: misread once or twice as Windows-1252 or Latin-1 and written as UTF-8, behind a UTF-16
// mark, before a SAUCE record cut short. Opening never fails, the chosen reading saves back to
// every byte, and reading the file again in the chosen encoding gives the same text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const auto windows = TextEncoding::Misread::Windows1252;
    const auto latin1 = TextEncoding::Misread::Latin1;
    requireExactReading(bytes);
    requireExactReading(misread(bytes, windows));
    requireExactReading(misread(misread(bytes, windows), windows));
    requireExactReading(misread(bytes, latin1));
    requireExactReading(misread(misread(bytes, latin1), latin1));
    requireExactReading("\xFF\xFE" + bytes);
    requireExactReading("\xFE\xFF" + bytes);
    requireExactReading(bytes + "\x1ASAUCE00" + bytes.left(100));
    return 0;
}
