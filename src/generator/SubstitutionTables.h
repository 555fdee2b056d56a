#pragma once

#include "PlaceholderRule.h"

#include <QList>

// The substitution tables of the two templates, rows in the order they are applied.
class SubstitutionTables
{
public:
    static const QString EmptyDate;    // an untouched date box: "__/__/____"
    static const QString EmptyRuntime; // an untouched runtime box: "__:__:__"

    static QString movieTemplateFile() { return QStringLiteral("movietemplate.nfo"); }
    static QString applicationTemplateFile() { return QStringLiteral("applicationtemplate.nfo"); }

    static const QList<PlaceholderRule>& movie();
    static const QList<PlaceholderRule>& application();
};
