#pragma once

#include "SettingKey.h"

#include <QByteArray>
#include <QString>

// The settings that live in Settings.ini in the program's folder. Nothing is cached: every
// read opens the file, every write reaches it at once.
class ProgramSettings
{
public:
    explicit ProgramSettings(QString programDirectory);

    QString programDirectory() const { return m_directory; }
    QString iniPath() const;

    // The stored value, "" when absent; cut to 199 characters as every INI read is.
    QByteArray read(const SettingKey& key, int index = -1) const;
    // False when the value could not be stored (callers do not report it).
    bool write(const SettingKey& key, const QByteArray& value, int index = -1) const;

private:
    QString m_directory;
};
