#include "generator/frmmovie.h"
#include "settings/SettingKeys.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"
#include "ui/DocumentEditor.h"
#include "ui/FileChangedBar.h"
#include "ui/FindBar.h"
#include "ui/Form1.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

QString pathOf(const QString& name)
{
    return QDir(TestEnvironment::instance().root()).filePath(name);
}

void type(DocumentEditor* editor, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(editor, &press);
}

// Each way of replacing or dropping the document, run on a window whose document is the
// modified "old.nfo"; true when it went on to replace or drop it.
using Path = std::function<bool(MDIForm1*, ScriptedDialogs&)>;

bool replacedBy(MDIForm1* window, const QByteArray& text)
{
    return window->form1()->text() == text;
}

const QList<std::pair<const char*, Path>>& paths()
{
    static const QList<std::pair<const char*, Path>> all = {
        {"New",
         [](MDIForm1* w, ScriptedDialogs&) {
             w->mnunew->trigger();
             return replacedBy(w, {}) && w->windowTitle() == u"Quilra"_s;
         }},
        {"Load",
         [](MDIForm1* w, ScriptedDialogs& d) {
             d.answerNext(pathOf(u"other.nfo"_s));
             w->mnuload->trigger();
             return replacedBy(w, "other");
         }},
        {"a recent file",
         [](MDIForm1* w, ScriptedDialogs&) {
             w->mnuMRU.at(1)->trigger();
             return replacedBy(w, "other");
         }},
        {"a drop",
         [](MDIForm1* w, ScriptedDialogs&) {
             QMimeData files;
             files.setUrls({QUrl::fromLocalFile(pathOf(u"other.nfo"_s))});
             dropOn(w->form1()->txtvimb->viewport(), &files);
             return replacedBy(w, "other");
         }},
        {"Create",
         [](MDIForm1* w, ScriptedDialogs&) {
             w->mnuauto->trigger();
             w->existingGenerator()->Command2->click();
             return replacedBy(w, "generated\r\n");
         }},
        {"closing the document window",
         [](MDIForm1* w, ScriptedDialogs&) {
             QPointer<Form1> form = w->form1();
             form->close();
             return form->isClosing();
         }},
        {"Exit",
         [](MDIForm1* w, ScriptedDialogs&) {
             QSignalSpy exits(w, &MDIForm1::exitRequested);
             w->mnuexit->trigger();
             return exits.count() == 1;
         }},
        {"the close box", [](MDIForm1* w, ScriptedDialogs&) { return w->close(); }},
    };
    return all;
}

} // namespace

class TestUnsavedWork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TestEnvironment::instance().reset();
        TestFiles::write(pathOf(u"old.nfo"_s), "old");
        TestFiles::write(pathOf(u"other.nfo"_s), "other");
        TestFiles::write(
            QDir(TestEnvironment::instance().programDirectory()).filePath(u"movietemplate.nfo"_s),
            "generated");
        UserSettings().write(SettingKeys::RecentFile, pathOf(u"other.nfo"_s), 0);
    }

    void askedBeforeTheDocumentGoes_data()
    {
        QTest::addColumn<int>("path");
        QTest::addColumn<int>("answer");
        for (int i = 0; i < paths().size(); ++i) {
            for (const auto& [name, answer] : {std::pair{"Save", Dialogs::Answer::Save},
                                               {"Discard", Dialogs::Answer::Discard},
                                               {"Cancel", Dialogs::Answer::Cancel}})
                QTest::addRow("%s, %s", paths().at(i).first, name) << i << int(answer);
        }
    }

    void askedBeforeTheDocumentGoes()
    {
        QFETCH(int, path);
        QFETCH(int, answer);
        auto&& [dialogs, window] = StartedProgram(pathOf(u"old.nfo"_s));
        type(window->form1()->txtvimb, u"x"_s);
        QVERIFY(window->form1()->isWindowModified());
        dialogs.answerNextQuestion(static_cast<Dialogs::Answer>(answer));
        const bool wentOn = paths().at(path).second(window.get(), dialogs);

        QCOMPARE(dialogs.messages("question"), QStringList{u"Save changes to old.nfo?"_s});
        const bool cancelled = answer == int(Dialogs::Answer::Cancel);
        QCOMPARE(wentOn, !cancelled);
        const bool saved = answer == int(Dialogs::Answer::Save);
        QCOMPARE(TestFiles::read(pathOf(u"old.nfo"_s)), saved ? "xold"_ba : "old"_ba);
        if (cancelled)
            QCOMPARE(window->form1()->text(), "xold"_ba);
    }

    void unmodifiedIsNeverAskedAbout()
    {
        for (const auto& [name, path] : paths()) {
            auto&& [dialogs, window] = StartedProgram(pathOf(u"old.nfo"_s));
            QVERIFY2(path(window.get(), dialogs), name);
            QCOMPARE(dialogs.messages("question"), QStringList());
        }
    }

    void newThenSaveNeverTouchesTheLoadedFile()
    {
        auto&& [dialogs, window] = StartedProgram(pathOf(u"old.nfo"_s));
        window->mnunew->trigger();
        QCOMPARE(window->form1()->windowTitle(), u"Quilra[*]"_s);
        window->mnusave->trigger(); // asks for a name; cancelled
        QCOMPARE(dialogs.asked.constFirst().kind, u"save"_s);
        QCOMPARE(TestFiles::read(pathOf(u"old.nfo"_s)), "old"_ba);
    }

    void undoAndRedo()
    {
        auto&& [dialogs, window] = StartedProgram(pathOf(u"old.nfo"_s));
        Form1* form = window->form1();
        QVERIFY(!window->mnuundo->isEnabled());
        window->document().append(u"\u2591"_s);
        window->document().append(u"\u2592"_s);
        window->mnuundo->trigger(); // one palette key a step
        QCOMPARE(form->text(), "old\xB0"_ba);
        window->mnuundo->trigger();
        QVERIFY(!form->isModified()); // back where it was saved
        window->mnuredo->trigger();

        // A generated NFO is new work of its own: untitled and unsaved, whatever undo does.
        dialogs.answerNextQuestion(Dialogs::Answer::Discard);
        window->mnuauto->trigger();
        window->existingGenerator()->Command2->click();
        QCOMPARE(form->text(), "generated\r\n"_ba);
        QVERIFY(form->isModified());
        QCOMPARE(form->filePath(), QString());
        window->mnuundo->trigger(); // the whole generation in one step
        QCOMPARE(form->text(), "old\xB0"_ba);
        QVERIFY(form->isModified());
        window->mnuredo->trigger();
        QVERIFY(form->isModified());
        QCOMPARE(form->filePath(), QString());
        window->mnusave->trigger(); // untitled: asks for a name, here cancelled
        QCOMPARE(dialogs.asked.last().kind, u"save"_s);
        window->mnunew->trigger(); // unsaved work: asked about, here cancelled
        QCOMPARE(dialogs.messages("question").last(), u"Save changes to Untitled?"_s);
        QCOMPARE(TestFiles::read(pathOf(u"old.nfo"_s)), "old"_ba);
    }

    void replaceAllUndoThenLoadIsNoCrash()
    {
        // The highlights of a search once pointed into the text a load had just deleted.
        TestFiles::write(pathOf(u"again.nfo"_s), "AGAiN AGAiN\r\nAGAiN\r\n");
        auto&& [dialogs, window] = StartedProgram(pathOf(u"again.nfo"_s));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        Form1* form = window->form1();
        window->mnureplace->trigger();
        QTest::keyClicks(form->findbar->txtfind, u"AGAiN"_s);
        form->findbar->txtreplace->setText(u"XXXXX"_s);
        form->findbar->cmdreplaceall->click();
        QCOMPARE(form->text(), "XXXXX XXXXX\r\nXXXXX\r\n"_ba);
        QTest::mouseClick(form->txtvimb->viewport(), Qt::LeftButton);
        window->mnuundo->trigger();
        dialogs.answerNextQuestion(Dialogs::Answer::Discard);
        dialogs.answerNext(pathOf(u"old.nfo"_s));
        window->mnuload->trigger();
        QApplication::processEvents();
        QCOMPARE(form->text(), "old"_ba);
        QVERIFY(form->findbar->matches().isEmpty());
        QVERIFY(!window->mnuundo->isEnabled()); // no undo into the other file
    }

    void changedOnDisk_data()
    {
        QTest::addColumn<bool>("removed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("onDisk");
        using A = Dialogs::ChangedAnswer;
        QTest::newRow("changed, cancel") << false << int(A::Cancel) << "oldX\n"_ba;
        QTest::newRow("changed, overwrite") << false << int(A::Overwrite) << "xold"_ba;
        QTest::newRow("removed, cancel") << true << int(A::Cancel) << "<missing>"_ba;
        QTest::newRow("removed, overwrite") << true << int(A::Overwrite) << "xold"_ba;
    }
    void changedOnDisk()
    {
        QFETCH(bool, removed);
        QFETCH(int, answer);
        QFETCH(QByteArray, onDisk);
        const QString path = pathOf(u"old.nfo"_s);
        auto&& [dialogs, window] = StartedProgram(path);
        if (removed)
            QFile::remove(path);
        else
            TestFiles::write(path, "oldX\n");
        type(window->form1()->txtvimb, u"x"_s);
        dialogs.answerNextChanged(Dialogs::ChangedAnswer(answer));
        window->mnusave->trigger();
        QCOMPARE(dialogs.asked.last().kind, u"changed"_s);
        QCOMPARE(TestFiles::read(path), onDisk);
        QCOMPARE(window->form1()->isModified(), onDisk != "xold");
    }

    void unmodifiedChangedOnDiskOffersReload()
    {
        const QString path = pathOf(u"old.nfo"_s);
        auto&& [dialogs, window] = StartedProgram(path);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        TestFiles::write(path, "newer");
        QTRY_VERIFY(window->form1()->filechanged->isVisible());
        window->form1()->filechanged->cmdreload->click();
        QCOMPARE(window->form1()->text(), "newer"_ba);
        QVERIFY(dialogs.asked.isEmpty()); // a notice, never a box
    }

    void keysPathsAndCaptions()
    {
        // A relative path is made absolute for the captions and the recent files.
        QDir::setCurrent(TestEnvironment::instance().root());
        auto&& [dialogs, window] = StartedProgram(u"old.nfo"_s);
        const QString caption = u"Quilra - ("_s + pathOf(u"old.nfo"_s) + u")"_s;
        QCOMPARE(window->mnuMRU.at(0)->data().toString(), pathOf(u"old.nfo"_s));
        // Alt and a letter belong to the menus, never to the text.
        QKeyEvent alt(QEvent::KeyPress, Qt::Key_Q, Qt::AltModifier, u"q"_s);
        QApplication::sendEvent(window->form1()->txtvimb, &alt);
        QCOMPARE(window->form1()->text(), "old"_ba);
        QCOMPARE(window->MNUFILE->title(), u"&File"_s);
        QVERIFY(window->mnuload->shortcuts().contains(QKeySequence(u"Ctrl+O"_s)));
        // Maximised, the document window adds nothing to the main caption; closed, it goes.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->form1()->showMaximized();
        QTRY_VERIFY(window->form1()->isMaximized());
        QCOMPARE(window->windowTitle(), caption);
        window->form1()->close();
        QCOMPARE(window->windowTitle(), u"Quilra"_s);
    }
};

QUILRA_TEST_MAIN(TestUnsavedWork)
#include "tst_unsavedwork.moc"
