#include "UserSettings.h"

#include <QSettings>

UserSettings::UserSettings(QString application) : m_application(std::move(application)) {}

QString UserSettings::GetSetting(const QString& section, const QString& key,
                                 const QString& defaultValue) const
{
    QSettings store(m_application, m_application);
    store.beginGroup(section);
    const QVariant value = store.value(key);
    if (!value.isValid())
        return defaultValue;
    // A value edited by hand with a comma in it reads back as a list; it is still one text.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void UserSettings::SaveSetting(const QString& section, const QString& key,
                               const QString& value) const
{
    QSettings store(m_application, m_application);
    store.beginGroup(section);
    store.setValue(key, value);
}

QString UserSettings::read(const SettingKey& key, int index) const
{
    return GetSetting(QString::fromLatin1(key.section), key.name(index), QString());
}

void UserSettings::write(const SettingKey& key, const QString& value, int index) const
{
    SaveSetting(QString::fromLatin1(key.section), key.name(index), value);
}
