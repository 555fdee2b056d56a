#include "app/CommandLine.h"
#include "documents/NfoFile.h"
#include "documents/NfoFormat.h"
#include "documents/RecentFiles.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

using TestFiles::allCodes;

class TestNfoFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void documentText_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("text");
        const auto row = [](const char* name, const QByteArray& file, const QByteArray& text) {
            QTest::newRow(name) << file << text;
        };
        row("empty", ""_ba, ""_ba);
        row("CR LF lines", "A\r\nB\r\n"_ba, "A\r\nB\r\n"_ba);
        row("no final line end", "A\r\nB"_ba, "A\r\nB\r\n"_ba);
        row("blank line kept", "A\r\n\r\nB"_ba, "A\r\n\r\nB\r\n"_ba);
        row("LF only is one line", "A\nB\n"_ba, "A\nB\n\r\n"_ba);
        row("lone CR ends a line", "A\rB\r"_ba, "A\r\nB\r\n"_ba);
        row("CR CR LF", "A\r\r\nB"_ba, "A\r\n\r\nB\r\n"_ba);
        row("LF CR", "A\n\rB"_ba, "A\n\r\nB\r\n"_ba);
        row("lone CR at the very end", "\r"_ba, "\r\n"_ba);
        row("Ctrl-Z is an ordinary code", "A\x1A\x42\r\nC"_ba, "A\x1A\x42\r\nC\r\n"_ba);
        row("all 256 codes", allCodes(),
            allCodes().left(13) + "\r\n" + allCodes().mid(14) + "\r\n");
    }

    void documentText()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, text);
        QCOMPARE(NfoFormat::documentText(file), text);
    }

    void saveAfterLoad_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char* name, const QByteArray& file, const QByteArray& saved) {
            QTest::newRow(name) << file << saved;
        };
        row("ends with CR LF: every byte kept", "\xC9\xCD\xBB\r\n\xB0\r\n"_ba,
            "\xC9\xCD\xBB\r\n\xB0\r\n"_ba);
        row("blank lines at the end kept", "A\r\n\r\n\r\n"_ba, "A\r\n\r\n\r\n"_ba);
        row("no final line end gains one", "A\r\nB"_ba, "A\r\nB\r\n"_ba);
        row("lone CR lines come back with CR LF", "A\rB\r"_ba, "A\r\nB\r\n"_ba);
        row("LF-only file keeps its LFs", "A\nB\n"_ba, "A\nB\n\r\n"_ba);
        row("empty file saves CR LF", ""_ba, "\r\n"_ba);
    }

    void saveAfterLoad()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, saved);
        QCOMPARE(NfoFormat::fileBytes(NfoFormat::documentText(file)), saved);
        // Loading what was saved and saving again changes nothing more.
        QCOMPARE(NfoFormat::fileBytes(NfoFormat::documentText(saved)), saved);
    }

    void recentFiles()
    {
        RecentFiles list;
        QCOMPARE(list.lastIndex(), -1);
        for (int i = 1; i <= 7; ++i)
            list.add(u"/f%1.nfo"_s.arg(i));
        QCOMPARE(list.paths(), QStringList({u"/f7.nfo"_s, u"/f6.nfo"_s, u"/f5.nfo"_s, u"/f4.nfo"_s,
                                            u"/f3.nfo"_s, u"/f2.nfo"_s}));
        QCOMPARE(list.lastIndex(), 5);

        // A listed path in other letter case moves to the top in the case given now.
        list.add(u"/F4.NFO"_s);
        QCOMPARE(list.paths(), QStringList({u"/F4.NFO"_s, u"/f7.nfo"_s, u"/f6.nfo"_s, u"/f5.nfo"_s,
                                            u"/f3.nfo"_s, u"/f2.nfo"_s}));
        QCOMPARE(list.find(u"/f5.NFO"_s), 3);
        list.add(u"/F4.NFO"_s);
        QCOMPARE(list.paths().size(), 6);
    }

    void recentFilesFromTheStore_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("list");
        const QStringList eight = {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s};
        QTest::newRow("order kept") << eight.mid(0, 3) << eight.mid(0, 3);
        QTest::newRow("stops at the first gap")
            << QStringList{u"A"_s, {}, u"C"_s} << QStringList{u"A"_s};
        QTest::newRow("duplicates keep the first")
            << QStringList{u"/x/A"_s, u"/x/B"_s, u"/X/a"_s} << QStringList{u"/x/A"_s, u"/x/B"_s};
        QTest::newRow("eight stored, six shown") << eight << eight.mid(0, 6);
    }

    void recentFilesFromTheStore()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, list);
        RecentFiles recent;
        recent.load([&stored](int n) { return stored.value(n); });
        QCOMPARE(recent.paths(), list);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path");
        const auto row = [](const char* name, const QStringList& arguments, const QString& path) {
            QTest::newRow(name) << QStringList{u"quilra"_s} + arguments << path;
        };
        row("none", {}, {});
        row("plain", {u"/a/b.nfo"_s}, u"/a/b.nfo"_s);
        row("split by the shell, joined by blanks", {u"/a/my"_s, u"art.nfo"_s}, u"/a/my art.nfo"_s);
        row("quoted", {u"\"/a/my art.nfo\""_s}, u"/a/my art.nfo"_s);
        row("opening quote only loses the last character", {u"\"/a/b.nfo"_s}, u"/a/b.nf"_s);
        row("a lone quote names nothing", {u"\""_s}, {});
        row("two quotes name nothing", {u"\"\""_s}, {});
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QCOMPARE(CommandLine::documentPath(CommandLine::argumentText(arguments)), path);
    }

    void readFailures()
    {
        const QDir folder(TestEnvironment::instance().programDirectory());
        QCOMPARE(NfoFile::read(folder.path()).status, NfoFile::Status::NotFound);
        QCOMPARE(NfoFile::read(folder.filePath(u"missing.nfo"_s)).status,
                 NfoFile::Status::NotFound);
        QCOMPARE(NfoFile::read(QString()).status, NfoFile::Status::NotFound);

        // A file beyond the limit is refused without being read (sparse, so it costs no disk).
        QFile huge(folder.filePath(u"huge.nfo"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(NfoFile::MaxSize + 1));
        huge.close();
        const NfoFile::Contents contents = NfoFile::read(huge.fileName());
        QCOMPARE(contents.status, NfoFile::Status::TooLarge);
        QVERIFY(contents.bytes.isEmpty());
        QFile::remove(huge.fileName());
    }
};

QUILRA_TEST_MAIN(TestNfoFormat)
#include "tst_nfoformat.moc"
