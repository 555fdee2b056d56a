#include "app/RunCounter.h"
#include "settings/IniDocument.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingKeys.h"
#include "settings/UserSettings.h"
#include "settings/modINI.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;
#include <QFile>

namespace {

const QByteArray kAbsent("<default>");

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void readIni_data();
    void readIni();
    void readIniFromMissingOrOddFiles();
    void writeIni_data();
    void writeIni();
    void writtenValuesReadBackAsWritten_data();
    void writtenValuesReadBackAsWritten();
    void writeRefusesWhatCannotBeStored();
    void perUserStore();
    void runCounter_data();
    void runCounter();
};

void TestSettings::readIni_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray windows = "[Custom Colors]\r\ntext=255\r\nbackground=0\r\n\r\n"
                               "[Custom Font]\r\nFont Name=Terminal\r\nFont Size=9\r\n";
    QTest::newRow("as Windows writes it") << windows << "Custom Font"_ba
                                          << "Font Name"_ba
                                          << "Terminal"_ba;
    QTest::newRow("names ignore case") << windows << "custom colors"_ba
                                       << "TEXT"_ba
                                       << "255"_ba;
    QTest::newRow("LF line ends") << QByteArray("[S]\nk=v\n") << "S"_ba
                                  << "k"_ba
                                  << "v"_ba;
    QTest::newRow("no final line end") << QByteArray("[S]\r\nk=v") << "S"_ba
                                       << "k"_ba
                                       << "v"_ba;
    QTest::newRow("blanks around names and values")
        << QByteArray("  [ S ]  \r\n\t k \t=  v w  \r\n") << "S"_ba
        << "k"_ba
        << "v w"_ba;
    QTest::newRow("double quotes stripped") << QByteArray("[S]\r\nk=\" v \"\r\n") << "S"_ba
                                            << "k"_ba
                                            << " v "_ba;
    QTest::newRow("single quotes stripped") << QByteArray("[S]\r\nk='v'\r\n") << "S"_ba
                                            << "k"_ba
                                            << "v"_ba;
    QTest::newRow("one pair only") << QByteArray("[S]\r\nk=\"\"v\"\"\r\n") << "S"_ba
                                   << "k"_ba
                                   << "\"v\""_ba;
    QTest::newRow("unmatched quotes kept") << QByteArray("[S]\r\nk=\"v'\r\n") << "S"_ba
                                           << "k"_ba
                                           << "\"v'"_ba;
    QTest::newRow("empty value") << QByteArray("[S]\r\nk=\r\n") << "S"_ba
                                 << "k"_ba
                                 << ""_ba;
    QTest::newRow("equals sign in value") << QByteArray("[S]\r\nk=a=b\r\n") << "S"_ba
                                          << "k"_ba
                                          << "a=b"_ba;
    QTest::newRow("first of duplicate sections")
        << QByteArray("[S]\r\nk=1\r\n[T]\r\nk=2\r\n[S]\r\nk=3\r\nj=4\r\n") << "S"_ba
        << "k"_ba
        << "1"_ba;
    QTest::newRow("duplicate section's keys not seen")
        << QByteArray("[S]\r\nk=1\r\n[S]\r\nj=4\r\n") << "S"_ba
        << "j"_ba << kAbsent;
    QTest::newRow("first of duplicate keys") << QByteArray("[S]\r\nk=1\r\nK=2\r\n") << "S"_ba
                                             << "k"_ba
                                             << "1"_ba;
    QTest::newRow("key of another section") << QByteArray("[S]\r\nk=1\r\n[T]\r\n") << "T"_ba
                                            << "k"_ba << kAbsent;
    QTest::newRow("key before any section") << QByteArray("k=1\r\n[S]\r\n") << "S"_ba
                                            << "k"_ba << kAbsent;
    QTest::newRow("lines without equals sign ignored")
        << QByteArray("[S]\r\njunk line\r\nk=v\r\n") << "S"_ba
        << "k"_ba
        << "v"_ba;
    QTest::newRow("missing section") << windows << "Custom Characters"_ba
                                     << "Custom2"_ba << kAbsent;
    QTest::newRow("missing key") << windows << "Custom Colors"_ba
                                 << "border"_ba << kAbsent;
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[S]\r\nk=v\r\n") << "S"_ba
                                     << "k"_ba
                                     << "v"_ba;
    QTest::newRow("8-bit value passes unchanged")
        << QByteArray("[S]\r\nk=\xB0\xB1\xB2\xDB\r\n") << "S"_ba
        << "k"_ba
        << "\xB0\xB1\xB2\xDB"_ba;
    QTest::newRow("binary garbage around")
        << QByteArray("\x01\x02\xFF\r\n[S]\r\n\x00\x7F=\r\nk=v\r\n\xFE\xFE", 26) << "S"_ba
        << "k"_ba
        << "v"_ba;
    QTest::newRow("cut to 199 characters")
        << QByteArray("[S]\r\nk=") + QByteArray(250, 'x') + "\r\n"
        << "S"_ba
        << "k"_ba << QByteArray(199, 'x');
}

void TestSettings::readIni()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    const QString path = TestEnvironment::instance().iniPath();
    TestFiles::write(path, file);
    QCOMPARE(modINI::ReadINI(path, section, key, kAbsent), expected);
}

void TestSettings::readIniFromMissingOrOddFiles()
{
    const QString folder = TestEnvironment::instance().programDirectory();
    QCOMPARE(modINI::ReadINI(QDir(folder).filePath(QStringLiteral("none.ini")), "S", "k", ""),
             QByteArray());
    QCOMPARE(modINI::ReadINI(folder, "S", "k", "dflt"), QByteArray("dflt"));
    const QString empty = QDir(folder).filePath(QStringLiteral("empty.ini"));
    TestFiles::write(empty, QByteArray());
    QCOMPARE(modINI::ReadINI(empty, "S", "k", "dflt"), QByteArray("dflt"));
}

void TestSettings::writeIni_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << "k"_ba
                              << "v"_ba << QByteArray("[S]\r\nk=v\r\n");
    QTest::newRow("replace in place, everything else kept")
        << QByteArray("; made by hand\r\n[S]\r\nA=1\r\n k = old \r\nB=2\r\n[T]\r\nk=x\r\n")
        << "K"_ba
        << "new"_ba << QByteArray("; made by hand\r\n[S]\r\nA=1\r\nK=new\r\nB=2\r\n[T]\r\nk=x\r\n");
    QTest::newRow("missing key at the end of its section, before the blank line")
        << QByteArray("[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n") << "k"_ba
        << "v"_ba << QByteArray("[S]\r\na=1\r\nk=v\r\n\r\n[T]\r\nb=2\r\n");
    QTest::newRow("missing section at the end of the file")
        << QByteArray("[T]\nb=2\n") << "k"_ba
        << "v"_ba << QByteArray("[T]\r\nb=2\r\n[S]\r\nk=v\r\n");
    QTest::newRow("section name matched without case") << QByteArray("[s]\r\nk=1\r\n") << "k"_ba
                                                       << "2"_ba << QByteArray("[s]\r\nk=2\r\n");
    QTest::newRow("outer blanks quoted") << QByteArray() << "k"_ba
                                         << " v "_ba << QByteArray("[S]\r\nk=\" v \"\r\n");
    QTest::newRow("outer quotes quoted") << QByteArray() << "k"_ba
                                         << "'v'"_ba << QByteArray("[S]\r\nk=\"'v'\"\r\n");
    QTest::newRow("inner quotes as they are") << QByteArray() << "k"_ba
                                              << "a\"b"_ba << QByteArray("[S]\r\nk=a\"b\r\n");
    QTest::newRow("empty value") << QByteArray("[S]\r\nk=1\r\n") << "k"_ba
                                 << ""_ba << QByteArray("[S]\r\nk=\r\n");
}

void TestSettings::writeIni()
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

void TestSettings::writtenValuesReadBackAsWritten_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("blanks") << QByteArray("  two  ");
    QTest::newRow("quoted") << QByteArray("\"quoted\"");
    QTest::newRow("code page 437 art") << QByteArray("\xC9\xCD\xBB\xB0\xB1\xB2\xDB");
    QTest::newRow("199 characters") << QByteArray(199, 'a');
}

void TestSettings::writtenValuesReadBackAsWritten()
{
    QFETCH(QByteArray, value);
    const ProgramSettings settings(TestEnvironment::instance().programDirectory());
    QVERIFY(settings.write(SettingKeys::CustomCharacter, value, 7));
    QVERIFY(settings.write(SettingKeys::TextColour, "255"));
    QCOMPARE(settings.read(SettingKeys::CustomCharacter, 7), value);
    QCOMPARE(modINI::ReadINI(settings.iniPath(), "custom characters", "CUSTOM7", ""), value);
}

void TestSettings::writeRefusesWhatCannotBeStored()
{
    const QString path = TestEnvironment::instance().iniPath();
    const QByteArray before("[S]\r\nk=1\r\n");
    TestFiles::write(path, before);
    QVERIFY(!modINI::WriteINI(path, "S", "k", "two\r\nlines"));
    QVERIFY(!modINI::WriteINI(path, "S", "k", QByteArray("nul\0", 4)));
    QCOMPARE(TestFiles::read(path), before);

    // A folder that is not there, and a folder standing where the file should be.
    const QString nowhere = QDir(TestEnvironment::instance().root())
                                .filePath(QStringLiteral("no/such/folder/Settings.ini"));
    QVERIFY(!modINI::WriteINI(nowhere, "S", "k", "v"));
    QVERIFY(!QFile::exists(nowhere));
    QVERIFY(!modINI::WriteINI(TestEnvironment::instance().programDirectory(), "S", "k", "v"));
}

void TestSettings::perUserStore()
{
    const UserSettings store;
    QCOMPARE(store.GetSetting(QStringLiteral("Times Ran"), QStringLiteral("opened"),
                              QStringLiteral("dflt")),
             QStringLiteral("dflt"));
    store.write(SettingKeys::RecentFile, QStringLiteral("/a, b/c.nfo"), 0);
    store.write(SettingKeys::TimesOpened, QStringLiteral("41"));
    QCOMPARE(UserSettings().read(SettingKeys::RecentFile, 0), QStringLiteral("/a, b/c.nfo"));
    QCOMPARE(UserSettings().GetSetting(QStringLiteral("Times Ran"), QStringLiteral("opened"), {}),
             QStringLiteral("41"));
    QCOMPARE(SettingKeys::RecentFile.name(3), QStringLiteral("3"));
    QCOMPARE(SettingKeys::CustomCharacter.name(11), QStringLiteral("Custom11"));
}

void TestSettings::runCounter_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("next");
    QTest::newRow("zero") << "0"
                          << "1";
    QTest::newRow("carry") << "41"
                           << "42";
    QTest::newRow("nines") << "999"
                           << "1000";
    QTest::newRow("number then text") << "  7 apples"
                                      << "8";
    QTest::newRow("leading zeros") << "007"
                                   << "8";
    QTest::newRow("no number") << "abc"
                               << "1";
    QTest::newRow("beyond 64 bits") << "99999999999999999999"
                                    << "100000000000000000000";
    QTest::newRow("plus sign") << "+3"
                               << "4";
    QTest::newRow("minus one") << "-1"
                               << "0";
    QTest::newRow("negative") << "-50"
                              << "-49";
    QTest::newRow("fraction") << "12.7"
                              << "13";
}

void TestSettings::runCounter()
{
    QFETCH(QString, stored);
    QFETCH(QString, next);
    QCOMPARE(RunCounter::increased(stored), next);
}

QUILRA_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
