#include "ProgramSettings.h"

#include "modINI.h"

#include <QDir>
#include <QFileInfo>

ProgramSettings::ProgramSettings(QString iniPath) : m_iniPath(std::move(iniPath)) {}

QByteArray ProgramSettings::read(const SettingKey& key, int index) const
{
    return modINI::ReadINI(m_iniPath, key.section, key.name(index).toLatin1(), QByteArray());
}

bool ProgramSettings::write(const SettingKey& key, const QByteArray& value, int index) const
{
    QDir().mkpath(QFileInfo(m_iniPath).absolutePath());
    return modINI::WriteINI(m_iniPath, key.section, key.name(index).toLatin1(), value);
}
