#include "TextEncoding.h"

#include "product/Messages.h"

QString TextEncoding::name(Kind kind)
{
    switch (kind) {
    case Cp437:
        return QStringLiteral("CP437");
    case Utf8:
        return QStringLiteral("UTF-8");
    case Utf16Le:
        return QStringLiteral("UTF-16 LE");
    case Utf16Be:
        return QStringLiteral("UTF-16 BE");
    case Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return QString();
}

std::optional<TextEncoding::Kind> TextEncoding::fromName(const QString& name)
{
    for (const Kind kind : All) {
        if (TextEncoding::name(kind).compare(name, Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

QString TextEncoding::description(Kind kind)
{
    return kind == Cp437 ? Messages::codePage437() : name(kind);
}

QByteArray TextEncoding::byteOrderMark(Kind kind)
{
    switch (kind) {
    case Utf8:
        return QByteArray("\xEF\xBB\xBF");
    case Utf16Le:
        return QByteArray("\xFF\xFE");
    case Utf16Be:
        return QByteArray("\xFE\xFF");
    case Cp437:
    case Windows1252:
        break;
    }
    return QByteArray();
}
