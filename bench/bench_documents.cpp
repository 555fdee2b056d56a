// Prints how long opening an NFO file takes and how much memory it needs, for generated files
// of 80 columns of dense box drawing. Each size runs in a process of its own, so that the peak
// memory belongs to that size alone.
//
//   quilra_bench_documents            all sizes
//   quilra_bench_documents LINES      one size

#include "app/DocumentEditor.h"
#include "app/Form1.h"
#include "app/MDIForm1.h"
#include "app/QtDialogs.h"
#include "documents/DocumentCodec.h"
#include "documents/NfoFile.h"
#include "documents/NfoFormat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QByteArray denseArt(int lines)
{
    const QByteArray pattern("\xC9\xCD\xCB\xBB\xB0\xB1\xB2\xDB\xBA\xCC\xCE\xB9\xC8\xCA\xBC\xDC");
    QByteArray bytes;
    bytes.reserve(qsizetype(lines) * 82);
    for (int line = 0; line < lines; ++line) {
        for (int column = 0; column < 80; ++column)
            bytes.append(pattern.at((line + column) % pattern.size()));
        bytes.append("\r\n");
    }
    return bytes;
}

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

int runOne(int lines)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.nfo"));
    const QByteArray bytes = denseArt(lines);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(bytes);
    file.close();

    QtDialogs dialogs;
    MDIForm1 window(Services{dialogs, ProgramSettings(folder.path()), UserSettings()});
    window.startUp(QString());
    window.show();
    QApplication::processEvents();
    const long before = peakKilobytes();

    QElapsedTimer timer;
    timer.start();
    const QByteArray text = NfoFormat::documentText(NfoFile::read(path).bytes);
    const QString shown = DocumentCodec::toDisplay(text);
    const double decodeMs = double(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    window.LoadDocumentText(path);
    // Held and laid out: the window has painted the text it shows.
    window.form1()->txtvimb->viewport()->grab();
    QApplication::processEvents();
    const double shownMs = double(timer.nsecsElapsed()) / 1e6;

    const long peak = peakKilobytes();
    std::printf("%8d lines %9lld bytes  read+decode %8.2f ms  shown %8.2f ms  peak %7ld KB "
                "(%.1f x file; %ld KB before opening)\n",
                lines, static_cast<long long>(bytes.size()), decodeMs, shownMs, peak,
                double(peak - before) * 1024.0 / double(bytes.size()), before);
    Q_UNUSED(shown);
    return window.form1()->text() == text ? 0 : 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    if (argc > 1)
        return runOne(QByteArray(argv[1]).toInt());

    std::printf("Opening generated NFO files (80 columns of box drawing):\n");
    std::fflush(stdout);
    for (const int lines : {1000, 10000, 100000}) {
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QCoreApplication::applicationFilePath(), {QString::number(lines)});
        one.waitForFinished(-1);
        if (one.exitCode() != 0)
            return one.exitCode();
    }
    return 0;
}
