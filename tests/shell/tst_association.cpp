#include "app/ProductInfo.h"
#include "shell/Module1.h"
#include "support/ProgramHarness.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

const QString kInstalled = QStringLiteral("C:\\Program Files\\Quilra\\Quilra.exe");

void associate()
{
    Module1::AssociateExtension(QStringLiteral(".nfo"), kInstalled + QStringLiteral(" %1"),
                                QStringLiteral("nfo"), QString(),
                                kInstalled + QStringLiteral(",-1"));
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

// Every file below the folder with its bytes, by relative path.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

// The XDG folders of one test case, put into the environment for the program and for xdg-mime.
class XdgFolders
{
    QTemporaryDir m_root; // first, as the folders below lie in it

public:
    XdgFolders()
        : data(m_root.filePath(QStringLiteral("data"))),
          config(m_root.filePath(QStringLiteral("config")))
    {
        // An empty or relative XDG variable means the user's real home: never let a test go there.
        if (!m_root.isValid())
            qFatal("no temporary folder for the XDG homes");
        m_oldData = qgetenv("XDG_DATA_HOME");
        m_oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", data.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    }
    ~XdgFolders()
    {
        qputenv("XDG_DATA_HOME", m_oldData);
        qputenv("XDG_CONFIG_HOME", m_oldConfig);
    }
    QString root() const { return m_root.path(); }

    const QString data;
    const QString config;

private:
    QByteArray m_oldData;
    QByteArray m_oldConfig;
};

QString xdgMime(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdg-mime"), arguments);
    if (!process.waitForFinished(30000))
        return QStringLiteral("<no answer>");
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

class TestAssociation : public QObject
{
    Q_OBJECT

public:
    // The web address handler during the tests: records instead of starting a browser.
    Q_INVOKABLE void recordUrl(const QUrl& url) { m_opened.append(url.toString()); }

private Q_SLOTS:
    void init();
    void cleanup();

    void desktopKnowsTheAssociation();
    void secondRunChangesNothing();
    void othersAreKept_data();
    void othersAreKept();
    void unwritablePlacesAreSkipped_data();
    void unwritablePlacesAreSkipped();
    void associateFilesShowsNothing();
    void webLinks_data();
    void webLinks();

private:
    QStringList m_opened;
};

void TestAssociation::init()
{
    TestEnvironment::instance().reset();
    m_opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "recordUrl");
}

void TestAssociation::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestAssociation::desktopKnowsTheAssociation()
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
        QSKIP("xdg-utils and shared-mime-info are needed (tools/install-deps)");
    const XdgFolders folders;
    associate();

    QCOMPARE(xdgMime({"query", "default", "text/x-nfo"}), QStringLiteral("quilra.desktop"));
    const QByteArray globs = readFile(folders.data + "/mime/globs2");
    QVERIFY2(globs.contains(":text/x-nfo:*.nfo\n"), globs.constData());

    const QString executable =
        QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QByteArray entry = readFile(folders.data + "/applications/quilra.desktop");
    QVERIFY(entry.contains("\nExec=" + executable.toUtf8() + " %f\n"));
    QCOMPARE(QImage(folders.data + "/icons/hicolor/48x48/apps/quilra.png").size(), QSize(48, 48));
    QCOMPARE(QImage(folders.data + "/icons/hicolor/256x256/apps/quilra.png").size(),
             QSize(256, 256));
}

void TestAssociation::secondRunChangesNothing()
{
    const XdgFolders folders;
    associate();
    const auto once = snapshot(folders.root());
    QVERIFY(once.contains(QStringLiteral("config/mimeapps.list")));
    QVERIFY(once.contains(QStringLiteral("data/mime/packages/quilra-nfo.xml")));
    associate();
    QCOMPARE(snapshot(folders.root()), once);
}

void TestAssociation::othersAreKept_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("another program's desktop entry claiming .nfo")
        << "data/applications/otherviewer.desktop"
        << QByteArray("[Desktop Entry]\nType=Application\nName=Other\nExec=other %f\n"
                      "MimeType=text/x-nfo;\n");
    QTest::newRow("another program's MIME package")
        << "data/mime/packages/other.xml"
        << QByteArray("<?xml version=\"1.0\"?>\n<mime-info "
                      "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\"/>\n");
    QTest::newRow("another program's icon")
        << "data/icons/hicolor/48x48/apps/other.png" << QByteArray("not really a png");
}

void TestAssociation::othersAreKept()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    const XdgFolders folders;
    const QString path = folders.root() + "/" + file;
    writeFile(path, bytes);
    writeFile(folders.config + "/mimeapps.list",
              "# the user's own\n[Default Applications]\ntext/plain=gedit.desktop\n"
              "text/x-nfo=otherviewer.desktop\n\n[Added Associations]\n"
              "text/x-nfo=otherviewer.desktop;\n");

    associate();

    QCOMPARE(readFile(path), bytes);
    QCOMPARE(readFile(folders.config + "/mimeapps.list"),
             QByteArray("# the user's own\n[Default Applications]\ntext/plain=gedit.desktop\n"
                        "text/x-nfo=quilra.desktop\n\n[Added Associations]\n"
                        "text/x-nfo=otherviewer.desktop;\n"));
    QVERIFY(QFile::exists(folders.data + "/applications/quilra.desktop"));
}

void TestAssociation::unwritablePlacesAreSkipped_data()
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
    QTest::newRow("mime folder") << "data/mime" << QStringList{"data/applications/quilra.desktop"};
    QTest::newRow("mimeapps.list is a folder")
        << "config/mimeapps.list/" << QStringList{"data/applications/quilra.desktop"};
    QTest::newRow("missing folders are made")
        << "" << QStringList{"config/mimeapps.list", "data/applications/quilra.desktop"};
}

void TestAssociation::unwritablePlacesAreSkipped()
{
    QFETCH(QString, blocked);
    QFETCH(QStringList, written);
    const XdgFolders folders;
    const QString blockedPath = folders.root() + "/" + blocked;
    if (blocked.endsWith('/'))
        QVERIFY(QDir().mkpath(blockedPath + "keep"));
    else if (!blocked.isEmpty())
        writeFile(blockedPath, "in the way\n");
    const auto before = snapshot(folders.root());

    associate();

    const auto after = snapshot(folders.root());
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        QCOMPARE(after.value(it.key()), it.value());
    for (const QString& file : written)
        QVERIFY2(after.contains(file), qPrintable(file));
}

void TestAssociation::associateFilesShowsNothing()
{
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QDir(data + "/applications").removeRecursively();
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    QVERIFY(QFile::exists(data + "/applications/quilra.desktop")); // start-up associates
    QFile::remove(data + "/applications/quilra.desktop");

    window->mnuassociate->trigger();

    QVERIFY(QFile::exists(data + "/applications/quilra.desktop"));
    QCOMPARE(dialogs.asked.size(), 0);
    QCOMPARE(m_opened, QStringList());
}

void TestAssociation::webLinks_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::newRow("Online Help") << QStringList{"mnuhelp"};
    QTest::newRow("Donate") << QStringList{"mnudonate"};
    QTest::newRow("each twice") << QStringList{"mnuhelp", "mnudonate", "mnudonate", "mnuhelp"};
}

void TestAssociation::webLinks()
{
    QFETCH(QStringList, chosen);
    ScriptedDialogs dialogs;
    auto window = startProgram(dialogs);
    for (const QString& name : chosen)
        window->findChild<QAction*>(name)->trigger();

    QCOMPARE(m_opened, QStringList(chosen.size(), ProductInfo::WebAddress));
    QCOMPARE(dialogs.asked.size(), 0);
}

QUILRA_TEST_MAIN(TestAssociation)

#include "tst_association.moc"
