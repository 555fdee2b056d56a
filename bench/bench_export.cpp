// Prints how long exporting two files to PNG takes, beside ansilove on the same files in the
// same run (Debian package ansilove), and the sizes of both programs' pictures:
//   - a random dense NFO: 10,000 lines of 80 random codes of B0-DF, art that deflates about as
//     badly as art can (the aim: at most 1/20 of ansilove's time, a picture no larger);
//   - full-colour ANSI art of 2,400 rows (the aim: at most 1/5 of ansilove's time, a picture
//     no larger).
// Each program runs as a process of its own, without a display. The export's memory is
// measured in a process of its own too. Then the same dense file and a typical 5 KB NFO to PDF
// and SVG: their sizes and times (the aims: the typical NFO's at most 200 KB each, the dense
// file's PDF no larger than its PNG).
//
//   quilra_bench_export              the comparison
//   quilra_bench_export inside FILE  one streaming export inside this process: time and memory
//   quilra_bench_export memory FILE [SCALE]
//                                    the peak memory of the real program exporting FILE to PNG
//                                    (scale 1 unless given), beside that of quilra --version

#include "BenchArt.h"
#include "ansi/AnsiInterpreter.h"
#include "documents/DocumentFormat.h"
#include "documents/NfoFile.h"
#include "export/DocumentExport.h"
#include "export/VgaFace.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kLines = 10000;
constexpr int kAnsiRows = 2400;
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

int exportInside(const QString& path)
{
    const long before = statusKilobytes("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    NfoFile::Contents file = NfoFile::read(path);
    const DocumentFormat::Opened opened = DocumentFormat::open(file.bytes);
    file.bytes = QByteArray();
    QSaveFile out(path + QStringLiteral(".png"));
    out.open(QIODevice::WriteOnly);
    const QString error = DocumentExport(VgaFace::locate()).write(opened.display, {}, out, {});
    if (!error.isEmpty() || !out.commit()) {
        std::printf("the export failed: %s\n", qPrintable(error));
        return 1;
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const long grownKb = statusKilobytes("VmHWM:") - before;
    std::printf("  inside the program: read, draw, deflate, write %7.1f ms; memory: peak +%ld KB "
                "(the document %lld KB)\n",
                ms, grownKb, qint64(opened.display.size()) * 2 / 1024);
    return 0;
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

// Both programs on one file; true when Quilra met the aim (1/`fraction` of the time, a file
// no larger).
bool compare(const QString& file, int fraction, const QString& ansilove)
{
    const QString ours = file + QStringLiteral(".quilra.png");
    const QString theirs = file + QStringLiteral(".ansilove.png");
    const double quilra = bestRun(
        QStringLiteral(QUILRA_EXECUTABLE),
        {QStringLiteral("--export"), QStringLiteral("png"), QStringLiteral("--output"), ours, file},
        kRuns);
    std::printf("  quilra --export png (the whole program, best of %d) %8.1f ms, PNG %8lld bytes\n",
                kRuns, quilra, QFileInfo(ours).size());
    if (ansilove.isEmpty()) {
        std::printf("  ansilove is not installed (Debian package ansilove): no comparison\n");
        return quilra >= 0;
    }
    const double them = bestRun(ansilove, {QStringLiteral("-o"), theirs, file}, 1);
    std::printf("  ansilove (once)                                  %8.1f ms, PNG %8lld bytes\n",
                them, QFileInfo(theirs).size());
    const bool met = quilra >= 0 && them > 0 && quilra * fraction <= them &&
                     QFileInfo(ours).size() <= QFileInfo(theirs).size();
    std::printf("  Quilra takes 1/%.1f of ansilove's time (1/%d at most is the aim, with a PNG no "
                "larger): %s\n",
                them / quilra, fraction, met ? "met" : "MISSED");
    return met;
}

// The dense file and a typical NFO as PDF and SVG, beside the PNG; true when the sizes meet
// the aims.
bool vectorFigures(const QTemporaryDir& folder, const QString& dense)
{
    const QString typical = folder.filePath(QStringLiteral("typical.nfo"));
    NfoFile::write(typical, typicalNfo());
    bool met = true;
    for (const QString& file : {typical, dense}) {
        const qint64 png = QFileInfo(file + QStringLiteral(".quilra.png")).size();
        std::printf("Export of %s (%lld bytes) to PDF and SVG:\n",
                    qPrintable(QFileInfo(file).fileName()), QFileInfo(file).size());
        for (const char* format : {"pdf", "svg"}) {
            const QString out = file + QLatin1Char('.') + QLatin1String(format);
            const double ms = bestRun(QStringLiteral(QUILRA_EXECUTABLE),
                                      {QStringLiteral("--export"), QLatin1String(format),
                                       QStringLiteral("--output"), out, file},
                                      kRuns);
            const qint64 size = QFileInfo(out).size();
            std::printf("  quilra --export %s (best of %d) %8.1f ms, %8lld bytes", format, kRuns,
                        ms, size);
            if (file == typical) {
                std::printf(" (at most 204800 is the aim)\n");
                met = met && ms >= 0 && size <= 200 * 1024;
            } else if (QByteArray(format) == "pdf") {
                std::printf(" (the PNG's %lld bytes at most is the aim)\n", png);
                met = met && ms >= 0 && size <= png;
            } else {
                std::printf("\n");
            }
        }
    }
    std::printf("PDF and SVG sizes: %s\n", met ? "met" : "MISSED");
    return met;
}

// The peak resident memory (VmHWM) in KB of the real program run with `arguments`, as the
// kernel reports it for that one child to wait4(), and the wall time; -1 KB when it failed.
std::pair<long, double> peakOf(const QStringList& arguments)
{
    std::vector<QByteArray> strings{QByteArrayLiteral(QUILRA_EXECUTABLE)};
    for (const QString& argument : arguments)
        strings.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& string : strings)
        argv.push_back(string.data());
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0)
            dup2(quiet, STDOUT_FILENO);
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage = {};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return {-1, 0};
    return {usage.ru_maxrss, double(timer.nsecsElapsed()) / 1e9};
}

int exportMemory(const QString& file, const QString& scale)
{
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("memory.png"));
    const auto [idle, idleSeconds] = peakOf({QStringLiteral("--version")});
    const auto [peak, seconds] =
        peakOf({QStringLiteral("--export"), QStringLiteral("png"), QStringLiteral("--scale"), scale,
                QStringLiteral("--output"), png, file});
    std::printf("Peak memory (VmHWM) of quilra --export png --scale %s of %lld bytes:\n"
                "  %ld KB in %.1f s (PNG %lld bytes); quilra --version: %ld KB\n",
                qPrintable(scale), QFileInfo(file).size(), peak, seconds, QFileInfo(png).size(),
                idle);
    Q_UNUSED(idleSeconds);
    return peak < 0 || idle < 0 ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "inside")
        return exportInside(QString::fromLocal8Bit(argv[2]));
    if (argc > 2 && QByteArray(argv[1]) == "memory")
        return exportMemory(QString::fromLocal8Bit(argv[2]),
                            argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("1"));

    QTemporaryDir folder;
    const QString ansilove = QStandardPaths::findExecutable(QStringLiteral("ansilove"));
    const QString nfo = folder.filePath(QStringLiteral("random.nfo"));
    NfoFile::write(nfo, randomArt(kLines));
    std::printf("Export of the random dense 80 x %d-line NFO (%lld bytes) to PNG:\n", kLines,
                QFileInfo(nfo).size());
    const bool plainMet = compare(nfo, 20, ansilove);
    std::fflush(stdout);
    QProcess inside;
    inside.setProcessChannelMode(QProcess::ForwardedChannels);
    inside.start(QCoreApplication::applicationFilePath(), {QStringLiteral("inside"), nfo});
    inside.waitForFinished(-1);

    const QString ans = folder.filePath(QStringLiteral("colour.ans"));
    NfoFile::write(ans, colourArt(kAnsiRows));
    std::printf("Export of full-colour ANSI art, 80 x %d cells (%lld bytes), to PNG:\n", kAnsiRows,
                QFileInfo(ans).size());
    const bool ansiMet = compare(ans, 5, ansilove);
    const bool vectorMet = vectorFigures(folder, nfo);
    return plainMet && ansiMet && vectorMet && inside.exitCode() == 0 ? 0 : 1;
}
