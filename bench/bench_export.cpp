// Prints how long exporting the dense 80 x 10,000-line NFO to PNG takes, beside ansilove on the
// same file in the same run when it is installed (Debian package ansilove), and how much memory
// the export needs next to the picture's size. Each program runs as a process of its own,
// without a display; the export's memory is measured in a process of its own too.
//
//   quilra_bench_export              the comparison
//   quilra_bench_export inside FILE  one export inside this process: time and memory

#include "BenchArt.h"
#include "documents/DocumentFormat.h"
#include "documents/NfoFile.h"
#include "export/DocumentExport.h"
#include "export/VgaFace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kLines = 10000;
constexpr int kRuns = 3;

long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

quint32 bigEndian(const QByteArray& bytes, int at)
{
    return (quint32(uchar(bytes.at(at))) << 24) | (quint32(uchar(bytes.at(at + 1))) << 16) |
           (quint32(uchar(bytes.at(at + 2))) << 8) | quint32(uchar(bytes.at(at + 3)));
}

int exportInside(const QString& path)
{
    const long before = statusKilobytes("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    NfoFile::Contents file = NfoFile::read(path);
    const qsizetype fileSize = file.bytes.size();
    DocumentFormat::Opened opened = DocumentFormat::open(file.bytes);
    file.bytes = QByteArray();
    const DocumentExport::Result result =
        DocumentExport(VgaFace::locate()).render(opened.display, {});
    if (!result.error.isEmpty() || !NfoFile::write(path + QStringLiteral(".png"), result.bytes)) {
        std::printf("the export failed: %s\n", qPrintable(result.error));
        return 1;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const long grownKb = statusKilobytes("VmHWM:") - before;
    const quint32 width = bigEndian(result.bytes, 16);
    const quint32 height = bigEndian(result.bytes, 20);
    const double pictureKb = double(width) * height / 8 / 1024;
    const double limitKb = 1.5 * pictureKb + double(fileSize) / 1024;
    std::printf("  inside the program: read, draw, deflate, write %7.1f ms\n", ms);
    std::printf("Picture %u x %u pixels: %.0f KB at one bit a pixel; PNG file %.0f KB\n", width,
                height, pictureKb, double(result.bytes.size()) / 1024);
    std::printf("Memory of the export: peak +%ld KB; limit 1.5 x picture + file = %.0f KB: %s\n",
                grownKb, limitKb, double(grownKb) < limitKb ? "kept" : "EXCEEDED");
    return 0;
}

// The highest peak memory of the processes this one has started and waited for.
long childrenPeakKilobytes()
{
    rusage usage = {};
    return getrusage(RUSAGE_CHILDREN, &usage) == 0 ? usage.ru_maxrss : -1;
}

// The best of `runs` wall times of a program, in milliseconds; -1 when it failed.
double bestRun(const QString& program, const QStringList& arguments, int runs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    double best = -1;
    for (int run = 0; run < runs; ++run) {
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
    if (argc > 2 && QByteArray(argv[1]) == "inside")
        return exportInside(QString::fromLocal8Bit(argv[2]));

    QTemporaryDir folder;
    const QString nfo = folder.filePath(QStringLiteral("dense.nfo"));
    NfoFile::write(nfo, denseArt(kLines));
    std::printf("Export of the dense 80 x %d-line NFO (%lld bytes) to PNG, best of %d:\n", kLines,
                QFileInfo(nfo).size(), kRuns);
    // The program's own peak when it does nothing, then with the export: the libraries it
    // loads for its window are most of both.
    bestRun(QStringLiteral(QUILRA_EXECUTABLE), {QStringLiteral("--version")}, 1);
    const long idleKb = childrenPeakKilobytes();
    const double quilra = bestRun(QStringLiteral(QUILRA_EXECUTABLE),
                                  {QStringLiteral("--export"), QStringLiteral("png"), nfo}, kRuns);
    const long exportKb = childrenPeakKilobytes();
    std::printf("  quilra --export png (the whole program)          %7.1f ms, peak %ld KB "
                "(--version alone: %ld KB)\n",
                quilra, exportKb, idleKb);
    std::fflush(stdout);
    QProcess inside;
    inside.setProcessChannelMode(QProcess::ForwardedChannels);
    inside.start(QCoreApplication::applicationFilePath(), {QStringLiteral("inside"), nfo});
    inside.waitForFinished(-1);

    const QString ansilove = QStandardPaths::findExecutable(QStringLiteral("ansilove"));
    if (ansilove.isEmpty()) {
        std::printf("ansilove is not installed (Debian package ansilove): no comparison\n");
        return quilra < 0 || inside.exitCode() != 0;
    }
    const double theirs = bestRun(
        ansilove, {QStringLiteral("-o"), folder.filePath(QStringLiteral("ansilove.png")), nfo}, 1);
    std::printf("  ansilove (once)                                  %7.1f ms\n", theirs);
    std::printf("Quilra takes 1/%.0f of ansilove's time (1/20 at most is the aim): %s\n",
                theirs / quilra, quilra * 20 <= theirs ? "met" : "MISSED");
    return quilra < 0 || theirs < 0 || inside.exitCode() != 0;
}
