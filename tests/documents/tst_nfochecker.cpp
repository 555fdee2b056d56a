#include "app/CommandLineTool.h"
#include "documents/DocumentFormat.h"
#include "documents/NfoChecker.h"
#include "documents/SauceRecord.h"
#include "documents/SauceTrailer.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A record as SAUCE 00 lays it out, for a text of 3 bytes, with `comments` claimed.
QByteArray record(const QByteArray& size = "\x03\x00\x00\x00"_ba, char comments = 0)
{
    return "SAUCE00Title" + QByteArray(30, ' ') + "Artist" + QByteArray(14, ' ') + "Group" +
           QByteArray(15, ' ') + "20261207" + size + "\x01\x01\x50\x00\x19\x00"_ba +
           QByteArray(4, '\0') + comments + '\0' + "IBM VGA" + QByteArray(15, '\0');
}

// Each fault once, in code page 437 text with CR LF line ends, checked 20 columns wide.
const QByteArray kFaults = "\xEF\xBB\xBF\xB0\xB1 Title\r\n"
                           "a\tb\r\n"
                           "x\x00y\r\n"
                           "p\x1Aq\r\n"
                           "it\x92s done\r\n"
                           "the \x93word\x94 here\r\n"
                           "k\x94nnen 1990\x96"
                           "2000\r\n"
                           "voil\x85 wait\x85\r\n"
                           "trailing  \r\n"
                           "0123456789012345678901234\r\n"
                           "at http://a_b.io/\r\n"
                           "lf only\n"
                           "end\x1A"_ba +
                           record("\x09\x00\x00\x00"_ba);

QStringList places(const QList<NfoChecker::Finding>& findings)
{
    QStringList list;
    for (const NfoChecker::Finding& finding : findings)
        list.append(u"%1:%2 %3"_s.arg(finding.line)
                        .arg(finding.column)
                        .arg(NfoChecker::kindName(finding.kind)));
    return list;
}

QByteArray fixedBytes(const QByteArray& file, NfoChecker::Kind kind)
{
    const DocumentFormat::Opened opened = DocumentFormat::open(file);
    const auto edits = NfoChecker::fix(kind, opened.display, opened.encoding);
    return DocumentFormat::save(NfoChecker::applied(opened.display, edits), opened.encoding,
                                opened.trailer);
}

} // namespace

class TestNfoChecker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

    int runTool(const QStringList& arguments, QString& output, QString& errors)
    {
        QTextStream out(&output);
        QTextStream err(&errors);
        const int status = CommandLineTool(ProgramSettings(m_folder.filePath("Settings.ini")),
                                           QString(), "no", out, err)
                               .run(QStringList{"quilra"} + arguments);
        out.flush();
        err.flush();
        return status;
    }

private Q_SLOTS:
    void initTestCase() { TestEnvironment::instance().reset(); }

    void eachFaultIsFoundOnce()
    {
        QCOMPARE(places(NfoChecker(20).check(kFaults)),
                 QStringList({"1:1 byte-order-mark", "2:2 tab", "3:2 nul", "4:2 ctrl-z",
                              "5:3 windows-1252-punctuation", "6:5 windows-1252-punctuation",
                              "6:10 windows-1252-punctuation", "7:12 windows-1252-punctuation",
                              "8:11 windows-1252-punctuation", "9:9 trailing-blanks",
                              "10:21 wide-line", "11:4 broken-address", "12:8 mixed-line-ends",
                              "13:4 no-final-line-end", "13:4 sauce-file-size"}));
    }

    void findingsSayWhatGoesWrong()
    {
        const auto findings = NfoChecker(20).check(kFaults);
        QCOMPARE(findings.at(10).message,
                 u"line is 25 columns wide, more than 20: a viewer 20 columns wide wraps or "
                 u"cuts it"_s);
        QCOMPARE(findings.at(4).message,
                 u"Windows-1252 punctuation in a code page 437 file: viewers show the letter "
                 u"\u00C6 where ' was meant"_s);
        QCOMPARE(findings.at(14).message,
                 u"the SAUCE record gives the text as 9 bytes, but it has 156: viewers that go "
                 u"by the record cut the text short or show the record as text"_s);
        QVERIFY(findings.at(11).message.startsWith(
            u"address http://a_b.io/ cannot be opened as written: its host name"_s));
    }

    void cleanTextsGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("art and text")
            << "\xDB\xDB\xB0 Release \xB0\xDB\xDB\r\nwww.example.org\r\n"_ba;
        QTest::newRow("letters inside words")
            << "k\x94nnen sch\x94n \x93 alone, voil\x85 d\x82j\x85 1 - 2\r\n"_ba;
        QTest::newRow("exactly 80 wide") << QByteArray(80, '\xC4') + "\n";
        QTest::newRow("a Ctrl-Z at the end") << "text\r\n\x1A"_ba;
        QTest::newRow("a right record") << "ab\n\x1A"_ba + record();
        QTest::newRow("UTF-8 text") << "caf\xC3\xA9 \xE2\x80\x94 \xE2\x80\x9Cok\xE2\x80\x9D\n"_ba;
        QTest::newRow("ANSI art on its canvas") << "\x1B[31m\xDB\x1B[0m\x1B[78C!\r\n"_ba;
    }

    void cleanTextsGiveNothing()
    {
        QFETCH(QByteArray, file);
        QCOMPARE(places(NfoChecker().check(file)), QStringList());
    }

    void otherFindings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("tabs widen a line")
            << "\t\t\t\t\t\t\t\t\t\tx\r\n"_ba
            << QStringList{"1:1 tab", "1:2 tab", "1:3 tab", "1:4 tab",  "1:5 tab",       "1:6 tab",
                           "1:7 tab", "1:8 tab", "1:9 tab", "1:10 tab", "1:11 wide-line"};
        QTest::newRow("ANSI wider than its canvas")
            << "\x1B[80C!\r\n"_ba << QStringList{"1:6 wide-line"};
        QTest::newRow("a damaged record")
            << "ab\n\x1A"_ba + record().left(100) << QStringList{"2:1 sauce-damaged"};
        QTest::newRow("a UTF-16 mark read as code page 437")
            << "\xFF\xFE\xDB\r\n"_ba << QStringList{"1:1 byte-order-mark"};
        QTest::newRow("a lost character")
            << "caf\xEF\xBF\xBD\n"_ba << QStringList{"1:4 replacement-character"};
        QTest::newRow("lone CRs among LFs") << "a\nb\rc\n"_ba << QStringList{"2:2 mixed-line-ends"};
    }

    void otherFindings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, found);
        QCOMPARE(places(NfoChecker().check(file)), found);
    }

    void addressForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("broken");
        QTest::newRow("plain") << u"www.example.com"_s << false;
        QTest::newRow("with a path and port") << u"http://example.com:8080/a?b=c"_s << false;
        QTest::newRow("an IPv4 address") << u"http://10.0.0.1/x"_s << false;
        QTest::newRow("an e-mail address") << u"group@example.org"_s << false;
        QTest::newRow("no top-level domain") << u"http://localhost/"_s << true;
        QTest::newRow("digits for a domain") << u"http://example.c0m"_s << true;
        QTest::newRow("two dots") << u"www.example..com"_s << true;
        QTest::newRow("a port too large") << u"http://example.com:99999/"_s << true;
        QTest::newRow("a hyphen ending a name") << u"https://bad-.example.com"_s << true;
        QTest::newRow("a bad percent sign") << u"http://example.com/%zz"_s << true;
    }

    void addressForms()
    {
        QFETCH(QString, text);
        QFETCH(bool, broken);
        const auto findings = NfoChecker().check(DocumentFormat::Opened{{}, text + u"\n"_s, {}}, 0);
        QCOMPARE(places(findings), broken ? QStringList{"1:1 broken-address"} : QStringList());
    }

    void fixesGiveTheseBytes_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QByteArray>("fixed");
        QTest::newRow("line ends made alike")
            << "a\r\nb\nc\r\nd\r\r\n"_ba << int(NfoChecker::Kind::MixedLineEnds)
            << "a\r\nb\r\nc\r\nd\r\n"_ba;
        QTest::newRow("trailing blanks removed")
            << "a  \r\n\xDB \t\r\n \r\nc "_ba << int(NfoChecker::Kind::TrailingBlanks)
            << "a\r\n\xDB\r\n\r\nc"_ba;
        QTest::newRow("punctuation replaced")
            << "it\x92s \x93ok\x94 1\x96 2 \x97 3 wait\x85 k\x94nnen\r\n"_ba
            << int(NfoChecker::Kind::Punctuation)
            << "it's \"ok\" 1\x96 2 - 3 wait... k\x94nnen\r\n"_ba;
        QTest::newRow("a final line end")
            << "a\nb"_ba << int(NfoChecker::Kind::NoFinalLineEnd) << "a\nb\n"_ba;
        QTest::newRow("a final line end before Ctrl-Z")
            << "a\r\nb\x1A"_ba << int(NfoChecker::Kind::NoFinalLineEnd) << "a\r\nb\r\n\x1A"_ba;
        QTest::newRow("no blanks removed from ANSI art")
            << "\x1B[41m  \r\n"_ba << int(NfoChecker::Kind::TrailingBlanks) << "\x1B[41m  \r\n"_ba;
    }

    void fixesGiveTheseBytes()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, kind);
        QFETCH(QByteArray, fixed);
        QCOMPARE(fixedBytes(file, NfoChecker::Kind(kind)), fixed);
    }

    void theSauceFileSizeIsCorrected()
    {
        const QByteArray trailer = '\x1A' + record("\x09\x00\x00\x00"_ba);
        QCOMPARE(NfoChecker::fixedTrailer(trailer, 3), '\x1A' + record());
        QVERIFY(NfoChecker::hasFix(NfoChecker::Kind::SauceFileSize, u"abc"_s));
        QVERIFY(!NfoChecker::hasFix(NfoChecker::Kind::TrailingBlanks, u"\u2190[0m "_s));
        QVERIFY(!NfoChecker::hasFix(NfoChecker::Kind::Tab, u"\t"_s));
    }

    void sauceIsWrittenByteForByte_data()
    {
        QTest::addColumn<QStringList>("comments");
        QTest::addColumn<QByteArray>("trailer");
        const QByteArray fields = "SAUCE00Title" + QByteArray(30, ' ') + "Artist" +
                                  QByteArray(14, ' ') + "Group" + QByteArray(15, ' ') +
                                  "20261207\x64\x00\x00\x00\x01\x00\x50\x00"_ba +
                                  QByteArray(6, '\0');
        const QByteArray font = '\0' + "IBM VGA"_ba + QByteArray(15, '\0');
        QTest::newRow("without comments") << QStringList() << "\x1A"_ba + fields + '\0' + font;
        QTest::newRow("with comments") << QStringList{u"First line"_s, u"\u2591 second"_s}
                                       << "\x1A"
                                          "COMNT"
                                          "First line"_ba +
                                              QByteArray(54, ' ') + "\xB0 second" +
                                              QByteArray(56, ' ') + fields + '\x02' + font;
    }

    void sauceIsWrittenByteForByte()
    {
        QFETCH(QStringList, comments);
        QFETCH(QByteArray, trailer);
        SauceTrailer::Fields fields{u"Title"_s, u"Artist"_s, u"Group"_s,  u"20261207"_s,
                                    comments,   80,          u"IBM VGA"_s};
        const QByteArray written = SauceTrailer::write(fields, 100);
        QCOMPARE(written, trailer);
        QCOMPARE(SauceRecord::trailerLength("text"_ba + written), written.size());
        const auto read = SauceRecord::read(written);
        QVERIFY(read);
        QCOMPARE(read->title, u"Title"_s);
        QCOMPARE(read->date, u"20261207"_s);
        QCOMPARE(read->comments, comments);
        QCOMPARE(read->fileSize, 100u);
        QVERIFY(!read->damaged);
        QCOMPARE(SauceTrailer::fieldsOf(written).width, 80);
    }

    void anEditedRecordKeepsItsOtherFields()
    {
        SauceTrailer::Fields fields = SauceTrailer::fieldsOf('\x1A' + record());
        fields.title = u"A title longer than the thirty-five characters"_s;
        const QByteArray written = SauceTrailer::write(fields, 3, '\x1A' + record());
        QCOMPARE(written.mid(8, 35), "A title longer than the thirty-five"_ba);
        QCOMPARE(written.mid(95, 6), "\x01\x01\x50\x00\x19\x00"_ba);
    }

    void theCommandLinePrintsFindings()
    {
        const QString faults = TestFiles::write(m_folder.filePath("faults.nfo"), kFaults);
        const QString clean = TestFiles::write(m_folder.filePath("clean.nfo"), "ok\r\n");
        QString output, errors;
        QCOMPARE(runTool({"--check", clean}, output, errors), 0);
        QCOMPARE(output + errors, QString());
        QCOMPARE(runTool({"--check", "--width", "20", faults, clean}, output, errors), 1);
        QCOMPARE(output.count(u'\n'), 15);
        QVERIFY(output.startsWith(faults + ":1:1: warning: byte-order mark in a code page 437 "
                                           "file: viewers show it as \u2229\u2557\u2510 at the "
                                           "top\n"));
        QVERIFY(output.contains(faults + ":2:2: warning: tab: "));
        output.clear();
        QCOMPARE(runTool({"--check", m_folder.filePath("none.nfo"), clean}, output, errors), 2);
        QCOMPARE(errors, "quilra: " + m_folder.filePath("none.nfo") + ": File not found.\n");
        errors.clear();
        QCOMPARE(runTool({"--check", "--width", "wide", clean}, output, errors), 2);
        QCOMPARE(runTool({"--json", clean}, output, errors), 2);
    }

    void theJsonParses()
    {
        const QString faults = TestFiles::write(m_folder.filePath("faults.nfo"), kFaults);
        QString output, errors;
        QCOMPARE(runTool({"--check", "--json", "--width", "20", faults}, output, errors), 1);
        QJsonParseError error;
        const QJsonArray array = QJsonDocument::fromJson(output.toUtf8(), &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(array.size(), 15);
        const QJsonObject trailing = array.at(9).toObject();
        QCOMPARE(trailing.value("file").toString(), faults);
        QCOMPARE(trailing.value("line").toInt(), 9);
        QCOMPARE(trailing.value("column").toInt(), 9);
        QCOMPARE(trailing.value("kind").toString(), u"trailing-blanks"_s);
        QCOMPARE(trailing.value("fix").toString(), u"Remove trailing blanks"_s);
        QVERIFY(array.at(1).toObject().value("fix").isNull());
        output.clear();
        QCOMPARE(runTool({"--check", "--json", m_folder.filePath("empty.nfo")}, output, errors), 2);
        QCOMPARE(output, u"[\n]\n"_s);
    }

    void theSauceFieldsArePrinted()
    {
        const QString file =
            TestFiles::write(m_folder.filePath("sauce.nfo"), "abc\x1A"
                                                             "COMNT"
                                                             "Hi"_ba +
                                                                 QByteArray(62, ' ') +
                                                                 record("\x03\x00\x00\x00"_ba, 1));
        QString output, errors;
        QCOMPARE(runTool({"--sauce", file}, output, errors), 0);
        QCOMPARE(output, u"version=00\ntitle=Title\nauthor=Artist\ngroup=Group\ndate=20261207\n"
                         "filesize=3\ndatatype=1\nfiletype=1\ntinfo1=80\ntinfo2=25\ntinfo3=0\n"
                         "tinfo4=0\ncomments=1\ntflags=0\ntinfos=IBM VGA\ndamaged=no\n"
                         "comment=Hi\n"_s);
        const QString plain = TestFiles::write(m_folder.filePath("plain.nfo"), "abc");
        QCOMPARE(runTool({"--sauce", plain}, output, errors), 1);
        QCOMPARE(errors, "quilra: " + plain + ": the file has no SAUCE record.\n");
    }
};

QTEST_GUILESS_MAIN(TestNfoChecker)
#include "tst_nfochecker.moc"
