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
        QTest::addColumn<QList<QColor>>("colours"); // text, background, search mark, caret
        QTest::addColumn<QByteArray>("stored");
        const QColor black(0, 0, 0), white(255, 255, 255), yellow(255, 230, 80);
        QTest::newRow("black on white") << 0 << QList<QColor>{black, white, yellow, black}
                                        << "text=0\r\nbackground=16777215"_ba;
        QTest::newRow("light grey") << 1 << QList<QColor>{{192, 192, 192}, black, yellow, white}
                                    << "text=12632256\r\nbackground=0"_ba;
        QTest::newRow("amber") << 2 << QList<QColor>{{255, 176, 0}, black, {80, 220, 255}, white}
                               << "text=45311\r\nbackground=0"_ba;
        QTest::newRow("green") << 3 << QList<QColor>{{51, 255, 51}, black, yellow, white}
                               << "text=3407667\r\nbackground=0"_ba;
        QTest::newRow("white on blue")
            << 4 << QList<QColor>{white, {0, 0, 170}, yellow, {255, 255, 85}}
            << "text=16777215\r\nbackground=11141120"_ba;
    }
    void colourPresets()
    {
        QFETCH(int, preset);
        QFETCH(QList<QColor>, colours);
        QFETCH(QByteArray, stored);
        auto&& [dialogs, window] = StartedProgram();
        frmcolor* picker = openThrough<frmcolor>(window.get(), window->mnucolors);
        QCOMPARE(picker->cbopreset->currentIndex(), 0); // nothing stored: the designed colours
        picker->cbopreset->setCurrentIndex(preset);
        Q_EMIT picker->cbopreset->activated(preset);
        QCOMPARE(picker->Picture1->palette().color(QPalette::Window), colours[0]);
        QCOMPARE(picker->Picture2->palette().color(QPalette::Window), colours[1]);
        picker->Command3->click();
        QCOMPARE(TestFiles::read(kIni), "[Custom Colors]\r\n" + stored + "\r\n");
        // The selection in reverse, the marks of a search and the caret show on every preset.
        DocumentEditor* document = window->form1()->txtvimb;
        QCOMPARE(document->palette().color(QPalette::HighlightedText), colours[1]);
        window->form1()->setText("ab ab");
        document->setSearchHighlights({3}, 2); // the caret at 0 is over the text, not a mark
        QCOMPARE(document->extraSelections().constFirst().format.background().color(), colours[2]);
        window->show();
        document->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const QImage shown = document->viewport()->grab().toImage();
        QCOMPARE(shown.pixelColor(document->cursorRect().left(), 4), colours[3]);
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
