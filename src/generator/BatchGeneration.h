#pragma once

#include "PlaceholderRule.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Generating an NFO without a window, from values given by name, exactly as the form's Create
// would from the same values typed into its fields.
//
// A field's name is its placeholder without the dollar signs ("title" for "$title$"), matched
// without regard to letter case. Values come from a video file's facts first (the movie kind
// only, as the form's "From Video…" reads them), then from the fields file, then from the
// NAME=VALUE pairs in their order, a later value of a name replacing an earlier one. A video
// file that tells no facts is an error. The fields file is an
// INI file (the profile semantics of Settings.ini) whose section named after the kind,
// "[movie]" or "[application]", holds NAME=VALUE lines; other sections are not read, so one
// file may serve both kinds, and a key starting with ";" is a comment. A file that is valid
// UTF-8 is read as UTF-8, any other as code page 437. An empty value, or a name not given,
// leaves the field empty: it takes the field's default text.
class BatchGeneration
{
    Q_DECLARE_TR_FUNCTIONS(BatchGeneration)

public:
    struct Request
    {
        QString kind;         // "movie" or "application"
        QStringList fields;   // "NAME=VALUE" pairs
        QString fieldsFile;   // "" for none
        QString templateFile; // "" for the kind's template in the template folder
        QString link;         // "yes" or "no"; "" for the stored option
        // A video file whose facts fill the movie fields; "" for none. Its initializer lets a
        // request list only the members before it.
        QString mediaFile{};
    };

    struct Result
    {
        QByteArray bytes; // the NFO file's bytes, code page 437
        QString error;    // one line saying what is wrong; "" when generated
        // The error is in the request itself (kind, link choice, a --field pair), not in a
        // file or a value the NFO cannot hold.
        bool usage = false;
    };

    // `templateDirectory` holds the shipped templates; `storedLink` is the stored credit-link
    // setting, which a request without a link choice follows.
    BatchGeneration(QString templateDirectory, QString storedLink);

    Result run(const Request& request) const;

    // The files the request reads: its fields file, if any, and its template.
    QStringList inputs(const Request& request) const;

private:
    using Values = QHash<QString, QString>; // by the rule's source field

    static QString readMediaFile(const QString& path, const QString& kind, Values& values);
    static QString readFieldsFile(const QString& path, const QString& kind,
                                  const QList<PlaceholderRule>& rules, Values& values);
    static QString readPairs(const QStringList& pairs, const QString& kind,
                             const QList<PlaceholderRule>& rules, Values& values);
    // Puts the value in under the rule the name belongs to; the error when none does.
    static QString assign(const QString& name, const QString& value, const QString& kind,
                          const QList<PlaceholderRule>& rules, Values& values);

    QString templatePath(const Request& request) const;

    QString m_templateDirectory;
    QString m_storedLink;
};
