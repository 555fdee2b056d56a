// Prints how long `quilra --thumbnail 256` takes on a dense 100-line and a 100,000-line NFO,
// beside ansilove drawing the same file (Debian package ansilove), the usual way to make a
// picture of an NFO. The thumbnail reads only the start and the end of a file, so both files
// should cost the same, each at most half of ansilove's time. Each program runs as a process of
// its own, without a display.

#include "BenchArt.h"
#include "documents/NfoFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {

// The best of `runs` wall times of a program, in milliseconds; -1 when it failed. The picture
// it writes is taken away before each run: a file manager names a new file each time.
double bestRun(const QString& program, const QStringList& arguments, const QString& picture,
               int runs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    double best = -1;
    for (int run = 0; run < runs; ++run) {
        QFile::remove(picture);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(-1) || process.exitCode() != 0)
            return -1;
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        best = best < 0 ? ms : qMin(best, ms);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const QString ansilove = QStandardPaths::findExecutable(QStringLiteral("ansilove"));
    if (ansilove.isEmpty())
        std::printf("ansilove is not installed (Debian package ansilove): no comparison\n");
    bool failed = false;
    std::printf("Thumbnail of 256 pixels of a dense 80-column NFO, best of 5 (ansilove: of 3, once "
                "on the huge file):\n");
    const int sizes[] = {100, 100000};
    for (const int lines : sizes)
        NfoFile::write(folder.filePath(QStringLiteral("dense-%1.nfo").arg(lines)), denseArt(lines));
    // The files on disk before any time is taken: a program's own write must not wait for
    // theirs.
    sync();
    for (const int lines : sizes) {
        const QString nfo = folder.filePath(QStringLiteral("dense-%1.nfo").arg(lines));
        const QString ourPicture = nfo + QStringLiteral(".png");
        const QString theirPicture = nfo + QStringLiteral(".ansilove.png");
        const double ours = bestRun(
            QStringLiteral(QUILRA_EXECUTABLE),
            {QStringLiteral("--thumbnail"), QStringLiteral("256"), nfo, ourPicture}, ourPicture, 5);
        const double theirs = ansilove.isEmpty()
                                  ? -1
                                  : bestRun(ansilove, {QStringLiteral("-o"), theirPicture, nfo},
                                            theirPicture, lines > 1000 ? 1 : 3);
        std::printf("  %6d lines: quilra --thumbnail %7.1f ms   ansilove %8.1f ms   %s\n", lines,
                    ours, theirs,
                    theirs < 0           ? ""
                    : ours * 2 <= theirs ? "half or less: met"
                                         : "more than half: MISSED");
        failed = failed || ours < 0;
    }
    return failed ? 1 : 0;
}
