#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The program's texts in the user's language: the translation of the first language of the
// user's list (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) that the program has, and Qt's own
// texts (dialog buttons, command-line errors) in the same language when Qt's translations are
// installed. English, the language the texts are written in, needs none.
class Translations
{
public:
    // Loads the translations from `directory` (files quilra_de.qm, quilra_fr.qm) for the
    // system's languages and installs them in `application`, which owns them. The language
    // loaded, such as "de", or "" when the texts stay English.
    static QString install(QCoreApplication& application, const QString& directory);

    // The same for a list of languages in order of preference, such as {"de-DE", "en"}.
    static QString install(QCoreApplication& application, const QString& directory,
                           const QStringList& languages);
};
