#include "app/CrashRecovery.h"
#include "files/RecoverySnapshot.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

const QString kStateFolder = TestEnvironment::instance().root() + u"/state/Quilra"_s;
const QString kDocument = TestEnvironment::instance().root() + u"/doc.nfo"_s;

namespace {

QStringList snapshots()
{
    return QDir(kStateFolder).entryList({u"*.snapshot"_s}, QDir::Files);
}

// A snapshot as a run that was killed leaves it: no lock beside it.
QString leaveSnapshot(const RecoverySnapshot& snapshot, const QString& name = u"left"_s)
{
    QDir().mkpath(kStateFolder);
    return TestFiles::write(kStateFolder + u'/' + name + u".snapshot"_s, snapshot.toBytes());
}

QProcessEnvironment offscreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    return environment;
}

// The program, shown, once its start-up (and so the offer) is over.
void startShown(StartedProgram& program)
{
    QSignalSpy finished(program.window.get(), &MDIForm1::startUpFinished);
    program.window->show();
    if (finished.isEmpty())
        finished.wait(5000);
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TestEnvironment::instance().reset();
        QDir(kStateFolder).removeRecursively();
    }

    void editsAreSnapshottedUntilSaved()
    {
        const QString path = TestFiles::write(kDocument, "art\r\n");
        auto&& [dialogs, window] = StartedProgram(path);
        CrashRecovery* recovery = window->recovery();
        auto* timer = recovery->findChild<QTimer*>();
        QVERIFY(!timer->isActive()); // nothing changed: nothing runs
        QTextCursor(window->document().textDocument()).insertText(u"\u2591"_s);
        QVERIFY(timer->isActive());
        recovery->snapshotNow();
        QVERIFY(!timer->isActive());
        const auto snapshot =
            RecoverySnapshot::fromBytes(TestFiles::read(recovery->snapshotPath()));
        QVERIFY(snapshot);
        QCOMPARE(snapshot->bytes, "\xb0"
                                  "art\r\n"_ba);
        QCOMPARE(snapshot->filePath, QFileInfo(path).absoluteFilePath());
        QVERIFY(snapshot->stamp == FileStamp::of(path));
        window->mnusave->trigger();
        QCOMPARE(snapshots(), QStringList());
    }

    void restoreOrDiscard_data()
    {
        QTest::addColumn<Dialogs::RestoreAnswer>("answer");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("snapshotsAfter"); // this run's own included
        QTest::newRow("restore") << Dialogs::RestoreAnswer::Restore << "edited"_ba << 1;
        QTest::newRow("discard") << Dialogs::RestoreAnswer::Discard << ""_ba << 0;
        QTest::newRow("later") << Dialogs::RestoreAnswer::Later << ""_ba << 1;
    }
    void restoreOrDiscard()
    {
        QFETCH(Dialogs::RestoreAnswer, answer);
        QFETCH(QByteArray, text);
        QFETCH(int, snapshotsAfter);
        const QString path = TestFiles::write(kDocument, "old");
        leaveSnapshot({path, FileStamp::of(path), "edited"});
        TestFiles::write(path, "changed meanwhile");
        StartedProgram program;
        program.dialogs.answerNextRestore(answer);
        startShown(program);
        auto&& [dialogs, window] = program;
        QCOMPARE(
            dialogs.messages("restore"),
            QStringList{"Quilra ended without saving the changes to " + path + ". Restore them?"});
        QCOMPARE(window->document().bytes(), text);
        QCOMPARE(snapshots().size(), snapshotsAfter);
        if (answer != Dialogs::RestoreAnswer::Restore)
            return;
        QVERIFY(window->document().isModified());
        QCOMPARE(window->document().filePath(), path);
        // The file changed after the edits began: Save asks first.
        window->mnusave->trigger();
        QCOMPARE(dialogs.messages("changed").size(), 1);
        QCOMPARE(TestFiles::read(path), "changed meanwhile"_ba);
    }

    void aRunningProgramKeepsItsSnapshot()
    {
        // The real program holds its snapshot's lock: nothing is offered while it runs, and
        // once it is killed, its edits are.
        QProcess program;
        program.setProcessEnvironment(offscreen());
        program.start(QUILRA_EXECUTABLE, {});
        QTRY_COMPARE_WITH_TIMEOUT(
            QDir(kStateFolder).entryList({u"*.lock"_s}, QDir::Files | QDir::Hidden).size(), 1,
            20000);
        const QString lock =
            QDir(kStateFolder).entryList({u"*.lock"_s}, QDir::Files | QDir::Hidden).first();
        leaveSnapshot({QString(), std::nullopt, "typed"}, lock.chopped(14));
        StartedProgram beside;
        startShown(beside);
        QCOMPARE(beside.dialogs.messages("restore"), QStringList());
        program.kill();
        program.waitForFinished();
        StartedProgram after;
        after.dialogs.answerNextRestore(Dialogs::RestoreAnswer::Restore);
        startShown(after);
        QCOMPARE(after.dialogs.messages("restore"),
                 QStringList{u"Quilra ended without saving the changes to an untitled "
                             "document. Restore them?"_s});
        QCOMPARE(after.window->document().bytes(), "typed"_ba);
        QVERIFY(after.window->document().isModified());
    }

    void runsWithoutAWindowLeaveSnapshots()
    {
        const QString left = leaveSnapshot({QString(), std::nullopt, "typed"});
        const QString nfo =
            TestFiles::write(TestEnvironment::instance().root() + u"/a.nfo"_s, "art");
        QProcess program;
        program.setProcessEnvironment(offscreen());
        program.start(QUILRA_EXECUTABLE, {u"--export"_s, u"txt"_s, nfo});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(snapshots(), QStringList{u"left.snapshot"_s});
        QVERIFY(!QFile::exists(left + u".lock"_s));
    }
};

QUILRA_TEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
