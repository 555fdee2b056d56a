#include "appearance/frmcolor.h"
#include "appearance/frmfont.h"
#include "palette/Form2.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/DocumentFont.h"
#include "ui/Form1.h"

#include <QComboBox>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Change
{
    Colours,
    Font,
    CustomKey,
    MenuItem, // the item named in the row
};

// A store that fails for root too: a folder where the file should be.
QString blockedPath(bool userStore)
{
    const TestEnvironment& environment = TestEnvironment::instance();
    return userStore ? environment.root() + u"/config/Quilra/Quilra.conf"_s : environment.iniPath();
}

void change(MDIForm1* window, ScriptedDialogs& dialogs, Change what, const QString& item)
{
    switch (what) {
    case Change::Colours: {
        auto* colours = openThrough<frmcolor>(window, window->mnucolors);
        dialogs.answerNextColour(Qt::red);
        colours->Command1->click();
        colours->Command3->click();
        break;
    }
    case Change::Font: {
        auto* font = openThrough<frmfont>(window, window->mnufont);
        font->cbofontsize->setCurrentText(u"24"_s);
        font->cmdapply->click();
        break;
    }
    case Change::CustomKey:
        window->mnucustom->trigger();
        dialogs.answerNext(u"A"_s);
        window->existingPalette()->Command2->click();
        break;
    case Change::MenuItem:
        window->findChild<QAction*>(item)->trigger();
        break;
    }
}

// The whole look as shown: what nothing stored gives.
void showsNothingStored(MDIForm1* window)
{
    const DocumentEditor* editor = window->form1()->txtvimb;
    QCOMPARE(editor->palette().color(QPalette::Text), QColor(0, 0, 0));
    QCOMPARE(window->appearance().font(), DocumentFont::designed());
    QCOMPARE(window->appearance().zoom(), 100);
    QCOMPARE(window->mnuallow->isChecked(), true);
    QCOMPARE(window->mnuwordwrap->isChecked(), false);
    if (Form2* palette = window->existingPalette())
        QCOMPARE(palette->Command2->text(), QString());
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestSettingsWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }
    void cleanup()
    {
        for (bool userStore : {false, true})
            QDir(blockedPath(userStore)).removeRecursively();
    }

    void failedWriteSaysSoOnce_data()
    {
        QTest::addColumn<bool>("userStore");
        QTest::addColumn<Change>("what");
        QTest::addColumn<QString>("item");
        // Messages before the change: none, as start-up writes nothing before the document shows.
        QTest::addColumn<int>("atStart");
        QTest::newRow("colours") << false << Change::Colours << QString() << 0;
        QTest::newRow("font") << false << Change::Font << QString() << 0;
        QTest::newRow("custom key") << false << Change::CustomKey << QString() << 0;
        QTest::newRow("link option") << true << Change::MenuItem << u"mnuallow"_s << 0;
        QTest::newRow("word wrap") << true << Change::MenuItem << u"mnuwordwrap"_s << 0;
        QTest::newRow("zoom") << true << Change::MenuItem << u"mnuzoomin"_s << 0;
    }
    void failedWriteSaysSoOnce()
    {
        QFETCH(bool, userStore);
        QFETCH(Change, what);
        QFETCH(QString, item);
        QFETCH(int, atStart);
        QFile::remove(blockedPath(userStore));
        QVERIFY(QDir().mkpath(blockedPath(userStore)));
        auto&& [dialogs, window] = StartedProgram();
        QCOMPARE(dialogs.messages().size(), atStart);
        for (int i = 0; i < 3; ++i) {
            change(window.get(), dialogs, what, item);
            showsNothingStored(window.get());
        }
        const QStringList messages = dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0], "The settings could not be saved in " + blockedPath(userStore) +
                                  ". They stay as they were stored.");
        for (const ScriptedDialogs::Request& request : dialogs.asked) {
            if (request.kind == u"message"_s) {
                QCOMPARE(request.icon, Dialogs::Icon::Exclamation);
                QCOMPARE(request.title, u"Quilra"_s);
            }
        }
    }

    void oversizedStoreIsOnlyRead()
    {
        const QString path = blockedPath(true);
        QByteArray store = "[Settings]\nlinkallowed=no\nzoom=-2147483648\n[Times%20Ran]\nopened=7\n"
                           "[Padding]\n";
        for (int n = 0; store.size() <= 1024 * 1024; ++n)
            store += "key" + QByteArray::number(n) + '=' + QByteArray(100, 'x') + '\n';
        TestFiles::write(path, store);
        auto&& [dialogs, window] = StartedProgram();
        QCOMPARE(dialogs.messages(),
                 QStringList{"The settings file " + path +
                             " is larger than 1 MB, more than Quilra ever writes. It is only "
                             "read in this run, and no setting is saved in it."});
        QCOMPARE(window->mnuallow->isChecked(), false);
        QCOMPARE(window->appearance().zoom(), 50);
        window->mnuwordwrap->trigger();
        QCOMPARE(window->mnuwordwrap->isChecked(), false);
        window->close();
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(TestFiles::read(path), store); // the run counter did not rewrite it
        QFile::remove(path);
    }
};

QUILRA_TEST_MAIN(TestSettingsWrite)
#include "tst_settingswrite.moc"
