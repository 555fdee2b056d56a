#include "about/frmabout.h"
#include "app/CommandLine.h"
#include "app/CommandLineTool.h"
#include "product/Translations.h"
#include "settings/ProgramFolders.h"
#include "settings/UserSettings.h"
#include "shell/XdgAssociation.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTranslator>

namespace {

struct Run
{
    int status;
    QByteArray output;
    QString errors;
};

// The real program without a display, in `folder`, with `environment` added.
Run runProgram(const QStringList& arguments, const QString& folder,
               const QStringList& environment = {})
{
    QProcess program;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
        variables.remove(name);
    for (const QString& pair : environment)
        variables.insert(pair.section('=', 0, 0), pair.section('=', 1));
    program.setProcessEnvironment(variables);
    program.setWorkingDirectory(folder);
    program.start(QUILRA_EXECUTABLE, arguments);
    program.waitForFinished(60000);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

// Every file below `folder`, by relative path.
QStringList filesBelow(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();)
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// `lines` lines of 80 columns of shade and block art, CR LF.
QByteArray art(int lines)
{
    QByteArray line;
    for (int i = 0; i < 80; ++i)
        line.append(i % 3 ? '\xB0' : '\xDB');
    return (line + "\r\n").repeated(lines);
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thumbnailSize_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("picture");
        // 80 columns: 40 lines make a square of 640 pixels, shrunk to SIZE.
        QTest::newRow("wide art, 128") << art(300) << 128 << QSize(128, 128);
        QTest::newRow("wide art, 256") << art(300) << 256 << QSize(256, 256);
        QTest::newRow("short art keeps its height") << art(4) << 256 << QSize(256, 25);
        QTest::newRow("small text is never enlarged")
            << QByteArray("\r\nAB\r\n") << 256 << QSize(16, 16);
    }
    void thumbnailSize()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, size);
        QFETCH(QSize, picture);
        QTemporaryDir folder;
        TestFiles::write(folder.filePath("in.nfo"), bytes);
        const Run run =
            runProgram({"--thumbnail", QString::number(size), "in.nfo", "out.png"}, folder.path());
        QCOMPARE(run.errors, QString());
        QCOMPARE(run.status, 0);
        const QImage image(folder.filePath("out.png"));
        QCOMPARE(image.size(), picture);
        // Black on white: the shade and block art is grey on average, the corner's block black.
        QCOMPARE(qGray(image.pixel(0, 0)) < 128, bytes.startsWith('\xDB'));
    }

    void thumbnailOfAHugeFileReadsItsHead()
    {
        // 100,000 lines and a SAUCE record give the picture their first lines give: the rest of
        // the file is never read.
        QTemporaryDir folder;
        QByteArray sauce = QByteArray("SAUCE00") + QByteArray(121, ' ');
        TestFiles::write(folder.filePath("huge.nfo"), art(100000) + '\x1A' + sauce);
        TestFiles::write(folder.filePath("head.nfo"), art(100));
        for (const char* name : {"huge", "head"})
            QCOMPARE(
                runProgram({"--thumbnail", "256", QString(name) + ".nfo", QString(name) + ".png"},
                           folder.path())
                    .status,
                0);
        QCOMPARE(TestFiles::read(folder.filePath("huge.png")),
                 TestFiles::read(folder.filePath("head.png")));
    }

    void thumbnailWritesNothingElse()
    {
        // The desktop's sandbox: a home that cannot be written, no XDG folders of its own.
        QTemporaryDir home;
        QTemporaryDir folder;
        TestFiles::write(folder.filePath("in.nfo"), art(10));
        QFile(home.path()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        const QStringList programFiles = filesBelow(QFileInfo(QUILRA_EXECUTABLE).path());
        const Run run = runProgram({"--thumbnail", "128", "in.nfo", "out.png"}, folder.path(),
                                   {"HOME=" + home.path(), "XDG_CONFIG_HOME=", "XDG_DATA_HOME="});
        QFile(home.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(run.status, 0);
        QCOMPARE(filesBelow(folder.path()), QStringList({"in.nfo", "out.png"}));
        QCOMPARE(filesBelow(home.path()), QStringList());
        QCOMPARE(filesBelow(QFileInfo(QUILRA_EXECUTABLE).path()), programFiles);
    }

    void thumbnailOfBrokenInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("missing file") << QStringList{"128", "missing.nfo", "out.png"} << 1;
        QTest::newRow("a folder") << QStringList{"128", ".", "out.png"} << 1;
        QTest::newRow("empty file") << QStringList{"128", "empty.nfo", "out.png"} << 1;
        QTest::newRow("blank lines only") << QStringList{"128", "blank.nfo", "out.png"} << 1;
        QTest::newRow("size 0") << QStringList{"0", "empty.nfo", "out.png"} << 2;
        QTest::newRow("no output") << QStringList{"128", "empty.nfo"} << 2;
    }
    void thumbnailOfBrokenInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QTemporaryDir folder;
        TestFiles::write(folder.filePath("empty.nfo"), QByteArray());
        TestFiles::write(folder.filePath("blank.nfo"), "  \r\n\r\n \t\r\n");
        const Run run = runProgram(QStringList{"--thumbnail"} + arguments, folder.path());
        QCOMPARE(run.status, status);
        QCOMPARE(run.errors.count('\n'), 1);
        QVERIFY(!QFile::exists(folder.filePath("out.png")));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown option") << QStringList{"--frobnicate"};
        QTest::newRow("unknown short option") << QStringList{"-q", "a.nfo"};
        QTest::newRow("unknown kind") << QStringList{"--generate", "film", "--output", "o.nfo"};
        QTest::newRow("--link maybe")
            << QStringList{"--generate", "movie", "--link", "maybe", "--output", "o.nfo"};
        QTest::newRow("unknown field")
            << QStringList{"--generate", "movie", "--field", "colour=red", "--output", "o.nfo"};
        QTest::newRow("several files to -")
            << QStringList{"--export", "txt", "--output", "-", "a.nfo", "b.nfo"};
        QTest::newRow("two commands") << QStringList{"--export", "png", "--thumbnail", "9", "a"};
    }
    void usageErrors()
    {
        // Without a display and without a window: one line on standard error, status 2.
        QFETCH(QStringList, arguments);
        QTemporaryDir folder;
        const Run run = runProgram(arguments, folder.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.errors.count('\n'), 1);
        QVERIFY2(run.errors.startsWith("quilra: ") && run.errors.contains("--help"),
                 qPrintable(run.errors));
        QCOMPARE(run.output, QByteArray());
        QCOMPARE(filesBelow(folder.path()), QStringList());
    }

    void doubleDashEndsTheOptions()
    {
        QVERIFY(!CommandLineTool::handles({"quilra", "--", "--x.nfo"}));
        QVERIFY(CommandLineTool::handles({"quilra", "--x.nfo"}));
        QVERIFY(!CommandLineTool::handles({"quilra", "-"}));
        QCOMPARE(CommandLine::argumentText({"quilra", "--", "--x", "y.nfo"}), "--x y.nfo");
        QTemporaryDir folder;
        TestFiles::write(folder.filePath("--x.nfo"), "\xDB\r\n");
        const Run run = runProgram({"--export", "txt", "--", "--x.nfo"}, folder.path());
        QCOMPARE(run.status, 0);
        QCOMPARE(TestFiles::read(folder.filePath("--x.txt")), "\xE2\x96\x88\r\n");
    }

    void outputDashIsStandardOutput()
    {
        QTemporaryDir folder;
        TestFiles::write(folder.filePath("a.nfo"), "\xB0\xDB\r\n");
        const Run text = runProgram({"--export", "txt", "--output", "-", "a.nfo"}, folder.path());
        QCOMPARE(text.status, 0);
        QCOMPARE(text.output, "\xE2\x96\x91\xE2\x96\x88\r\n");
        const Run nfo = runProgram({"--generate", "movie", "--field", "title=Night Shift", "--link",
                                    "no", "--output", "-"},
                                   folder.path());
        QCOMPARE(nfo.status, 0);
        QVERIFY(nfo.output.contains("Night Shift") && !nfo.output.contains('$'));
        QCOMPARE(filesBelow(folder.path()), QStringList{"a.nfo"});
    }

    void germanAndFrench()
    {
        QTemporaryDir folder;
        const Run de = runProgram({"--export", "png", "gone.nfo"}, folder.path(),
                                  {"LANGUAGE=de", "LANG=de_DE.UTF-8"});
        QCOMPARE(de.errors, "quilra: gone.nfo: Datei nicht gefunden.\n");
        const Run fr = runProgram({"--export", "png", "gone.nfo"}, folder.path(),
                                  {"LANGUAGE=fr_FR:de", "LANG=fr_FR.UTF-8"});
        QCOMPARE(fr.errors, "quilra: gone.nfo: Fichier introuvable.\n");
        const Run en = runProgram({"--export", "png", "gone.nfo"}, folder.path(),
                                  {"LANGUAGE=en:de", "LANG=de_DE.UTF-8"});
        QCOMPARE(en.errors, "quilra: gone.nfo: File not found.\n");

        // A window in German.
        QCOMPARE(Translations::install(*qApp, QUILRA_TRANSLATIONS_DIR, {"de-AT", "en"}), "de");
        frmabout about{UserSettings()};
        QCOMPARE(about.windowTitle(), "Über Quilra");
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(translator);
    }

    void installedProgramWritesOnlyTheDefault_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("typeKnown");
        QTest::addColumn<QStringList>("written");
        const QString list = "config/mimeapps.list";
        const QString entry = "data/applications/quilra.desktop";
        const QString package = "data/mime/packages/quilra-nfo.xml";
        QTest::newRow("installed") << true << true << QStringList{list};
        QTest::newRow("portable") << false << true << QStringList{list, entry};
        QTest::newRow("portable, type unknown")
            << false << false << QStringList{list, entry, package};
    }
    void installedProgramWritesOnlyTheDefault()
    {
        // The program installed in .../usr/bin, or run from a build, with the system's MIME
        // data in $XDG_DATA_DIRS; the user's folders are the tests' XDG homes.
        QFETCH(bool, installed);
        QFETCH(bool, typeKnown);
        QFETCH(QStringList, written);
        const QString home = TestEnvironment::instance().root();
        for (const char* folder : {"data", "config"})
            QDir(home + '/' + folder).removeRecursively();
        QTemporaryDir root;
        const QString bin = root.filePath("usr/bin");
        TestFiles::write(bin + "/quilra", "#!/bin/sh\n");
        QFile(bin + "/quilra").setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        TestFiles::write(root.filePath("system/mime/text/x-other.xml"), "");
        if (typeKnown)
            TestFiles::write(root.filePath("system/mime/text/x-nfo.xml"), "");
        qputenv("XDG_DATA_DIRS", root.filePath("system").toLocal8Bit());
        const ProgramFolders folders(installed ? bin : root.filePath("build"), bin, QString(),
                                     home + "/config");
        XdgAssociation::forProgram(folders).write(XdgAssociationTexts("nfo"));
        qunsetenv("XDG_DATA_DIRS");
        // Our own files: not the icons, the databases' caches or the types they index.
        QStringList files;
        for (const QString& file : filesBelow(home)) {
            const bool index = file.startsWith("data/mime/") && !file.contains("/packages/");
            if (!index && !file.contains("icons/") && !file.endsWith(".cache"))
                files.append(file);
        }
        QCOMPARE(files, written);
        QCOMPARE(TestFiles::read(home + "/config/mimeapps.list"),
                 "[Default Applications]\ntext/x-nfo=quilra.desktop\n");
    }
};

QUILRA_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
