#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSettings>

TestEnvironment::TestEnvironment()
{
    QDir root(m_root.path());
    root.mkpath(QStringLiteral("config"));
    root.mkpath(QStringLiteral("data"));
    root.mkpath(QStringLiteral("program"));
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toLocal8Bit());
}

TestEnvironment& TestEnvironment::instance()
{
    static TestEnvironment environment;
    return environment;
}

QString TestEnvironment::programDirectory() const
{
    return QDir(m_root.path()).filePath(QStringLiteral("program"));
}

QString TestEnvironment::iniPath() const
{
    return QDir(programDirectory()).filePath(QStringLiteral("Settings.ini"));
}

void TestEnvironment::reset() const
{
    QSettings store(QStringLiteral("Quilra"), QStringLiteral("Quilra"));
    store.clear();
    store.sync();
    QFile::setPermissions(programDirectory(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::remove(iniPath());
}
