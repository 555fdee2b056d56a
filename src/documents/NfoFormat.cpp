#include "NfoFormat.h"

QByteArray NfoFormat::documentText(const QByteArray& fileBytes)
{
    const qsizetype n = fileBytes.size();
    QByteArray text;
    // Every lone CR grows by one byte, and so may the last line; reserving a little more than
    // the file avoids a reallocation for typical files.
    text.reserve(n + n / 64 + 2);
    const char* data = fileBytes.constData();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] != '\r')
            continue;
        text.append(data + lineStart, i - lineStart).append("\r\n", 2);
        if (i + 1 < n && data[i + 1] == '\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < n)
        text.append(data + lineStart, n - lineStart).append("\r\n", 2);
    return text;
}

QByteArray NfoFormat::fileBytes(const QByteArray& documentText)
{
    if (documentText.endsWith("\r\n"))
        return documentText;
    return documentText + "\r\n";
}
