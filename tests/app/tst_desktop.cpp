#include "about/frmabout.h"
#include "product/Translations.h"
#include "settings/ProgramFolders.h"
#include "settings/UserSettings.h"
#include "shell/XdgAssociation.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTranslator>

namespace {

const QMap<QString, QByteArray> kFiles = {
    {"a.nfo", "\xB0\xDB\r\n"}, {"--x.nfo", "\xDB\r\n"}, {"empty.nfo", ""}, {"blank.nfo", " \r\n"}};

struct Run
{
    int status;
    QByteArray output;
    QString errors;
    QMap<QString, QByteArray> made; // the files made, by relative path
};

// The real program, its arguments split at blanks, without a display in a new folder holding
// `files`, with a home there that cannot be written (as in the desktop's sandbox).
Run run(const QString& arguments, const QMap<QString, QByteArray>& files = kFiles,
        const QStringList& environment = {})
{
    QTemporaryDir folder;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        TestFiles::write(folder.filePath(it.key()), it.value());
    QDir(folder.path()).mkdir("home");
    QFile(folder.filePath("home")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE"})
        variables.remove(name);
    for (const QString& pair : environment + QStringList{"HOME=" + folder.filePath("home"),
                                                         "XDG_CONFIG_HOME=", "XDG_DATA_HOME="})
        variables.insert(pair.section('=', 0, 0), pair.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(variables);
    program.setWorkingDirectory(folder.path());
    program.start(QUILRA_EXECUTABLE, arguments.split(' '));
    program.waitForFinished(60000);
    Run done{
        program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError(), {}};
    for (QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString name = QDir(folder.path()).relativeFilePath(it.next());
        if (!files.contains(name))
            done.made.insert(name, TestFiles::read(it.filePath()));
    }
    return done;
}

// `lines` lines of 80 columns of block and shade art.
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
    void thumbnail()
    {
        // 80 columns: 40 lines make a square of 640 pixels, shrunk to SIZE; fewer lines keep
        // their height; a small text is never enlarged. Black on white.
        const auto picture = [](const QByteArray& nfo, const char* size) {
            return QImage::fromData(
                run(QString("--thumbnail %1 in.nfo o.png").arg(size), {{"in.nfo", nfo}})
                    .made.value("o.png"));
        };
        QCOMPARE(picture(art(300), "128").size(), QSize(128, 128));
        QCOMPARE(picture(art(4), "256").size(), QSize(256, 25));
        QCOMPARE(qGray(picture(art(4), "256").pixel(0, 0)), 0);
        const QImage small = picture("\r\nAB\r\n", "256");
        QCOMPARE(small.size(), QSize(16, 16));
        QCOMPARE(qGray(small.pixel(0, 0)), 255);
        // 100,000 lines and a SAUCE record give the picture their first lines give.
        const QByteArray sauce = QByteArray("\x1ASAUCE00") + QByteArray(121, ' ');
        const Run huge = run("--thumbnail 256 in.nfo o.png", {{"in.nfo", art(100000) + sauce}});
        QVERIFY(huge.made.value("o.png").startsWith("\x89PNG"));
        QCOMPARE(huge.made, run("--thumbnail 256 in.nfo o.png", {{"in.nfo", art(100)}}).made);
        // A UTF-16 file is cut between characters, and read as UTF-16.
        const QByteArray utf16 = "\xFF\xFE" + QByteArray("A\0B\0\r\0\n\0", 8).repeated(20000);
        QCOMPARE(run("--thumbnail 64 in.nfo o.png", {{"in.nfo", utf16}}).made,
                 run("--thumbnail 64 in.nfo o.png", {{"in.nfo", "AB\r\n"}}).made);
    }

    void commandLine_data()
    {
        // The arguments, split at blanks; the status; standard output; the files made.
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("made");
        // Usage errors: one line on standard error with the hint, no window, no display.
        QTest::newRow("unknown option") << "--frobnicate a.nfo" << 2 << QByteArray() << "";
        QTest::newRow("--generate film")
            << "--generate film --output o.nfo" << 2 << QByteArray() << "";
        QTest::newRow("two files to -")
            << "--export txt --output - a.nfo a.nfo" << 2 << QByteArray() << "";
        QTest::newRow("thumbnail size 0") << "--thumbnail 0 a.nfo o.png" << 2 << QByteArray() << "";
        // Broken input: no picture, status 1.
        for (const char* input : {"missing.nfo", ".", "empty.nfo", "blank.nfo"})
            QTest::newRow(input) << QString("--thumbnail 64 %1 o.png").arg(input) << 1
                                 << QByteArray() << "";
        // Only OUTPUT is written: no settings, no association, no run counter.
        QTest::newRow("thumbnail") << "--thumbnail 64 a.nfo a.png" << 0 << QByteArray() << "a.png";
        QTest::newRow("-- before a name with a dash")
            << "--export txt -- --x.nfo" << 0 << QByteArray() << "--x.txt";
        QTest::newRow("--output -") << "--export txt --output - a.nfo" << 0
                                    << QByteArray("\xE2\x96\x91\xE2\x96\x88\r\n") << "";
        QTest::newRow("--generate --output -")
            << "--generate movie --field title=Night --link no --output -" << 0
            << QByteArray("Night") << "";
    }
    void commandLine()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QFETCH(QString, made);
        const Run done = run(arguments);
        QCOMPARE(done.status, status);
        QVERIFY(done.output.contains(output) && done.output.isEmpty() == output.isEmpty());
        QCOMPARE(done.made.keys().join(' '), made);
        QCOMPARE(done.errors.count('\n'), status == 0 ? 0 : 1);
        QCOMPARE(done.errors.contains("--help"), status == 2);
    }

    void germanAndFrench()
    {
        QCOMPARE(run("--export png gone.nfo", kFiles, {"LANGUAGE=de", "LANG=C"}).errors,
                 "quilra: gone.nfo: Datei nicht gefunden.\n");
        QCOMPARE(run("--export png gone.nfo", kFiles, {"LANGUAGE=fr_FR:de"}).errors,
                 "quilra: gone.nfo: Fichier introuvable.\n");
        // The windows: the main window's menus, whose items each have a key of their own, and
        // the about box.
        for (const QString language : {"de", "fr"}) {
            QCOMPARE(Translations::install(*qApp, QUILRA_TRANSLATIONS_DIR, {language}), language);
            {
                auto&& [dialogs, window] = StartedProgram();
                QCOMPARE(sharedKeys(window->menuBar()).join(", "), QString());
                QCOMPARE(window->MNUFILE->title(), language == "de" ? "&Datei" : "&Fichier");
                QCOMPARE(frmabout{window->config()}.windowTitle(),
                         language == "de" ? "Über Quilra" : "À propos de Quilra");
            }
            for (QTranslator* translator : qApp->findChildren<QTranslator*>())
                QCoreApplication::removeTranslator(translator);
        }
    }
    // The items of the menu bar and of each menu under it whose underlined key another item of
    // the same menu has already.
    static QStringList sharedKeys(const QWidget* menu)
    {
        QStringList shared;
        QString keys;
        for (const QAction* item : menu->actions()) {
            const QString text = QString(item->text()).remove("&&");
            const qsizetype amp = text.indexOf('&');
            const QChar key = amp < 0 ? QChar() : text.at(amp + 1).toLower();
            if (amp >= 0 && item->isVisible() && keys.contains(key))
                shared << text;
            keys += key;
            if (item->menu())
                shared << sharedKeys(item->menu());
        }
        return shared;
    }

    void installedProgramWritesOnlyTheDefault_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("typeKnown");
        QTest::addColumn<QString>("written"); // of the desktop entry and the MIME package
        QTest::newRow("installed") << true << true << "";
        QTest::newRow("portable") << false << true << "entry";
        QTest::newRow("portable, type unknown") << false << false << "entry package";
    }
    void installedProgramWritesOnlyTheDefault()
    {
        // Installed in .../usr/bin, or run from a build; the system's MIME data in
        // $XDG_DATA_DIRS, the user's folders the tests' XDG homes.
        QFETCH(bool, installed);
        QFETCH(bool, typeKnown);
        QFETCH(QString, written);
        const QString home = TestEnvironment::instance().root();
        for (const char* folder : {"data", "config"})
            QDir(home + '/' + folder).removeRecursively();
        QTemporaryDir root;
        const QString bin = root.filePath("usr/bin");
        TestFiles::write(bin + "/quilra", "#!/bin/sh\n");
        QFile(bin + "/quilra").setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        TestFiles::write(root.filePath(typeKnown ? "mime/text/x-nfo.xml" : "mime/text/x-o.xml"),
                         "");
        qputenv("XDG_DATA_DIRS", root.path().toLocal8Bit());
        // What earlier versions left in the user's folders goes when installed.
        TestFiles::write(home + "/data/applications/quilra.desktop",
                         "[Desktop Entry]\nExec=" + bin.toUtf8() + "/quilra %f\n");
        TestFiles::write(home + "/data/mime/packages/quilra-nfo.xml", "<mime-info/>");
        const ProgramFolders folders(installed ? bin : root.filePath("build"), bin, QString(),
                                     home + "/config");
        XdgAssociation::forProgram(folders).write(XdgAssociationTexts("nfo"));
        qunsetenv("XDG_DATA_DIRS");
        QCOMPARE(QFile::exists(home + "/data/applications/quilra.desktop"),
                 written.contains("entry"));
        QCOMPARE(QFile::exists(home + "/data/mime/packages/quilra-nfo.xml"),
                 written.contains("package"));
        QCOMPARE(QDir(home + "/data/icons").exists(), written.contains("entry"));
        QCOMPARE(TestFiles::read(home + "/config/mimeapps.list"),
                 "[Default Applications]\ntext/x-nfo=quilra.desktop\n");
    }
};

QUILRA_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
