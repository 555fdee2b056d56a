#include "app/CrashRecovery.h"
#include "files/RecoverySnapshot.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

QString stateFolder()
{
    return TestEnvironment::instance().root() + u"/state/Quilra"_s;
}

QString documentPath()
{
    return TestEnvironment::instance().root() + u"/doc.nfo"_s;
}

QStringList snapshots()
{
    return QDir(stateFolder()).entryList({u"*.snapshot"_s}, QDir::Files);
}

// A snapshot as a run that was killed leaves it: no lock beside it.
QString leaveSnapshot(const RecoverySnapshot& snapshot, const QString& name = u"left"_s)
{
    QDir().mkpath(stateFolder());
    return TestFiles::write(stateFolder() + u'/' + name + u".snapshot"_s, snapshot.toBytes());
}

// The program, shown, once its start-up (and so the offer) is over.
StartedProgram* startShown(StartedProgram& program)
{
    QSignalSpy finished(program.window.get(), &MDIForm1::startUpFinished);
    program.window->show();
    if (finished.isEmpty())
        finished.wait(5000);
    return &program;
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        TestEnvironment::instance().reset();
        QDir(stateFolder()).removeRecursively();
    }

    void snapshotFormat_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("valid");
        QTest::newRow("a file")
            << "Quilra recovery 1\npath=%2Fa%0Ab%25\nstamp=1 2 3 4\n\n\r\n\xb0"_ba << true;
        QTest::newRow("untitled") << "Quilra recovery 1\npath=\nstamp=\n\n"_ba << true;
        QTest::newRow("cut short") << "Quilra recovery 1\npath=/a\n"_ba << false;
        QTest::newRow("another file") << "Quilra recovery 2\npath=\nstamp=\n\nart"_ba << false;
        QTest::newRow("a broken stamp") << "Quilra recovery 1\npath=\nstamp=1 2\n\n"_ba << false;
    }
    void snapshotFormat()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, valid);
        const auto snapshot = RecoverySnapshot::fromBytes(stored);
        QCOMPARE(snapshot.has_value(), valid);
        if (valid)
            QCOMPARE(snapshot->toBytes(), stored);
    }

    void editsAreSnapshottedUntilSaved()
    {
        const QString path = TestFiles::write(documentPath(), "art\r\n");
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
        const QString path = TestFiles::write(documentPath(), "old");
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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        program.start(QUILRA_EXECUTABLE, {});
        QTRY_COMPARE_WITH_TIMEOUT(
            QDir(stateFolder()).entryList({u"*.lock"_s}, QDir::Files | QDir::Hidden).size(), 1,
            20000);
        const QString lock =
            QDir(stateFolder()).entryList({u"*.lock"_s}, QDir::Files | QDir::Hidden).first();
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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        program.setProcessEnvironment(environment);
        program.start(QUILRA_EXECUTABLE, {u"--export"_s, u"txt"_s, nfo});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(snapshots(), QStringList{u"left.snapshot"_s});
        QVERIFY(!QFile::exists(left + u".lock"_s));
    }
};

QUILRA_TEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
