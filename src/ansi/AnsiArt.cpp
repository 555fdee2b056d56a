#include "AnsiArt.h"

#include "AnsiCanvas.h"
#include "documents/SauceRecord.h"

namespace {

constexpr char kEscape = '\x1B';
constexpr char kEndOfFile = '\x1A';
constexpr int kAnsiCharacters = 1; // SAUCE DataType: character art
constexpr int kAnsiFileType = 1;   // SAUCE FileType of character art: ANSi

bool isParameter(char c)
{
    return c >= 0x30 && c <= 0x3F;
}

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

QByteArray AnsiArt::artOf(const QByteArray& fileBytes)
{
    QByteArray art = fileBytes.left(fileBytes.size() - SauceRecord::trailerLength(fileBytes));
    const qsizetype end = art.indexOf(kEndOfFile);
    if (end >= 0)
        art.truncate(end);
    return art;
}

int AnsiArt::sequenceCount(const QByteArray& art, int enough)
{
    int count = 0;
    const qsizetype n = art.size();
    for (qsizetype i = art.indexOf(kEscape); i >= 0 && count < enough;
         i = art.indexOf(kEscape, i + 1)) {
        if (i + 1 >= n || art.at(i + 1) != '[')
            continue;
        qsizetype j = i + 2;
        while (j < n && isParameter(art.at(j)))
            ++j;
        if (j < n && isLetter(art.at(j)))
            ++count;
    }
    return count;
}

std::optional<AnsiArt::Settings> AnsiArt::detect(const QByteArray& fileBytes)
{
    const qsizetype trailerLength = SauceRecord::trailerLength(fileBytes);
    const std::optional<SauceRecord> sauce =
        trailerLength > 0 ? SauceRecord::read(fileBytes.right(trailerLength)) : std::nullopt;
    const bool saysAnsi =
        sauce && sauce->dataType == kAnsiCharacters && sauce->fileType == kAnsiFileType;
    if (!saysAnsi && sequenceCount(artOf(fileBytes), SequencesNeeded) < SequencesNeeded)
        return std::nullopt;
    Settings settings;
    // TInfo1 and TFlags mean width and iCE colours only for character art.
    if (!sauce || sauce->dataType != kAnsiCharacters)
        return settings;
    if (sauce->tInfo1 >= 1 && sauce->tInfo1 <= AnsiCanvas::MaxWidth)
        settings.width = sauce->tInfo1;
    settings.iceColours = (sauce->tFlags & 1) != 0;
    return settings;
}
