#include "ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kSettingsFile = QStringLiteral("Settings.ini");
const QString kMarkerTemplate = QStringLiteral("movietemplate.nfo");

bool sameFolder(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !a.isEmpty() && !b.isEmpty() && !canonical.isEmpty() &&
           canonical == QFileInfo(b).canonicalFilePath();
}

} // namespace

ProgramFolders::ProgramFolders(QString programDirectory, QString installedPrograms,
                               QString installedData, QString userConfig)
    : m_program(std::move(programDirectory)), m_installedPrograms(std::move(installedPrograms)),
      m_installedData(std::move(installedData)), m_userConfig(std::move(userConfig))
{
}

ProgramFolders ProgramFolders::forRunningProgram()
{
    return ProgramFolders(QCoreApplication::applicationDirPath(),
                          QStringLiteral(QUILRA_INSTALLED_BINDIR),
                          QStringLiteral(QUILRA_INSTALLED_DATADIR),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

bool ProgramFolders::isInstalled() const
{
    return sameFolder(m_program, m_installedPrograms);
}

QString ProgramFolders::settingsFile() const
{
    // A folder that holds installed programs is shared by every user and every program:
    // nobody's settings belong there, even when it could be written.
    if (!isInstalled() && QFileInfo(m_program).isWritable())
        return QDir(m_program).filePath(kSettingsFile);
    return QDir(m_userConfig).filePath(QStringLiteral("Quilra/") + kSettingsFile);
}

QString ProgramFolders::installedExecutable() const
{
    if (m_installedPrograms.isEmpty())
        return QString();
    const QFileInfo program(QDir(m_installedPrograms).filePath(QStringLiteral("quilra")));
    return program.isFile() && program.isExecutable() ? program.absoluteFilePath() : QString();
}

QString ProgramFolders::templateDirectory() const
{
    if (QFileInfo::exists(QDir(m_program).filePath(kMarkerTemplate)) || m_installedData.isEmpty())
        return m_program;
    return m_installedData;
}

QString ProgramFolders::translationDirectory() const
{
    return QDir(templateDirectory()).filePath(QStringLiteral("translations"));
}
