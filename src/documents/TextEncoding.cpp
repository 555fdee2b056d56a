#include "TextEncoding.h"

#include "product/Messages.h"

#include <QCoreApplication>
#include <QStringDecoder>

std::vector<TextEncoding::Kind> TextEncoding::offered()
{
    std::vector<Kind> kinds = {Cp437, Utf8, Utf16Le, Utf16Be, Windows1252};
    for (int kind = ShiftJis; kind <= LastKind; ++kind) {
        if (QStringDecoder(converterName(Kind(kind))).isValid())
            kinds.push_back(Kind(kind));
    }
    return kinds;
}

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
    case ShiftJis:
        return QStringLiteral("Shift-JIS");
    case Cp850:
        return QStringLiteral("CP850");
    case Cp852:
        return QStringLiteral("CP852");
    case Cp866:
        return QStringLiteral("CP866");
    case Iso8859_2:
        return QStringLiteral("ISO-8859-2");
    case Iso8859_5:
        return QStringLiteral("ISO-8859-5");
    case Iso8859_15:
        return QStringLiteral("ISO-8859-15");
    case Koi8R:
        return QStringLiteral("KOI8-R");
    }
    return QString();
}

const char* TextEncoding::converterName(Kind kind)
{
    switch (kind) {
    case ShiftJis:
        return "Shift_JIS";
    case Cp850:
        return "IBM850";
    case Cp852:
        return "IBM852";
    case Cp866:
        return "IBM866";
    case Iso8859_2:
        return "ISO-8859-2";
    case Iso8859_5:
        return "ISO-8859-5";
    case Iso8859_15:
        return "ISO-8859-15";
    case Koi8R:
        return "KOI8-R";
    case Cp437:
    case Utf8:
    case Utf16Le:
    case Utf16Be:
    case Windows1252:
        break;
    }
    return nullptr;
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
    default:
        break;
    }
    return QByteArray();
}

QString FileEncoding::name() const
{
    const QString own = TextEncoding::name(kind);
    if (!isRepaired())
        return own;
    if (misreadTimes > 1)
        return QCoreApplication::translate("FileEncoding", "%1, repaired twice from CP437")
            .arg(own);
    return QCoreApplication::translate("FileEncoding", "%1, repaired from CP437").arg(own);
}
