#include "FuzzInput.h"
#include "documents/DocumentCodec.h"
#include "documents/LinkFinder.h"

#include <QUrl>

namespace {

// The links of one display text lie inside it, in order, each on one line, and open their own
// text under the web, FTP or mail schemes, nothing else, as the browser is given them.
void check(const QString& display)
{
    static const QStringList safe{"http", "https", "ftp", "mailto"};
    qsizetype end = 0;
    for (const LinkFinder::Link& link : LinkFinder::find(display)) {
        require(link.start >= end && link.length > 0 && link.start + link.length <= display.size(),
                "links lie inside the text, in order, without overlapping");
        end = link.start + link.length;
        const QStringView text = QStringView(display).mid(link.start, link.length);
        require(!text.contains(u'\r') && !text.contains(u'\n'), "a link stays on its line");
        require(link.address.endsWith(text), "the address is the link's own text");
        require(safe.contains(QUrl(link.address).scheme().toLower()),
                "only web, FTP and mail addresses come out");
    }
}

} // namespace

// Input: document bytes, read both as code page 437 and as UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    check(DocumentCodec::toDisplay(bytes));
    check(QString::fromUtf8(bytes));
    return 0;
}
