#include "appearance/frmcolor.h"
#include "appearance/frmfont.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/DocumentFont.h"
#include "ui/Form1.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

const QString kIni = TestEnvironment::instance().iniPath();

class TestAppearance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void applyColours_data()
    {
        QTest::addColumn<QByteArray>("stored");   // in [Custom Colors] before
        QTest::addColumn<QList<QColor>>("picks"); // text, background, text, ...; invalid: cancel
        QTest::addColumn<QColor>("text");         // previewed, then the document's
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QByteArray>("after"); // in [Custom Colors] after Apply
        const QColor cancel;
        QTest::newRow("255 is red, cancel at once")
            << "text=255\r\nbackground=16711680"_ba << QList<QColor>{cancel, cancel}
            << QColor(Qt::red) << QColor(Qt::blue) << "text=255\r\nbackground=16711680"_ba;
        QTest::newRow("abc and out of range: designed; pick, then cancel")
            << "text=abc\r\nbackground=16777216"_ba << QList<QColor>{QColor(1, 2, 3), cancel}
            << QColor(1, 2, 3) << QColor(Qt::white) << "text=197121\r\nbackground=16777215"_ba;
    }
    void applyColours()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QList<QColor>, picks);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(QByteArray, after);
        TestFiles::write(kIni, "[Custom Colors]\r\n" + stored + "\r\n");
        auto&& [dialogs, window] = StartedProgram();
        DocumentEditor* document = window->form1()->txtvimb;
        const QPalette before = document->palette();
        frmcolor* colours = openThrough<frmcolor>(window.get(), window->mnucolors);
        for (int i = 0; i < picks.size(); ++i) {
            dialogs.answerNextColour(picks[i]);
            (i % 2 == 0 ? colours->Command1 : colours->Command2)->click();
        }
        QCOMPARE(colours->Picture1->palette().color(QPalette::Window), text);
        QCOMPARE(colours->Picture2->palette().color(QPalette::Window), background);
        QCOMPARE(document->palette(), before); // nothing changes before Apply
        colours->Command3->click();
        QCOMPARE(TestFiles::read(kIni), "[Custom Colors]\r\n" + after + "\r\n");
        QCOMPARE(document->palette().color(QPalette::Text), text);
        QCOMPARE(document->palette().color(QPalette::Base), background);
    }

    void colourChooserStartsAtTheLastPick()
    {
        // Black at first, then what that button picked last while the window is open; a cancel
        // keeps it. Each button remembers its own.
        auto&& [dialogs, window] = StartedProgram();
        frmcolor* colours = openThrough<frmcolor>(window.get(), window->mnucolors);
        const QColor presses[] = {Qt::red, {}, Qt::blue, {}, {}}; // invalid: cancel
        for (int i = 0; i < 5; ++i) {
            dialogs.answerNextColour(presses[i]);
            (i == 2 || i == 4 ? colours->Command2 : colours->Command1)->click();
        }
        QList<QColor> started;
        for (const ScriptedDialogs::Request& request : dialogs.asked)
            started.append(request.colour);
        QCOMPARE(started, (QList<QColor>{QColor(0, 0, 0), QColor(255, 0, 0), QColor(0, 0, 0),
                                         QColor(255, 0, 0), QColor(0, 0, 255)}));
        colours->close();
        colours = openThrough<frmcolor>(window.get(), window->mnucolors);
        colours->Command1->click();
        QCOMPARE(dialogs.asked.last().colour, QColor(0, 0, 0));
    }

    void colourPresets_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QColor>("mark");  // behind a search's matches
        QTest::addColumn<QColor>("caret"); // the background's inverse
        const QColor yellow(255, 230, 80);
        const QColor white(255, 255, 255);
        QTest::newRow("black on white")
            << 0 << QColor(0, 0, 0) << QColor(255, 255, 255) << "text=0\r\nbackground=16777215"_ba
            << yellow << QColor(0, 0, 0);
        QTest::newRow("light grey on black")
            << 1 << QColor(192, 192, 192) << QColor(0, 0, 0) << "text=12632256\r\nbackground=0"_ba
            << yellow << white;
        QTest::newRow("amber on black")
            << 2 << QColor(255, 176, 0) << QColor(0, 0, 0) << "text=45311\r\nbackground=0"_ba
            << QColor(80, 220, 255) << white;
        QTest::newRow("green on black") << 3 << QColor(51, 255, 51) << QColor(0, 0, 0)
                                        << "text=3407667\r\nbackground=0"_ba << yellow << white;
        QTest::newRow("white on blue")
            << 4 << QColor(255, 255, 255) << QColor(0, 0, 170)
            << "text=16777215\r\nbackground=11141120"_ba << yellow << QColor(255, 255, 85);
    }
    void colourPresets()
    {
        QFETCH(int, preset);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(QByteArray, stored);
        QFETCH(QColor, mark);
        QFETCH(QColor, caret);
        auto&& [dialogs, window] = StartedProgram();
        frmcolor* colours = openThrough<frmcolor>(window.get(), window->mnucolors);
        QCOMPARE(colours->cbopreset->currentIndex(), 0); // nothing stored: the designed colours
        QCOMPARE(colours->lblpreset->buddy(), colours->cbopreset);
        colours->cbopreset->setCurrentIndex(preset);
        Q_EMIT colours->cbopreset->activated(preset);
        QCOMPARE(colours->Picture1->palette().color(QPalette::Window), text);
        QCOMPARE(colours->Picture2->palette().color(QPalette::Window), background);
        colours->Command3->click();
        QCOMPARE(TestFiles::read(kIni), "[Custom Colors]\r\n" + stored + "\r\n");
        // Caret, selection and the marks of a search show in any pair of colours.
        DocumentEditor* document = window->form1()->txtvimb;
        QCOMPARE(document->palette().color(QPalette::Text), text);
        QCOMPARE(document->palette().color(QPalette::Highlight), text);
        QCOMPARE(document->palette().color(QPalette::HighlightedText), background);
        window->form1()->setText("ab ab");
        document->setSearchHighlights({0, 3}, 2);
        QCOMPARE(document->extraSelections().size(), 2);
        QCOMPARE(document->extraSelections().constFirst().format.background().color(), mark);
        window->show();
        window->activateWindow();
        document->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTextCursor end(document->document());
        end.movePosition(QTextCursor::End);
        document->setTextCursor(end);
        const QRect at = document->cursorRect();
        const QImage shown = document->viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(at.left(), at.center().y()), caret);
        // Opened again, the window names the preset it shows; a colour of one's own names none.
        colours = openThrough<frmcolor>(window.get(), window->mnucolors);
        QCOMPARE(colours->cbopreset->currentIndex(), preset);
        dialogs.answerNextColour(QColor(1, 2, 3));
        colours->Command1->click();
        QCOMPARE(colours->cbopreset->currentIndex(), -1);
        QCOMPARE(colours->cbopreset->placeholderText(), u"Own colours"_s);
    }

    void fontWindowStartsOnTheDocumentFont_data()
    {
        QTest::addColumn<QString>("face"); // set on the document; "" keeps the designed font
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("shownFace");
        QTest::addColumn<QString>("shownSize");
        const auto row = [](const char* name, const char* face, double points,
                            const char* shownFace, const char* shownSize) {
            QTest::newRow(name) << QString(face) << points << QString(shownFace)
                                << QString(shownSize);
        };
        row("designed: the face drawn for Terminal, 16 pixels", "", 0, "Px IBM VGA8", "12");
        row("a face and a size of the list", "Px IBM VGA9", 18, "Px IBM VGA9", "18");
        row("a size the face does not list, in capitals", "PX IBM EGA8", 10.5, "Px IBM EGA8",
            "10.5");
    }
    void fontWindowStartsOnTheDocumentFont()
    {
        QFETCH(QString, face);
        QFETCH(double, points);
        QFETCH(QString, shownFace);
        QFETCH(QString, shownSize);
        auto&& [dialogs, window] = StartedProgram();
        if (!face.isEmpty())
            window->form1()->setDocumentFont(face, points);
        window->appearance().setZoom(200); // a view only: the window shows the font itself
        auto* font = openThrough<frmfont>(window.get(), window->mnufont);
        QCOMPARE(font->cbofonts->currentText(), shownFace);
        QCOMPARE(font->cbofontsize->currentText(), shownSize);
        QCOMPARE(font->Label1->font().family(), shownFace);
        // Apply at once keeps the document's look.
        font->cmdapply->click();
        QCOMPARE(TestFiles::read(kIni), "[Custom Font]\r\nFont Name=" + shownFace.toLatin1() +
                                            "\r\nFont Size=" + shownSize.toLatin1() + "\r\n");
    }

    void storedAppearanceAtCreation()
    {
        TestFiles::write(kIni, "[Custom Colors]\r\ntext=255\r\n[Custom Font]\r\n"
                               "Font Name=DejaVu Serif\r\nFont Size=7.50\r\n");
        auto&& [dialogs, window] = StartedProgram();
        const DocumentEditor* document = window->form1()->txtvimb;
        QCOMPARE(document->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(document->font().family(), u"DejaVu Serif"_s);
        QCOMPARE(document->font().pointSizeF(), 7.5);
        // A face without a usable size is no font: the designed one stays.
        TestFiles::write(kIni, "[Custom Font]\r\nFont Name=DejaVu Serif\r\nFont Size=0\r\n");
        QCOMPARE(StartedProgram().window->appearance().font(), DocumentFont::designed());
    }
};

QUILRA_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
