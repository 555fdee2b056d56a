// Prints how long `quilra --check` takes on the dense NFO of 100,000 lines of 80 columns,
// beside opening the same file headlessly with `quilra --export txt` in the same run: the
// check may take at most 1.5 times as long. Each is the median of five runs of the real
// program as a process of its own, without a display.

#include "BenchArt.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kLines = 100000;
constexpr int kRuns = 5;

// The median time of the program run with `arguments`, in milliseconds; -1 when a run failed
// (the check of the dense file finds nothing, so it exits 0 as the export does).
double medianMs(const QStringList& arguments)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QProcess program;
        program.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        program.start(QStringLiteral(QUILRA_EXECUTABLE), arguments);
        if (!program.waitForFinished(120000) || program.exitCode() != 0)
            return -1;
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dense.nfo"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(denseArt(kLines)) < 0)
        return 1;
    file.close();
    const double exportMs = medianMs({QStringLiteral("--export"), QStringLiteral("txt"),
                                      QStringLiteral("--output"), QStringLiteral("-"), path});
    const double checkMs = medianMs({QStringLiteral("--check"), path});
    if (exportMs < 0 || checkMs < 0) {
        std::printf("a run failed\n");
        return 1;
    }
    std::printf("Dense NFO, %d lines of 80 columns, median of %d runs:\n", kLines, kRuns);
    std::printf("  quilra --export txt --output -  %8.1f ms\n", exportMs);
    std::printf("  quilra --check                  %8.1f ms  (%.2f x; at most 1.50 x: %s)\n",
                checkMs, checkMs / exportMs, checkMs <= 1.5 * exportMs ? "kept" : "EXCEEDED");
    return 0;
}
