#include "settings/SettingKeys.h"
#include "support/Deadline.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QUrl>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const UserSettings kUser;

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

// The document window's caption as it reads without the modified mark's placeholder.
QString caption(MDIForm1* window)
{
    return window->form1()->windowTitle().remove(u"[*]"_s);
}

} // namespace

class TestOpenSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { TestEnvironment::instance().reset(); }

    void openEditAndSave_data()
    {
        QTest::addColumn<QByteArray>("file");
        // The file after "é" is typed at the start of its text.
        QTest::addColumn<QByteArray>("edited");
        QTest::addColumn<QString>("encoding");
        const auto row = [](const char* name, const QByteArray& file, const QByteArray& start,
                            const char* encoding, int markSize = 0) {
            QTest::newRow(name) << file << file.left(markSize) + start + file.mid(markSize)
                                << QString::fromLatin1(encoding);
        };
        row("CR LF", "\xC9\xCD\xBB\r\n\xC8\xCD\xBC\r\n"_ba, "\x82", "CP437");
        row("LF only, no final end", "\xB0\n\xB1\n\xB2"_ba, "\x82", "CP437");
        row("lone CR", "A\rB\r"_ba, "\x82", "CP437");
        row("CR CR LF", "A\r\r\nB\r\r\n"_ba, "\x82", "CP437");
        row("NUL, Ctrl-Z, binary", QByteArray("A\x00\x1A\xFF\r\n\x1A\x00", 8), "\x82", "CP437");
        row("UTF-8", "\xE2\x96\x91\r\n"_ba, "\xC3\xA9", "UTF-8");
        row("UTF-8 with a mark", "\xEF\xBB\xBF\xE2\x96\x91\n"_ba, "\xC3\xA9", "UTF-8 BOM", 3);
        row("UTF-16 LE", QByteArray("\xFF\xFE\x91\x25\r\x00\n\x00", 8), QByteArray("\xE9\x00", 2),
            "UTF-16 LE BOM", 2);
        row("UTF-16 BE", QByteArray("\xFE\xFF\x25\x91", 4), QByteArray("\x00\xE9", 2),
            "UTF-16 BE BOM", 2);
    }

    void openEditAndSave()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, edited);
        QFETCH(QString, encoding);
        const QString path = writeFile(u"doc.nfo"_s, file);
        auto&& [dialogs, window] = StartedProgram(path);
        QCOMPARE(window->findChild<QLabel*>(u"StatusBar1Encoding"_s)->text(), encoding);
        window->mnusave->trigger();
        QCOMPARE(TestFiles::read(path), file);
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, u"\u00E9"_s);
        QApplication::sendEvent(window->form1()->txtvimb, &typed);
        window->mnusave->trigger();
        QCOMPARE(TestFiles::read(path), edited);
        QCOMPARE(dialogs.messages(), QStringList());
    }

    void eachDocumentStartsAfresh()
    {
        // The line ends of one document must not mark those of the next.
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText("\nA\rB\r"_ba);
        window->form1()->txtvimb->moveCursor(QTextCursor::End); // after a marked line end
        window->form1()->setText("\n\n"_ba);
        QCOMPARE(window->form1()->text(), "\n\n"_ba);
    }

    void copyAndPasteKeepTheBytes()
    {
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText(QByteArray("a\nb\rc\x00\xB0\r\r\ne", 11));
        window->mnuselall->trigger();
        window->mnucopy->trigger();
        // Other programs get the line ends as they are and NUL as a blank.
        QCOMPARE(QGuiApplication::clipboard()->text(), u"a\nb\rc \u2591\r\r\ne"_s);

        // Text from another program takes the document's line end (here its first, LF).
        window->form1()->setText("x\ny"_ba);
        QGuiApplication::clipboard()->setText(u"1\r\n2\r3"_s);
        window->mnupaste->trigger();
        QCOMPARE(window->form1()->text(), "1\n2\n3x\ny"_ba);
    }

    void saveAsAnotherEncoding_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("UTF-8") << 1 << "\xE2\x96\x91\xC3\xA9\r\n"_ba;
        QTest::newRow("UTF-16 BE") << 3 << QByteArray("\xFE\xFF\x25\x91\x00\xE9\x00\r\x00\n", 10);
        QTest::newRow("Windows-1252: no shade") << 4 << "<missing>"_ba;
    }

    void saveAsAnotherEncoding()
    {
        QFETCH(int, filter);
        QFETCH(QByteArray, saved);
        const QString path = writeFile(u"art.nfo"_s, "\xB0\x82\r\n"_ba);
        auto&& [dialogs, window] = StartedProgram(path);
        const QString copy = pathOf(u"copy.nfo"_s);
        QFile::remove(copy);
        dialogs.answerNext(copy);
        dialogs.answerNextFilter(filter);
        window->mnusaveas->trigger();
        QCOMPARE(dialogs.asked.constFirst().text.split(u'|').value(2),
                 u"NFO File, UTF-8 (*.nfo) "_s);
        QCOMPARE(TestFiles::read(copy), saved);
        // The document now is the copy, in the encoding it was written in; a copy that could
        // not be made leaves it what it was.
        const bool written = saved != "<missing>";
        QCOMPARE(window->form1()->text(), written ? saved : "\xB0\x82\r\n"_ba);
        QCOMPARE(caption(window.get()), written ? copy : path);
        QCOMPARE(dialogs.messages().size(), saved == "<missing>" ? 1 : 0);
    }

    void viewEncoding()
    {
        const QString path = writeFile(u"utf8.nfo"_s, "\xE2\x96\x91"_ba);
        auto&& [dialogs, window] = StartedProgram(path);
        QVERIFY(window->mnuenc.at(1)->isChecked());
        window->mnuenc.at(0)->trigger(); // the same bytes as code page 437
        QCOMPARE(window->form1()->txtvimb->displayText(), u"\u0393\u00FB\u00E6"_s);
        QCOMPARE(window->form1()->text(), "\xE2\x96\x91"_ba);
        window->form1()->setText("\x81\xB0"_ba);
        window->mnuenc.at(4)->trigger(); // 0x81 has no character in Windows-1252
        QCOMPARE(dialogs.messages(),
                 QStringList{
                     u"The document cannot be read as Windows-1252 without losing characters."_s});
        QVERIFY(window->mnuenc.at(0)->isChecked());
        QCOMPARE(window->form1()->text(), "\x81\xB0"_ba);
    }

    void wordWrapIsAViewOption()
    {
        auto&& [dialogs, window] = StartedProgram();
        QCOMPARE(window->form1()->txtvimb->lineWrapMode(), QPlainTextEdit::NoWrap);
        window->mnuwordwrap->trigger(); // kept for the user: the next start wraps too
        auto&& [dialogs2, again] = StartedProgram();
        QVERIFY(again->mnuwordwrap->isChecked());
        QCOMPARE(again->form1()->txtvimb->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void loadCommand()
    {
        const QString path =
            writeFile(u"dir with 'quotes' \"and\" spaces/\u00e9t\u00e9 \u2591.nfo"_s,
                      "\xC9\xCD\xBB\r\n\xC8\xCD\xBC"_ba);
        auto&& [dialogs, window] = StartedProgram();
        dialogs.answerNext(path);
        window->mnuload->trigger();
        QCOMPARE(dialogs.asked.constFirst().text,
                 u"nfo file (*.nfo)|*.nfo|Text art (*.nfo *.diz *.asc *.ans *.txt)|"
                 u"*.nfo *.diz *.asc *.ans *.txt|All files (*)|*"_s);
        QCOMPARE(caption(window.get()), path);
        QCOMPARE(window->windowTitle(), u"Quilra - ("_s + path + u")"_s);
        QCOMPARE(window->form1()->text(), "\xC9\xCD\xBB\r\n\xC8\xCD\xBC"_ba);

        // A file that is not there: the message and why, the document as it was, still listed.
        const QString missing = pathOf(u"nowhere/missing.nfo"_s);
        dialogs.answerNext(missing);
        window->mnuload->trigger();
        QCOMPARE(dialogs.messages(), QStringList{u"File not found."_s});
        QCOMPARE(dialogs.asked.last().icon, Dialogs::Icon::Exclamation);
        QCOMPARE(window->statusBar()->currentMessage(),
                 u"missing.nfo could not be found or read."_s);
        QCOMPARE(caption(window.get()), path);
        QCOMPARE(window->form1()->text(), "\xC9\xCD\xBB\r\n\xC8\xCD\xBC"_ba);
        QCOMPARE(recentCaptions(window.get()), QStringList({missing, path}));
    }

    void commandLineFile_data()
    {
        QTest::addColumn<QString>("argumentText");
        QTest::addColumn<QString>("path");
        const QString spaced = writeFile(u"with spaces/my art.nfo"_s, "\xDB"_ba);
        const QString fifo = pathOf(u"pipe.nfo"_s);
        QFile::remove(fifo);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QTest::newRow("quoted path with spaces") << u"\""_s + spaced + u"\""_s << spaced;
        QTest::newRow("missing file") << pathOf(u"gone.nfo"_s) << pathOf(u"gone.nfo"_s);
        // Refused at once, neither blocking nor reading without end.
        QTest::newRow("a FIFO") << fifo << fifo;
        QTest::newRow("an endless device") << u"/dev/zero"_s << u"/dev/zero"_s;
        // A sparse file larger than any NFO: refused without reading it.
        QFile huge(pathOf(u"huge.nfo"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(300) * 1024 * 1024));
        QTest::newRow("too large") << huge.fileName() << huge.fileName();
    }

    void commandLineFile()
    {
        QFETCH(QString, argumentText);
        QFETCH(QString, path);
        const bool opens = QFileInfo(path).isFile() && QFileInfo(path).size() < 4096;
        const Deadline deadline(std::chrono::seconds(10));
        auto&& [dialogs, window] = StartedProgram(argumentText);
        // A file that could not be read belongs to nothing: the document stays untitled.
        QCOMPARE(caption(window.get()), opens ? path : u"Quilra"_s);
        QCOMPARE(window->form1()->text(), opens ? "\xDB"_ba : QByteArray());
        // Only a file that opened enters the recent files.
        QCOMPARE(recentCaptions(window.get()), opens ? QStringList{path} : QStringList{});
        QCOMPARE(dialogs.messages(), opens ? QStringList{} : QStringList{u"File not found."_s});
        // Save then asks for a name: nothing is written over what could not be read.
        window->mnusave->trigger();
        QCOMPARE(dialogs.asked.size(), opens ? 0 : 2);
        QCOMPARE(dialogs.asked.value(1).kind, opens ? QString() : u"save"_s);
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
        QCOMPARE(caption(window.get()), first);
        QCOMPARE(window->form1()->text(), "1"_ba);
        QCOMPARE(recentCaptions(window.get()), QStringList());
    }

    void newSaveAndSaveAs()
    {
        auto&& [dialogs, window] = StartedProgram();
        window->form1()->setText("unsaved"_ba);
        window->mnusave->trigger(); // no file attached: Save As, here cancelled
        QCOMPARE(dialogs.asked.constFirst().kind, u"save"_s);
        const QString untitled = pathOf(u"untitled.nfo"_s);
        dialogs.answerNext(untitled);
        window->mnusave->trigger(); // the untitled document becomes the file saved
        QCOMPARE(TestFiles::read(untitled), "unsaved"_ba);
        QCOMPARE(caption(window.get()), untitled);
        const QString other = pathOf(u"copy.nfo"_s);
        const QString path = writeFile(u"doc.nfo"_s, "A\r\n"_ba);
        dialogs.answerNext(path);
        window->mnuload->trigger();
        dialogs.answerNext(other);
        window->form1()->setText("changed"_ba);
        window->mnusaveas->trigger();
        window->form1()->txtvimb->appendPlainText(u"more"_s);
        window->mnusave->trigger(); // to the file saved as, which the document now is
        QCOMPARE(TestFiles::read(path), "A\r\n"_ba);
        QCOMPARE(TestFiles::read(other), "changed\r\nmore"_ba);
        QCOMPARE(caption(window.get()), other);
        QCOMPARE(dialogs.messages(), QStringList());
        // A folder that does not exist, and a folder's name, cannot be saved to.
        for (const QString& bad :
             {pathOf(u"no/such/folder/x.nfo"_s), TestEnvironment::instance().programDirectory()}) {
            dialogs.answerNext(bad);
            window->mnusaveas->trigger();
            QVERIFY(!QFileInfo(bad).isFile());
        }
        QCOMPARE(dialogs.messages(), QStringList({u"File could not be saved."_s,
                                                  TestEnvironment::instance().programDirectory() +
                                                      u" is a folder."_s}));
        QCOMPARE(dialogs.asked.last().icon, Dialogs::Icon::Exclamation);
    }

    void saveChoosersStartOnTheDocumentsName_data()
    {
        QTest::addColumn<QString>("opened"); // "" for an untitled document
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("asked"); // the starting name and the default suffix
        const auto row = [](const char* opened, const char* item, const char* start,
                            const char* suffix) {
            QTest::newRow(start) << QString(opened) << QString(item) << QStringList{start, suffix};
        };
        row("", "mnusaveas", "untitled.nfo", "");
        row("", "mnuexportpng", "untitled.png", "png");
        row("art.DIZ", "mnusaveas", "art.DIZ", "");
        row("re.v2.nfo", "mnuexporthtml", "re.v2.html", "html");
        row("art.nfo", "mnuexporttxt", "art.txt", "txt");
    }
    void saveChoosersStartOnTheDocumentsName()
    {
        QFETCH(QString, opened);
        QFETCH(QString, item);
        QFETCH(QStringList, asked);
        // A file loaded before and left does not lend its name to the untitled document.
        auto&& [dialogs, window] =
            StartedProgram(writeFile(opened.isEmpty() ? u"earlier.nfo"_s : opened, "A"_ba));
        if (opened.isEmpty())
            window->mnunew->trigger();
        // A name typed without an extension gets the suffix, as the real chooser adds it.
        dialogs.answerNext(pathOf(u"typed"_s));
        window->findChild<QAction*>(item)->trigger();
        const ScriptedDialogs::Request& request = dialogs.asked.last();
        const QString start = opened.isEmpty() ? asked[0] : pathOf(asked[0]);
        QCOMPARE(QStringList({request.startName, request.defaultSuffix}),
                 QStringList({start, asked[1]}));
        QVERIFY(QFileInfo::exists(
            pathOf(u"typed"_s + (asked[1].isEmpty() ? u""_s : u"."_s + asked[1]))));
    }

    void nextAndPreviousFile()
    {
        for (const char* name : {"b.NFO", "a.txt", "c.diz", "C.asc", "d.png", "e.ans", "f.nfo.bak"})
            writeFile(u"folder/"_s + QLatin1String(name), name);
        const QString b = pathOf(u"folder/b.NFO"_s);
        auto&& [dialogs, window] = StartedProgram(b);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const auto key = [main = window.get()](Qt::Key k) {
            QTest::keyClick(main->form1()->txtvimb, k, Qt::AltModifier);
            return QFileInfo(main->form1()->filePath()).fileName();
        };
        QStringList steps;
        for (const char k : QByteArray("<<>>>>>"))
            steps << key(k == '<' ? Qt::Key_Left : Qt::Key_Right);
        QCOMPARE(steps,
                 QStringList({"a.txt", "a.txt", "b.NFO", "C.asc", "c.diz", "e.ans", "e.ans"}));
        QCOMPARE(window->statusBar()->currentMessage(),
                 u"There is no next text-art file in this folder."_s);
        // A modified document: the question first; cancelled, the document stays.
        window->form1()->txtvimb->insertPlainText(u"x"_s);
        QCOMPARE(key(Qt::Key_Left), u"e.ans"_s);
        QCOMPARE(dialogs.messages("question"), QStringList{u"Save changes to e.ans?"_s});
        dialogs.answerNextQuestion(Dialogs::Answer::Discard);
        QCOMPARE(key(Qt::Key_Left), u"c.diz"_s);
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
        QVERIFY(window->mnuMRU.at(0)->text().contains(u"&&"_s)); // "&" shows as itself
        // Reopening the third item leaves the order as it was.
        window->mnuMRU.at(2)->trigger();
        QCOMPARE(window->form1()->text(), "5"_ba);
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
            const QString path = writeFile(u"new.nfo"_s, "n"_ba);
            dialogs.answerNext(path);
            window->mnuload->trigger();
            dialogs.answerNext(u"/stored/A.nfo"_s);
            window->mnuload->trigger();
            window->mnuexit->trigger();
        }
        QCOMPARE(kUser.read(SettingKeys::RecentFile, 0), u"/stored/A.nfo"_s);
        QCOMPARE(kUser.read(SettingKeys::RecentFile, 1), pathOf(u"new.nfo"_s));
        QCOMPARE(kUser.read(SettingKeys::RecentFile, 2), u"\x01garbage \u2603 text"_s);
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
