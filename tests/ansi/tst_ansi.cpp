#include "ansi/AnsiDocument.h"
#include "ansi/AnsiInterpreter.h"
#include "export/DocumentExport.h"
#include "export/VgaFace.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// A SAUCE record of character art: DataType 1, FileType `type`, TInfo1 `width`, TFlags
// `flags`, after the Ctrl-Z that ends the art.
QByteArray sauce(int type, int width, int flags)
{
    QByteArray record("SAUCE00");
    record.append(QByteArray(94 - record.size(), ' '));
    record.append('\x01').append(char(type)).append(char(width & 0xFF)).append(char(width >> 8));
    record.append(QByteArray(105 - record.size(), '\0')).append(char(flags));
    record.append(QByteArray(128 - record.size(), '\0'));
    return '\x1A' + record;
}

AnsiCanvas canvasOf(const QByteArray& bytes, bool ice = false)
{
    AnsiArt::Settings settings = AnsiArt::detect(bytes).value_or(AnsiArt::Settings());
    settings.iceColours = settings.iceColours || ice;
    return AnsiInterpreter::interpret(bytes, settings);
}

DocumentExport::Result exported(const AnsiCanvas& canvas, DocumentExport::Format format)
{
    DocumentExport::Options options;
    options.format = format;
    options.title = "<a&b>";
    return DocumentExport(VgaFace::locate()).render(canvas, options);
}

} // namespace

class TestAnsi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cells_data()
    {
        struct Case
        {
            const char* name;
            QByteArray bytes;
            bool ice;
            QPoint at;
            const char* cell; // the character, foreground, background
        };
        const QByteArray sgr = "\x1b[1;31;44mA\x1b[0mB";
        const QByteArray wide = QByteArray(80, 'x');
        const Case cases[] = {
            {"bold, then reset", sgr, false, {0, 0}, "A 9 4"},
            {"after reset", sgr, false, {1, 0}, "B 7 0"},
            {"empty SGR resets", "\x1b[32mA\x1b[mB", false, {1, 0}, "B 7 0"},
            {"reverse", "\x1b[31;44;7mR", false, {0, 0}, "R 4 1"},
            {"39/49 defaults", "\x1b[31;44m\x1b[39;49mD", false, {0, 0}, "D 7 0"},
            {"blink, iCE off", "\x1b[5;45mB", false, {0, 0}, "B 7 5"},
            {"blink, iCE on", "\x1b[5;45mB", true, {0, 0}, "B 7 13"},
            {"up, right", "AB\r\n\x1b[A\x1b[3CZ", false, {3, 0}, "Z 7 0"},
            {"left, down", "ABC\x1b[2D\x1b[2Bz", false, {1, 2}, "z 7 0"},
            {"position", "\x1b[3;5HP", false, {4, 2}, "P 7 0"},
            {"save, restore", "ab\x1b[s\x1b[5;5Hx\x1b[uc", false, {2, 0}, "c 7 0"},
            {"erase to the end", "ABCD\x1b[2D\x1b[44m\x1b[K", false, {2, 0}, "  7 4"},
            {"erase keeps the start", "ABCD\x1b[2D\x1b[K", false, {1, 0}, "B 7 0"},
            {"wrap at the width", wide + "y", false, {0, 1}, "y 7 0"},
            {"full line, CR LF: an empty row", wide + "\r\ny", false, {0, 2}, "y 7 0"},
            {"tab", "\tT", false, {8, 0}, "T 7 0"},
            {"malformed, skipped", "\x1b[3\x1b[32mG", false, {0, 0}, "G 2 0"},
            {"unknown, skipped", "\x1b[?7h\x1b[2zQ", false, {0, 0}, "Q 7 0"},
            {"far right, clamped", "\x1b[9999Cq", false, {79, 0}, "q 7 0"},
            {"far up, clamped", "\x1b[99Aq", false, {0, 0}, "q 7 0"},
            {"Ctrl-Z ends the art",
             QByteArray("A\x1a"
                        "B"),
             false,
             {1, 0},
             "  7 0"},
            {"SAUCE width 132",
             QByteArray(100, 'x') + "y" + sauce(1, 132, 0),
             false,
             {100, 0},
             "y 7 0"},
            {"SAUCE iCE", "\x1b[5;41mI" + sauce(1, 0, 1), false, {0, 0}, "I 7 9"},
            {"CP437 code", "\x1b[0;33m\xdb\xb0", false, {1, 0}, "\u2591 3 0"},
        };
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ice");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("cell");
        for (const Case& c : cases)
            QTest::newRow(c.name) << c.bytes << c.ice << c.at << QString::fromUtf8(c.cell);
    }
    void cells()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ice);
        QFETCH(QPoint, at);
        QFETCH(QString, cell);
        const AnsiCanvas::Cell c = canvasOf(bytes, ice).cell(at.x(), at.y());
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(QString(QChar(c.code < 128 ? c.code : (c.code == 0xB0 ? 0x2591 : '?'))))
                     .arg(c.foreground())
                     .arg(c.background()),
                 cell);
    }

    void detection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("width"); // 0: a plain file
        QTest::newRow("a plain NFO with one ESC") << QByteArray("Hi \x1b[1m there\r\n") << 0;
        QTest::newRow("four sequences") << QByteArray("\x1b[1m\x1b[2m\x1b[0m\x1b[5m") << 0;
        QTest::newRow("five sequences") << QByteArray("\x1b[1m\x1b[2m\x1b[0m\x1b[5m\x1b[A") << 80;
        QTest::newRow("five after Ctrl-Z")
            << QByteArray("\x1a\x1b[1m\x1b[2m\x1b[0m\x1b[5m\x1b[A") << 0;
        QTest::newRow("SAUCE says ANSi") << QByteArray("plain") + sauce(1, 132, 0) << 132;
        QTest::newRow("SAUCE ASCII, width 0") << QByteArray("plain") + sauce(0, 0, 0) << 0;
        QTest::newRow("SAUCE width 1001") << QByteArray("x") + sauce(1, 1001, 0) << 80;
    }
    void detection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, width);
        const std::optional<AnsiArt::Settings> settings = AnsiArt::detect(bytes);
        QCOMPARE(settings ? settings->width : 0, width);
    }

    void document()
    {
        QVERIFY(!AnsiDocument::open("Hi \x1b[1m there"));
        const auto art = AnsiDocument::open("\x1b[5;41mAB\r\nC  \x1b[1m\x1b[2m\x1b[3m\x1b[4m");
        QVERIFY(art);
        QCOMPARE(art->text(), "AB\nC");
        QCOMPARE(art->cellAt(3), QPoint(0, 1));
        QCOMPARE(art->canvas().cell(0, 0).background(), 1);
        QCOMPARE(art->withIceColours(true).canvas().cell(0, 0).background(), 9);
        QCOMPARE(art->note(), QString());
    }

    void rowLimit()
    {
        const AnsiCanvas canvas = canvasOf(QByteArray(300000, '\n') + "x");
        QCOMPARE(canvas.rows(), 0);
        QVERIFY(canvas.truncated());
        QCOMPARE(canvas.maxRows(), 200000);
    }

    void pictureOfThreeCells()
    {
        // A red full block on blue, a bright green one, a light shade cyan on red.
        const AnsiCanvas canvas = canvasOf("\x1b[31;44m\xdb\x1b[0;1;32m\xdb\x1b[0;36;41m\xb0");
        const QImage image = QImage::fromData(exported(canvas, DocumentExport::Format::Png).bytes);
        QCOMPARE(image.size(), QSize(640, 16));
        QList<QRgb> row;
        for (const int x : {0, 7, 8, 15, 16, 17, 18, 19, 20, 24})
            row.append(image.pixel(x, 0) & 0xFFFFFF);
        QCOMPARE(row, (QList<QRgb>{0xAA0000, 0xAA0000, 0x55FF55, 0x55FF55, 0xAA0000, 0xAA0000,
                                   0xAA0000, 0x00AAAA, 0xAA0000, 0x000000}));
    }

    void html()
    {
        const AnsiCanvas canvas = canvasOf("\x1b[1;31;44m<&>\x1b[0m \"'");
        const QByteArray page = exported(canvas, DocumentExport::Format::Html).bytes;
        QVERIFY2(page.contains("<title>&lt;a&amp;b&gt;</title>"), page);
        QVERIFY2(page.contains("<pre>\n<span style=\"color: #ff5555; background: #0000aa\">"
                               "&lt;&amp;&gt;</span><span style=\"color: #aaaaaa; background: "
                               "#000000\"> &quot;&#39;</span>\n</pre>"),
                 page);
        QCOMPARE(
            exported(canvasOf("\x1b[31mA\xdb \r\n\x1b[1mB"), DocumentExport::Format::Text).bytes,
            "A\xE2\x96\x88\nB");
    }

    void likeAnsilove()
    {
        const QString ansilove = QStandardPaths::findExecutable("ansilove");
        if (ansilove.isEmpty())
            QSKIP("ansilove is not installed (Debian package ansilove)");
        // Box, block and shade codes in every pair of colours, bold and not.
        const QByteArray codes("\xb0\xb1\xb2\xdb\xdc\xdd\xde\xdf\xb3\xc4\xc5\xcd\xba\xce\xc9\xbc");
        QByteArray art;
        for (int i = 0; i < 16 * 8 * 4; ++i) {
            art += QStringLiteral("\x1b[%1;%2;%3m")
                       .arg(i / 128 % 2)
                       .arg(30 + i % 8)
                       .arg(40 + i / 8 % 8)
                       .toLatin1();
            art += codes.at(i % codes.size());
        }
        QTemporaryDir folder;
        const QString file = TestFiles::write(folder.filePath("art.ans"), art);
        QProcess run;
        run.start(ansilove, {"-o", folder.filePath("ansilove.png"), file});
        QVERIFY(run.waitForFinished(60000) && run.exitCode() == 0);
        const QImage theirs =
            QImage(folder.filePath("ansilove.png")).convertToFormat(QImage::Format_RGB32);
        const AnsiCanvas canvas = canvasOf(art);
        const QImage ours = QImage::fromData(exported(canvas, DocumentExport::Format::Png).bytes)
                                .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(canvas.rows(), 7);
        QVERIFY(theirs.height() >= ours.height() && theirs.width() == ours.width());
        QStringList different;
        for (int y = 0; y < canvas.rows(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (ours.copy(x * 8, y * 16, 8, 16) != theirs.copy(x * 8, y * 16, 8, 16))
                    different.append(QStringLiteral("%1,%2").arg(x).arg(y));
            }
        }
        QCOMPARE(different, QStringList());
    }
};

QUILRA_TEST_MAIN(TestAnsi)
#include "tst_ansi.moc"
