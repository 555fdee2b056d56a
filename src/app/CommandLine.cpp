#include "CommandLine.h"

QString CommandLine::argumentText(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

QString CommandLine::documentPath(const QString& argumentText)
{
    if (!argumentText.startsWith(QLatin1Char('"')))
        return argumentText;
    return argumentText.size() < 2 ? QString() : argumentText.mid(1, argumentText.size() - 2);
}
