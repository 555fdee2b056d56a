#include "documents/DocumentCodec.h"
#include "support/ProgramHarness.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QClipboard>

using namespace Qt::Literals::StringLiterals;

namespace {

// Ten codes on the first line, CR LF, then five more.
const QByteArray kText = "0123456789\r\nABCDE\r\n"_ba;

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TestEnvironment::instance().reset();
        QGuiApplication::clipboard()->setText(u"before"_s);
    }

    void selectAll_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("lines") << kText;
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("lone LF inside a line") << "a\nb\r\nc"_ba;
    }

    void selectAll()
    {
        QFETCH(QByteArray, text);
        auto&& [dialogs, window] = StartedProgram();
        DocumentEditor* editor = window->form1()->txtvimb;
        window->form1()->setText(text);
        editor->setSelStart(3);
        window->mnuselall->trigger();
        QCOMPARE(DocumentCodec::fromDisplay(editor->selectedDisplay()), text);
        // Copy of an empty selection leaves the clipboard as it was.
        window->mnucopy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 text.isEmpty() ? u"before"_s
                                : DocumentCodec::toForeignText(DocumentCodec::toDisplay(text)));
    }

    void copy_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("caret");
        QTest::newRow("five codes from 3") << 3 << 5 << u"34567"_s << 8;
        QTest::newRow("across the line break") << 8 << 6 << u"89\r\nAB"_s << 14;
        QTest::newRow("the break alone") << 10 << 2 << u"\r\n"_s << 12;
        QTest::newRow("nothing selected") << 4 << 0 << u"before"_s << 4;
    }

    void copy()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, clipboard);
        QFETCH(int, caret);
        auto&& [dialogs, window] = StartedProgram();
        DocumentEditor* editor = window->form1()->txtvimb;
        window->form1()->setText(kText);
        editor->setSelStart(start);
        editor->setSelLength(length);
        window->mnucopy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        QCOMPARE(editor->selStart(), caret);
        // The first copy removed the selection: a second one does nothing.
        QGuiApplication::clipboard()->setText(u"after"_s);
        window->mnucopy->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"after"_s);
        QCOMPARE(window->form1()->text(), kText);
    }

    void keysInTheDocumentRunTheMenuCommands()
    {
        auto&& [dialogs, window] = StartedProgram();
        QVERIFY(shown(window.get()));
        DocumentEditor* editor = window->form1()->txtvimb;
        window->form1()->setText("\xC9\xCD\xBB\r\n\xB0\nx"_ba);
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(editor->selLength(), 8);
        QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
        // The menu's Copy ran: Unicode on the clipboard, the caret after the copied text.
        QCOMPARE(QGuiApplication::clipboard()->text(), u"\u2554\u2550\u2557\r\n\u2591\nx"_s);
        QCOMPARE(editor->selStart(), 8);
        QCOMPARE(editor->selLength(), 0);
    }

    void pasteAtTheCaret()
    {
        auto&& [dialogs, window] = StartedProgram();
        DocumentEditor* editor = window->form1()->txtvimb;
        window->form1()->setText(kText);
        editor->setSelStart(12);
        QGuiApplication::clipboard()->setText(u"\u2588\u2588\r\n"_s);
        window->mnupaste->trigger();
        QCOMPARE(window->form1()->text(), "0123456789\r\n\xDB\xDB\r\nABCDE\r\n"_ba);
        QCOMPARE(editor->selStart(), 16);
    }
};

QUILRA_TEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
