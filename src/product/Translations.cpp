#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// "de" for "de-DE", "de_AT.UTF-8" or "de".
QString languageOf(const QString& name)
{
    return name.section(QLatin1Char('.'), 0, 0)
        .section(QLatin1Char('_'), 0, 0)
        .section(QLatin1Char('-'), 0, 0)
        .toLower();
}

bool load(QCoreApplication& application, const QString& file, const QString& directory)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(file, directory) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString Translations::install(QCoreApplication& application, const QString& directory)
{
    return install(application, directory, QLocale::system().uiLanguages());
}

QString Translations::install(QCoreApplication& application, const QString& directory,
                              const QStringList& languages)
{
    for (const QString& name : languages) {
        const QString language = languageOf(name);
        // English is the texts' own language: a user who puts it before another gets it.
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            return QString();
        if (language.isEmpty() ||
            !load(application, QStringLiteral("quilra_") + language, directory))
            continue;
        load(application, QStringLiteral("qtbase_") + language,
             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return language;
    }
    return QString();
}
