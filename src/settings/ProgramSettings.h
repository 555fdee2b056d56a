#pragma once

#include "SettingKey.h"

#include <QByteArray>
#include <QString>

// The settings that live in Settings.ini. Nothing is cached: every read opens the file, every
// write reaches it at once.
class ProgramSettings
{
public:
    // `iniPath` is where Settings.ini lies or will lie (ProgramFolders says where).
    explicit ProgramSettings(QString iniPath);

    QString iniPath() const { return m_iniPath; }

    // The stored value, "" when absent; cut to 199 characters as every INI read is.
    QByteArray read(const SettingKey& key, int index = -1) const;
    // False when the value could not be stored (callers do not report it). The file's folder
    // is made when it is missing, as the per-user one is before the first setting.
    bool write(const SettingKey& key, const QByteArray& value, int index = -1) const;

private:
    QString m_iniPath;
};
