#pragma once

#include "SettingKey.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QSettings;

// The per-user store: (application, section, key) to text, kept across runs for the user.
// It lies in the platform's own settings place (the registry on Windows, a file under the XDG
// configuration folder elsewhere); each section is a group.
//
// No store the program writes comes near a megabyte. A file larger than that is read once, for
// the whole run, and never written: reading it at every use, and rewriting it at every start for
// the run counter, would take seconds.
class UserSettings
{
public:
    static constexpr qint64 MaxStoreBytes = 1024 * 1024;

    explicit UserSettings(QString application = QStringLiteral("Quilra"));

    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    void SaveSetting(const QString& section, const QString& key, const QString& value) const;

    // Where the store lies: its file, or on Windows its registry key.
    QString path() const;
    // True when the store is too large to be written (see above); decided at the first use.
    bool isOversized() const;

    // The same for a row of the table of settings; an absent key reads "".
    QString read(const SettingKey& key, int index = -1) const;
    // False when the store could not be written, or is too large to be.
    bool write(const SettingKey& key, const QString& value, int index = -1) const;

    // Reads members of a numbered family by index through one opening of the store, for a
    // caller that reads many: each read through a fresh opening would parse the whole store
    // again. The reader is meant for the one task at hand, not to be kept.
    std::function<QString(int)> familyReader(const SettingKey& family) const;
    // Stores the values as members 0, 1, ... of the family through one opening of the store.
    bool writeFamily(const SettingKey& family, const QStringList& values) const;

private:
    struct Oversized;

    // The store for reading: a fresh opening, or the one read of a store too large.
    std::shared_ptr<QSettings> reader() const;
    bool writeAll(const QString& section, const QList<std::pair<QString, QString>>& values) const;

    QString m_application;
    // Shared by the copies of this store, so that the size is looked at once.
    std::shared_ptr<Oversized> m_oversized;
};
