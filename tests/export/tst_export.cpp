#include "BenchArt.h"
#include "ansi/AnsiInterpreter.h"
#include "app/CommandLine.h"
#include "app/CommandLineTool.h"
#include "documents/Cp437.h"
#include "documents/DocumentFormat.h"
#include "export/DocumentExport.h"
#include "export/HuffmanCode.h"
#include "export/VgaFace.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/Form1.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <atomic>
#include <cmath>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr quint32 kText = 0x112233;
constexpr quint32 kBackground = 0xFFEEDD;

DocumentExport::Result exported(const QString& display, DocumentExport::Format format,
                                int columns = 8, int scale = 1)
{
    DocumentExport::Options options;
    options.format = format;
    options.columns = columns;
    options.scale = scale;
    options.text = kText;
    options.background = kBackground;
    options.title = "R&D <1>.nfo";
    return DocumentExport(VgaFace::locate()).render(display, options);
}

QImage picture(const QString& display, int columns = 8, int scale = 1)
{
    return QImage::fromData(exported(display, DocumentExport::Format::Png, columns, scale).bytes,
                            "PNG");
}

QByteArray exportedArt(const QByteArray& input, bool ansi, DocumentExport::Format format,
                       int columns, int scale)
{
    DocumentExport::Options options;
    options.format = format;
    options.columns = columns;
    options.scale = scale;
    options.text = kText;
    options.background = kBackground;
    DocumentExport exporter(VgaFace::locate());
    if (!ansi)
        return exporter.render(QString::fromUtf8(input), options).bytes;
    const AnsiCanvas canvas = AnsiInterpreter::interpret(input, *AnsiArt::detect(input));
    return exporter.render(canvas, options).bytes;
}

// Page `page` of a PDF through poppler at 72 dots an inch, or an SVG through librsvg at its
// own size, without smoothing: a null image when the tool is not installed.
QImage rasterised(const QByteArray& bytes, DocumentExport::Format format, int page = 1)
{
    const bool pdf = format == DocumentExport::Format::Pdf;
    const QString tool = QStandardPaths::findExecutable(pdf ? "pdftoppm" : "rsvg-convert");
    QTemporaryDir folder;
    const QString input = TestFiles::write(folder.filePath("in"), bytes);
    const QString number = QString::number(page);
    QProcess run;
    run.start(tool,
              pdf ? QStringList{"-r", "72", "-aa", "no", "-aaVector", "no", "-f", number, "-l",
                                number, "-singlefile", "-png", input, folder.filePath("out")}
                  : QStringList{"-o", folder.filePath("out.png"), input});
    run.waitForFinished(60000);
    return QImage(folder.filePath("out.png")).convertToFormat(QImage::Format_RGB32);
}

QString pdfText(const QByteArray& pdf)
{
    QTemporaryDir folder;
    QProcess run;
    run.start("pdftotext", {"-layout", TestFiles::write(folder.filePath("in.pdf"), pdf), "-"});
    run.waitForFinished(60000);
    return QString::fromUtf8(run.readAllStandardOutput());
}

bool vectorToolsMissing()
{
    return QStandardPaths::findExecutable("pdftoppm").isEmpty() ||
           QStandardPaths::findExecutable("pdftotext").isEmpty() ||
           QStandardPaths::findExecutable("rsvg-convert").isEmpty();
}

// A row of pixels: '#' the text colour, '.' the background, '?' anything else.
QString pixels(const QImage& image, int y, int width)
{
    QString row;
    for (int x = 0; x < width; ++x) {
        const QRgb rgb = image.pixel(x, y) & 0xFFFFFF;
        row += rgb == kText ? '#' : rgb == kBackground ? '.' : '?';
    }
    return row;
}

// The real program, without a display, in `folder`.
struct Run
{
    int status;
    QString output;
    QString errors;
};
Run runProgram(const QStringList& arguments, const QString& folder)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder);
    program.start(QUILRA_EXECUTABLE, arguments);
    program.waitForFinished(60000);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

// The peak resident memory (VmHWM) in KB of the real program run with `arguments` in
// `folder`, as the kernel reports it for that one child to wait4(); -1 when the run failed.
// Under the sanitizers, freed memory is held back only briefly, so that it is not counted.
long peakKilobytes(const QStringList& arguments, const QString& folder)
{
    std::vector<QByteArray> strings{QUILRA_EXECUTABLE};
    for (const QString& argument : arguments)
        strings.push_back(argument.toLocal8Bit());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    if (environment.contains("ASAN_OPTIONS"))
        environment.insert("ASAN_OPTIONS",
                           environment.value("ASAN_OPTIONS") + ":quarantine_size_mb=4");
    std::vector<QByteArray> variables;
    for (const QString& variable : environment.toStringList())
        variables.push_back(variable.toLocal8Bit());
    std::vector<char*> argv;
    std::vector<char*> envp;
    for (QByteArray& string : strings)
        argv.push_back(string.data());
    for (QByteArray& variable : variables)
        envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    const QByteArray where = QFile::encodeName(folder);
    const pid_t pid = fork();
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0)
            dup2(quiet, STDOUT_FILENO);
        if (chdir(where.constData()) == 0)
            execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    int status = 0;
    rusage usage = {};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (VgaFace::locate().isEmpty())
            QSKIP("the VGA face of fonts-pc is not installed");
    }

    void glyphPixels_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("row");
        QTest::newRow("B0 row 0") << "\u2591" << 8 << 1 << 0 << "...#...#";
        QTest::newRow("B0 ninth blank") << "\u2591" << 9 << 1 << 0 << "...#...#.";
        QTest::newRow("C5 stem") << "\u253C" << 8 << 1 << 3 << "...##...";
        QTest::newRow("C5 bar, ninth repeats") << "\u253C" << 9 << 1 << 7 << "#########";
        QTest::newRow("DB, ninth repeats") << "\u2588" << 9 << 1 << 15 << "#########";
        QTest::newRow("A row 3") << "A" << 8 << 1 << 3 << "..###...";
        QTest::newRow("A bar, ninth blank") << "A" << 9 << 1 << 7 << "#######..";
        QTest::newRow("A x2, row 3 top") << "A" << 8 << 2 << 6 << "....######......";
        QTest::newRow("B0 x2, row 1") << "\u2591" << 8 << 2 << 3 << "..##......##....";
        QTest::newRow("DB x2, 9 columns") << "\u2588" << 9 << 2 << 31 << "##################";
        QTest::newRow("no glyph: box top") << "\u4E2D" << 8 << 1 << 2 << ".######.";
        QTest::newRow("NUL blank") << QString(QChar(0)) << 8 << 1 << 7 << "........";
    }
    void glyphPixels()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(int, scale);
        QFETCH(int, y);
        QFETCH(QString, row);
        const QImage image = picture(text, columns, scale);
        QCOMPARE(image.size(), QSize(columns * scale, 16 * scale));
        QCOMPARE(pixels(image, y, int(row.size())), row);
    }

    void allGlyphsAreTheFaces()
    {
        // Every code's cell against the face as Qt draws it, unsmoothed, at 16 pixels.
        const QStringList families = QFontDatabase::applicationFontFamilies(
            QFontDatabase::addApplicationFont(VgaFace::locate()));
        QVERIFY(!families.isEmpty());
        QFont font(families.first());
        font.setPixelSize(16);
        font.setStyleStrategy(QFont::NoAntialias);
        QImage drawn(256 * 8, 16, QImage::Format_RGB32);
        drawn.fill(kBackground);
        QPainter painter(&drawn);
        painter.setFont(font);
        painter.setPen(QColor(kText));
        QString line;
        for (int code = 0; code < 256; ++code) {
            line += Cp437::toUnicode(uchar(code));
            painter.drawText(QPoint(code * 8, 12), QString(line.back()));
        }
        painter.end();
        const QImage image = picture(line);
        QCOMPARE(image.size(), drawn.size());
        QList<int> different;
        for (int code = 0; code < 256; ++code) {
            for (int y = 0; y < 16; ++y) {
                if (image.copy(code * 8, y, 8, 1).convertToFormat(QImage::Format_RGB32) !=
                    drawn.copy(code * 8, y, 8, 1)) {
                    different.append(code);
                    break;
                }
            }
        }
        QCOMPARE(different, QList<int>());
    }

    void pictureSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("the longest line") << "AB\nABCD" << 8 << 1 << QSize(32, 32);
        QTest::newRow("empty lines") << "A\n\n\nB" << 8 << 1 << QSize(8, 64);
        QTest::newRow("last line end") << "AB\n" << 8 << 1 << QSize(16, 16);
        QTest::newRow("empty text") << "" << 8 << 1 << QSize(8, 16);
        QTest::newRow("tab") << "\tA" << 8 << 1 << QSize(72, 16);
        QTest::newRow("LF, CR") << "A\u2028B\uFDD0C" << 8 << 1 << QSize(8, 48);
        QTest::newRow("long line") << QString(3000, 'x') << 8 << 4 << QSize(96000, 64);
    }
    void pictureSize()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(int, scale);
        QFETCH(QSize, size);
        QCOMPARE(picture(text, columns, scale).size(), size);
    }

    void html_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("part");
        QTest::newRow("escaped") << "<B&W> \"q\" 'a'"
                                 << "<pre>\n&lt;B&amp;W&gt; &quot;q&quot; &#39;a&#39;</pre>";
        QTest::newRow("title") << ""
                               << "<title>R&amp;D &lt;1&gt;.nfo</title>";
        QTest::newRow("colours") << ""
                                 << "color: #112233; background: #ffeedd;";
        QTest::newRow("link")
            << "(http://a.io/?x=1&y=2)."
            << "(<a href=\"http://a.io/?x=1&amp;y=2\">http://a.io/?x=1&amp;y=2</a>).";
        QTest::newRow("www, e-mail") << "www.a.io me@b.de"
                                     << "<a href=\"http://www.a.io\">www.a.io</a> "
                                        "<a href=\"mailto:me@b.de\">me@b.de</a>";
        QTest::newRow("line ends, NUL") << "\nA\u2028" + QString(QChar(0)) + "\uFDD0\u2591"
                                        << "<pre>\n\nA\n \n\u2591</pre>";
    }
    void html()
    {
        QFETCH(QString, text);
        QFETCH(QString, part);
        const QString page = QString::fromUtf8(exported(text, DocumentExport::Format::Html).bytes);
        QVERIFY2(page.contains(part), qPrintable(page));
    }

    void utf8Text()
    {
        const auto opened = DocumentFormat::open(QByteArray("\xB0\r\nA\nB\rC\x00\xDB", 10));
        QCOMPARE(exported(opened.display, DocumentExport::Format::Text).bytes,
                 QByteArray("\xE2\x96\x91\r\nA\nB\rC \xE2\x96\x88"));
    }

    void vectorMatchesPng_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("ansi");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<quint32>("rgb");
        const QByteArray text =
            "\u2554\u2550\u2557 A(\\)\n\u2591\u2592\u2593\tx\u263A\n\u2588\u4E2D";
        const QByteArray ansi = "\x1b[1;31;44mA\xDB\x1b[0;32m\xB1 \x1b[47;30m\xC4\xC4\r\n"
                                "\x1b[33;41mB\xDF\x1b[0m\r\n";
        for (const char* name : {"pdf", "svg"}) {
            const QString format = name;
            QTest::addRow("%s text", name)
                << format << text << false << 8 << 1 << QPoint(3, 40) << kText;
            QTest::addRow("%s text, 9 columns x2", name)
                << format << text << false << 9 << 2 << QPoint(17, 14) << kText;
            QTest::addRow("%s ANSI", name)
                << format << ansi << true << 8 << 1 << QPoint(0, 0) << quint32(0x0000AA);
            QTest::addRow("%s ANSI, 9 columns x3", name)
                << format << ansi << true << 9 << 3 << QPoint(30, 3) << quint32(0xFF5555);
        }
    }
    void vectorMatchesPng()
    {
        // Rasterised at one pixel a unit, the vector forms are the PNG picture exactly.
        QFETCH(QString, name);
        const DocumentExport::Format format = *DocumentExport::formatNamed(name);
        QFETCH(QByteArray, input);
        QFETCH(bool, ansi);
        QFETCH(int, columns);
        QFETCH(int, scale);
        QFETCH(QPoint, at);
        QFETCH(quint32, rgb);
        if (vectorToolsMissing())
            QSKIP("poppler-utils or librsvg2-bin is not installed");
        const QImage image = rasterised(exportedArt(input, ansi, format, columns, scale), format);
        QCOMPARE(image.pixel(at) & 0xFFFFFF, rgb);
        QCOMPARE(image, QImage::fromData(
                            exportedArt(input, ansi, DocumentExport::Format::Png, columns, scale))
                            .convertToFormat(QImage::Format_RGB32));
    }

    void pdfTextAndPages()
    {
        if (vectorToolsMissing())
            QSKIP("poppler-utils is not installed");
        const auto pdf = DocumentExport::Format::Pdf;
        QCOMPARE(
            pdfText(exported("\u2554\u2550\u2557 A(\\)\n\u2591\u00E9\u263A |\r\u2588\u4E2D", pdf)
                        .bytes),
            "\u2554\u2550\u2557 A(\\)\n\u2591\u00E9\u263A |\n\u2588\uFFFD\n\f");
        // 902 lines: 900 rows of cells fill a page of 14,400 points, two rows the next.
        const QByteArray bytes =
            exported(QString("A\n").repeated(900) + "\u2588\n\u2588", pdf).bytes;
        QCOMPARE(rasterised(bytes, pdf, 1).size(), QSize(8, 14400));
        const QImage second = rasterised(bytes, pdf, 2);
        QCOMPARE(second.size(), QSize(8, 32));
        QCOMPARE(pixels(second, 0, 8), "########");
        QCOMPARE(pixels(second, 31, 8), "########");
        QCOMPARE(exported(QString(1801, 'x'), pdf).error,
                 "The page would be wider than 14400 points, the most a PDF page may be, so no "
                 "PDF document was made. A smaller scale or 8-pixel cells may fit.");
    }

    void vectorSizes()
    {
        // The typical NFO: a PDF and an SVG of at most 200 KB each; dense random art: a PDF no
        // larger than its PNG.
        const QString typical = DocumentFormat::open(typicalNfo()).display;
        QVERIFY(exported(typical, DocumentExport::Format::Pdf).bytes.size() <= 200 * 1024);
        QVERIFY(exported(typical, DocumentExport::Format::Svg).bytes.size() <= 200 * 1024);
        const QString dense = DocumentFormat::open(randomArt(2000)).display;
        QVERIFY(exported(dense, DocumentExport::Format::Pdf).bytes.size() <=
                exported(dense, DocumentExport::Format::Png).bytes.size());
    }

    void exportMenu()
    {
        auto&& [dialogs, window] = StartedProgram();
        Form1* form = window->form1();
        form->setText("\xDB\xDB\r\nR&D");
        form->setDocumentColours(QColor(kText), QColor(kBackground));
        const QString folder = TestEnvironment::instance().root();
        dialogs.answerNext(folder + "/menu.png");
        dialogs.answerNext(folder + "/menu.html");
        dialogs.answerNext(folder + "/no folder/menu.txt");
        window->findChild<QAction*>("mnuexportpng")->trigger();
        window->findChild<QAction*>("mnuexporthtml")->trigger();
        window->findChild<QAction*>("mnuexporttxt")->trigger();
        dialogs.answerNext(folder + "/menu.pdf");
        dialogs.answerNext(folder + "/menu.svg");
        window->findChild<QAction*>("mnuexportpdf")->trigger();
        window->findChild<QAction*>("mnuexportsvg")->trigger();
        QVERIFY(TestFiles::read(folder + "/menu.pdf").startsWith("%PDF-1.4\n"));
        QVERIFY(TestFiles::read(folder + "/menu.svg").contains("width=\"24\" height=\"32\""));
        QCOMPARE(dialogs.asked.last().text, "SVG Picture (*.svg)|*.svg");
        const QImage image(folder + "/menu.png");
        QCOMPARE(image.size(), QSize(24, 32));
        QCOMPARE(pixels(image, 0, 24), "################........");
        QVERIFY(TestFiles::read(folder + "/menu.html").contains("R&amp;D</pre>"));
        QCOMPARE(dialogs.messages(), QStringList{"File could not be saved."});
        QCOMPARE(dialogs.asked.first().title, "Export PNG Picture");
        QCOMPARE(dialogs.asked.first().text, "PNG Picture (*.png)|*.png");
    }

    void toolOrWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("tool");
        QTest::newRow("a path with a blank") << QStringList{"quilra", "my", "art.nfo"} << false;
        QTest::newRow("--export") << QStringList{"quilra", "a.nfo", "--export", "png"} << true;
        QTest::newRow("unknown option") << QStringList{"quilra", "--art.nfo"} << true;
        QTest::newRow("after --") << QStringList{"quilra", "--", "--help"} << false;
    }
    void toolOrWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, tool);
        QCOMPARE(CommandLineTool::handles(arguments), tool);
        QCOMPARE(CommandLine::argumentText({"quilra", "--", "--x", "y.nfo"}), "--x y.nfo");
    }

    void batch()
    {
        // Without a display: one file missing, the others written, each where it belongs.
        QTemporaryDir folder;
        TestFiles::write(folder.filePath("art.nfo"), "\xDB\xDB\xDB\r\n");
        TestFiles::write(folder.filePath("sub/b.nfo"), "\xB0");
        const Run run =
            runProgram({"--export", "png", "--scale", "2", "art.nfo", "missing.nfo", "sub/b.nfo"},
                       folder.path());
        QCOMPARE(run.errors, "quilra: missing.nfo: File not found.\n");
        QCOMPARE(run.status, 1);
        QCOMPARE(QImage(folder.filePath("art.png")).size(), QSize(48, 32));
        QCOMPARE(QImage(folder.filePath("sub/b.png")).size(), QSize(16, 32));

        const Run into =
            runProgram({"--export", "txt", "--output", "sub", "art.nfo"}, folder.path());
        QCOMPARE(into.status, 0);
        QCOMPARE(TestFiles::read(folder.filePath("sub/art.txt")),
                 "\xE2\x96\x88\xE2\x96\x88\xE2\x96\x88\r\n");
        for (const char* format : {"pdf", "svg"})
            QCOMPARE(runProgram({"--export", format, "--output", "sub", "art.nfo"}, folder.path())
                         .status,
                     0);
        QVERIFY(TestFiles::read(folder.filePath("sub/art.pdf")).startsWith("%PDF-1.4\n"));
        QVERIFY(TestFiles::read(folder.filePath("sub/art.svg")).contains("<svg "));
    }

    void streamingMemory()
    {
        // 25,000 lines of random dense art at scale 4: a picture of 513 MB at one bit a pixel,
        // a PNG file of about 15 MB, exported with less memory than the file beyond the
        // program's own.
        QTemporaryDir folder;
        TestFiles::write(folder.filePath("big.nfo"), randomArt(25000));
        const long idle = peakKilobytes({"--version"}, folder.path());
        const long exporting =
            peakKilobytes({"--export", "png", "--scale", "4", "big.nfo"}, folder.path());
        QVERIFY(idle > 0 && exporting > 0);
        QVERIFY(QFileInfo(folder.filePath("big.png")).size() > 12 * 1024 * 1024);
        QVERIFY2(exporting - idle < 12 * 1024,
                 qPrintable(QStringLiteral("%1 KB beyond %2 KB").arg(exporting - idle).arg(idle)));
        // The PDF too: 112 pages of 225 rows.
        const long pdf =
            peakKilobytes({"--export", "pdf", "--scale", "4", "big.nfo"}, folder.path());
        QVERIFY2(pdf > 0 && pdf - idle < 12 * 1024, qPrintable(QString::number(pdf - idle)));
    }

    void progressAndCancel()
    {
        // 300 lines: 4,800 rows of pixels.
        const QString display = QString("A\n").repeated(300);
        DocumentExport exporter(VgaFace::locate());
        QList<qint64> reports;
        std::atomic<bool> cancel = false;
        DocumentExport::Progress progress;
        progress.report = [&reports](qint64 done, qint64 total) { reports << done << total; };
        progress.cancel = &cancel;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QCOMPARE(exporter.write(display, {}, buffer, progress), QString());
        QCOMPARE(reports, (QList<qint64>{4096, 4800, 4800, 4800}));
        QCOMPARE(QImage::fromData(bytes).size(), QSize(8, 4800));
        cancel = true;
        DocumentExport::Options svg;
        svg.format = DocumentExport::Format::Svg;
        for (const DocumentExport::Options& options : {DocumentExport::Options(), svg})
            QCOMPARE(exporter.write(display, options, buffer, progress),
                     "The export was cancelled, so nothing was written.");
        QCOMPARE(exported(QString(600000, 'x'), DocumentExport::Format::Png, 9, 1).error,
                 "The picture would be wider than 4194304 or taller than 2147483647 pixels, so "
                 "no picture was made.");
    }

    void huffmanLengthLimit()
    {
        // Frequencies that grow as Fibonacci's numbers make a tree 24 deep; deflate allows 15.
        std::vector<quint32> frequencies{1, 1};
        while (frequencies.size() < 25)
            frequencies.push_back(frequencies.back() + frequencies[frequencies.size() - 2]);
        const HuffmanCode code(frequencies, 15);
        double kraft = 0;
        for (const quint8 length : code.lengths())
            kraft += std::ldexp(1.0, -length);
        QCOMPARE(*std::max_element(code.lengths().begin(), code.lengths().end()), 15);
        QCOMPARE(kraft, 1.0);
        QCOMPARE(code.length(24), 1);
    }

    void generateWithoutAWindow()
    {
        QTemporaryDir folder;
        const Run made = runProgram({"--generate", "movie", "--field", "title=Night Shift",
                                     "--link", "no", "--output", "out.nfo"},
                                    folder.path());
        QCOMPARE(made.errors, QString());
        QCOMPARE(made.status, 0);
        const QByteArray nfo = TestFiles::read(folder.filePath("out.nfo"));
        QVERIFY(nfo.contains("Night Shift") && nfo.contains("Unknown") && !nfo.contains('$'));
        const Run unknown = runProgram(
            {"--generate", "movie", "--field", "colour=red", "--output", "no.nfo"}, folder.path());
        QCOMPARE(unknown.status, 2); // a usage error
        QCOMPARE(unknown.errors.count('\n'), 1);
        QVERIFY(!QFile::exists(folder.filePath("no.nfo")));
        QCOMPARE(runProgram({"--generate", "movie"}, folder.path()).status, 2); // no --output
    }

    void neverWritesOverAnInputOrThroughALink_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("errors");
        QTest::newRow("an input is another input's target")
            << QStringList{"--export", "txt", "readme.nfo", "readme.txt"}
            << "quilra: readme.nfo: readme.txt is one of the files read; it is not written "
               "over.\nquilra: readme.txt: the export would replace the file itself.\n";
        QTest::newRow("a hard link of the input")
            << QStringList{"--export", "txt", "--output", "hard.txt", "readme.nfo"}
            << "quilra: readme.nfo: the export would replace the file itself.\n";
        QTest::newRow("a link planted beside the input")
            << QStringList{"--export", "txt", "art.nfo"}
            << "quilra: art.nfo: art.txt is a symbolic link; nothing is written through it.\n";
        QTest::newRow("a FIFO") << QStringList{"--export", "html", "--output", "fifo", "art.nfo"}
                                << "quilra: art.nfo: fifo is a device, a pipe or a socket, not a "
                                   "file; nothing is written to it.\n";
        QTest::newRow("the template generated over")
            << QStringList{"--generate", "movie", "--template", "t.nfo", "--output", "t.nfo"}
            << "quilra: t.nfo is one of the files read; it is not written over.\n";
        QTest::newRow("generated through a link")
            << QStringList{"--generate", "movie", "--template", "t.nfo", "--output", "art.txt"}
            << "quilra: art.txt is a symbolic link; nothing is written through it.\n";
    }
    void neverWritesOverAnInputOrThroughALink()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, errors);
        QTemporaryDir folder;
        const auto path = [&](const char* name) {
            return QFile::encodeName(folder.filePath(name));
        };
        const QList<QByteArray> files{"readme.nfo", "readme.txt", "art.nfo", "victim", "t.nfo"};
        for (const QByteArray& name : files)
            TestFiles::write(folder.filePath(name), name);
        QVERIFY(::symlink(path("victim"), path("art.txt")) == 0);
        QVERIFY(::link(path("readme.nfo"), path("hard.txt")) == 0);
        QVERIFY(::mkfifo(path("fifo"), 0644) == 0);
        const Run run = runProgram(arguments, folder.path());
        QCOMPARE(run.errors, errors);
        QCOMPARE(run.status, 1);
        for (const QByteArray& name : files)
            QCOMPARE(TestFiles::read(folder.filePath(name)), name);
        QVERIFY(QFileInfo(folder.filePath("art.txt")).isSymLink());
    }

    void help()
    {
        const Run run = runProgram({"--help"}, QDir::tempPath());
        QCOMPARE(run.status, 0);
        for (const char* part : {"[options] FILE...", "--export <FORMAT>", "--output <PATH>",
                                 "--scale <N>", "--columns <N>", "--version",
                                 "--generate <movie|application>", "--field <NAME=VALUE>"})
            QVERIFY2(run.output.contains(part), qPrintable(run.output));
        QCOMPARE(runProgram({"--version"}, QDir::tempPath()).output, "Quilra v1.0\n");
        QCOMPARE(runProgram({"--export", "gif", "a.nfo"}, QDir::tempPath()).status, 2);
    }

    void recentFilesSurviveAKill()
    {
        // The window program, killed as soon as its file is open: the recent files are kept
        // when they change, not only at a clean exit.
        QTemporaryDir home;
        const QString nfo = TestFiles::write(home.filePath(u"killed.nfo"_s), "art");
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment() +
                               QStringList{u"QT_QPA_PLATFORM=offscreen"_s,
                                           u"XDG_CONFIG_HOME="_s + home.filePath(u"config"_s),
                                           u"XDG_DATA_HOME="_s + home.filePath(u"data"_s)});
        program.start(QUILRA_EXECUTABLE, {nfo});
        const QString store = home.filePath(u"config/Quilra/Quilra.conf"_s);
        QTRY_VERIFY_WITH_TIMEOUT(TestFiles::read(store).contains("killed.nfo"), 20000);
        program.kill();
        program.waitForFinished();
        QVERIFY(TestFiles::read(store).contains("0=" + QFile::encodeName(nfo)));
    }
};

QUILRA_TEST_MAIN(TestExport)
#include "tst_export.moc"
