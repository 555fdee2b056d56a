#pragma once

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// Every test runs against stores of its own: the per-user store and the desktop folders under
// a temporary XDG home, Settings.ini in a temporary program folder.
class TestEnvironment
{
public:
    TestEnvironment();

    static TestEnvironment& instance();

    QString programDirectory() const;
    QString root() const { return m_root.path(); }
    QString iniPath() const;
    // Empties both stores.
    void reset() const;

private:
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
