#include "shell/AssociationKeys.h"
#include "shell/XdgAssociationTexts.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const std::string kCommand = "C:\\Program Files\\Quilra\\Quilra.exe %1";
const std::string kIcon = "C:\\Program Files\\Quilra\\Quilra.exe,-1";

QStringList describe(const std::vector<AssociationKeys::Entry>& entries)
{
    QStringList rows;
    for (const auto& entry : entries)
        rows.append(QString::fromStdString(entry.key + " = " + entry.value));
    return rows;
}

} // namespace

class TestShellTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void registryKeys_data();
    void registryKeys();
    void extension_data();
    void extension();
    void mimeAppsList_data();
    void mimeAppsList();
    void execArgument_data();
    void execArgument();
    void desktopEntryIsValid();
};

void TestShellTexts::registryKeys_data()
{
    QTest::addColumn<QStringList>("arguments"); // class, command, extension, verb, icon
    QTest::addColumn<QStringList>("expected");

    const QString command = QString::fromStdString(kCommand);
    const QString icon = QString::fromStdString(kIcon);
    QTest::newRow("the program's own values")
        << QStringList{".nfo", command, "nfo", "", icon}
        << QStringList{".nfo = .nfo", ".nfo\\Shell\\Open\\Command = " + command,
                       ".nfo\\DefaultIcon = " + icon};
    QTest::newRow("empty icon writes no icon key")
        << QStringList{".nfo", command, "nfo", "", ""}
        << QStringList{".nfo = .nfo", ".nfo\\Shell\\Open\\Command = " + command};
    QTest::newRow("named verb and separate class")
        << QStringList{"NfoFile", "e.exe %1", "nfo", "Edit", "e.exe,0"}
        << QStringList{".nfo = NfoFile", "NfoFile\\Shell\\Edit\\Command = e.exe %1",
                       "NfoFile\\DefaultIcon = e.exe,0"};
}

void TestShellTexts::registryKeys()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    const auto text = [&](int i) { return arguments.at(i).toStdString(); };
    QCOMPARE(describe(AssociationKeys::forExtension(text(0), text(1), text(2), text(3), text(4))),
             expected);
}

void TestShellTexts::extension_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("mimeType"); // empty: nothing to write

    QTest::newRow("plain") << "nfo"
                           << "text/x-nfo";
    QTest::newRow("with dot, upper case") << ".NFO"
                                          << "text/x-nfo";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only a dot") << "."
                                << "";
    QTest::newRow("a path") << "../nfo"
                            << "";
    QTest::newRow("a space") << "n fo"
                             << "";
}

void TestShellTexts::extension()
{
    QFETCH(QString, extension);
    QFETCH(QString, mimeType);
    const XdgAssociationTexts texts(extension);
    QCOMPARE(texts.isValid(), !mimeType.isEmpty());
    if (texts.isValid()) {
        QCOMPARE(texts.mimeType(), mimeType);
        QVERIFY(texts.mimePackage().contains("<glob pattern=\"*.nfo\"/>"));
    }
}

void TestShellTexts::mimeAppsList_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no file") << QByteArray()
                             << QByteArray("[Default Applications]\ntext/x-nfo=quilra.desktop\n");
    QTest::newRow("other groups only")
        << QByteArray("# mine\n[Added Associations]\ntext/x-nfo=other.desktop;\n")
        << QByteArray("# mine\n[Added Associations]\ntext/x-nfo=other.desktop;\n\n"
                      "[Default Applications]\ntext/x-nfo=quilra.desktop\n");
    QTest::newRow("no final newline")
        << QByteArray("[Default Applications]\ntext/plain=gedit.desktop")
        << QByteArray("[Default Applications]\ntext/x-nfo=quilra.desktop\n"
                      "text/plain=gedit.desktop");
    QTest::newRow("our line pointing elsewhere, with comments")
        << QByteArray("# keep\n[Default Applications]\n; odd\ntext/plain=a.desktop\n"
                      " text/x-nfo = other.desktop\n#text/x-nfo=x\n[Other]\nk=v\n")
        << QByteArray("# keep\n[Default Applications]\n; odd\ntext/plain=a.desktop\n"
                      "text/x-nfo=quilra.desktop\n#text/x-nfo=x\n[Other]\nk=v\n");
    QTest::newRow("duplicate lines of ours")
        << QByteArray("[Default Applications]\ntext/x-nfo=a.desktop\ntext/x-nfo=b.desktop\n")
        << QByteArray("[Default Applications]\ntext/x-nfo=quilra.desktop\n");
    QTest::newRow("CR LF and bytes that are not UTF-8")
        << QByteArray("[Default Applications]\r\ntext/x-nfo=a.desktop\r\nx/\xff=b\r\n")
        << QByteArray("[Default Applications]\r\ntext/x-nfo=quilra.desktop\r\nx/\xff=b\r\n");
    QTest::newRow("similar keys are not ours")
        << QByteArray("[Default Applications]\ntext/x-nfo2=a.desktop\n")
        << QByteArray("[Default Applications]\ntext/x-nfo=quilra.desktop\n"
                      "text/x-nfo2=a.desktop\n");
}

void TestShellTexts::mimeAppsList()
{
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, expected);
    const XdgAssociationTexts texts(QStringLiteral("nfo"));
    QCOMPARE(texts.mimeAppsList(existing), expected);
    QCOMPARE(texts.mimeAppsList(expected), expected); // a second run changes nothing
}

void TestShellTexts::execArgument_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("argument");

    QTest::newRow("plain") << "/opt/quilra/bin/quilra"
                           << "/opt/quilra/bin/quilra";
    QTest::newRow("space") << "/home/a b/quilra"
                           << "\"/home/a b/quilra\"";
    QTest::newRow("quote, dollar, backslash") << "/x/\"$q\\"
                                              << "\"/x/\\\\\"\\\\$q\\\\\\\\\"";
    QTest::newRow("percent") << "/x/100%/q"
                             << "/x/100%%/q";
}

void TestShellTexts::execArgument()
{
    QFETCH(QString, path);
    QFETCH(QString, argument);
    QCOMPARE(XdgAssociationTexts::execArgument(path), argument);
}

void TestShellTexts::desktopEntryIsValid()
{
    const QByteArray entry =
        XdgAssociationTexts(QStringLiteral("nfo")).desktopEntry(QStringLiteral("/a b/quilra"));
    QVERIFY(entry.contains("\nExec=\"/a b/quilra\" %f\n"));
    QVERIFY(entry.contains("\nMimeType=text/x-nfo;\n"));
    QVERIFY(entry.contains("\nIcon=quilra\n"));

    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("quilra.desktop")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(entry);
    file.close();
    QProcess validate;
    validate.start(validator, {file.fileName()});
    QVERIFY(validate.waitForFinished(10000));
    QVERIFY2(validate.exitCode() == 0, validate.readAll().constData());
    QCOMPARE(validate.readAll(), QByteArray());
}

QUILRA_TEST_MAIN(TestShellTexts)

#include "tst_shelltexts.moc"
