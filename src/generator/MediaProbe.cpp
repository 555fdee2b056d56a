#include "MediaProbe.h"

#include "FileSizeRounding.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <vector>

// MediaInfo's interface for loading its library at run time: the program does not link it,
// the first MediaInfo object loads it. Included last, as it defines macros of its own.
#include <MediaInfoDLL/MediaInfoDLL.h>

namespace {

using MediaInfoDLL::MediaInfo;
using MediaInfoDLL::Stream_Audio;
using MediaInfoDLL::Stream_General;
using MediaInfoDLL::Stream_Text;
using MediaInfoDLL::Stream_Video;

// MediaInfo is handed the file in chunks and says where it wants to go on; at most this many
// chunks, so that no file, however large or strange, is read further than 64 MiB.
constexpr qint64 kChunkSize = 64 * 1024;
constexpr int kMaxChunks = 1024;
// MediaInfo's state bit for "parsing finished".
constexpr size_t kFinished = 0x08;
constexpr MediaInfo_int64u kNoJump = MediaInfo_int64u(-1);

// Feeds the file to MediaInfo until it has what it needs; false when the file cannot be read.
bool parse(MediaInfo& info, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const auto size = MediaInfo_int64u(file.size());
    std::vector<MediaInfo_int8u> buffer(kChunkSize);
    info.Open_Buffer_Init(size, 0);
    for (int chunk = 0; chunk < kMaxChunks; ++chunk) {
        const qint64 got = file.read(reinterpret_cast<char*>(buffer.data()), kChunkSize);
        if (got < 0)
            return false;
        if (info.Open_Buffer_Continue(buffer.data(), size_t(got)) & kFinished)
            break;
        const MediaInfo_int64u jump = info.Open_Buffer_Continue_GoTo_Get();
        if (jump != kNoJump) {
            if (!file.seek(qint64(jump)))
                break;
            info.Open_Buffer_Init(size, jump);
        } else if (got == 0) {
            break;
        }
    }
    info.Open_Buffer_Finalize();
    return true;
}

QString get(MediaInfo& info, MediaInfoDLL::stream_t kind, size_t track, const char* parameter)
{
    // A parameter with several values gives them as "a / b": the first is the track's own.
    return QString::fromStdString(info.Get(kind, track, parameter))
        .section(QStringLiteral(" / "), 0, 0)
        .trimmed();
}

// The leading whole number of a value such as "6" or "6 channels"; 0 when there is none.
qint64 leadingNumber(const QString& value)
{
    qsizetype digits = 0;
    while (digits < value.size() && value.at(digits).isDigit())
        ++digits;
    return value.left(digits).toLongLong();
}

// "HH:MM:SS" for a duration in milliseconds ("2011" or "1920.000000"); "" when there is none
// or it does not fit the runtime box's two digits of hours.
QString runtime(const QString& milliseconds)
{
    bool ok = false;
    const double value = milliseconds.toDouble(&ok);
    const qint64 seconds = ok ? qRound64(value / 1000.0) : 0;
    if (!ok || value <= 0 || seconds >= 100 * 3600)
        return QString();
    const auto two = [](qint64 number) {
        return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    };
    return two(seconds / 3600) + QLatin1Char(':') + two(seconds / 60 % 60) + QLatin1Char(':') +
           two(seconds % 60);
}

// The name a release states for a video format, where it is not MediaInfo's own.
QString videoCodec(const QString& format, const QString& version)
{
    if (format == QLatin1String("AVC"))
        return QStringLiteral("H.264");
    if (format == QLatin1String("HEVC"))
        return QStringLiteral("H.265");
    if (format == QLatin1String("VVC"))
        return QStringLiteral("H.266");
    if (format == QLatin1String("MPEG-4 Visual"))
        return QStringLiteral("MPEG-4");
    if (format == QLatin1String("MPEG Video"))
        return version.endsWith(QLatin1Char('1')) ? QStringLiteral("MPEG-1")
                                                  : QStringLiteral("MPEG-2");
    return format;
}

QString audioFormat(const QString& format, const QString& profile)
{
    if (format == QLatin1String("MPEG Audio") && profile == QLatin1String("Layer 3"))
        return QStringLiteral("MP3");
    if (format == QLatin1String("MPEG Audio") && profile == QLatin1String("Layer 2"))
        return QStringLiteral("MP2");
    if (format == QLatin1String("MLP FBA"))
        return QStringLiteral("TrueHD");
    return format;
}

// "5.1" for six channels with a low-frequency one, "2.0" for two without; "" when unknown.
QString channels(const QString& count, const QString& layout)
{
    const qint64 all = leadingNumber(count);
    if (all <= 0)
        return QString();
    const bool lfe = layout.split(QLatin1Char(' ')).contains(QLatin1String("LFE")) && all > 1;
    return lfe ? QStringLiteral("%1.1").arg(all - 1) : QStringLiteral("%1.0").arg(all);
}

// "128 kb/s" for 128,000 bits a second; "" when the track does not tell.
QString bitrate(MediaInfo& info, size_t track)
{
    QString bits = get(info, Stream_Audio, track, "BitRate");
    if (bits.isEmpty())
        bits = get(info, Stream_Audio, track, "BitRate_Nominal");
    const qint64 value = leadingNumber(bits);
    return value > 0 ? QStringLiteral("%1 kb/s").arg(qRound64(double(value) / 1000.0)) : QString();
}

// The tracks' languages by name, each once, in the order of the tracks.
QString languages(MediaInfo& info, MediaInfoDLL::stream_t kind)
{
    QStringList names;
    for (size_t track = 0; track < info.Count_Get(kind); ++track) {
        const QString name = get(info, kind, track, "Language/String");
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    return names.join(QStringLiteral(", "));
}

void readAudio(MediaInfo& info, MediaFacts& facts)
{
    QStringList codecs;
    QStringList bitrates;
    bool everyBitrate = true;
    for (size_t track = 0; track < info.Count_Get(Stream_Audio); ++track) {
        const QString format = audioFormat(get(info, Stream_Audio, track, "Format"),
                                           get(info, Stream_Audio, track, "Format_Profile"));
        const QString layout = channels(get(info, Stream_Audio, track, "Channel(s)"),
                                        get(info, Stream_Audio, track, "ChannelLayout"));
        if (!format.isEmpty())
            codecs.append(layout.isEmpty() ? format : format + QLatin1Char(' ') + layout);
        const QString rate = bitrate(info, track);
        everyBitrate = everyBitrate && !rate.isEmpty();
        bitrates.append(rate);
    }
    facts.audioCodecs = codecs.join(QStringLiteral(", "));
    // Bitrates stand in the order of the codecs; one track that does not tell its own would
    // pair the others with the wrong tracks.
    if (everyBitrate)
        facts.audioBitrates = bitrates.join(QStringLiteral(", "));
    facts.languages = languages(info, Stream_Audio);
}

void readVideo(MediaInfo& info, MediaFacts& facts)
{
    if (info.Count_Get(Stream_Video) == 0)
        return;
    facts.videoCodec = videoCodec(get(info, Stream_Video, 0, "Format"),
                                  get(info, Stream_Video, 0, "Format_Version"));
    const qint64 width = leadingNumber(get(info, Stream_Video, 0, "Width"));
    const qint64 height = leadingNumber(get(info, Stream_Video, 0, "Height"));
    if (width > 0 && height > 0)
        facts.resolution = QStringLiteral("%1x%2").arg(width).arg(height);
}

} // namespace

MediaProbe::Result MediaProbe::read(const QString& path)
{
    // MediaInfo would read a folder's files one by one, and wait on a pipe: only a file.
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable())
        return {};
    MediaInfo info;
    if (!info.IsReady())
        return {Status::LibraryMissing, {}};
    info.Option("CharSet", "UTF-8");
    // The least reading that still names every track.
    info.Option("ParseSpeed", "0");
    if (!parse(info, path))
        return {};
    if (info.Count_Get(Stream_Video) == 0 && info.Count_Get(Stream_Audio) == 0)
        return {};
    Result result{Status::Read, {}};
    MediaFacts& facts = result.facts;
    facts.runtime = runtime(get(info, Stream_General, 0, "Duration"));
    readVideo(info, facts);
    readAudio(info, facts);
    facts.subtitles = languages(info, Stream_Text);
    facts.size = QString::number(FileSizeRounding::thousands(file.size()));
    return result;
}

QString MediaProbe::message(Status status, const QString& name)
{
    if (status == Status::LibraryMissing)
        return QCoreApplication::translate("MediaProbe",
                                           "MediaInfo (libmediainfo.so.0) could not be loaded, "
                                           "so no video facts can be read. Install the package "
                                           "libmediainfo0v5.");
    return QCoreApplication::translate("MediaProbe", "No video facts found in %1.").arg(name);
}
