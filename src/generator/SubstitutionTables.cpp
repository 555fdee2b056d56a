#include "SubstitutionTables.h"

namespace {

PlaceholderRule rule(const char* field, const char* placeholder, const QString& empty = {},
                     const char* defaultText = "Unknown")
{
    return {QString::fromLatin1(field), QByteArray(placeholder), empty, QByteArray(defaultText)};
}

} // namespace

const QString SubstitutionTables::EmptyDate = QStringLiteral("__/__/____");
const QString SubstitutionTables::EmptyRuntime = QStringLiteral("__:__:__");

const QList<PlaceholderRule>& SubstitutionTables::movie()
{
    static const QList<PlaceholderRule> rows = {
        rule("txttitle", "$title$"),
        rule("txtupper", "$upper$"),
        rule("txtrls", "$rlsdate$", EmptyDate),
        rule("txtthr", "$thrdate$", EmptyDate),
        rule("txtdvd", "$dvddate$", EmptyDate),
        rule("txtrun", "$runtime$", EmptyRuntime),
        rule("txtlan", "$language$"),
        rule("txtlink", "$imdburl$"),
        rule("txtrate", "$imdbrate$"),
        rule("txtvidcod", "$videocodec$"),
        rule("txtres", "$resolution$"),
        rule("txtaudcod", "$audiocodec$"),
        rule("txtaudbit", "$audiobitrate$"),
        rule("txtsub", "$subtitles$"),
        rule("txtnumber", "$files$"),
        rule("txtsummary", "$summary$", QString(), "None"),
    };
    return rows;
}

const QList<PlaceholderRule>& SubstitutionTables::application()
{
    static const QList<PlaceholderRule> rows = {
        rule("txtapptitle", "$appname$"),
        rule("txtupper2", "$upper$"),
        rule("txtprogtype", "$apptype$"),
        rule("txtostype", "$ostype$"),
        rule("txtcracker", "$cracker$"),
        rule("txtrls2", "$release$", EmptyDate),
        rule("txtserial", "$serial$"),
        rule("txtsummary2", "$summary$"),
        rule("txtinstallation", "$installation$"),
    };
    return rows;
}
