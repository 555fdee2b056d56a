#include "about/RunCounter.h"
#include "settings/Config.h"
#include "settings/ProgramFolders.h"
#include "settings/SettingKeys.h"
#include "settings/modINI.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

using namespace Qt::Literals::StringLiterals;

const QByteArray kAbsent("<default>");
const QString kIni = TestEnvironment::instance().iniPath();

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void readIni_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected"); // the key's value in section "S"
        const auto row = [](const char* name, const QByteArray& file, const char* key,
                            const QByteArray& expected) {
            QTest::newRow(name) << file << QByteArray(key) << expected;
        };
        const QByteArray twice = "[S]\r\nk=1\r\n[T]\r\nj=2\r\n[S]\r\nk=3\r\nj=4\r\n";
        row("names ignore case", "[Custom Colors]\r\n[s]\r\nTEXT=255\r\n", "text", "255");
        row("LF line ends, no final one", "[S]\nj=0\nk=v", "k", "v");
        row("blanks around names and values", "  [ S ]  \r\n\t k \t=  v w  \r\n", "k", "v w");
        row("first of duplicate sections", twice, "k", "1");
        row("duplicate section's keys not seen", twice, "j", kAbsent);
        row("byte order mark and binary garbage",
            QByteArray("\xEF\xBB\xBF[S]\r\n\x00\x7F=\r\nk=v\r\n\xFE", 19), "k", "v");
        row("cut to 199 characters", "[S]\r\nk=" + QByteArray(250, 'x'), "k", QByteArray(199, 'x'));
        row("10 MB without a line end", "[S]\r\nk=" + QByteArray(10 << 20, '\xB2'), "k", kAbsent);
    }
    void readIni()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        QCOMPARE(modINI::ReadINI(TestFiles::write(kIni, file), "S", key, kAbsent), expected);
    }

    void writeIni_data()
    {
        QTest::addColumn<QByteArray>("before"); // "": no file
        QTest::addColumn<QByteArray>("value");  // of key "k" in section "S"
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char* name, const char* before, const char* value,
                            const char* after) {
            QTest::newRow(name) << QByteArray(before) << QByteArray(value) << QByteArray(after);
        };
        row("new file", "", "v", "[S]\r\nk=v\r\n");
        row("replaced in place, all else kept", "; mine\r\n[s]\r\nA=1\r\n K = old \r\n[T]\r\nk=x",
            "new", "; mine\r\n[s]\r\nA=1\r\nk=new\r\n[T]\r\nk=x\r\n");
        row("key added at the end of its section", "[S]\r\na=1\r\n\r\n[T]\nb=2\n", "v",
            "[S]\r\na=1\r\nk=v\r\n\r\n[T]\r\nb=2\r\n");
        row("section added at the end", "[T]\r\nb=2", "v", "[T]\r\nb=2\r\n[S]\r\nk=v\r\n");
        row("outer blanks quoted", "", " v ", "[S]\r\nk=\" v \"\r\n");
        row("outer quotes quoted", "", "'v'", "[S]\r\nk=\"'v'\"\r\n");
    }
    void writeIni()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            TestFiles::write(kIni, before);
        QVERIFY(modINI::WriteINI(kIni, "S", "k", value));
        QCOMPARE(TestFiles::read(kIni), after);
        QCOMPARE(modINI::ReadINI(kIni, "S", "k", kAbsent), value); // reads back as written
    }

    void writeRefusesWhatCannotBeStored()
    {
        // What would read back as something else leaves the file as it was.
        const QByteArray before("[S]\r\nk=1\r\n");
        TestFiles::write(kIni, before);
        QVERIFY(!modINI::WriteINI(kIni, "S", "k", "two\r\nlines"));
        QCOMPARE(TestFiles::read(kIni), before);
        // A file too large to be ours is not rewritten with one key; no folder is made.
        const QByteArray large = before + QByteArray(10 << 20, 'x');
        QVERIFY(!modINI::WriteINI(TestFiles::write(kIni, large), "S", "k", "2"));
        QVERIFY(TestFiles::read(kIni) == large);
        const QString nowhere = TestEnvironment::instance().root() + "/no/such/Settings.ini";
        QVERIFY(!modINI::WriteINI(nowhere, "S", "k", "v") && !QFile::exists(nowhere));
    }

    void runCounter()
    {
        const std::pair<const char*, const char*> rows[] = {
            {"0", "1"},    {"999", "1000"}, {"  7 apples", "8"},
            {"007", "8"},  {"abc", "1"},    {"99999999999999999999", "100000000000000000000"},
            {"+3", "4"},   {"-1", "0"},     {"-50", "-49"},
            {"12.7", "13"}};
        for (const auto& [stored, next] : rows)
            QCOMPARE(RunCounter::increased(stored), QString(next));
    }

    void typedReads()
    {
        // What each reader makes of a stored text: present, absent or unreadable, and the
        // value; the user's store and Settings.ini both.
        const Config config{ProgramSettings(kIni), UserSettings()};
        const UserSettings user;
        const std::pair<const char*, Presence> links[] = {{"yes", Presence::Present},
                                                          {"no", Presence::Present},
                                                          {"", Presence::Absent},
                                                          {"YES", Presence::Unreadable},
                                                          {"yes ", Presence::Unreadable}};
        for (const auto& [stored, presence] : links) {
            user.write(SettingKeys::LinkAllowed, QString::fromLatin1(stored));
            QCOMPARE(config.linkAllowed().presence, presence);
        }
        QVERIFY(!config.linkAllowed().value);
        // Zoom steps only, whatever is stored, with no overflow on the way.
        const std::pair<const char*, int> zooms[] = {
            {"-2147483648", 50}, {"2147483647", 400}, {"170", 150}, {"abc", 100}, {"", 100}};
        for (const auto& [stored, zoom] : zooms) {
            user.write(SettingKeys::Zoom, QString::fromLatin1(stored));
            QCOMPARE(config.zoom(), zoom);
        }
        const std::pair<const char*, Presence> colours[] = {
            {"255", Presence::Present}, {"abc", Presence::Unreadable}, {"", Presence::Absent}};
        for (const auto& [stored, presence] : colours) {
            TestFiles::write(kIni, "[Custom Colors]\r\ntext=" + QByteArray(stored) + "\r\n");
            QCOMPARE(config.textColour().presence, presence);
        }
        QCOMPARE(config.textColour().valueOr(7), 7);
        // A size that shows no text is no font.
        TestFiles::write(kIni, "[Custom Font]\r\nFont Name=Terminal\r\nFont Size=1e-300\r\n");
        QCOMPARE(config.font().presence, Presence::Unreadable);
    }

    void programFolders_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("templatesBeside");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("templates");
        const QString user = "home/.config/Quilra/Settings.ini";
        const QString data = "usr/share/quilra";
        QTest::newRow("build copy") << "build" << true << "build/Settings.ini" << u"build"_s;
        QTest::newRow("build copy, no templates")
            << "build" << false << "build/Settings.ini" << data;
        QTest::newRow("installed copy") << "usr/bin" << false << user << data;
        QTest::newRow("installed copy, named another way")
            << "usr/share/../bin" << false << user << data;
        QTest::newRow("folder that cannot be written") << "gone" << false << user << data;
    }
    void programFolders()
    {
        QFETCH(QString, program);
        QFETCH(bool, templatesBeside);
        QFETCH(QString, settings);
        QFETCH(QString, templates);
        const QString root = TestEnvironment::instance().root() + "/folders/";
        QDir(root).removeRecursively();
        for (const char* folder : {"build", "usr/bin", "usr/share/quilra"})
            QDir().mkpath(root + folder);
        if (templatesBeside)
            TestFiles::write(root + program + "/movietemplate.nfo", "$title$");
        const ProgramFolders folders(root + program, root + "usr/bin", root + "usr/share/quilra",
                                     root + "home/.config");
        QCOMPARE(folders.settingsFile(), root + settings);
        QCOMPARE(folders.templateDirectory(), root + templates);
    }
};

QUILRA_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
