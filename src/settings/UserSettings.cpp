#include "UserSettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <optional>

struct UserSettings::Oversized
{
    std::optional<bool> decided;
    std::shared_ptr<QSettings> store;
};

namespace {

// A value edited by hand with a comma in it reads back as a list; it is still one text.
QString textOf(const QVariant& value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QString fullKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

UserSettings::UserSettings(QString application)
    : m_application(std::move(application)), m_oversized(std::make_shared<Oversized>())
{
}

QString UserSettings::path() const
{
#ifdef Q_OS_WIN
    return QSettings(m_application, m_application).fileName();
#else
    // Where QSettings keeps the native store, named without opening (and so reading) it.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + m_application + QLatin1Char('/') + m_application +
           QStringLiteral(".conf");
#endif
}

bool UserSettings::isOversized() const
{
    if (!m_oversized->decided)
        m_oversized->decided = QFileInfo(path()).size() > MaxStoreBytes;
    return *m_oversized->decided;
}

std::shared_ptr<QSettings> UserSettings::reader() const
{
    if (!isOversized())
        return std::make_shared<QSettings>(m_application, m_application);
    if (!m_oversized->store)
        m_oversized->store = std::make_shared<QSettings>(m_application, m_application);
    return m_oversized->store;
}

QString UserSettings::GetSetting(const QString& section, const QString& key,
                                 const QString& defaultValue) const
{
    const QVariant value = reader()->value(fullKey(section, key));
    return value.isValid() ? textOf(value) : defaultValue;
}

void UserSettings::SaveSetting(const QString& section, const QString& key,
                               const QString& value) const
{
    writeAll(section, {{key, value}});
}

QString UserSettings::read(const SettingKey& key, int index) const
{
    return GetSetting(QString::fromLatin1(key.section), key.name(index), QString());
}

bool UserSettings::write(const SettingKey& key, const QString& value, int index) const
{
    return writeAll(QString::fromLatin1(key.section), {{key.name(index), value}});
}

bool UserSettings::writeAll(const QString& section,
                            const QList<std::pair<QString, QString>>& values) const
{
    if (isOversized())
        return false;
    QSettings store(m_application, m_application);
    for (const auto& [key, value] : values)
        store.setValue(fullKey(section, key), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

std::function<QString(int)> UserSettings::familyReader(const SettingKey& family) const
{
    auto store = reader();
    const QString section = QString::fromLatin1(family.section);
    return [store, family, section](int index) {
        return textOf(store->value(fullKey(section, family.name(index))));
    };
}

bool UserSettings::writeFamily(const SettingKey& family, const QStringList& values) const
{
    QList<std::pair<QString, QString>> members;
    for (qsizetype i = 0; i < values.size(); ++i)
        members.append({family.name(static_cast<int>(i)), values.at(i)});
    return writeAll(QString::fromLatin1(family.section), members);
}
