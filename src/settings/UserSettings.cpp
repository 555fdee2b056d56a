#include "UserSettings.h"

#include <QSettings>
#include <memory>

namespace {

// A value edited by hand with a comma in it reads back as a list; it is still one text.
QString textOf(const QVariant& value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace

UserSettings::UserSettings(QString application) : m_application(std::move(application)) {}

QString UserSettings::GetSetting(const QString& section, const QString& key,
                                 const QString& defaultValue) const
{
    QSettings store(m_application, m_application);
    store.beginGroup(section);
    const QVariant value = store.value(key);
    return value.isValid() ? textOf(value) : defaultValue;
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

bool UserSettings::write(const SettingKey& key, const QString& value, int index) const
{
    QSettings store(m_application, m_application);
    store.beginGroup(QString::fromLatin1(key.section));
    store.setValue(key.name(index), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

std::function<QString(int)> UserSettings::familyReader(const SettingKey& family) const
{
    auto store = std::make_shared<QSettings>(m_application, m_application);
    store->beginGroup(QString::fromLatin1(family.section));
    return [store, family](int index) { return textOf(store->value(family.name(index))); };
}

bool UserSettings::writeFamily(const SettingKey& family, const QStringList& values) const
{
    QSettings store(m_application, m_application);
    store.beginGroup(QString::fromLatin1(family.section));
    for (qsizetype i = 0; i < values.size(); ++i)
        store.setValue(family.name(static_cast<int>(i)), values.at(i));
    store.sync();
    return store.status() == QSettings::NoError;
}
