#include "about/frmabout.h"
#include "app/ClockStatusBar.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QSignalSpy>

using namespace Qt::Literals::StringLiterals;

namespace {

const UserSettings kUser;

// The menu tree as rows "depth|name|caption|shortcut|kind", in the order the bar shows it.
void describe(const QList<QAction*>& actions, int depth, QStringList& rows)
{
    for (QAction* action : actions) {
        QString kind;
        if (action->menu())
            kind = QStringLiteral("menu");
        else if (action->isSeparator())
            kind = QStringLiteral("separator");
        else if (!action->isVisible())
            kind = QStringLiteral("hidden");
        else if (action->isCheckable())
            kind = QStringLiteral("checkable");
        rows.append(QStringLiteral("%1|%2|%3|%4|%5")
                        .arg(depth)
                        .arg(action->objectName(), action->text(),
                             action->shortcut().toString(QKeySequence::PortableText), kind));
        if (action->menu())
            describe(action->menu()->actions(), depth + 1, rows);
    }
}

void writeIni(const QByteArray& bytes)
{
    TestFiles::write(TestEnvironment::instance().iniPath(), bytes);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void menuTree()
    {
        auto&& [dialogs, window] = StartedProgram();
        QStringList rows;
        describe(window->menuBar()->actions(), 0, rows);
        const QStringList expected = {
            QStringLiteral("0|MNUFILE|File||menu"),
            QStringLiteral("1|mnunew|New|Ctrl+N|"),
            QStringLiteral("1|mnuload|Load|Ctrl+L|"),
            QStringLiteral("1|mnusave|Save|Ctrl+S|"),
            QStringLiteral("1|mnusaveas|Save As...|Ctrl+K|"),
            QStringLiteral("1|mnusep|||separator"),
            QStringLiteral("1|mnuMRU(0)|No History||hidden"),
            QStringLiteral("1|sep6|||separator"),
            QStringLiteral("1|mnuexit|Exit||"),
            QStringLiteral("0|mnuedit|Edit||menu"),
            QStringLiteral("1|mnuselall|Select All|Ctrl+A|"),
            QStringLiteral("1|mnucopy|Copy|Ctrl+C|"),
            QStringLiteral("1|mnupaste|Paste||"),
            QStringLiteral("0|mnusettings|Settings||menu"),
            QStringLiteral("1|mnumisc|Misc Settings||menu"),
            QStringLiteral("2|mnucolors|Color Settings||"),
            QStringLiteral("2|mnufont|Font Settings||"),
            QStringLiteral("1|mnuprog|Program Settings||menu"),
            QStringLiteral("2|mnuallow|Allow Quilra Link||checkable"),
            QStringLiteral("2|mnuassociate|Associate Files||"),
            QStringLiteral("0|mnucustom|Custom Characters||"),
            QStringLiteral("0|mnuauto|Auto Generate||"),
            QStringLiteral("0|mnuhelpme|Help||menu"),
            QStringLiteral("1|mnuabout|About this Program||"),
            QStringLiteral("1|mnuhelp|Online Help||"),
            QStringLiteral("1|mnusep9|||separator"),
            QStringLiteral("1|mnudonate|Donate||"),
        };
        QCOMPARE(rows, expected);
    }

    void mainWindowLooksAsDesigned()
    {
        auto&& [dialogs, window] = StartedProgram();
        QVERIFY(shown(window.get()));
        QCOMPARE(window->windowTitle(), QStringLiteral("Quilra"));
        QVERIFY(!window->windowIcon().isNull());
        auto* bar = window->findChild<ClockStatusBar*>(QStringLiteral("StatusBar1"));
        QVERIFY(bar);
        QCOMPARE(bar->textPanel->text(), QStringLiteral("Please visit https://quilra.github.io/"));
        QCOMPARE(bar->datePanel->text(),
                 QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        QVERIFY(!bar->timePanel->text().isEmpty());
        // The clock keeps itself current.
        bar->timePanel->clear();
        QTRY_VERIFY_WITH_TIMEOUT(!bar->timePanel->text().isEmpty(), 3000);
    }

    void startUpOverTwoRuns()
    {
        ScriptedDialogs dialogs;
        {
            auto first = startProgram(dialogs);
            QCOMPARE(kUser.read(SettingKeys::TimesOpened), QStringLiteral("0"));
            QVERIFY(!first->existingAbout());
        }
        auto second = startProgram(dialogs);
        QVERIFY(shown(second.get()));
        frmabout* hidden = second->existingAbout();
        QVERIFY(hidden);
        QVERIFY(!hidden->isVisible());
        QCOMPARE(hidden->lblran->text(), QStringLiteral("0"));
        QCOMPARE(kUser.read(SettingKeys::TimesOpened), QStringLiteral("1"));

        second->mnuabout->trigger();
        QCOMPARE(second->existingAbout(), hidden);
        QVERIFY(hidden->isVisible());
        QCOMPARE(hidden->lblran->text(), QStringLiteral("0"));
        second->mnuabout->trigger(); // already shown: only brought forward
        QCOMPARE(second->existingAbout(), hidden);

        hidden->close();
        QTRY_VERIFY(!second->existingAbout());
        second->mnuabout->trigger();
        QVERIFY(second->existingAbout()->isVisible());
        QCOMPARE(second->existingAbout()->lblran->text(), QStringLiteral("1"));
    }

    void runCounterFromAnOddStore_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("next");
        QTest::newRow("text") << u"abc"_s << u"1"_s;
        QTest::newRow("beyond 64 bits") << u"99999999999999999999"_s << u"100000000000000000000"_s;
    }

    void runCounterFromAnOddStore()
    {
        QFETCH(QString, stored);
        QFETCH(QString, next);
        kUser.write(SettingKeys::TimesOpened, stored);
        auto&& [dialogs, window] = StartedProgram();
        QCOMPARE(kUser.read(SettingKeys::TimesOpened), next);
        QCOMPARE(window->existingAbout()->lblran->text(), stored);
        QVERIFY(dialogs.asked.isEmpty());
    }

    void linkOption_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checked");
        QTest::newRow("absent") << QString() << true;
        QTest::newRow("no") << u"no"_s << false;
        QTest::newRow("yes") << u"yes"_s << true;
        QTest::newRow("No is not no") << u"No"_s << true;
    }

    void linkOption()
    {
        QFETCH(QString, stored);
        QFETCH(bool, checked);
        if (!stored.isNull())
            kUser.write(SettingKeys::LinkAllowed, stored);
        auto&& [dialogs, window] = StartedProgram();
        QCOMPARE(window->mnuallow->isChecked(), checked);
        window->mnuallow->trigger();
        QCOMPARE(window->mnuallow->isChecked(), !checked);
        QCOMPARE(kUser.read(SettingKeys::LinkAllowed), checked ? "no" : "yes");
        window->mnuallow->trigger();
        QCOMPARE(window->mnuallow->isChecked(), checked);
        QCOMPARE(kUser.read(SettingKeys::LinkAllowed), checked ? "yes" : "no");
    }

    void storedColours_data()
    {
        // Reading the colours themselves is tested row by row with the colour settings; here the
        // stored ones reach the document, and odd files start the program with the designed ones.
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QColor>("text"); // invalid: the designed colour
        QTest::addColumn<QColor>("background");
        QTest::newRow("red on black") << "[Custom Colors]\r\ntext=255\r\nbackground=0\r\n"_ba
                                      << QColor(255, 0, 0) << QColor(0, 0, 0);
        QTest::newRow("binary garbage")
            << QByteArray("\x00\xFF\x13[\r\n=\n\n\x80=\x81", 13) << QColor() << QColor();
        QTest::newRow("10 MB without a line end")
            << QByteArray(10 * 1024 * 1024, '\xB2') << QColor() << QColor();
    }

    void storedColours()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        writeIni(ini);
        auto&& [dialogs, window] = StartedProgram();
        const QPalette designed = DocumentEditor().palette();
        QCOMPARE(window->form1()->txtvimb->palette().color(QPalette::Text),
                 text.isValid() ? text : designed.color(QPalette::Text));
        QCOMPARE(window->form1()->txtvimb->palette().color(QPalette::Base),
                 background.isValid() ? background : designed.color(QPalette::Base));
        QVERIFY(dialogs.asked.isEmpty());
    }

    void unwritableProgramFolder()
    {
        // A folder that cannot take Settings.ini (here: one that is not there) changes nothing the
        // user sees at start-up, and the per-user settings still work.
        const QString missing =
            QDir(TestEnvironment::instance().root()).filePath(QStringLiteral("gone"));
        auto&& [dialogs, window] = StartedProgram(QString(), missing);
        window->mnuallow->trigger();
        QCOMPARE(kUser.read(SettingKeys::LinkAllowed), QStringLiteral("no"));
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(dialogs.asked.isEmpty());
    }

    void documentWindowLayoutThenExit()
    {
        auto&& [dialogs, window] = StartedProgram();
        QVERIFY(shown(window.get()));
        // A structured binding cannot be captured in C++17: the lambda takes the window itself.
        const auto fills = [main = window.get()] {
            return main->form1()->geometry() == main->workArea()->viewport()->rect();
        };
        QVERIFY(fills());
        for (const QSize size : {QSize(640, 400), QSize(1200, 800), QSize(300, 200)}) {
            window->resize(size);
            QTRY_VERIFY(fills());
            // The text box fills the document window in turn.
            QCOMPARE(window->form1()->txtvimb->geometry(), window->form1()->contentsRect());
        }

        // A closed document window comes back empty, in the stored colours, with the next resize.
        Form1* first = window->form1();
        first->setText("\xC9\xCD\xBB");
        first->setFilePath(QStringLiteral("/somewhere/art.nfo"));
        first->close();
        QTRY_VERIFY(window->workArea()->subWindowList().isEmpty());

        writeIni("[Custom Colors]\r\ntext=255\r\n");
        window->resize(window->size() + QSize(20, 20));
        QTRY_COMPARE(window->workArea()->subWindowList().size(), 1);
        Form1* again = window->form1();
        QCOMPARE(again->windowTitle(), QStringLiteral("Quilra"));
        QVERIFY(again->text().isEmpty());
        QCOMPARE(again->txtvimb->palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(fills());

        QSignalSpy exit(window.get(), &MDIForm1::exitRequested);
        window->mnuexit->trigger();
        QCOMPARE(exit.count(), 1);
        QVERIFY(!window->isVisible());
    }
};

QUILRA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
