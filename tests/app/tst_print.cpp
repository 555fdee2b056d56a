#include "export/PrintLayout.h"
#include "support/ProgramHarness.h"
#include "ui/Form1.h"

#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

class PrintTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A4 at 300 dpi without margins is 2480 x 3508 device pixels.
    void layout_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<qint64>("columns");
        QTest::addColumn<double>("scale");
        QTest::addColumn<qint64>("rows");
        QTest::addColumn<qint64>("pages");
        QTest::newRow("A4, 80 columns") << 2480.0 << qint64(80) << 3.875 << qint64(56) << 4LL;
        QTest::newRow("A4, 120 columns") << 2480.0 << qint64(120) << 2.58333 << 84LL << 3LL;
        QTest::newRow("short lines fill 80") << 2480.0 << qint64(20) << 3.875 << 56LL << 4LL;
        QTest::newRow("exact fit") << 640.0 << qint64(80) << 1.0 << 219LL << 1LL;
    }
    void layout()
    {
        QFETCH(double, width);
        QFETCH(qint64, columns);
        QFETCH(double, scale);
        const PrintLayout layout(width, 3508, columns, 8, 200);
        QCOMPARE(std::round(layout.scale() * 1e5) / 1e5, scale);
        QTEST(layout.rowsPerPage(), "rows");
        QTEST(layout.pages(), "pages");
        QCOMPARE(layout.linesOn(layout.pages() - 1), 200 - layout.firstLine(layout.pages() - 1));
    }

    // 25 lines of upper half blocks, as text or as ANSI art, on pages of 640 x 168 points at
    // 72 dpi: 10 whole rows of 16 pixels a page, the last 8 pixels of each page left blank.
    void printMenu_data()
    {
        const QByteArray text = QByteArray(25, 'x').replace('x', QByteArray(80, '\xDF') + "\n");
        const QByteArray art = QByteArray("\x1B[1;33;44m").repeated(5) + QByteArray(2000, '\xDF');
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("blackOnWhite");
        QTest::addColumn<int>("firstPage");      // of the range chosen, 0 for all
        QTest::addColumn<QByteArray>("pages");   // none: Cancel is clicked as the print starts
        QTest::addColumn<QList<QRgb>>("column"); // pixels at y = 144, 152, 164 of page 1
        const QList<QRgb> colours = {0xFFFFFF00, 0xFF0000FF, 0xFFFFFFFF};
        const QList<QRgb> black = {0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF};
        QTest::newRow("print") << text << "mnuprint" << false << 0 << QByteArray("3") << colours;
        QTest::newRow("black on white")
            << text << "mnuprint" << true << 0 << QByteArray("3") << black;
        QTest::newRow("preview") << text << "mnuprintpreview" << false << 0 << QByteArray("3")
                                 << colours;
        QTest::newRow("pages 2 to 3")
            << text << "mnuprint" << false << 2 << QByteArray("2") << colours;
        QTest::newRow("cancelled")
            << text << "mnuprint" << false << 0 << QByteArray() << QList<QRgb>();
        QTest::newRow("ANSI art") << art << "mnuprint" << false << 0 << QByteArray("3")
                                  << QList<QRgb>{0xFFFFFF55, 0xFF0000AA, 0xFFFFFFFF};
        QTest::newRow("ANSI art, black on white")
            << art << "mnuprintpreview" << true << 0 << QByteArray("3") << black;
    }
    void printMenu()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, item);
        QFETCH(bool, blackOnWhite);
        QFETCH(int, firstPage);
        QFETCH(QByteArray, pages);
        QFETCH(QList<QRgb>, column);
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty() ||
            QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("poppler-utils is not installed");
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText(document);
        window->form1()->setDocumentColours(Qt::yellow, Qt::blue);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("print.pdf");
        window->findChild<QAction*>(item)->trigger(); // unscripted: cancelled
        QVERIFY(!QFile::exists(pdf));
        dialogs.answerNextPrint(
            [&pdf, firstPage](QPrinter& printer) {
                printer.setFromTo(firstPage, firstPage > 0 ? 3 : 0);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(pdf);
                printer.setResolution(72);
                printer.setFullPage(true);
                printer.setPageSize(QPageSize(QSizeF(640, 168), QPageSize::Point, QString(),
                                              QPageSize::ExactMatch));
            },
            blackOnWhite);
        bool busy = false; // while it prints, neither print nor export can start
        if (MDIForm1* top = window.get(); pages.isEmpty())
            QTimer::singleShot(0, top, [&busy, top] {
                busy = !top->findChild<QAction*>("mnuprint")->isEnabled() &&
                       !top->findChild<QAction*>("mnuexportpdf")->isEnabled();
                top->findChild<QPushButton*>("cmdcancelprint")->click();
            });
        window->findChild<QAction*>(item)->trigger();
        if (pages.isEmpty()) {
            QVERIFY(busy && !QFile::exists(pdf) &&
                    !window->findChild<QPushButton*>("cmdcancelprint"));
            QCOMPARE(window->statusBar()->currentMessage(), QString("The print was cancelled."));
            QVERIFY(window->findChild<QAction*>("mnuexportpdf")->isEnabled());
            QVERIFY(window->findChild<QAction*>(item)->isEnabled());
            return;
        }
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished());
        QVERIFY(info.readAll().contains("Pages:           " + pages + "\n"));
        QVERIFY(QProcess::execute("pdftoppm", {"-r", "72", "-l", "1", "-png", pdf,
                                               folder.filePath("page")}) == 0);
        const QImage page(folder.filePath("page-1.png"));
        QCOMPARE(page.size(), QSize(640, 168));
        const QList<QRgb> pixels = {page.pixel(0, 144), page.pixel(639, 152), page.pixel(0, 164)};
        QCOMPARE(pixels, column);
        QCOMPARE(dialogs.asked.size(), 2);
        // Closed, the document window leaves nothing to print.
        QVERIFY(window->findChild<QAction*>(item)->isEnabled());
        dialogs.answerNextQuestion(Dialogs::Answer::Discard);
        window->form1()->close();
        QVERIFY(!window->findChild<QAction*>(item)->isEnabled());
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
