#pragma once

#include "SettingKey.h"

#include <QString>
#include <QStringList>
#include <functional>

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
    // False when the store could not be written.
    bool write(const SettingKey& key, const QString& value, int index = -1) const;

    // Reads members of a numbered family by index through one opening of the store, for a
    // caller that reads many: each read through a fresh opening would parse the whole store
    // again. The reader is meant for the one task at hand, not to be kept.
    std::function<QString(int)> familyReader(const SettingKey& family) const;
    // Stores the values as members 0, 1, ... of the family through one opening of the store.
    bool writeFamily(const SettingKey& family, const QStringList& values) const;

private:
    QString m_application;
};
