#pragma once

#include "SettingKey.h"

#include <QString>

// The per-user store: (application, section, key) to text, kept across runs for the user.
// It lies in the platform's own settings place (the registry on Windows, a file under the XDG
// configuration folder elsewhere); each section is a group.
class UserSettings
{
public:
    explicit UserSettings(QString application = QStringLiteral("Quilra"));

    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    void SaveSetting(const QString& section, const QString& key, const QString& value) const;

    // The same for a row of the table of settings; an absent key reads "".
    QString read(const SettingKey& key, int index = -1) const;
    void write(const SettingKey& key, const QString& value, int index = -1) const;

private:
    QString m_application;
};
