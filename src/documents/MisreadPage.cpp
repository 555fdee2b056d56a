#include "MisreadPage.h"

#include <array>

namespace {

// Windows-1252 from 0x80 to 0x9F; 0 where the code page defines no character.
constexpr std::array<char16_t, 32> k1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t misread(uchar code, TextEncoding::Misread page)
{
    if (page == TextEncoding::Misread::Windows1252) {
        const char16_t u = MisreadPage::windows1252(code);
        return u != 0 ? u : code;
    }
    return code;
}

} // namespace

int MisreadPage::code(char16_t u, TextEncoding::Misread page)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    if (page == TextEncoding::Misread::Latin1)
        return u <= 0xFF ? u : -1;
    if (u <= 0x9F)
        return windows1252(static_cast<uchar>(u)) == 0 ? u : -1;
    return windows1252Code(u);
}

char16_t MisreadPage::windows1252(uchar code)
{
    return code >= 0x80 && code < 0xA0 ? k1252High[code - 0x80] : code;
}

int MisreadPage::windows1252Code(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (size_t i = 0; i < k1252High.size(); ++i) {
        if (k1252High[i] == u && u != 0)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

QString MisreadPage::text(const QByteArray& bytes, TextEncoding::Misread page)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(misread(static_cast<uchar>(bytes.at(i)), page));
    return text;
}

std::optional<QByteArray> MisreadPage::bytes(const QString& text, TextEncoding::Misread page)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int code = MisreadPage::code(text.at(i).unicode(), page);
        if (code < 0)
            return std::nullopt;
        out[i] = static_cast<char>(code);
    }
    return bytes;
}
