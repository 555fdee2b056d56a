#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"
#include "ui/ProgramArt.h"
#include "ui/ProgramStyle.h"

#include <QClipboard>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menu");     // the menu that holds it, "" for the menu bar
        QTest::addColumn<QString>("shortcut"); // the keys, the first of them pressed
        const auto row = [](const char* name, const char* menu, const char* shortcut) {
            QTest::newRow(name) << QString(name) << QString(menu) << QString(shortcut);
        };
        row("mnuload", "MNUFILE", "Ctrl+L; Ctrl+O");
        row("mnusaveas", "MNUFILE", "Ctrl+K; Ctrl+Shift+S");
        row("mnuexit", "MNUFILE", "Ctrl+Q");
        row("mnuselall", "mnuedit", "Ctrl+A");
        row("mnucopy", "mnuedit", "Ctrl+C");
        row("mnucustom", "", "");
    }
    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, menu);
        QFETCH(QString, shortcut);
        auto&& [dialogs, window] = StartedProgram();
        auto* item = window->findChild<QAction*>(name);
        QWidget* holder = window->menuBar();
        if (!menu.isEmpty())
            holder = window->findChild<QMenu*>(menu);
        QVERIFY(item && holder && holder->actions().contains(item));
        QCOMPARE(QKeySequence::listToString(item->shortcuts(), QKeySequence::PortableText),
                 shortcut);
        if (shortcut.isEmpty())
            return;
        // The keys run the item, whatever the document's own key bindings are.
        window->form1()->setText("text");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QSignalSpy triggered(item, &QAction::triggered);
        QTest::keySequence(window->form1()->txtvimb, QKeySequence(shortcut.section(u';', 0, 0)));
        QCOMPARE(triggered.count(), 1);
    }

    void styleIcons()
    {
        // Read when first drawn, the standard icons are the desktop style's; a window's menu
        // button is the program's icon.
        ProgramStyle style;
        for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                 QStyle::SP_TitleBarCloseButton, QStyle::SP_MessageBoxWarning}) {
            const QImage desktop = style.baseStyle()->standardIcon(which).pixmap(16).toImage();
            QCOMPARE(style.standardIcon(which).pixmap(16).toImage(), desktop);
        }
        QCOMPARE(style.standardIcon(QStyle::SP_TitleBarMenuButton).pixmap(16).toImage(),
                 ProgramArt::iconPixmap(16).toImage());
    }

    void linkOption()
    {
        // Checked unless the stored word is exactly "no"; the item stores "yes" or "no".
        const UserSettings user;
        for (const auto& [stored, checked] : {std::pair{"", true}, {"no", false}, {"No", true}}) {
            user.write(SettingKeys::LinkAllowed, stored);
            auto&& [dialogs, window] = StartedProgram();
            QCOMPARE(window->mnuallow->isChecked(), checked);
            window->mnuallow->trigger();
            QCOMPARE(user.read(SettingKeys::LinkAllowed), checked ? "no" : "yes");
        }
    }

    void copyThenPasteInsideTheProgram_data()
    {
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<QByteArray>("twice"); // after Select All, Copy and Paste at the end
        const auto row = [](const char* name, const QByteArray& codes, const QByteArray& twice) {
            QTest::newRow(name) << codes << twice;
        };
        const QByteArray art = "\xC9\xCD\xBB\r\n\xBA\xB0\xB1\xB2\xDB\xBA\r\n\xC8\xCD\xBC";
        const QByteArray codes = TestFiles::allCodes() + "\r\n";
        row("box drawing, shades and CR LF", art, art + art);
        row("every code", codes, codes + codes);
        row("blank lines, lone CR, CR CR LF", "\r\nA\rB\r\r\n\r\n",
            "\r\nA\rB\r\r\n\r\n\r\nA\rB\r\r\n\r\n");
        row("lone LF", "A\nB\n", "A\nB\nA\nB\n");
    }
    void copyThenPasteInsideTheProgram()
    {
        QFETCH(QByteArray, codes);
        QFETCH(QByteArray, twice);
        auto&& [dialogs, window] = StartedProgram();
        Form1* form = window->form1();
        form->setText(codes);
        QCOMPARE(form->text(), codes);
        window->mnuselall->trigger();
        window->mnucopy->trigger();
        form->txtvimb->moveCursor(QTextCursor::End);
        window->mnupaste->trigger();
        QCOMPARE(form->text(), twice);
    }

    void typingAndPastingBecomeCodes()
    {
        auto&& [dialogs, window] = StartedProgram();
        DocumentEditor* editor = window->form1()->txtvimb;
        const auto type = [editor](const QString& text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(editor, &press);
        };
        type(u"\u00E9\u2591"_s); // e acute, light shade
        QCOMPARE(window->form1()->text(), "\x82\xB0");
        // What code page 437 cannot hold is refused with a word in the status bar, not a dialog.
        type(u"\u20AC"_s);
        QCOMPARE(window->statusBar()->currentMessage(),
                 u"\"\u20AC\" has no code in code page 437 and was not inserted."_s);
        QGuiApplication::clipboard()->setText(u"ok \U0001F600"_s);
        window->mnupaste->trigger();
        QCOMPARE(window->statusBar()->currentMessage(),
                 u"\"\U0001F600\" has no code in code page 437 and was not inserted."_s);
        QCOMPARE(window->form1()->text(), "\x82\xB0");
        QVERIFY(dialogs.asked.isEmpty());
    }
};

QUILRA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
