// Prints how long the reading decisions take (DocumentFormat::open, without a window) for
// generated files of each kind the rules tell apart, in MB per second; and, given folders of
// real files, how each file reads and whether it saves back to every byte.
//
//   quilra_bench_reading                  the generated files
//   quilra_bench_reading FOLDER...        every file of the folders: its reading, and a check
//                                         that open and save, and every other encoding it
//                                         decodes in, give back its bytes (exit 1 if not)

#include "BenchArt.h"
#include "documents/DocumentCodec.h"
#include "documents/DocumentFormat.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

namespace {

QByteArray repeated(const QByteArray& line, qsizetype size)
{
    QByteArray bytes;
    bytes.reserve(size + line.size());
    while (bytes.size() < size)
        bytes.append(line);
    return bytes;
}

// Art misread as Windows-1252 and written as UTF-8: each high code as its two UTF-8 bytes.
QByteArray misreadOnce(const QByteArray& codes)
{
    return QString::fromLatin1(codes).toUtf8();
}

void timeOpening(const char* what, const QByteArray& bytes)
{
    constexpr int kRounds = 5;
    double best = 1e9;
    QString name;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const DocumentFormat::Opened opened = DocumentFormat::open(bytes);
        best = qMin(best, double(timer.nsecsElapsed()) / 1e6);
        name = opened.encoding.name();
    }
    const double megabytes = double(bytes.size()) / (1024.0 * 1024.0);
    std::printf("%-34s %6.1f MB %8.1f ms %8.0f MB/s  %s\n", what, megabytes, best,
                megabytes / (best / 1000.0), qPrintable(name));
}

bool exactEverywhere(const QByteArray& bytes, QString& readings)
{
    const DocumentFormat::Opened opened = DocumentFormat::open(bytes);
    bool exact = DocumentFormat::save(opened.display, opened.encoding, opened.trailer) == bytes;
    readings = opened.encoding.name();
    for (const TextEncoding::Kind kind : TextEncoding::All) {
        if (const auto other = DocumentFormat::reinterpret(bytes, kind)) {
            exact = exact &&
                    DocumentFormat::save(other->display, other->encoding, other->trailer) == bytes;
            readings += QLatin1Char(kind == TextEncoding::All.front() ? ' ' : ',') +
                        TextEncoding::name(kind);
        }
    }
    return exact;
}

int checkFolders(int argc, char* argv[])
{
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        for (const QFileInfo& info : folder.entryInfoList(QDir::Files, QDir::Name)) {
            QFile file(info.filePath());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QString readings;
            const bool exact = exactEverywhere(file.readAll(), readings);
            failed += exact ? 0 : 1;
            std::printf("%-44s %s%s\n", qPrintable(info.fileName()), qPrintable(readings),
                        exact ? "" : "  NOT BYTE-EXACT");
        }
    }
    std::printf("%d file(s) not byte-exact\n", failed);
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1)
        return checkFolders(argc, argv);
    constexpr qsizetype kSize = 8 * 1024 * 1024;
    const QByteArray art = denseArt(int(kSize / 82));
    std::printf("Opening (the reading decisions and the display text, best of 5):\n");
    timeOpening("dense CP437 art", art);
    timeOpening("random bytes", randomBytes(kSize));
    timeOpening("ASCII text", repeated("Release notes of a text file.\r\n", kSize));
    timeOpening("UTF-8 text, accented", repeated("Gr\xC3\xBC\xC3\x9F"
                                                 "e aus K\xC3\xB6ln.\n",
                                                 kSize));
    timeOpening("Windows-1252 text", repeated("Gr\xFC\xDF"
                                              "e aus K\xF6ln \x96 ok.\r\n",
                                              kSize));
    timeOpening("CP437 art misread, as UTF-8", misreadOnce(art));
    timeOpening("CP437 art misread twice", misreadOnce(misreadOnce(art)));
    return 0;
}
