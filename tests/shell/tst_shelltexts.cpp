#include "shell/AssociationKeys.h"
#include "shell/XdgAssociationTexts.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

class TestShellTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void registryKeys()
    {
        const auto keys = [](const char* name, const char* command, const char* verb,
                             const char* icon) {
            QStringList rows;
            for (const auto& entry :
                 AssociationKeys::forExtension(name, command, "nfo", verb, icon))
                rows.append(QString::fromStdString(entry.key + " = " + entry.value));
            return rows;
        };
        // An empty verb means Open; an empty icon writes no icon key.
        QCOMPARE(keys(".nfo", "C:\\Q Q\\q.exe %1", "", ""),
                 (QStringList{".nfo = .nfo", ".nfo\\Shell\\Open\\Command = C:\\Q Q\\q.exe %1"}));
        QCOMPARE(keys("NfoFile", "e.exe %1", "Edit", "e.exe,0"),
                 (QStringList{".nfo = NfoFile", "NfoFile\\Shell\\Edit\\Command = e.exe %1",
                              "NfoFile\\DefaultIcon = e.exe,0"}));
    }
    void extension()
    {
        // Only a plain extension gives texts to write; anything else, a path above all, gives none.
        for (const QString extension : {"", ".", "../nfo", "n fo"})
            QVERIFY2(!XdgAssociationTexts(extension).isValid(), qPrintable(extension));
        for (const QString extension : {"nfo", ".NFO"}) {
            const XdgAssociationTexts texts(extension);
            QVERIFY(texts.isValid());
            QCOMPARE(texts.mimeType(), QStringLiteral("text/x-nfo"));
            QVERIFY(texts.mimePackage().contains("<glob pattern=\"*.nfo\"/>"));
        }
    }
    void mimeAppsList_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QByteArray>("expected");

        // No file at all: see the association test.
        QTest::newRow("other groups only")
            << QByteArray("# mine\n[Added Associations]\ntext/x-nfo=other.desktop;\n")
            << QByteArray("# mine\n[Added Associations]\ntext/x-nfo=other.desktop;\n\n"
                          "[Default Applications]\ntext/x-nfo=quilra.desktop\n");
        QTest::newRow("no final newline")
            << QByteArray("[Default Applications]\ntext/plain=gedit.desktop")
            << QByteArray("[Default Applications]\ntext/x-nfo=quilra.desktop\n"
                          "text/plain=gedit.desktop");
        const QByteArray chosen(
            "[Default Applications]\r\ntext/x-nfo = o.desktop;quilra.desktop\r\n"
            "text/x-nfo=quilra.desktop\r\nx/\xff=b\r\n");
        QTest::newRow("another viewer chosen: kept") << chosen << chosen;
        QTest::newRow("ours, twice, among similar keys and comments")
            << QByteArray("# keep\n[Default Applications]\n; odd\ntext/plain=a.desktop\n"
                          " text/x-nfo = quilra.desktop;o.desktop\n#text/x-nfo=x\n"
                          "text/x-nfo=b.desktop\ntext/x-nfo2=c.desktop\n[Other]\nk=v\n")
            << QByteArray("# keep\n[Default Applications]\n; odd\ntext/plain=a.desktop\n"
                          "text/x-nfo=quilra.desktop\n#text/x-nfo=x\ntext/x-nfo2=c.desktop\n"
                          "[Other]\nk=v\n");
    }
    void mimeAppsList()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, expected);
        const XdgAssociationTexts texts(QStringLiteral("nfo"));
        QCOMPARE(texts.mimeAppsList(existing), expected);
        QCOMPARE(texts.mimeAppsList(expected), expected); // a second run changes nothing
    }
    void execArgument()
    {
        // A path with a space is quoted: see desktopEntryIsValid.
        QCOMPARE(XdgAssociationTexts::execArgument("/opt/q/quilra"),
                 QStringLiteral("/opt/q/quilra"));
        QCOMPARE(XdgAssociationTexts::execArgument("/x/100%/q"), QStringLiteral("/x/100%%/q"));
        QCOMPARE(XdgAssociationTexts::execArgument("/x/\"$q\\"),
                 QStringLiteral("\"/x/\\\\\"\\\\$q\\\\\\\\\""));
    }
    void desktopEntryIsValid()
    {
        const QByteArray entry =
            XdgAssociationTexts(QStringLiteral("nfo")).desktopEntry(QStringLiteral("/a b/quilra"));
        QVERIFY(entry.contains("\nExec=\"/a b/quilra\" %f\n"));
        QVERIFY(entry.contains("\nMimeType=text/x-nfo;\n"));

        const QString validator =
            QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
        QTemporaryFile file(QDir::tempPath() + QStringLiteral("/XXXXXX.desktop"));
        QVERIFY(file.open() && file.write(entry) == entry.size() && file.flush());
        QProcess validate;
        validate.setProcessChannelMode(QProcess::MergedChannels);
        validate.start(validator, {file.fileName()});
        QVERIFY(validate.waitForFinished(10000));
        const QByteArray said = validate.readAll(); // errors, warnings and hints
        QVERIFY2(validate.exitCode() == 0 && said.isEmpty(), said.constData());
    }
};

QUILRA_TEST_MAIN(TestShellTexts)

#include "tst_shelltexts.moc"
