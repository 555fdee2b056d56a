#include "FuzzInput.h"
#include "documents/DocumentCodec.h"
#include "documents/NfoChecker.h"
#include "documents/SauceRecord.h"
#include "documents/SauceTrailer.h"

#include <QStringList>

namespace {

// Every finding has a place in the text, and after a line-end or blank fix, checking again
// finds none of its kind.
void checkText(const QByteArray& bytes)
{
    const DocumentFormat::Opened opened = DocumentFormat::open(bytes);
    const qint64 contentSize = bytes.size() - opened.trailer.size();
    const auto findings = NfoChecker(40).check(opened, contentSize);
    for (const NfoChecker::Finding& finding : findings)
        require(finding.line >= 1 && finding.column >= 1 && finding.start >= 0 &&
                    finding.start + finding.length <= opened.display.size(),
                "a finding lies in the text");
    for (const auto kind : {NfoChecker::Kind::MixedLineEnds, NfoChecker::Kind::TrailingBlanks,
                            NfoChecker::Kind::NoFinalLineEnd}) {
        if (!NfoChecker::hasFix(kind, opened.display))
            continue;
        DocumentFormat::Opened fixed = opened;
        fixed.display = NfoChecker::applied(opened.display,
                                            NfoChecker::fix(kind, opened.display, opened.encoding));
        for (const NfoChecker::Finding& finding : NfoChecker(40).check(fixed, contentSize))
            require(finding.kind != kind, "a fix leaves nothing of its kind");
    }
}

// A record written from any fields is one whole trailer that reads back undamaged, with its
// size and its comments.
void writeSauce(QByteArray rest)
{
    SauceTrailer::Fields fields;
    fields.title = DocumentCodec::toDisplay(nextPart(rest));
    fields.author = DocumentCodec::toDisplay(nextPart(rest));
    fields.date = DocumentCodec::toDisplay(nextPart(rest));
    const QByteArray content = nextPart(rest);
    while (!rest.isEmpty())
        fields.comments.append(DocumentCodec::toDisplay(nextPart(rest)));
    const QByteArray trailer = SauceTrailer::write(fields, quint32(content.size()), content);
    require(SauceRecord::trailerLength(content + trailer) == trailer.size(),
            "the trailer is found whole");
    const auto read = SauceRecord::read(trailer);
    require(read && !read->damaged, "the record reads back undamaged");
    require(read->fileSize == quint32(content.size()), "the size reads back");
    require(read->comments.size() == qMin<qsizetype>(fields.comments.size(), 255),
            "the comments read back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    checkText(bytes);
    writeSauce(bytes);
    return 0;
}
