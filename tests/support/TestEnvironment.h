#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Every test runs against stores of its own: the per-user store and the desktop folders under
// a temporary XDG home, Settings.ini in a temporary program folder.
class TestEnvironment
{
public:
    static TestEnvironment& instance()
    {
        static TestEnvironment environment;
        return environment;
    }

    QString root() const { return m_root.path(); }
    QString programDirectory() const { return m_root.filePath(QStringLiteral("program")); }
    QString iniPath() const { return programDirectory() + QStringLiteral("/Settings.ini"); }
    // Empties both stores.
    void reset() const
    {
        QSettings(QStringLiteral("Quilra"), QStringLiteral("Quilra")).clear();
        QFile::remove(iniPath());
    }

private:
    TestEnvironment()
    {
        QDir(root()).mkpath(QStringLiteral("program"));
        qputenv("XDG_CONFIG_HOME", m_root.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_root.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_STATE_HOME", m_root.filePath(QStringLiteral("state")).toLocal8Bit());
    }

    QTemporaryDir m_root;
};

// A test main that points the stores at temporary folders before anything reads them.
#define QUILRA_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        TestEnvironment::instance();                                                               \
        QApplication app(argc, argv);                                                              \
        QApplication::setApplicationName(QStringLiteral("Quilra"));                                \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
