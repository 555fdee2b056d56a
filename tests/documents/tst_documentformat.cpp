#include "app/CommandLine.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"
#include "documents/LineEnd.h"
#include "documents/LinkFinder.h"
#include "documents/RecentFiles.h"
#include "documents/SauceRecord.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// A SAUCE record as drawing programs append it: 128 bytes, the comment lines before them.
QByteArray sauce(const QByteArray& author = "Artist", int comments = 0)
{
    QByteArray record = "SAUCE00" + "Title"_ba.leftJustified(35, ' ') +
                        author.leftJustified(20, ' ') + "Group"_ba.leftJustified(20, ' ') +
                        "20261206" + QByteArray("\x10\x00\x00\x00\x01\x01\x50\x00", 8);
    record = record.leftJustified(104, '\0') + char(comments);
    const QByteArray lines = comments ? "COMNT" + QByteArray(64 * comments, '#') : QByteArray();
    return lines + record.leftJustified(128, '\0');
}

} // namespace

class TestDocumentFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openAndSaveKeepEveryByte_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("display");
        const auto row = [](const char* name, const QByteArray& file, const char* encoding,
                            const QString& display = u"-"_s) {
            QTest::newRow(name) << file << QString::fromLatin1(encoding) << display;
        };
        row("empty", {}, "CP437", u""_s);
        row("every line end", "a\r\nb\nc\rd\r\r\ne\n\rf\r\r\rg"_ba, "CP437",
            u"a\nb\u2028c\uFDD0d\uFDD1e\u2028\uFDD0f\uFDD0\uFDD0\uFDD0g"_s);
        row("NUL, Ctrl-Z and a tab", QByteArray("\x00\x1A\t\x01", 4), "CP437",
            u"\u0000\u2192\t\u263A"_s);
        row("a SAUCE record after Ctrl-Z", "\xDB\xDB\r\n\x1A"_ba + sauce(), "CP437",
            u"\u2588\u2588\n"_s);
        row("SAUCE comments, no Ctrl-Z", "\xB0"_ba + sauce("Artist", 2), "CP437", u"\u2591"_s);
        row("comments claimed, none there", "\xB0"_ba + sauce("Artist", 3), "CP437", u"\u2591"_s);
        row("UTF-8 art before a code page 437 record", "\xE2\x96\x91\x1A"_ba + sauce("\x8E\x94"),
            "UTF-8", u"\u2591"_s);
        row("binary after the text", "end\r\n\x1A\xFF\x00\x8D\x0D\x0D"_ba, "CP437");
        row("all 256 codes", TestFiles::allCodes(), "CP437");
        row("UTF-8 without a mark", "\xE2\x96\x91 caf\xC3\xA9\r\n"_ba, "UTF-8",
            u"\u2591 caf\u00E9\n"_s);
        row("UTF-8 with a mark", "\xEF\xBB\xBF\xE2\x95\x94\xEF\xBB\xBF\n"_ba, "UTF-8",
            u"\u2554\uFEFF\u2028"_s);
        row("marks after the mark", "\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF\xC3\xA9"_ba, "UTF-8",
            u"\uFEFF\uFEFF\u00E9"_s);
        row("ASCII only stays code page 437", "plain\r\n"_ba, "CP437");
        row("a mark, then broken UTF-8", "\xEF\xBB\xBF\xB0\xB1"_ba, "CP437",
            u"\u2229\u2557\u2510\u2591\u2592"_s);
        row("overlong UTF-8", "\xC0\xAF\xE2\x96\x91"_ba, "CP437");
        row("UTF-8 holding a line separator", "\xE2\x80\xA8\xC3\xA9"_ba, "CP437");
        row("UTF-16 LE", QByteArray("\xFF\xFE\x91\x25\r\x00\n\x00", 8), "UTF-16 LE", u"\u2591\n"_s);
        row("UTF-16 BE", QByteArray("\xFE\xFF\x25\x91\x00\r", 6), "UTF-16 BE", u"\u2591\uFDD0"_s);
        row("UTF-16 of odd length", QByteArray("\xFF\xFE\x41\x00\x42", 5), "CP437");
        row("UTF-16 with a lone surrogate", QByteArray("\xFF\xFE\x00\xD8\x41\x00", 6), "CP437");
        row("FF FE before 8-bit text",
            "\xFF\xFE"
            "AB\r\nCD\r\n"_ba,
            "CP437", u"\u00A0\u25A0AB\nCD\n"_s);
        row("CR CR CR LF", "A\r\r\r\nB\r\r\n"_ba, "CP437", u"A\uFDD2B\uFDD1"_s);
        row("33 CRs before LF", "A" + QByteArray(33, '\r') + "\n", "CP437", u"A\uFDD0\uFDEF"_s);
        row("CP437 art misread as Windows-1252", "\xC3\x9B\xC3\x9B\xC3\x9B\xC2\xB0\r\n"_ba,
            "UTF-8, repaired from CP437", u"\u2588\u2588\u2588\u2591\n"_s);
        row("misread twice",
            "\xC3\x83\xE2\x80\xBA\xC3\x83\xE2\x80\xBA\xC3\x83\xE2\x80\xBA\xC3\x82\xC2\xB0"_ba,
            "UTF-8, repaired twice from CP437", u"\u2588\u2588\u2588\u2591"_s);
        row("misread as Latin-1", "\xC3\x8D\xC3\x8D\xC3\x8D\xC3\x8D\xC2\x80\n"_ba,
            "UTF-8, repaired from CP437", u"\u2550\u2550\u2550\u2550\u00C7\u2028"_s);
        row("accented UTF-8 is left alone",
            "Gr\xC3\xBC\xC3\x9F"
            "e \xC3\x9C"
            "ber \xC3\x84rger \xC3\x80 \xC3\x89t\xC3\xA9"_ba,
            "UTF-8", u"Gr\u00FC\u00DFe \u00DCber \u00C4rger \u00C0 \u00C9t\u00E9"_s);
        row("Latin-1 ornaments in UTF-8 are left alone",
            "\xC2\xB0\xC2\xBA\xC2\xA4\xC3\xB8,\xC2\xB8\xC2\xB8,\xC3\xB8\xC2\xA4\xC2\xBA\xC2\xB0\xC2\xBA\xC2\xA4\xC3\xB8"_ba,
            "UTF-8",
            u"\u00B0\u00BA\u00A4\u00F8,\u00B8\u00B8,\u00F8\u00A4\u00BA\u00B0\u00BA\u00A4\u00F8"_s);
        row("Windows-1252 German text",
            "Gr\xFC\xDF"
            "e aus K\xF6ln \x96 \x84sch\xF6n\x93\r\n"_ba,
            "Windows-1252", u"Gr\u00FC\u00DFe aus K\u00F6ln \u2013 \u201Esch\u00F6n\u201C\n"_s);
        row("Windows-1252 text with a NUL", "Fu\xDF\x00"_ba, "Windows-1252", u"Fu\u00DF\u0000"_s);
        row("CP437 box and block codes stay CP437",
            "\xDB\xDF\xB0\xB1\xB2 \xC9\xCD\xBB\r\n\xBAThe\xBA"_ba, "CP437",
            u"\u2588\u2580\u2591\u2592\u2593 \u2554\u2550\u2557\n\u2551The\u2551"_s);
        row("CP437 accents inside words stay CP437", "M\x81nchen, K\x84se"_ba, "CP437",
            u"M\u00FCnchen, K\u00E4se"_s);
        row("a SAUCE record cut short", "\xDB\r\n\x1ASAUCE00Title"_ba, "CP437", u"\u2588\n"_s);
        row("SAUCE00 without Ctrl-Z", "A SAUCE00"_ba + QByteArray(100, ' '), "CP437", u"A "_s);
    }

    void openAndSaveKeepEveryByte()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, encoding);
        QFETCH(QString, display);
        const DocumentFormat::Opened opened = DocumentFormat::open(file);
        QCOMPARE(opened.encoding.name(), encoding);
        if (display != u"-"_s)
            QCOMPARE(opened.display, display);
        QCOMPARE(DocumentFormat::save(opened.display, opened.encoding, opened.trailer), file);
    }

    void whatEachEncodingHolds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("refusedAt");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("code page 437")
            << int(TextEncoding::Cp437) << u"\u00E9\u2591\t"_s << -1 << "\x82\xB0\t"_ba;
        QTest::newRow("no euro in code page 437")
            << int(TextEncoding::Cp437) << u"a\u20AC"_s << 1 << QByteArray();
        // The glyphs of TAB, LF and CR: those codes show as a tab and line ends.
        QTest::newRow("no note glyph")
            << int(TextEncoding::Cp437) << u"\u266A"_s << 0 << QByteArray();
        QTest::newRow("UTF-8") << int(TextEncoding::Utf8) << u"\u2591\U0001F600"_s << -1
                               << "\xE2\x96\x91\xF0\x9F\x98\x80"_ba;
        QTest::newRow("lone surrogate")
            << int(TextEncoding::Utf8) << u"a\xD800"_s << 1 << QByteArray();
        QTest::newRow("Windows-1252")
            << int(TextEncoding::Windows1252) << u"\u20AC\u00E9"_s << -1 << "\x80\xE9"_ba;
        QTest::newRow("no shade in Windows-1252")
            << int(TextEncoding::Windows1252) << u"\u2591"_s << 0 << QByteArray();
    }

    void whatEachEncodingHolds()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(int, refusedAt);
        QFETCH(QByteArray, bytes);
        const auto encoding = static_cast<TextEncoding::Kind>(kind);
        QCOMPARE(DocumentCodec::firstUnencodable(text, encoding), refusedAt);
        if (refusedAt < 0)
            QCOMPARE(DocumentCodec::encode(text, encoding), bytes);
    }

    void editsInARepairedReadingStayDamagedTheSameWay_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("typedBlock");
        QTest::newRow("once") << "\xC3\x9B\xC3\x9B\xC3\x9B\xC3\x9B"_ba
                              << "\xC3\x9B"_ba;
        QTest::newRow("twice")
            << "\xC3\x83\xE2\x80\xBA\xC3\x83\xE2\x80\xBA\xC3\x83\xE2\x80\xBA\xC3\x83\xE2\x80\xBA"_ba
            << "\xC3\x83\xE2\x80\xBA"_ba;
    }

    void editsInARepairedReadingStayDamagedTheSameWay()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, typedBlock);
        const DocumentFormat::Opened opened = DocumentFormat::open(file);
        const QString edited = opened.display + u"\u2588"_s;
        QCOMPARE(DocumentCodec::firstUnencodable(u"\u2588\u20AC"_s, opened.encoding), 1);
        QCOMPARE(DocumentFormat::save(edited, opened.encoding), file + typedBlock);
        QCOMPARE(DocumentFormat::open(file + typedBlock).display, edited);
        // The plain reading, and Save As in CP437 or correct UTF-8.
        QCOMPARE(DocumentFormat::reinterpret(file, TextEncoding::Utf8)->encoding.name(),
                 u"UTF-8"_s);
        QCOMPARE(DocumentFormat::save(edited, {TextEncoding::Cp437, false}),
                 "\xDB\xDB\xDB\xDB\xDB"_ba);
        QCOMPARE(DocumentFormat::save(u"\u2588"_s, {TextEncoding::Utf8, false}), "\xE2\x96\x88"_ba);
    }

    void lineEndKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("character");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("CR LF") << 0 << 0x0A << "\r\n"_ba;
        QTest::newRow("LF") << 1 << 0x2028 << "\n"_ba;
        QTest::newRow("CR") << 2 << 0xFDD0 << "\r"_ba;
        QTest::newRow("CR CR LF") << 3 << 0xFDD1 << "\r\r\n"_ba;
        QTest::newRow("CR x 3 LF") << 4 << 0xFDD2 << "\r\r\r\n"_ba;
        QTest::newRow("CR x 32 LF") << 33 << 0xFDEF << QByteArray(32, '\r') + "\n";
    }

    void lineEndKinds()
    {
        QFETCH(int, kind);
        QFETCH(int, character);
        QFETCH(QByteArray, bytes);
        QCOMPARE(int(LineEnd::character(kind)), character);
        QCOMPARE(LineEnd::kindOf(char16_t(character)), kind);
        QCOMPARE(LineEnd::bytes(kind).toByteArray(), bytes);
        QCOMPARE(LineEnd::text(kind).toString(), QString::fromLatin1(bytes));
        QCOMPARE(LineEnd::kindOf(u'\u2029'), 0);
        QCOMPARE(LineEnd::kindOf(u'\uFDF0'), -1);
        QCOMPARE(LineEnd::Count, 34);
    }

    void damagedSauceRecords_data()
    {
        QTest::addColumn<QByteArray>("trailer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("whole") << "\x1A"_ba + sauce() << u"Title"_s << false;
        QTest::newRow("cut short") << "\x1ASAUCE00My art  Me"_ba << u"My art  Me"_s << true;
        QByteArray blanks = sauce();
        blanks.replace('\0', ' ');
        QTest::newRow("NULs turned into blanks") << blanks << u"Title"_s << true;
    }

    void damagedSauceRecords()
    {
        QFETCH(QByteArray, trailer);
        QFETCH(QString, title);
        QFETCH(bool, damaged);
        QCOMPARE(SauceRecord::trailerLength("text\r\n" + trailer), trailer.size());
        const auto record = SauceRecord::read(trailer);
        QVERIFY(record);
        QCOMPARE(record->title, title);
        QCOMPARE(record->damaged, damaged);
    }

    void legacyCodePages_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("display"); // "-": not without loss
        QTest::newRow("Shift-JIS") << u"Shift-JIS"_s << "\x82\xA0\r\n"_ba << u"\u3042\n"_s;
        QTest::newRow("Shift-JIS cut short") << u"Shift-JIS"_s << "\x82\xA0\x82"_ba << u"-"_s;
        QTest::newRow("CP850") << u"CP850"_s << "\x9B"_ba << u"\u00F8"_s;
        QTest::newRow("CP852") << u"CP852"_s << "\xA5"_ba << u"\u0105"_s;
        QTest::newRow("CP866") << u"CP866"_s << "\xA0"_ba << u"\u0430"_s;
        QTest::newRow("ISO-8859-2") << u"ISO-8859-2"_s << "\xB1"_ba << u"\u0105"_s;
        QTest::newRow("ISO-8859-5") << u"ISO-8859-5"_s << "\xD0"_ba << u"\u0430"_s;
        QTest::newRow("ISO-8859-15") << u"ISO-8859-15"_s << "\xA4"_ba << u"\u20AC"_s;
        QTest::newRow("KOI8-R") << u"KOI8-R"_s << "\xC1"_ba << u"\u0430"_s;
    }

    void legacyCodePages()
    {
        QFETCH(QString, encoding);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, display);
        const auto kind = TextEncoding::fromName(encoding);
        if (!kind)
            QSKIP("the platform's converter lacks this code page");
        const auto read = DocumentFormat::reinterpret(bytes, *kind);
        QCOMPARE(read ? read->display : u"-"_s, display);
        if (!read)
            return;
        QCOMPARE(DocumentFormat::save(read->display, read->encoding), bytes);
        QCOMPARE(DocumentCodec::firstUnencodable(display + u"\U0001F600"_s, *kind), display.size());
    }

    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("links"); // start length address; ...
        const auto row = [](const char* name, const QString& text, const char* links) {
            QTest::newRow(name) << text << QString(links);
        };
        row("http", "see http://example.com now", "4 18 http://example.com");
        row("https at a line end", "x https://a.org/p\nnext", "2 15 https://a.org/p");
        row("ftp", "ftp://ftp.x.net/pub", "0 19 ftp://ftp.x.net/pub");
        row("www gains http", "www.scene.org", "0 13 http://www.scene.org");
        row("upper case", "WWW.A.COM", "0 9 http://WWW.A.COM");
        row("full stop after", "Visit www.a.com.", "6 9 http://www.a.com");
        row("punctuation after", "at http://a.com/x?!;", "3 14 http://a.com/x");
        row("in brackets", "(http://a.com/b)", "1 14 http://a.com/b");
        row("bracket pair kept", "(http://w.org/A_(b)).", "1 18 http://w.org/A_(b)");
        row("square brackets", "[www.a.com]", "1 9 http://www.a.com");
        row("lone LF ends it", "http://a.com\u2028/b", "0 12 http://a.com");
        row("lone CR ends it", "www.a.com\uFDD0x", "0 9 http://www.a.com");
        row("two lines", "www.a.com\nwww.b.com", "0 9 http://www.a.com;10 9 http://www.b.com");
        row("frame ends it", "\u2551http://a.com\u2551", "1 12 http://a.com");
        row("bar ends it", "|www.a.com|", "1 9 http://www.a.com");
        row("e-mail", "mail: group@example.org.", "6 17 mailto:group@example.org");
        row("e-mail in a frame", "\u2502info.x@x-y.net\u2502", "1 14 mailto:info.x@x-y.net");
        row("user in a web address", "http://u@h.com/", "0 15 http://u@h.com/");
        row("both", "http://a.com, me@b.de", "0 12 http://a.com;14 7 mailto:me@b.de");
        row("no domain", "a@b  user@localhost  x@y.1  @@@", "");
        row("scheme alone", "http:// and www.", "");
        row("inside a word", "xwww.a.com a.www.b.com", "");
        row("none", "\u2591\u2592\u2593 no links here", "");
    }
    void find()
    {
        QFETCH(QString, text);
        QFETCH(QString, links);
        QStringList found;
        for (const LinkFinder::Link& link : LinkFinder::find(text))
            found += QString("%1 %2 %3").arg(link.start).arg(link.length).arg(link.address);
        QCOMPARE(found.join(';'), links);
    }

    void recentFiles_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("list");
        const QStringList eight = {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s};
        QTest::newRow("order kept") << eight.mid(0, 3) << eight.mid(0, 3);
        QTest::newRow("stops at the first gap")
            << QStringList{u"A"_s, {}, u"C"_s} << QStringList{u"A"_s};
        QTest::newRow("repeats keep the first")
            << QStringList{u"/x/A"_s, u"/x/B"_s, u"/x/A"_s} << QStringList{u"/x/A"_s, u"/x/B"_s};
        // Letter case tells files apart here, as the file system does.
        QTest::newRow("other letter case, another file")
            << QStringList{u"/x/A"_s, u"/X/a"_s} << QStringList{u"/x/A"_s, u"/X/a"_s};
        QTest::newRow("eight stored, six shown") << eight << eight.mid(0, 6);
    }

    void recentFiles()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, list);
        RecentFiles recent;
        recent.load([&stored](int n) { return stored.value(n); });
        QCOMPARE(recent.paths(), list);
        // A listed path moves to the top.
        recent.add(list.constLast());
        QCOMPARE(recent.paths().constFirst(), list.constLast());
        QCOMPARE(recent.paths().size(), list.size());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        const auto row = [](const char* name, const QStringList& arguments, const QString& path) {
            QTest::newRow(name) << QStringList{u"quilra"_s} + arguments << path;
        };
        row("none", {}, {});
        row("split by the shell, joined by blanks", {u"/a/my"_s, u"art.nfo"_s}, u"/a/my art.nfo"_s);
        row("quoted", {u"\"/a/my art.nfo\""_s}, u"/a/my art.nfo"_s);
        row("opening quote only loses the last character", {u"\"/a/b.nfo"_s}, u"/a/b.nf"_s);
        row("a lone quote names nothing", {u"\""_s}, {});
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QCOMPARE(CommandLine::documentPath(CommandLine::argumentText(arguments)), path);
    }
};

QUILRA_TEST_MAIN(TestDocumentFormat)
#include "tst_documentformat.moc"
