#include "CommandLine.h"

QString CommandLine::argumentText(const QStringList& arguments)
{
    // `--` ends the options, so that a file whose name starts with a dash can be opened.
    QStringList words = arguments.mid(1);
    words.removeOne(QStringLiteral("--"));
    return words.join(QLatin1Char(' '));
}

QString CommandLine::documentPath(const QString& argumentText)
{
    if (!argumentText.startsWith(QLatin1Char('"')))
        return argumentText;
    return argumentText.size() < 2 ? QString() : argumentText.mid(1, argumentText.size() - 2);
}
