#include "app/CommandLine.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"
#include "documents/LinkFinder.h"
#include "documents/RecentFiles.h"
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
    }

    void openAndSaveKeepEveryByte()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, encoding);
        QFETCH(QString, display);
        const DocumentFormat::Opened opened = DocumentFormat::open(file);
        QCOMPARE(TextEncoding::name(opened.encoding.kind), encoding);
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
