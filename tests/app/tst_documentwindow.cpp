#include "documents/DocumentCodec.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/DocumentFont.h"
#include "ui/Form1.h"

#include <QClipboard>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMdiArea>
#include <QStatusBar>
#include <QTextBlock>

using TestFiles::allCodes;

namespace {

// A frame of box drawing around shades, each line closed by CR LF.
QByteArray boxArt()
{
    return DocumentCodec::fromForeignText(QStringLiteral("╔══════════════════════╗\r\n"
                                                         "║ ░▒▓█ QUILRA NFO █▓▒░ ║\r\n"
                                                         "║ ▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄ ║\r\n"
                                                         "╠══════════╦═══════════╣\r\n"
                                                         "║ ┌──────┐ ║ ████████  ║\r\n"
                                                         "║ └──────┘ ║ ████████  ║\r\n"
                                                         "╚══════════╩═══════════╝\r\n"));
}

void sendTyped(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

} // namespace

class TestDocumentWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void codesThroughTheWidget_data()
    {
        QTest::addColumn<QByteArray>("codes");
        QTest::newRow("all 256 codes on lines") << allCodes() + "\r\n" + allCodes() + "\r\n";
        QTest::newRow("CR LF and blank lines") << QByteArray("\r\nA\r\nB\r\n\r\n");
        QTest::newRow("lone LF") << QByteArray("A\nB\n");
        QTest::newRow("lone CR") << QByteArray("A\rB\r");
        QTest::newRow("CR CR LF and LF CR") << QByteArray("\r\r\n\n\r");
        QTest::newRow("TAB") << QByteArray("\tA\t\tB\r\n");
    }

    void codesThroughTheWidget()
    {
        QFETCH(QByteArray, codes);
        auto&& [dialogs, window] = StartedProgram();
        Form1* form = window->form1();
        form->setText(codes);
        QCOMPARE(form->text(), codes);
        // Typing at the end changes nothing that was there.
        form->txtvimb->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->txtvimb, QStringLiteral("x"));
        QCOMPARE(form->text(), codes + "x");
    }

    void fontAndLineBreaksAsShown()
    {
        auto&& [dialogs, window] = StartedProgram();
        QVERIFY(shown(window.get()));
        Form1* form = window->form1();
        // CR LF breaks paragraphs; a lone LF breaks the line within its paragraph; a lone CR is
        // a glyph on its line.
        form->setText("one\r\ntwo\nthree\rfour");
        QCOMPARE(form->txtvimb->document()->blockCount(), 2);
        const QTextBlock second = form->txtvimb->document()->lastBlock();
        QCOMPARE(second.layout()->lineCount(), 2);
        QCOMPARE(second.text(), QStringLiteral("two\u2028three\u266Afour"));
        // This machine has no face called Terminal: the VGA face stands in at its native size.
        const QFontInfo realised(form->txtvimb->font());
        QCOMPARE(realised.family(), QStringLiteral("Px IBM VGA8"));
        QCOMPARE(realised.pixelSize(), 16);
    }

    void typingAndPastingBecomeCodes()
    {
        auto&& [dialogs, window] = StartedProgram();
        DocumentEditor* editor = window->form1()->txtvimb;
        sendTyped(editor, QStringLiteral("\u00E9")); // e acute
        sendTyped(editor, QStringLiteral("\u2591")); // light shade
        sendTyped(editor, QStringLiteral("\u25CB")); // the glyph of TAB becomes a tab
        QTest::keyClick(editor, Qt::Key_Return);
        QGuiApplication::clipboard()->setText(QStringLiteral("\u2554\u2550\u2557\nA"));
        editor->paste();
        const QByteArray typed("\x82\xB0\t\r\n\xC9\xCD\xBB\r\nA");
        QCOMPARE(window->form1()->text(), typed);
        QCOMPARE(editor->document()->toRawText().at(2), QLatin1Char('\t'));

        // What code page 437 cannot hold is refused with a word in the status bar, not a dialog.
        sendTyped(editor, QStringLiteral("\u20AC"));
        QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("\u20AC")));
        QGuiApplication::clipboard()->setText(QStringLiteral("ok \u4E2D"));
        editor->paste();
        QCOMPARE(window->form1()->text(), typed);
        QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("\u4E2D")));
        QVERIFY(dialogs.asked.isEmpty());
    }

    void boxDrawingTilesWithoutGaps()
    {
        auto&& [dialogs, window] = StartedProgram();
        QVERIFY(shown(window.get()));
        Form1* form = window->form1();
        DocumentEditor* editor = form->txtvimb;
        QPalette palette = editor->palette();
        palette.setColor(QPalette::Text, Qt::black);
        palette.setColor(QPalette::Base, Qt::white);
        editor->setPalette(palette);
        form->setText(boxArt());

        // Down the middle of the double line on the left, from the first line of art to the last,
        // every pixel is drawn: nothing of the background shows between the lines.
        QTextCursor cursor(editor->document());
        const QRect top = editor->cursorRect(cursor);
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousBlock);
        const QRect bottom = editor->cursorRect(cursor);
        const QImage image = editor->viewport()->grab().toImage();
        const int cell = QFontMetrics(editor->font()).horizontalAdvance(QLatin1Char(' '));
        // The left edge of the corner glyph's double line sits 2 pixels into its cell.
        const int x = top.left() + cell / 2 - 2;
        int drawnRows = 0;
        for (int y = top.top() + top.height(); y < bottom.top(); ++y)
            drawnRows += image.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
        QCOMPARE(drawnRows, bottom.top() - top.top() - top.height());
        QVERIFY(drawnRows >= 4 * 16);

        TestFiles::saveScreenshot(window.get(), QStringLiteral("main-window"));
    }
};

QUILRA_TEST_MAIN(TestDocumentWindow)
#include "tst_documentwindow.moc"
