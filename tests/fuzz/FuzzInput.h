#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: the input as bytes, its NUL-separated parts, and the end of the
// run when a property fails (libFuzzer keeps the input as a crash artifact).
inline QByteArray fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The text up to the next NUL, taken off the front of `rest`; all of it when there is none.
inline QByteArray nextPart(QByteArray& rest)
{
    const qsizetype end = rest.indexOf('\0');
    const QByteArray part = end < 0 ? rest : rest.left(end);
    rest = end < 0 ? QByteArray() : rest.mid(end + 1);
    return part;
}

inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s\n", property);
    std::abort();
}
