#include "ProgramSettings.h"

#include "modINI.h"

#include <QDir>

ProgramSettings::ProgramSettings(QString programDirectory)
    : m_directory(std::move(programDirectory))
{
}

QString ProgramSettings::iniPath() const
{
    return QDir(m_directory).filePath(QStringLiteral("Settings.ini"));
}

QByteArray ProgramSettings::read(const SettingKey& key, int index) const
{
    return modINI::ReadINI(iniPath(), key.section, key.name(index).toLatin1(), QByteArray());
}

bool ProgramSettings::write(const SettingKey& key, const QByteArray& value, int index) const
{
    return modINI::WriteINI(iniPath(), key.section, key.name(index).toLatin1(), value);
}
