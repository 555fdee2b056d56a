#include "app/CommandLineTool.h"
#include "generator/MediaProbe.h"
#include "generator/frmmovie.h"
#include "support/ProgramHarness.h"
#include "support/TestFiles.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>

// ffmpeg makes movie.mp4: 2 s of 640x360 H.264, AAC 2.0 at 128 kb/s in English, AC-3 5.1 at
// 448 kb/s in German, French subtitles, padded to 1,234,567 bytes; plain.mpg: MPEG-2, MP2 mono.
const QString kProgram = TestEnvironment::instance().programDirectory();
const QString kVideo = kProgram + "/media/movie.mp4";

class TestMedia : public QObject
{
    Q_OBJECT

    static bool libraryLoaded() { return TestFiles::read("/proc/self/maps").contains("mediainfo"); }

private Q_SLOTS:
    void initTestCase()
    {
        const QString subtitles = TestFiles::write(kProgram + "/media/movie.srt",
                                                   "1\n00:00:00,000 --> 00:00:01,500\nHello\n");
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", QString("-v error -f lavfi -i testsrc=s=640x360:d=2 -f lavfi -i "
                                       "sine=f=440:d=2 -f lavfi -i sine=f=880:d=2 -i %1 -map 0 "
                                       "-map 1 -map 2 -map 3 -c:v libx264 -preset ultrafast "
                                       "-threads 1 -c:a:0 aac -b:a:0 128k -ac:a:0 2 -c:a:1 ac3 "
                                       "-b:a:1 448k -ac:a:1 6 -c:s mov_text -metadata:s:1 "
                                       "language=eng -metadata:s:2 language=ger -metadata:s:3 "
                                       "language=fre -t 2 -y %2 -map 0 -map 1 -c:v mpeg2video "
                                       "-c:a mp2 -b:a 192k -ac 1 -t 2 %3")
                                   .arg(subtitles, kVideo, kProgram + "/media/plain.mpg")
                                   .split(' '));
        if (!ffmpeg.waitForStarted())
            QSKIP("ffmpeg is not installed");
        QVERIFY(ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0);
        QVERIFY(QFile::resize(kVideo, 1234567));
        TestFiles::write(kProgram + "/movietemplate.nfo",
                         TestFiles::read(QUILRA_TEMPLATES_DIR "/movietemplate.nfo"));
    }

    void fromVideoFillsOnlyEmptyFields()
    {
        auto&& [dialogs, window] = StartedProgram();
        auto* form = openThrough<frmmovie>(window.get(), window->mnuauto);
        QVERIFY(!libraryLoaded()); // not at start-up
        QSignalSpy status(form, &frmmovie::statusMessage);
        form->txtlan->setText("Deutsch");
        const QString text = TestFiles::write(kProgram + "/media/notes.txt", "not a film\r\n");
        for (const QString& path :
             {text, kProgram + "/media/missing.mkv", kProgram + "/media", kVideo})
            dialogs.answerNext(path);
        for (int click = 0; click < 4; ++click)
            form->cmdfromvideo->click();
        QCOMPARE(dialogs.messages(), (QStringList{"No video facts found in notes.txt.",
                                                  "No video facts found in missing.mkv.",
                                                  "No video facts found in media."}));
        QVERIFY(libraryLoaded());
        QStringList filled;
        for (const char* name : {"txtrun", "txtlan", "txtvidcod", "txtres", "txtaudcod",
                                 "txtaudbit", "txtsub", "txtnumber"})
            filled.append(form->findChild<QLineEdit*>(name)->text());
        QCOMPARE(filled,
                 (QStringList{"00:00:02", "Deutsch", "H.264", "640x360", "AAC 2.0, AC-3 5.1",
                              "128 kb/s, 448 kb/s", "French", "1235"}));
        QCOMPARE(status.takeFirst().at(0).toString(),
                 "Filled from movie.mp4: Runtime, Video Codec, Resolution, Audio Codec, Audio "
                 "Bitrate, Subtitles, Size. Kept as typed: Language.");
        QVERIFY(form->txtpreview->toPlainText().contains("Audio codec ...... : AAC 2.0, AC-3 5.1"));
    }

    void commandLineFieldsWin()
    {
        QTemporaryDir folder;
        const QString fields =
            TestFiles::write(folder.filePath("f.ini"), "[movie]\r\nsubtitles=English SDH\r\n");
        QString errors;
        QTextStream out(stdout);
        QTextStream err(&errors);
        const auto run = [&](const QString& media, const QString& nfo) {
            return CommandLineTool(ProgramSettings(folder.filePath("Settings.ini")), kProgram, "no",
                                   out, err)
                .run({"quilra", "--generate", "movie", "--media", media, "--fields", fields,
                      "--field", "language=Deutsch", "--output", folder.filePath(nfo)});
        };
        QCOMPARE(run(kVideo, "movie.nfo"), 0);
        const QByteArray nfo = TestFiles::read(folder.filePath("movie.nfo"));
        QVERIFY(nfo.contains(
            "     Runtime .......... : 00:00:02\r\n     Language ......... : Deutsch\r\n"
            "     Subtitles ........ : English SDH\r\n     Size ............. : 1235 KB\r\n"));
        QVERIFY(
            nfo.contains("     Video codec ...... : H.264\r\n     Resolution ....... : 640x360\r\n"
                         "     Audio codec ...... : AAC 2.0, AC-3 5.1\r\n"
                         "     Audio bitrate .... : 128 kb/s, 448 kb/s\r\n"));
        QCOMPARE(run(fields, "none.nfo"), 1);
        err.flush();
        QCOMPARE(errors, "quilra: No video facts found in " + fields + ".\n");
        QVERIFY(!QFile::exists(folder.filePath("none.nfo")));
    }

    void largeFilesAreNotReadThrough_data()
    {
        QTest::addColumn<QString>("video"); // at the start of the 4 GB; "" for only zeros
        QTest::addColumn<QString>("facts"); // runtime|video|resolution|audio|bitrate|languages|...
        QTest::newRow("zeros") << ""
                               << "|||||||";
        // Its end holds no time stamps, so it tells no runtime.
        QTest::newRow("MPEG-2") << "plain.mpg"
                                << "|MPEG-2|640x360|MP2 1.0|192 kb/s|||4294967";
    }
    void largeFilesAreNotReadThrough()
    {
        QFETCH(QString, video);
        QFETCH(QString, facts);
        const QString path = kProgram + "/media/large-" + QTest::currentDataTag(); // sparse
        QVERIFY(video.isEmpty() ? QFile(path).open(QIODevice::WriteOnly)
                                : QFile::copy(kProgram + "/media/" + video, path));
        QVERIFY(QFile::resize(path, qint64(4) << 30));
        const MediaFacts got = MediaProbe::read(path).facts;
        QCOMPARE(QStringList({got.runtime, got.videoCodec, got.resolution, got.audioCodecs,
                              got.audioBitrates, got.languages, got.subtitles, got.size})
                     .join('|'),
                 facts);
    }
};

QUILRA_TEST_MAIN(TestMedia)
#include "tst_media.moc"
