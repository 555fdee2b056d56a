#include "about/RunCounter.h"
#include "settings/IniDocument.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingKeys.h"
#include "settings/UserSettings.h"
#include "settings/modINI.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray kAbsent("<default>");

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void readIni_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char* name, const QByteArray& file, const QByteArray& section,
                            const QByteArray& key, const QByteArray& expected) {
            QTest::newRow(name) << file << section << key << expected;
        };
        const QByteArray windows = "[Custom Colors]\r\ntext=255\r\nbackground=0\r\n\r\n"
                                   "[Custom Font]\r\nFont Name=Terminal\r\nFont Size=9\r\n";
        const QByteArray twice = "[S]\r\nk=1\r\n[T]\r\nk=2\r\n[S]\r\nk=3\r\nj=4\r\n";
        row("as Windows writes it", windows, "Custom Font", "Font Name", "Terminal");
        row("names ignore case", windows, "custom colors", "TEXT", "255");
        row("missing section", windows, "Custom Characters", "Custom2", kAbsent);
        row("missing key", windows, "Custom Colors", "border", kAbsent);
        row("empty file", ""_ba, "S", "k", kAbsent);
        row("LF line ends", "[S]\nk=v\n", "S", "k", "v");
        row("no final line end", "[S]\r\nk=v", "S", "k", "v");
        row("blanks around names and values", "  [ S ]  \r\n\t k \t=  v w  \r\n", "S", "k", "v w");
        row("double quotes stripped", "[S]\r\nk=\" v \"\r\n", "S", "k", " v ");
        row("single quotes stripped", "[S]\r\nk='v'\r\n", "S", "k", "v");
        row("one pair only", "[S]\r\nk=\"\"v\"\"\r\n", "S", "k", "\"v\"");
        row("unmatched quotes kept", "[S]\r\nk=\"v'\r\n", "S", "k", "\"v'");
        row("empty value", "[S]\r\nk=\r\n", "S", "k", "");
        row("equals sign in value", "[S]\r\nk=a=b\r\n", "S", "k", "a=b");
        row("first of duplicate sections", twice, "S", "k", "1");
        row("duplicate section's keys not seen", twice, "S", "j", kAbsent);
        row("first of duplicate keys", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1");
        row("key of another section", "[S]\r\nk=1\r\n[T]\r\n", "T", "k", kAbsent);
        row("key before any section", "k=1\r\n[S]\r\n", "S", "k", kAbsent);
        row("lines without equals sign ignored", "[S]\r\njunk line\r\nk=v\r\n", "S", "k", "v");
        row("byte order mark", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "v");
        row("8-bit value passes unchanged", "[S]\r\nk=\xB0\xDB\r\n", "S", "k", "\xB0\xDB");
        row("binary garbage around", QByteArray("\x01\xFF\r\n[S]\r\n\x00\x7F=\r\nk=v\r\n\xFE", 20),
            "S", "k", "v");
        row("cut to 199 characters", "[S]\r\nk=" + QByteArray(250, 'x') + "\r\n", "S", "k",
            QByteArray(199, 'x'));
    }

    void readIni()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        const QString path = TestEnvironment::instance().iniPath();
        TestFiles::write(path, file);
        QCOMPARE(modINI::ReadINI(path, section, key, kAbsent), expected);
    }

    void readIniFromMissingOrOddFiles()
    {
        const QString folder = TestEnvironment::instance().programDirectory();
        QCOMPARE(modINI::ReadINI(QDir(folder).filePath(QStringLiteral("none.ini")), "S", "k", ""),
                 QByteArray());
        QCOMPARE(modINI::ReadINI(folder, "S", "k", "dflt"), QByteArray("dflt"));
    }

    void writeIni_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");
        const auto row = [](const char* name, const QByteArray& before, const QByteArray& key,
                            const QByteArray& value, const QByteArray& after) {
            QTest::newRow(name) << before << key << value << after;
        };
        row("new file", {}, "k", "v", "[S]\r\nk=v\r\n");
        row("replace in place, everything else kept",
            "; made by hand\r\n[S]\r\nA=1\r\n k = old \r\nB=2\r\n[T]\r\nk=x\r\n", "K", "new",
            "; made by hand\r\n[S]\r\nA=1\r\nK=new\r\nB=2\r\n[T]\r\nk=x\r\n");
        row("missing key at the end of its section, before the blank line",
            "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n", "k", "v",
            "[S]\r\na=1\r\nk=v\r\n\r\n[T]\r\nb=2\r\n");
        row("missing section at the end of the file", "[T]\nb=2\n", "k", "v",
            "[T]\r\nb=2\r\n[S]\r\nk=v\r\n");
        row("section name matched without case", "[s]\r\nk=1\r\n", "k", "2", "[s]\r\nk=2\r\n");
        row("outer blanks quoted", {}, "k", " v ", "[S]\r\nk=\" v \"\r\n");
        row("outer quotes quoted", {}, "k", "'v'", "[S]\r\nk=\"'v'\"\r\n");
        row("inner quotes as they are", {}, "k", "a\"b", "[S]\r\nk=a\"b\r\n");
        row("empty value", "[S]\r\nk=1\r\n", "k", "", "[S]\r\nk=\r\n");
    }

    void writeIni()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        const QString path = TestEnvironment::instance().iniPath();
        if (!before.isEmpty())
            TestFiles::write(path, before);
        QVERIFY(modINI::WriteINI(path, "S", key, value));
        QCOMPARE(TestFiles::read(path), after);
    }

    void writtenValuesReadBackAsWritten_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("quoted") << QByteArray("\"quoted\"");
        QTest::newRow("code page 437 art") << QByteArray("\xC9\xCD\xBB\xB0\xB1\xB2\xDB");
        QTest::newRow("199 characters") << QByteArray(199, 'a');
    }

    void writtenValuesReadBackAsWritten()
    {
        QFETCH(QByteArray, value);
        const ProgramSettings settings(TestEnvironment::instance().iniPath());
        QVERIFY(settings.write(SettingKeys::CustomCharacter, value, 7));
        QVERIFY(settings.write(SettingKeys::TextColour, "255"));
        QCOMPARE(settings.read(SettingKeys::CustomCharacter, 7), value);
        QCOMPARE(modINI::ReadINI(settings.iniPath(), "custom characters", "CUSTOM7", ""), value);
    }

    void writeRefusesWhatCannotBeStored()
    {
        const QString path = TestEnvironment::instance().iniPath();
        const QByteArray before("[S]\r\nk=1\r\n");
        TestFiles::write(path, before);
        QVERIFY(!modINI::WriteINI(path, "S", "k", "two\r\nlines"));
        QVERIFY(!modINI::WriteINI(path, "S", "k", QByteArray("nul\0", 4)));
        // Names that would read back as another section, another key or a header.
        QVERIFY(!modINI::WriteINI(path, "S]x", "k", "v"));
        QVERIFY(!modINI::WriteINI(path, "S", "k=x", "v"));
        QVERIFY(!modINI::WriteINI(path, "S", " [k", "v"));
        QCOMPARE(TestFiles::read(path), before);

        // A folder that is not there, and a folder standing where the file should be.
        const QString nowhere = QDir(TestEnvironment::instance().root())
                                    .filePath(QStringLiteral("no/such/folder/Settings.ini"));
        QVERIFY(!modINI::WriteINI(nowhere, "S", "k", "v"));
        QVERIFY(!QFile::exists(nowhere));
        QVERIFY(!modINI::WriteINI(TestEnvironment::instance().programDirectory(), "S", "k", "v"));
    }

    void perUserStore()
    {
        const UserSettings store;
        QCOMPARE(store.GetSetting(u"Times Ran"_s, u"opened"_s, u"dflt"_s), u"dflt"_s);
        store.write(SettingKeys::RecentFile, u"/a, b/c.nfo"_s, 0);
        store.write(SettingKeys::TimesOpened, u"41"_s);
        QCOMPARE(UserSettings().read(SettingKeys::RecentFile, 0), u"/a, b/c.nfo"_s);
        QCOMPARE(UserSettings().GetSetting(u"Times Ran"_s, u"opened"_s, {}), u"41"_s);
    }

    void runCounter_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("next");
        const auto row = [](const char* stored, const char* next) {
            QTest::newRow(stored) << QString::fromLatin1(stored) << QString::fromLatin1(next);
        };
        row("0", "1");
        row("999", "1000");
        row("  7 apples", "8");
        row("007", "8");
        row("abc", "1");
        row("99999999999999999999", "100000000000000000000");
        row("+3", "4");
        row("-1", "0");
        row("-50", "-49");
        row("12.7", "13");
    }

    void runCounter()
    {
        QFETCH(QString, stored);
        QFETCH(QString, next);
        QCOMPARE(RunCounter::increased(stored), next);
    }
};

QUILRA_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
