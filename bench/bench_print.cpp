// Prints how long printing takes and how large the pages are, printed to a PDF file on A4 at
// 1200 dots an inch: the random dense NFO of 1,000 and 10,000 lines (80 random codes of B0-DF
// a line), once in its colours and once black on white, and 1,000 rows of ANSI art in full
// colour. Every run of lit pixels is one rectangle, so the time and the size follow how
// broken up the art is.

#include "BenchArt.h"
#include "ansi/AnsiDocument.h"
#include "documents/DocumentFormat.h"
#include "export/VgaFace.h"
#include "ui/PrintPainter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Prints one document into `path` and reports the time, the pages and the file's size.
void report(const char* name, const PrintPainter& painter, bool blackOnWhite, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QElapsedTimer timer;
    timer.start();
    const QString error = painter.paint(printer, blackOnWhite);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (!error.isEmpty()) {
        std::printf("%-40s failed: %s\n", name, qPrintable(error));
        return;
    }
    std::printf("%-40s %9.0f ms %10.0f KB\n", name, ms, double(QFileInfo(path).size()) / 1024);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::optional<VgaFace> face = VgaFace::load(VgaFace::locate());
    if (!face) {
        std::printf("The VGA face (Debian package fonts-pc) is missing: nothing measured\n");
        return 1;
    }
    QTemporaryDir folder;
    std::printf("Printing to PDF, A4 at 1200 dpi:               time      size\n");
    for (const int lines : {1000, 10000}) {
        const QString display = DocumentFormat::open(randomArt(lines)).display;
        const PrintPainter painter(*face, display, 8, Qt::black, Qt::white);
        const QByteArray name = QByteArray::number(lines) + " random lines";
        report(name.constData(), painter, false, folder.filePath(QStringLiteral("a.pdf")));
        report((name + ", black on white").constData(), painter, true,
               folder.filePath(QStringLiteral("b.pdf")));
    }
    const std::optional<AnsiDocument> art = AnsiDocument::open(colourArt(1000));
    if (art)
        report("1000 rows of ANSI art", PrintPainter(*face, art->canvas(), 8), false,
               folder.filePath(QStringLiteral("c.pdf")));
    return 0;
}
