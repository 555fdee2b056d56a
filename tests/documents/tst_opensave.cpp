#include "settings/SettingKeys.h"
#include "support/Deadline.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QUrl>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const UserSettings kUser;
// Art, a TAB, a blank line, a lone LF, NUL and Ctrl-Z, ending in CR LF: loads and saves as it is.
const QByteArray kExact =
    "\xB0\xB1\xB2\xDB\xDC\xDF\xC9\xCD\xBB\r\n\tTAB\r\n\r\nlf\nonly\r\n\xFF\x00\x1A\r\n"_ba;

QString pathOf(const QString& name)
{
    return QDir(TestEnvironment::instance().root()).filePath(name);
}

QString writeFile(const QString& name, const QByteArray& bytes)
{
    return TestFiles::write(pathOf(name), bytes);
}

QStringList recentCaptions(MDIForm1* window)
{
    QStringList captions;
    for (QAction* item : window->mnuMRU) {
        if (item->isVisible())
            captions.append(item->data().toString());
    }
    return captions;
}

void dropOn(QWidget* target, QMimeData* data)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

} // namespace

class TestOpenSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void loadCommand()
    {
        const QString path =
            writeFile(u"dir with 'quotes' \"and\" spaces/\u00e9t\u00e9 \u2591.nfo"_s,
                      "\xC9\xCD\xBB\r\n\xC8\xCD\xBC"_ba);
        auto&& [dialogs, window] = StartedProgram();
        window->mnuload->trigger(); // cancelled: nothing changes
        QCOMPARE(window->form1()->windowTitle(), u"Quilra"_s);
        dialogs.answerNext(path);
        window->mnuload->trigger();
        QCOMPARE(dialogs.asked.constFirst().text, u"nfo file (*.nfo)|*.nfo"_s);
        QCOMPARE(window->form1()->windowTitle(), path);
        QCOMPARE(window->windowTitle(), u"Quilra - ("_s + path + u")"_s);
        QCOMPARE(window->form1()->text(), "\xC9\xCD\xBB\r\n\xC8\xCD\xBC\r\n"_ba);
        QCOMPARE(dialogs.messages(), QStringList());

        // A file that is not there: the message, an empty document under its name, still listed.
        const QString missing = pathOf(u"nowhere/missing.nfo"_s);
        dialogs.answerNext(missing);
        window->mnuload->trigger();
        QCOMPARE(dialogs.messages(), QStringList{u"File not found."_s});
        QCOMPARE(dialogs.asked.last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(window->form1()->text(), QByteArray());
        QCOMPARE(window->form1()->windowTitle(), missing);
        QCOMPARE(recentCaptions(window.get()), QStringList({missing, path}));
    }

    void commandLineFile_data()
    {
        QTest::addColumn<QString>("argumentText");
        QTest::addColumn<QString>("path");
        const QString spaced = writeFile(u"with spaces/my art.nfo"_s, kExact);
        QTest::newRow("quoted path with spaces") << u"\""_s + spaced + u"\""_s << spaced;
        QTest::newRow("unquoted path with spaces") << spaced << spaced;
        QTest::newRow("missing file") << pathOf(u"gone.nfo"_s) << pathOf(u"gone.nfo"_s);
    }

    void commandLineFile()
    {
        QFETCH(QString, argumentText);
        QFETCH(QString, path);
        const bool opens = QFileInfo::exists(path);
        auto&& [dialogs, window] = StartedProgram(argumentText);
        QCOMPARE(window->form1()->windowTitle(), path);
        QCOMPARE(window->form1()->text(), opens ? kExact : QByteArray());
        // Only a file that opened enters the recent files.
        QCOMPARE(recentCaptions(window.get()), opens ? QStringList{path} : QStringList{});
        QCOMPARE(dialogs.messages(), opens ? QStringList{} : QStringList{u"File not found."_s});
        if (opens) { // saved again unchanged, every byte as it was
            window->mnusave->trigger();
            QCOMPARE(TestFiles::read(path), kExact);
        }
    }

    void dropOpensTheFirstFile()
    {
        const QString first = writeFile(u"first.nfo"_s, "1"_ba);
        const QString second = writeFile(u"second.nfo"_s, "2"_ba);
        auto&& [dialogs, window] = StartedProgram();
        DocumentEditor* editor = window->form1()->txtvimb;

        QMimeData text;
        text.setText(u"dropped text"_s);
        dropOn(editor->viewport(), &text);
        QCOMPARE(window->form1()->text(), QByteArray());

        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
        dropOn(editor->viewport(), &files);
        QCOMPARE(window->form1()->windowTitle(), first);
        QCOMPARE(window->form1()->text(), "1\r\n"_ba);
        QCOMPARE(recentCaptions(window.get()), QStringList());
    }

    void newSaveAndSaveAs()
    {
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText("unsaved"_ba);
        window->mnusave->trigger(); // no file attached: nothing at all
        QVERIFY(dialogs.asked.isEmpty());

        const QString other = pathOf(u"copy.nfo"_s);
        dialogs.answerNext(other);
        window->mnusaveas->trigger();
        QCOMPARE(TestFiles::read(other), "unsaved\r\n"_ba);
        QCOMPARE(window->form1()->windowTitle(), u"Quilra"_s);

        const QString path = writeFile(u"doc.nfo"_s, "A\r\n"_ba);
        dialogs.answerNext(path);
        window->mnuload->trigger();
        dialogs.answerNext(other);
        window->form1()->setText("changed\r\n"_ba);
        window->mnusaveas->trigger();
        window->mnusave->trigger(); // to the file in the caption, not to the Save As name
        QCOMPARE(TestFiles::read(path), "changed\r\n"_ba);
        window->mnunew->trigger();
        QCOMPARE(window->form1()->windowTitle(), path);
        window->mnusave->trigger();
        QCOMPARE(TestFiles::read(path), "\r\n"_ba);
        window->mnusaveas->trigger(); // cancelled
        QCOMPARE(TestFiles::read(other), "changed\r\n"_ba);
        QCOMPARE(dialogs.messages(), QStringList());
    }

    void saveFailuresShowTheMessage()
    {
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText("text"_ba);
        // A folder that does not exist, and a folder's name.
        for (const QString& path :
             {pathOf(u"no/such/folder/x.nfo"_s), TestEnvironment::instance().programDirectory()}) {
            dialogs.answerNext(path);
            window->mnusaveas->trigger();
            QVERIFY(!QFileInfo(path).isFile());
        }
        QCOMPARE(dialogs.messages(), QStringList(2, u"File could not be saved."_s));
        QCOMPARE(dialogs.asked.last().icon, Dialogs::Icon::Exclamation);
    }

    void oddFilesAreRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("path");
        const QString fifo = pathOf(u"pipe.nfo"_s);
        QFile::remove(fifo);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::newRow("a FIFO") << fifo;
        QTest::newRow("an endless device") << u"/dev/zero"_s;
    }

    void oddFilesAreRefusedAtOnce()
    {
        QFETCH(QString, path);
        const Deadline deadline(std::chrono::seconds(10));
        auto&& [dialogs, window] = StartedProgram(path);
        QCOMPARE(dialogs.messages(), QStringList{u"File not found."_s});
        QCOMPARE(window->form1()->text(), QByteArray());
    }

    void recentFilesMenu()
    {
        auto&& [dialogs, window] = StartedProgram();
        QStringList paths;
        for (int i = 1; i <= 7; ++i) {
            paths.prepend(writeFile(u"f%1 & co.nfo"_s.arg(i), QByteArray::number(i)));
            dialogs.answerNext(paths.constFirst());
            window->mnuload->trigger();
        }
        paths.removeLast();
        QCOMPARE(recentCaptions(window.get()), paths);
        // The items stand between the two separators, in order; "&" shows as itself.
        const QList<QAction*> items = window->MNUFILE->actions();
        QCOMPARE(items.indexOf(window->mnuMRU.at(0)), items.indexOf(window->mnusep) + 1);
        QCOMPARE(items.indexOf(window->sep6), items.indexOf(window->mnuMRU.at(5)) + 1);
        QVERIFY(window->mnuMRU.at(0)->text().contains(u"&&"_s));

        // Reopening the third item leaves the order as it was.
        window->mnuMRU.at(2)->trigger();
        QCOMPARE(window->form1()->windowTitle(), paths.at(2));
        QCOMPARE(window->form1()->text(), "5\r\n"_ba);
        QCOMPARE(recentCaptions(window.get()), paths);

        // A listed file that has gone: the message, the item stays.
        QFile::remove(paths.at(4));
        window->mnuMRU.at(4)->trigger();
        QCOMPARE(dialogs.messages(), QStringList{u"File not found."_s});
        QCOMPARE(recentCaptions(window.get()), paths);
    }

    void recentFilesAcrossRuns()
    {
        kUser.write(SettingKeys::RecentFile, u"/stored/A.nfo"_s, 0);
        kUser.write(SettingKeys::RecentFile, u"\x01garbage \u2603 text"_s, 1);
        ScriptedDialogs dialogs;
        {
            auto window = startProgram(dialogs);
            QCOMPARE(recentCaptions(window.get()),
                     QStringList({u"/stored/A.nfo"_s, u"\x01garbage \u2603 text"_s}));
            const QString path = writeFile(u"new.nfo"_s, "n"_ba);
            dialogs.answerNext(path);
            window->mnuload->trigger();
            dialogs.answerNext(u"/STORED/a.nfo"_s);
            window->mnuload->trigger();
            window->mnuexit->trigger();
            window->close(); // a second close does not store again
        }
        QCOMPARE(kUser.read(SettingKeys::RecentFile, 0), u"/STORED/a.nfo"_s);
        QCOMPARE(kUser.read(SettingKeys::RecentFile, 1), pathOf(u"new.nfo"_s));
        QCOMPARE(kUser.read(SettingKeys::RecentFile, 2), u"\x01garbage \u2603 text"_s);
        QCOMPARE(kUser.read(SettingKeys::RecentFile, 3), QString());

        auto again = startProgram(dialogs);
        QCOMPARE(recentCaptions(again.get()).size(), 3);
        again->mnuMRU.at(2)->trigger(); // garbage is tried as a path and fails cleanly
        QCOMPARE(dialogs.messages().last(), u"File not found."_s);
    }

    void aHugeStoreGivesTheFirstSix()
    {
        {
            // Seven paths, each stored 3,000 times over.
            QSettings store(u"Quilra"_s, u"Quilra"_s);
            store.beginGroup(u"MRUFiles"_s);
            for (int n = 0; n < 21000; ++n)
                store.setValue(QString::number(n), u"/s/%1.nfo"_s.arg(n / 3000));
        }
        const Deadline deadline(std::chrono::seconds(10));
        auto&& [dialogs, window] = StartedProgram();
        QCOMPARE(recentCaptions(window.get()),
                 QStringList({u"/s/0.nfo"_s, u"/s/1.nfo"_s, u"/s/2.nfo"_s, u"/s/3.nfo"_s,
                              u"/s/4.nfo"_s, u"/s/5.nfo"_s}));
    }
};

QUILRA_TEST_MAIN(TestOpenSave)
#include "tst_opensave.moc"
