// Prints how long opening an NFO file takes and how much memory it needs, for generated files
// of 80 columns of dense box drawing, beside a bare Qt program doing the least any viewer must:
// read the file, map each byte through a 256-entry table and call setPlainText once, in a text
// box of the same size and font. Each figure comes from a process of its own, so that the peak
// memory belongs to that run alone.
//
// Start-up is also timed as what the user waits for: whole processes, from their start until
// the window shows the file, the real program beside a bare viewer (quilra_bench_bare), the
// median of 20 starts each, taking turns, for a typical NFO and a dense one of 10,000 lines.
// On a shared machine these figures move by a tenth either way from run to run; the work done
// to the first paint, counted in instructions with valgrind --tool=callgrind, is steadier. With
// an X display, typical / dense: bare 65 / 216 million instructions; Quilra 191 / 381 million
// while it looked up the menus' theme icons, loaded the image plugins and laid out two pages
// before showing the file, 85 / 247 million since (without a display 57 / 209 against 98 / 296,
// then 76 / 240).
//
//   quilra_bench_documents                     every size, both programs
//   quilra_bench_documents startup             the whole-process start-up only
//   quilra_bench_documents quilra|bare LINES   one run
//   quilra_bench_documents random MB           a file of random bytes

#include "BenchArt.h"
#include "BenchHome.h"
#include "app/MDIForm1.h"
#include "documents/Cp437.h"
#include "ui/DocumentEditor.h"
#include "ui/DocumentFont.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long peakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

QString writeFile(const QTemporaryDir& folder, const QByteArray& bytes)
{
    const QString path = folder.filePath(QStringLiteral("bench.nfo"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// The least a viewer does: the bytes through a table, one setPlainText.
void openBare(QPlainTextEdit& edit, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar table[256];
    for (int code = 0; code < 256; ++code)
        table[code] = code == '\n' ? QLatin1Char('\n') : Cp437::toUnicode(uchar(code));
    QChar* out = text.data();
    const char* in = bytes.constData();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = table[uchar(in[i])];
    bytes = QByteArray();
    edit.setPlainText(text);
}

struct Figures
{
    double shownMs = 0;
    long peakKb = 0;
};

template <class Open> Figures measure(QPlainTextEdit* shown, Open open)
{
    QApplication::processEvents();
    const long before = peakKilobytes();
    QElapsedTimer timer;
    timer.start();
    open();
    // Held and laid out: the window has painted the text it shows.
    shown->viewport()->grab();
    QApplication::processEvents();
    return {double(timer.nsecsElapsed()) / 1e6, peakKilobytes() - before};
}

int runOne(const QByteArray& program, const QByteArray& bytes)
{
    QTemporaryDir folder;
    const QString path = writeFile(folder, bytes);
    Figures figures;
    bool exact = true;
    if (program == "bare") {
        QPlainTextEdit edit;
        edit.setFont(DocumentFont::designed());
        edit.setLineWrapMode(QPlainTextEdit::NoWrap);
        edit.resize(981, 520);
        edit.show();
        figures = measure(&edit, [&] { openBare(edit, path); });
    } else {
        QtDialogs dialogs;
        MDIForm1 window(benchServices(dialogs, folder.path()));
        window.startUp(QString());
        window.show();
        figures = measure(window.form1()->txtvimb, [&] { window.LoadDocumentText(path); });
        exact = window.form1()->text() == bytes;
    }
    std::printf("%-7s %8.1f ms  peak +%7ld KB (%.1f x file)%s\n", program.constData(),
                figures.shownMs, figures.peakKb,
                double(figures.peakKb) * 1024.0 / double(bytes.size()),
                exact ? "" : "  NOT BYTE-EXACT");
    std::fflush(stdout);
    return exact ? 0 : 2;
}

// The time from starting a program until it says the file shows, in milliseconds.
double shownMs(const QString& program, const QString& file, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {file});
    while (process.state() != QProcess::NotRunning &&
           !process.readAllStandardOutput().contains("shown"))
        process.waitForReadyRead(10000);
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    process.kill();
    process.waitForFinished();
    return elapsed;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
}

// The median of 20 starts of each program, the two taking turns, so that a machine busy with
// other work slows both alike.
std::pair<double, double> wholeProcessMs(const QString& file, const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILRA_REPORT_SHOWN"), QStringLiteral("1"));
    // A real X display when there is one (the user's case), else no display at all.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), qEnvironmentVariableIsEmpty("DISPLAY")
                                                              ? QStringLiteral("offscreen")
                                                              : QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    std::vector<double> bare, quilra;
    for (int run = 0; run < 20; ++run) {
        bare.push_back(shownMs(QStringLiteral(QUILRA_BARE_EXECUTABLE), file, environment));
        quilra.push_back(shownMs(QStringLiteral(QUILRA_EXECUTABLE), file, environment));
    }
    return {median(bare), median(quilra)};
}

void startUp()
{
    QTemporaryDir folder;
    const std::pair<const char*, QByteArray> files[] = {{"typical NFO", typicalNfo()},
                                                        {"dense 10,000 lines", denseArt(10000)}};
    std::printf("Start until the window shows the file, whole processes, median of 20 (%s):\n",
                qEnvironmentVariableIsEmpty("DISPLAY") ? "no display" : "X display");
    for (const auto& [name, bytes] : files) {
        const QString path = writeFile(folder, bytes);
        const auto [bare, quilra] = wholeProcessMs(path, folder.path());
        std::printf("  %-19s (%6d bytes): bare %7.1f ms, quilra %7.1f ms, %.2f x\n", name,
                    int(bytes.size()), bare, quilra, quilra / bare);
        std::fflush(stdout);
    }
}

int runChild(const QStringList& arguments)
{
    QProcess one;
    one.setProcessChannelMode(QProcess::ForwardedChannels);
    one.start(QCoreApplication::applicationFilePath(), arguments);
    one.waitForFinished(-1);
    return one.exitCode();
}

} // namespace

int main(int argc, char* argv[])
{
    const BenchHome home;
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "startup") {
        startUp();
        return 0;
    }
    if (argc > 2 && QByteArray(argv[1]) == "random")
        return runOne("quilra", randomBytes(qsizetype(QByteArray(argv[2]).toInt()) * 1024 * 1024));
    if (argc > 2)
        return runOne(argv[1], denseArt(QByteArray(argv[2]).toInt()));

    std::printf("Opening generated NFO files (80 columns of box drawing), to the first paint:\n");
    for (const char* lines : {"1000", "10000", "100000"}) {
        std::printf("%s lines (%d bytes):\n", lines,
                    int(denseArt(QByteArray(lines).toInt()).size()));
        std::fflush(stdout);
        for (const char* program : {"bare", "quilra"}) {
            if (const int status =
                    runChild({QString::fromLatin1(program), QString::fromLatin1(lines)}))
                return status;
        }
    }
    std::printf("A file of 50 MB of random bytes:\n");
    std::fflush(stdout);
    if (const int status = runChild({QStringLiteral("random"), QStringLiteral("50")}))
        return status;
    startUp();
    return 0;
}
