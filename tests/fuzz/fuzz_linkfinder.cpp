#include "FuzzInput.h"
#include "documents/DocumentCodec.h"
#include "documents/LinkFinder.h"

#include <QUrl>

namespace {

bool isLineEnd(QChar ch)
{
    return ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar(0x2028) ||
           ch == QChar(0x2029);
}

bool startsWithSafeScheme(const QString& address)
{
    for (const char* scheme : {"http://", "https://", "ftp://", "mailto:"}) {
        if (address.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The links of one display text: each lies inside the text, after the one before it, on one
// line, and opens its own text under a safe scheme (the web, FTP or mail) and nothing else.
void check(const QString& display)
{
    qsizetype end = 0;
    for (const LinkFinder::Link& link : LinkFinder::find(display)) {
        require(link.start >= end && link.length > 0 && link.start + link.length <= display.size(),
                "links lie inside the text, in order, without overlapping");
        end = link.start + link.length;
        const QStringView text = QStringView(display).mid(link.start, link.length);
        require(std::none_of(text.begin(), text.end(), isLineEnd), "a link stays on its line");
        require(link.address.endsWith(text), "the address is the link's own text");
        require(startsWithSafeScheme(link.address), "only web, FTP and mail addresses come out");
        const QUrl url(link.address);
        const QString scheme = url.scheme().toLower();
        require(!url.isValid() || scheme == QLatin1String("http") ||
                    scheme == QLatin1String("https") || scheme == QLatin1String("ftp") ||
                    scheme == QLatin1String("mailto"),
                "what the browser is given opens under a safe scheme");
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
