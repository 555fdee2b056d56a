// Prints how long reading a video file's facts takes and how much of the file is read: the
// first read (which loads MediaInfo), a 2-second video, the same video at the start of a
// sparse 4 GB file, 4 GB of sparse zeros, and 256 MB of random bytes. The video is made with
// ffmpeg; without it the benchmark says so and stops.

#include "generator/MediaProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The bytes this process has read so far, from the kernel's own count.
qint64 bytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar: "))
            return line.mid(7).toLongLong();
    }
    return 0;
}

void measure(const char* what, const QString& path, int runs)
{
    std::vector<double> times;
    qint64 read = 0;
    MediaProbe::Result result;
    for (int run = 0; run < runs; ++run) {
        const qint64 before = bytesRead();
        QElapsedTimer timer;
        timer.start();
        result = MediaProbe::read(path);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        read = bytesRead() - before;
    }
    std::sort(times.begin(), times.end());
    std::printf("%-34s median %8.2f ms, %9.1f KiB read, runtime \"%s\"\n", what,
                times[times.size() / 2], double(read) / 1024.0, qPrintable(result.facts.runtime));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const QString video = folder.filePath(QStringLiteral("movie.mp4"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringLiteral("-v error -f lavfi -i testsrc=s=1920x1080:d=2 -f lavfi -i "
                                "sine=d=2 -c:v libx264 -preset ultrafast -c:a aac -t 2 -y")
                         .split(QLatin1Char(' '))
                     << video);
    if (!ffmpeg.waitForFinished(300000) || ffmpeg.exitCode() != 0) {
        std::printf("ffmpeg could not make the video; nothing measured\n");
        return 0;
    }
    measure("first read (loads MediaInfo)", video, 1);
    measure("2-second 1080p video", video, 21);

    const QString large = folder.filePath(QStringLiteral("large.mp4"));
    const QString zeros = folder.filePath(QStringLiteral("zeros.bin"));
    QFile empty(zeros);
    if (!QFile::copy(video, large) || !QFile::resize(large, qint64(4) << 30) ||
        !empty.open(QIODevice::WriteOnly) || !empty.resize(qint64(4) << 30)) {
        std::printf("the sparse files could not be made\n");
        return 0;
    }
    measure("the video in a sparse 4 GB file", large, 5);
    measure("4 GB of sparse zeros", zeros, 5);

    QFile random(folder.filePath(QStringLiteral("random.bin")));
    if (!random.open(QIODevice::WriteOnly))
        return 0;
    std::vector<quint32> block(1 << 18); // 1 MiB
    for (int mib = 0; mib < 256; ++mib) {
        QRandomGenerator::global()->fillRange(block.data(), block.size());
        random.write(reinterpret_cast<const char*>(block.data()), qint64(block.size() * 4));
    }
    random.close();
    measure("256 MB of random bytes", random.fileName(), 5);
    return 0;
}
