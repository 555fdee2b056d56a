#include "files/WholeFile.h"
#include "settings/modINI.h"
#include "support/TestEnvironment.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString pathOf(const QString& name)
{
    return QDir(TestEnvironment::instance().root()).filePath(name);
}

// A small tmpfs that a test may fill, or "" when this machine does not let it mount one.
QString mountSmallDisk(const QString& name)
{
    const QString mountPoint = pathOf(name);
    QDir().mkpath(mountPoint);
    const int status = QProcess::execute(
        u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=100k"_s, u"tmpfs"_s, mountPoint});
    return status == 0 ? mountPoint : QString();
}

// Fills the disk that holds the folder to its last byte.
void fill(const QString& folder)
{
    QFile filler(QDir(folder).filePath(u"filler"_s));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'f');
    while (filler.write(block) > 0) {
    }
    while (filler.write(block.left(1)) > 0) {
    }
}

} // namespace

class TestWholeFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeLimit_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<WholeFile::Status>("status");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("at the limit") << TestFiles::write(pathOf(u"16.nfo"_s), "0123456789abcdef")
                                      << WholeFile::Status::Read << "0123456789abcdef"_ba;
        QTest::newRow("one byte over") << TestFiles::write(pathOf(u"17.nfo"_s), "0123456789abcdefg")
                                       << WholeFile::Status::TooLarge << QByteArray();
        // A file of /proc says it is empty and holds more than the limit.
        QTest::newRow("larger than it says")
            << u"/proc/self/status"_s << WholeFile::Status::TooLarge << QByteArray();
        QTest::newRow("empty") << TestFiles::write(pathOf(u"0.nfo"_s), {})
                               << WholeFile::Status::Read << QByteArray();
    }

    void sizeLimit()
    {
        QFETCH(QString, path);
        QFETCH(WholeFile::Status, status);
        QFETCH(QByteArray, bytes);
        const WholeFile::Contents contents = WholeFile::read(path, 16);
        QCOMPARE(contents.status, status);
        QCOMPARE(contents.bytes, bytes);
    }

    void aFailingDeviceFailsTheWrite_data()
    {
        QTest::addColumn<bool>("buffered");
        QTest::newRow("refused at the flush") << true;
        QTest::newRow("refused at the write") << false;
    }

    void aFailingDeviceFailsTheWrite()
    {
        QFETCH(bool, buffered);
        // /dev/full takes every open and refuses every write as a full disk does.
        QFile device(u"/dev/full"_s);
        const auto mode =
            buffered ? QIODevice::WriteOnly : QIODevice::WriteOnly | QIODevice::Unbuffered;
        QVERIFY(device.open(mode));
        QVERIFY(!WholeFile::writeAll(device, QByteArray(13000, '\xB0')));
        QFile ordinary(pathOf(u"ordinary.nfo"_s));
        QVERIFY(ordinary.open(mode));
        QVERIFY(WholeFile::writeAll(ordinary, "written"));
    }

    void aFolderThatRefusesNewFiles()
    {
        // The file itself may be written; no file can be made beside it for the swap.
        const QString folder = pathOf(u"immutable"_s);
        const QString path = TestFiles::write(QDir(folder).filePath(u"mine.nfo"_s), "old");
        if (QProcess::execute(u"chattr"_s, {u"+i"_s, folder}) != 0)
            QSKIP("This machine does not let the test make a folder refuse new files.");
        const bool replaced = WholeFile::replace(path, "new, and longer");
        const QStringList entries = QDir(folder).entryList(QDir::Files);
        QProcess::execute(u"chattr"_s, {u"-i"_s, folder});
        QVERIFY(replaced);
        QCOMPARE(TestFiles::read(path), "new, and longer"_ba);
        QCOMPARE(entries, QStringList{u"mine.nfo"_s});
    }

    void refusesAllButRegularFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<WholeFile::Kind>("kind");
        QTest::newRow("a planted link") << u"link"_s << WholeFile::Kind::Link;
        QTest::newRow("a FIFO") << u"fifo"_s << WholeFile::Kind::Special;
        QTest::newRow("a device node") << u"null"_s << WholeFile::Kind::Special;
        QTest::newRow("a folder") << u"folder"_s << WholeFile::Kind::Folder;
    }
    void refusesAllButRegularFiles()
    {
        QFETCH(QString, name);
        QFETCH(WholeFile::Kind, kind);
        const QString victim = TestFiles::write(pathOf(u"victim"_s), "old");
        const QString path = pathOf(name);
        const QByteArray native = QFile::encodeName(path);
        QFile::remove(path);
        if (name == u"link"_s)
            QVERIFY(QFile::link(victim, path));
        else if (name == u"fifo"_s)
            QCOMPARE(::mkfifo(native.constData(), 0644), 0);
        else if (name == u"folder"_s)
            QVERIFY(QDir().mkpath(path));
        else if (::mknod(native.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("Only root may make the device node.");
        const WholeFile::Replaced replaced =
            WholeFile::replace(path, "new", WholeFile::Links::Refuse);
        QCOMPARE(replaced.outcome, WholeFile::Outcome::Refused);
        QCOMPARE(replaced.kind, kind);
        QCOMPARE(WholeFile::kindOf(path), kind); // still there as it was
        QCOMPARE(TestFiles::read(victim), "old"_ba);
    }

    void keepsOwnerPermissionsAndTheLinkItWasOpenedBy()
    {
        // The file keeps its owner, group and permissions (special bits too) and the link it
        // was opened by; its second name keeps the old bytes, which the write reports.
        const QString path = TestFiles::write(pathOf(u"real/owned.nfo"_s), "old");
        const QString link = pathOf(u"owned.nfo"_s), second = pathOf(u"real/second.nfo"_s);
        const QByteArray native = QFile::encodeName(path);
        QFile::remove(link);
        QFile::remove(second);
        QVERIFY(QFile::link(path, link));
        QCOMPARE(::link(native.constData(), QFile::encodeName(second).constData()), 0);
        const bool root = ::geteuid() == 0;
        QVERIFY(!root || ::chown(native.constData(), 1234, 2345) == 0);
        QCOMPARE(::chmod(native.constData(), 06751), 0);
        const WholeFile::Replaced replaced =
            WholeFile::replace(link, "new", WholeFile::Links::Follow);
        QVERIFY(replaced.written() && replaced.hardLinkBroken && !replaced.ownershipChanged);
        struct stat info = {};
        QCOMPARE(::stat(native.constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, 06751u);
        if (root)
            QCOMPARE(QList<uint>({info.st_uid, info.st_gid}), QList<uint>({1234, 2345}));
        QCOMPARE(WholeFile::kindOf(link), WholeFile::Kind::Link);
        QCOMPARE(TestFiles::read(link) + TestFiles::read(second), "newold"_ba);
    }

    void aFullDiskKeepsTheOldFile()
    {
        const QString disk = mountSmallDisk(u"full-disk"_s);
        if (disk.isEmpty())
            QSKIP("This machine does not let the test mount a small tmpfs to fill.");
        const QString nfo =
            TestFiles::write(QDir(disk).filePath(u"old.nfo"_s), QByteArray(13000, '\xDB'));
        const QString ini = TestFiles::write(QDir(disk).filePath(u"Settings.ini"_s),
                                             "[Custom Colors]\r\ntext=255\r\n");
        fill(disk);
        // Smaller than Qt's write buffer, so that only the flush meets the full disk.
        const bool saved = WholeFile::replace(nfo, QByteArray(13000, '\xB0'));
        const bool stored =
            modINI::WriteINI(ini, "Custom Font", "Font Name", QByteArray(5000, 'x'));
        const QByteArray nfoAfter = TestFiles::read(nfo);
        const QByteArray iniAfter = TestFiles::read(ini);
        QProcess::execute(u"umount"_s, {disk});
        QVERIFY(!saved);
        QVERIFY(!stored);
        QCOMPARE(nfoAfter, QByteArray(13000, '\xDB'));
        QCOMPARE(iniAfter, "[Custom Colors]\r\ntext=255\r\n"_ba);
    }
};

QUILRA_TEST_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
