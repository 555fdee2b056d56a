#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QMenuBar>
#include <QSignalSpy>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menu"); // the menu that holds it, "" for the menu bar
        QTest::addColumn<QString>("shortcut");
        const auto row = [](const char* name, const char* menu, const char* shortcut) {
            QTest::newRow(name) << QString(name) << QString(menu) << QString(shortcut);
        };
        row("mnuload", "MNUFILE", "Ctrl+L");
        row("mnusaveas", "MNUFILE", "Ctrl+K");
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
        QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), shortcut);
        if (shortcut.isEmpty())
            return;
        // The keys run the item, whatever the document's own key bindings are.
        window->form1()->setText("text");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QSignalSpy triggered(item, &QAction::triggered);
        QTest::keySequence(window->form1()->txtvimb, QKeySequence(shortcut));
        QCOMPARE(triggered.count(), 1);
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
};

QUILRA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
