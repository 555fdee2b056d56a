#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/CheckPanel.h"
#include "ui/DocumentEditor.h"
#include "ui/DocumentFont.h"
#include "ui/FindBar.h"
#include "ui/Form1.h"
#include "ui/NfoDocument.h"
#include "ui/SauceDialog.h"

#include <QAbstractEventDispatcher>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {

QImage picture(DocumentEditor* editor, DocumentAppearance& appearance, int zoom)
{
    appearance.setZoom(zoom);
    QApplication::processEvents();
    return editor->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// File > Properties and the dialog it opens (one closed before may still await deletion).
SauceDialog* propertiesOf(MDIForm1* window)
{
    window->mnuproperties->trigger();
    for (SauceDialog* dialog : window->findChildren<SauceDialog*>())
        if (dialog->isVisible())
            return dialog;
    return nullptr;
}

QString statusPanel(MDIForm1* window, const char* name)
{
    return window->findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// Takes the addresses the desktop is asked to open, instead of a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

class TestDocumentView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void zoomSteps()
    {
        auto&& [dialogs, window] = StartedProgram();
        QStringList seen;
        for (QAction* step : {window->mnuzoomin, window->mnuzoomin, window->mnuzoomin,
                              window->mnuzoomin, window->mnuzoomin, window->mnuzoomout,
                              window->mnuzoomreset, window->mnuzoomout, window->mnuzoomout}) {
            step->trigger();
            seen << statusPanel(window.get(), "StatusBar1Zoom");
        }
        QCOMPARE(seen, QStringList({u"150%"_s, u"200%"_s, u"300%"_s, u"400%"_s, u"400%"_s,
                                    u"300%"_s, u"100%"_s, u"50%"_s, u"50%"_s}));
        // A view setting: kept per user, the stored font left alone.
        QVERIFY(!QFile::exists(TestEnvironment::instance().iniPath()));
        QCOMPARE(window->appearance().font(), DocumentFont::designed());
        QCOMPARE(StartedProgram().window->appearance().zoom(), 50);
    }

    void twiceTheSizeIsPixelExact()
    {
        if (QFontInfo(DocumentFont::designed()).family() != u"Px IBM VGA8"_s)
            QSKIP("The IBM VGA face of fonts-pc is not installed here.");
        Config config(ProgramSettings(TestEnvironment::instance().iniPath()), UserSettings());
        NfoDocument document;
        DocumentAppearance appearance(config);
        Form1 form(document, appearance);
        form.resize(400, 200);
        form.setText("\xB0\xC5\xDB"
                     "A"_ba);
        form.txtvimb->setCursorWidth(0);
        form.show();
        const QImage one = picture(form.txtvimb, appearance, 100);
        const QImage two = picture(form.txtvimb, appearance, 200);
        // Four cells of 8 x 16 from the text's corner at (4, 4), each pixel a 2 x 2 square.
        int lit = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = one.pixel(4 + x, 4 + y);
                lit += pixel != one.pixel(0, 0);
                for (int d = 0; d < 4; ++d)
                    QCOMPARE(two.pixel(4 + 2 * x + d % 2, 4 + 2 * y + d / 2), pixel);
            }
        }
        QVERIFY(lit > 128); // the full block alone lights 128
    }

    void findAndReplace()
    {
        auto&& [dialogs, window] = StartedProgram();
        Form1* form = window->form1();
        form->setText("ab AB\r\nab \xB0"_ba);
        window->mnufind->trigger();
        FindBar* bar = form->findbar;
        QVERIFY(!bar->isHidden());
        bar->txtfind->setText(u"ab"_s);
        QCOMPARE(bar->lblcount->text(), u"1 of 3"_s);
        QStringList counts;
        for (int i = 0; i < 3; ++i) {
            window->mnufindnext->trigger();
            counts << bar->lblcount->text();
        }
        window->mnufindprevious->trigger();
        counts << bar->lblcount->text();
        QCOMPARE(counts, QStringList({u"2 of 3"_s, u"3 of 3"_s, u"1 of 3"_s, u"3 of 3"_s}));
        QCOMPARE(form->txtvimb->selStart(), 7); // "ab" of the second line, after CR LF
        bar->chkcase->setChecked(true);
        QCOMPARE(bar->matches(), QList<int>({0, 6}));
        // What the user sees is searched: the shade glyph finds code 0xB0.
        bar->txtfind->setText(u"\u2591"_s);
        QCOMPARE(bar->matches(), QList<int>{9});
        QTest::keyClick(bar->txtfind, Qt::Key_Escape);
        QVERIFY(bar->isHidden());

        // Replace All is one undo step that keeps every line end; a replacement the document
        // cannot hold replaces nothing.
        form->setText("ab AB\r\nab\nab"_ba);
        window->mnureplace->trigger();
        bar->chkcase->setChecked(false);
        bar->txtfind->setText(u"ab"_s);
        bar->txtreplace->setText(u"\u2588"_s);
        bar->cmdreplaceall->click();
        QCOMPARE(form->text(), "\xDB \xDB\r\n\xDB\n\xDB"_ba);
        QCOMPARE(bar->lblcount->text(), u"4 replaced"_s);
        window->mnuundo->trigger();
        bar->txtreplace->setText(u"\u20AC"_s);
        bar->cmdreplaceall->click();
        QCOMPARE(form->text(), "ab AB\r\nab\nab"_ba);
    }

    void sauceIsKeptApartAndShownInProperties()
    {
        const QByteArray record =
            "\x1A"
            "COMNT" +
            "first comment"_ba.leftJustified(64, ' ') + "SAUCE00" +
            "Night"_ba.leftJustified(35, ' ') + "Ann"_ba.leftJustified(20, ' ') +
            "Crew"_ba.leftJustified(20, ' ') + "20261206" + QByteArray(14, '\0') + "\x01" +
            QByteArray(1, '\0') + "IBM VGA"_ba.leftJustified(22, '\0');
        const QString path = TestFiles::write(
            QDir(TestEnvironment::instance().root()).filePath(u"sauce.nfo"_s), "\xDB\xDB" + record);
        auto&& [dialogs, window] = StartedProgram(path);
        QCOMPARE(window->form1()->txtvimb->displayText(), u"\u2588\u2588"_s);
        window->form1()->txtvimb->moveCursor(QTextCursor::End);
        window->form1()->txtvimb->insertPlainText(u"!"_s);
        window->mnusave->trigger();
        QCOMPARE(TestFiles::read(path), "\xDB\xDB!" + record);
        auto* dialog = propertiesOf(window.get());
        QVERIFY(dialog);
        QCOMPARE(dialog->txttitle->text(), u"Night"_s);
        QCOMPARE(dialog->txtdate->text(), u"20261206"_s);
        QCOMPARE(dialog->txtcomments->toPlainText(), u"first comment"_s);
        QCOMPARE(dialog->spnwidth->value(), 0);
        dialog->txttitle->setText(u"Day"_s);
        dialog->spnwidth->setValue(80);
        dialog->cmdok->click();
        // The title and the width change; the size is the text's; the rest stays as it was.
        const QByteArray edited = record.left(77) + "Day"_ba.leftJustified(35, ' ') +
                                  record.mid(112, 48) + "\x03\x00\x00\x00\x00\x00\x50\x00"_ba +
                                  record.mid(168);
        QCOMPARE(window->form1()->text(), "\xDB\xDB!" + edited);
        QVERIFY(window->form1()->isModified());
        window->mnuundo->trigger();
        QCOMPARE(window->form1()->text(), "\xDB\xDB!" + record);
        QVERIFY(!window->form1()->isModified());
        window->mnuredo->trigger();
        QCOMPARE(window->form1()->text(), "\xDB\xDB!" + edited);
        dialog = propertiesOf(window.get());
        dialog->cmdremove->click();
        QCOMPARE(window->form1()->text(), "\xDB\xDB!"_ba);
    }

    void aRecordIsAddedToAFileWithoutOne()
    {
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText("\xB0\r\n"_ba);
        auto* dialog = propertiesOf(window.get());
        QVERIFY(!dialog->cmdremove->isEnabled());
        QCOMPARE(dialog->txtdate->text().size(), 8);
        dialog->txttitle->setText(u"Art"_s);
        dialog->txtdate->setText(u"20261207"_s);
        dialog->txtcomments->setPlainText(u"\u20AC"_s);
        dialog->cmdok->click();
        QCOMPARE(dialog->lblproblem->text(),
                 u"Code page 437 has no \"\u20AC\": a SAUCE record cannot hold it."_s);
        dialog->txtcomments->setPlainText(u"hi"_s);
        dialog->cmdok->click();
        QCOMPARE(window->form1()->text(),
                 "\xB0\r\n\x1A"
                 "COMNThi"_ba +
                     QByteArray(62, ' ') + "SAUCE00Art" + QByteArray(32, ' ') +
                     QByteArray(40, ' ') + "20261207\x03\x00\x00\x00\x01\x00\x50\x00"_ba +
                     QByteArray(6, '\0') + '\x01' + '\0' + "IBM VGA"_ba + QByteArray(15, '\0'));
    }

    void theCheckPanelListsFindingsAndFixesThem()
    {
        auto&& [dialogs, window] = StartedProgram();
        Form1* form = window->form1();
        form->setText("ab  \r\ncd\n\x1A"_ba + "SAUCE00" + QByteArray(83, ' ') +
                      "\x05\x00\x00\x00"_ba + QByteArray(34, '\0'));
        window->show();
        window->mnucheck->trigger();
        CheckPanel* panel = form->checkpanel;
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->lstfindings->count(), 3);
        QVERIFY(panel->lstfindings->item(0)->text().startsWith(u"1:3: trailing blanks"_s));
        QVERIFY(panel->lstfindings->item(1)->text().startsWith(u"2:3: line end LF here"_s));
        QVERIFY(panel->lstfindings->item(2)->text().startsWith(u"3:1: the SAUCE record"_s));
        panel->lstfindings->setCurrentRow(1);
        Q_EMIT panel->lstfindings->itemActivated(panel->lstfindings->item(1));
        QCOMPARE(form->txtvimb->textCursor().selectionStart(), 7);
        QCOMPARE(form->txtvimb->textCursor().selectionEnd(), 8);
        QCOMPARE(panel->cmdfix->text(), u"Make every line end alike"_s);
        panel->cmdfix->click();
        QCOMPARE(form->text().left(10), "ab  \r\ncd\r\n"_ba);
        panel->lstfindings->setCurrentRow(0);
        panel->cmdfix->click();
        QCOMPARE(form->text().left(8), "ab\r\ncd\r\n"_ba);
        QCOMPARE(panel->lstfindings->count(), 1);
        panel->cmdfix->click();
        QCOMPARE(form->text().mid(99, 4), "\x08\x00\x00\x00"_ba);
        QVERIFY(panel->lstfindings->item(0)->text().startsWith(u"Nothing found"_s));
        window->mnuundo->trigger();
        window->mnuundo->trigger();
        QCOMPARE(form->text().left(10), "ab  \r\ncd\r\n"_ba);
        QTRY_COMPARE(panel->lstfindings->count(), 2);
    }

    void linksOpenWithCtrlAndAClick()
    {
        auto&& [dialogs, window] = StartedProgram();
        DocumentEditor* editor = window->form1()->txtvimb;
        window->form1()->setText("\xBA see www.example.com. \xBA\r\nmail: crew@example.org"_ba);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(editor->linkSpans(), (QList<std::pair<int, int>>{{6, 21}, {31, 47}}));
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(u"http"_s, &catcher, "open");
        QDesktopServices::setUrlHandler(u"mailto"_s, &catcher, "open");
        const auto pointAt = [editor](int position) {
            QTextCursor cursor(editor->document());
            cursor.setPosition(position);
            return editor->cursorRect(cursor).center() + QPoint(2, 0);
        };
        QTest::mouseMove(editor->viewport(), pointAt(8));
        QCOMPARE(window->statusBar()->currentMessage(), u"http://www.example.com"_s);
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::NoModifier, pointAt(8));
        QCOMPARE(catcher.urls, QList<QUrl>()); // a plain click only places the caret
        for (const int at : {8, 35, 2})        // the last on no link
            QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::ControlModifier, pointAt(at));
        QDesktopServices::unsetUrlHandler(u"http"_s);
        QDesktopServices::unsetUrlHandler(u"mailto"_s);
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl(u"http://www.example.com"_s),
                                            QUrl(u"mailto:crew@example.org"_s)}));
    }

    void theWindowFitsTheScreen()
    {
        auto&& [dialogs, window] = StartedProgram();
        // A wide line far below the first screen, which nothing has scrolled to.
        window->form1()->setText(QByteArray("short\r\n").repeated(300) + QByteArray(400, 'A'));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const DocumentEditor* editor = window->form1()->txtvimb;
        QVERIFY(editor->horizontalScrollBar()->maximum() >=
                400 * editor->fontMetrics().horizontalAdvance(u'A') - editor->viewport()->width());
        // The offscreen screen is smaller than the designed 981 x 560 work area.
        const QRect free = window->screen()->availableGeometry();
        QVERIFY2(free.contains(window->frameGeometry()),
                 qPrintable(u"%1x%2 on %3x%4"_s.arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())
                                .arg(free.width())
                                .arg(free.height())));
    }

    void aLongLineSitsIdle_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("timers"); // in the text box and its parts, while it has focus
        QTest::newRow("short lines: the caret blinks") << QByteArray("art\r\n").repeated(1000) << 1;
        QTest::newRow("a line of 200,000 characters: it does not")
            << QByteArray(200'000, '\xb0') + "\r\nart" << 0;
    }
    void aLongLineSitsIdle()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, timers);
        auto&& [dialogs, window] = StartedProgram();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->form1()->setText(text);
        DocumentEditor* editor = window->form1()->txtvimb;
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());
        auto* dispatcher = QAbstractEventDispatcher::instance();
        qsizetype running = dispatcher->registeredTimers(editor).size();
        for (QObject* part : editor->findChildren<QObject*>())
            running += dispatcher->registeredTimers(part).size();
        QCOMPARE(running, timers);
    }

    void onlyUnicodeTextIsShaped_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("shaped"); // and kerned, for combining marks and joined scripts
        QTest::newRow("code page 437") << QByteArray("\xb0 AV") << false;
        QTest::newRow("UTF-8") << QByteArray("\xef\xbb\xbf"
                                             "e\xcc\x81 AV")
                               << true;
    }
    void onlyUnicodeTextIsShaped()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, shaped);
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText(text);
        const QFont font = window->form1()->txtvimb->font();
        QCOMPARE(font.kerning(), shaped);
        QCOMPARE(!(font.styleStrategy() & QFont::PreferNoShaping), shaped);
    }
};

QUILRA_TEST_MAIN(TestDocumentView)
#include "tst_documentview.moc"
