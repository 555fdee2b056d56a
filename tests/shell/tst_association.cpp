#include "product/ProductInfo.h"
#include "shell/Module1.h"
#include "support/ProgramHarness.h"

#include <QDesktopServices>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A path below the tests' XDG homes ("data", "config"), which init() empties.
QString home(const QString& relative = QString())
{
    return TestEnvironment::instance().root() + QLatin1Char('/') + relative;
}

void associate()
{
    const QString installed = QStringLiteral("C:\\Program Files\\Quilra\\Quilra.exe");
    Module1::AssociateExtension(".nfo", installed + " %1", "nfo", QString(), installed + ",-1");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every file below the homes with its bytes, by relative path.
QMap<QString, QByteArray> snapshot()
{
    QMap<QString, QByteArray> files;
    QDirIterator it(home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(home()).relativeFilePath(path), readFile(path));
    }
    return files;
}

} // namespace

class TestAssociation : public QObject
{
    Q_OBJECT

public:
    // The web address handler during the tests: records instead of starting a browser.
    Q_INVOKABLE void recordUrl(const QUrl& url) { m_opened.append(url.toString()); }

private Q_SLOTS:
    void init()
    {
        TestEnvironment::instance().reset();
        for (const QString folder : {"data", "config"}) // a test may leave a file there
            if (!QFile::remove(home(folder)))
                QDir(home(folder)).removeRecursively();
        m_opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
    }
    void cleanup() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    void desktopKnowsTheAssociation()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
            QSKIP("xdg-utils and shared-mime-info are needed (tools/install-deps)");
        associate();

        QProcess query;
        query.start(QStringLiteral("xdg-mime"), {"query", "default", "text/x-nfo"});
        QVERIFY(query.waitForFinished(30000));
        QCOMPARE(query.readAllStandardOutput().trimmed(), QByteArray("quilra.desktop"));
        const QByteArray globs = readFile(home("data/mime/globs2"));
        QVERIFY2(globs.contains(":text/x-nfo:*.nfo\n"), globs.constData());
        const QString executable =
            QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
        QVERIFY(readFile(home("data/applications/quilra.desktop"))
                    .contains("\nExec=" + executable.toUtf8() + " %f\n"));
        QCOMPARE(QImage(home("data/icons/hicolor/48x48/apps/quilra.png")).size(), QSize(48, 48));
    }
    void unwritablePlacesAreSkipped_data()
    {
        // Running as root makes any read-only folder writable, so a regular file stands where a
        // folder must be, or a folder where a file must be.
        QTest::addColumn<QString>("blocked");     // made a regular file ("dir/" for a folder)
        QTest::addColumn<QStringList>("written"); // what is still written

        QTest::newRow("data folder") << "data" << QStringList{"config/mimeapps.list"};
        QTest::newRow("config folder")
            << "config"
            << QStringList{"data/applications/quilra.desktop", "data/mime/packages/quilra-nfo.xml"};
        QTest::newRow("applications folder")
            << "data/applications"
            << QStringList{"config/mimeapps.list", "data/mime/packages/quilra-nfo.xml"};
        QTest::newRow("mime folder")
            << "data/mime" << QStringList{"data/applications/quilra.desktop"};
        QTest::newRow("mimeapps.list is a folder")
            << "config/mimeapps.list/" << QStringList{"data/applications/quilra.desktop"};
        QTest::newRow("nothing blocked, another program's files")
            << "" << QStringList{"config/mimeapps.list", "data/applications/quilra.desktop"};
    }
    void unwritablePlacesAreSkipped()
    {
        QFETCH(QString, blocked);
        QFETCH(QStringList, written);
        if (blocked.endsWith('/'))
            QVERIFY(QDir().mkpath(home(blocked + "keep")));
        else if (!blocked.isEmpty())
            writeFile(home(blocked), "in the way\n");
        const QByteArray userList("# mine\n[Default Applications]\ntext/plain=gedit.desktop\n"
                                  "text/x-nfo=other.desktop\n\n[Added Associations]\n"
                                  "text/x-nfo=other.desktop;\n");
        if (blocked.isEmpty()) { // another program's desktop entry, MIME package and icon
            writeFile(home("data/applications/other.desktop"),
                      "[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n"
                      "MimeType=text/x-nfo;\n");
            writeFile(
                home("data/mime/packages/other.xml"),
                "<?xml version=\"1.0\"?>\n"
                "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\"/>\n");
            writeFile(home("data/icons/hicolor/48x48/apps/other.png"), "not really a png");
            writeFile(home("config/mimeapps.list"), userList);
        }
        auto before = snapshot();

        associate();

        const auto after = snapshot();
        // The other viewer stays the default: every byte of the user's list is kept.
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(after.value(it.key()), it.value());
        for (const QString& file : written)
            QVERIFY2(after.contains(file), qPrintable(file));
        associate(); // two runs leave what one leaves
        QCOMPARE(snapshot(), after);
    }
    void menuCommandsShowNothing()
    {
        ScriptedDialogs dialogs;
        auto window = startProgram(dialogs);
        const QString entry = home("data/applications/quilra.desktop");
        QVERIFY(QFile::remove(entry)); // start-up associates

        window->mnuassociate->trigger();
        QVERIFY(QFile::exists(entry));
        QCOMPARE(m_opened, QStringList());

        // Online Help and Donate open the same address each time.
        for (QAction* item :
             {window->mnuhelp, window->mnudonate, window->mnudonate, window->mnuhelp})
            item->trigger();
        QCOMPARE(m_opened, QStringList(4, ProductInfo::WebAddress));
        QCOMPARE(dialogs.asked.size(), 0);
    }

private:
    QStringList m_opened;
};

QUILRA_TEST_MAIN(TestAssociation)

#include "tst_association.moc"
