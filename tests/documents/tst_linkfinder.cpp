#include "documents/LinkFinder.h"

#include <QTest>

class TestLinkFinder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(TestLinkFinder)
#include "tst_linkfinder.moc"
