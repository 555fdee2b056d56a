#include "PlaceholderScan.h"

#include <algorithm>
#include <cstring>

qsizetype PlaceholderScan::findFrom(const QByteArray& haystack, const QByteArray& needle,
                                    qsizetype from)
{
    // memchr finds each candidate first byte (a "$" is rare in NFO art), memcmp checks the rest.
    const char* begin = haystack.constData();
    const char* end = begin + haystack.size();
    const qsizetype length = needle.size();
    for (const char* at = begin + from; end - at >= length;) {
        const auto* hit = static_cast<const char*>(
            std::memchr(at, needle.front(), size_t(end - at - length + 1)));
        if (!hit)
            return -1;
        if (std::memcmp(hit, needle.constData(), size_t(length)) == 0)
            return hit - begin;
        at = hit + 1;
    }
    return -1;
}

QList<PlaceholderScan::Occurrence> PlaceholderScan::find(const QByteArray& text,
                                                         const QList<QByteArray>& placeholders)
{
    QList<Occurrence> found;
    // The bytes taken by an occurrence so far; a later placeholder may not use any of them.
    QByteArray taken;
    for (qsizetype index = 0; index < placeholders.size(); ++index) {
        const QByteArray& placeholder = placeholders.at(index);
        if (placeholder.isEmpty())
            continue;
        for (qsizetype at = findFrom(text, placeholder, 0); at >= 0;) {
            const qsizetype size = placeholder.size();
            if (!taken.isEmpty() && std::memchr(taken.constData() + at, 1, size_t(size))) {
                at = findFrom(text, placeholder, at + 1);
                continue;
            }
            if (taken.isEmpty())
                taken = QByteArray(text.size(), '\0');
            std::memset(taken.data() + at, 1, size_t(size));
            found.append({at, size, index});
            at = findFrom(text, placeholder, at + size);
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Occurrence& a, const Occurrence& b) { return a.start < b.start; });
    return found;
}
