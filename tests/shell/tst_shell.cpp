#include "shell/Module1.h"
#include "shell/XdgAssociationTexts.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDirIterator>

namespace {

// A path below the tests' XDG homes ("data", "config").
QString home(const QString& relative = QString())
{
    return TestEnvironment::instance().root() + QLatin1Char('/') + relative;
}

void associate()
{
    const QString exe = "C:\\Program Files\\Quilra\\Quilra.exe";
    Module1::AssociateExtension(".nfo", exe + " %1", "nfo", QString(), exe + ",-1");
}

// Every file below the homes with its bytes, by relative path.
QMap<QString, QByteArray> snapshot()
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(home(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files.insert(QDir(home()).relativeFilePath(path), TestFiles::read(path));
    }
    return files;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        for (const char* folder : {"data", "config"})
            QDir(home(folder)).removeRecursively();
    }

    void mimeAppsList_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("other groups only")
            << QByteArray("# mine\n[Added Associations]\ntext/x-nfo=other.desktop;")
            << QByteArray("# mine\n[Added Associations]\ntext/x-nfo=other.desktop;\n\n"
                          "[Default Applications]\ntext/x-nfo=quilra.desktop\n");
        const QByteArray chosen(
            "[Default Applications]\r\ntext/x-nfo = o.desktop;quilra.desktop\r\n"
            "text/x-nfo=quilra.desktop\r\nx/\xff=b\r\n");
        QTest::newRow("another viewer chosen: kept") << chosen << chosen;
        QTest::newRow("ours, twice, among similar keys and comments")
            << QByteArray("[Default Applications]\n; odd\n text/x-nfo = quilra.desktop;o.desktop\n"
                          "#text/x-nfo=x\ntext/x-nfo=b.desktop\ntext/x-nfo2=c.desktop\n[O]\nk=v\n")
            << QByteArray("[Default Applications]\n; odd\ntext/x-nfo=quilra.desktop\n"
                          "#text/x-nfo=x\ntext/x-nfo2=c.desktop\n[O]\nk=v\n");
    }
    void mimeAppsList()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, expected);
        const XdgAssociationTexts texts(QStringLiteral("nfo"));
        QCOMPARE(texts.mimeAppsList(existing), expected);
        QCOMPARE(texts.mimeAppsList(expected), expected); // a second run changes nothing
    }

    void associationKeepsTheUsersChoice()
    {
        // Another program's desktop entry and the user's choice of it as the default viewer
        // stay as they were.
        TestFiles::write(home("data/applications/other.desktop"),
                         "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n");
        TestFiles::write(home("config/mimeapps.list"),
                         "# mine\n[Default Applications]\ntext/x-nfo=other.desktop\n");
        const auto before = snapshot();
        associate();
        const auto after = snapshot();
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(after.value(it.key()), it.value());
        QVERIFY(after.contains("data/applications/quilra.desktop") &&
                !after.contains("data/mime/packages/quilra-nfo.xml"));
        associate(); // two runs leave what one leaves
        QCOMPARE(snapshot(), after);
        QCOMPARE(XdgAssociationTexts::execArgument("/a b/100%"), QStringLiteral("\"/a b/100%%\""));
    }
};

QUILRA_TEST_MAIN(TestShell)
#include "tst_shell.moc"
