#include "VgaFace.h"

#include "TrueTypeFont.h"
#include "documents/Cp437.h"
#include "files/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

quint16 VgaFace::cellCode(QChar ch)
{
    if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F)
        return ch.unicode();
    const int code = Cp437::fromUnicode(ch);
    return code < 0 ? quint16(Missing) : quint16(code);
}

namespace {

const QString kFileName = QStringLiteral("Px_IBM_VGA8.ttf");
// Debian's fonts-pc puts it here; QStandardPaths also finds it under other data folders.
const QString kFontFolder = QStringLiteral("fonts/pc");
const QString kDebianFile = QStringLiteral("/usr/share/fonts/pc/Px_IBM_VGA8.ttf");
// Far more than the face's file needs.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

constexpr std::array<uchar, VgaFace::Height> kBox = {
    0x00, 0x00, 0x7E, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0x7E, 0x00, 0x00};

// One row of a glyph, sampled along the line through its pixel centres by the nonzero winding
// rule of TrueType: each edge that crosses the line counts, up or down, for the pixel centres
// left of the crossing.
uchar rowBits(const QList<TrueTypeFont::Contour>& outline, double y, double pixel)
{
    std::array<int, VgaFace::Width> winding{};
    for (const TrueTypeFont::Contour& contour : outline) {
        for (qsizetype i = 0; i < contour.size(); ++i) {
            const TrueTypeFont::Point& a = contour.at(i);
            const TrueTypeFont::Point& b = contour.at((i + 1) % contour.size());
            const bool up = a.y <= y && b.y > y;
            if (!up && !(a.y > y && b.y <= y))
                continue;
            const double crossing = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
            for (int x = 0; x < VgaFace::Width; ++x) {
                if ((x + 0.5) * pixel < crossing)
                    winding[x] += up ? 1 : -1;
            }
        }
    }
    uchar bits = 0;
    for (int x = 0; x < VgaFace::Width; ++x) {
        if (winding[x] != 0)
            bits |= uchar(0x80 >> x);
    }
    return bits;
}

} // namespace

QString VgaFace::locate()
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(kFileName);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                 kFontFolder + QLatin1Char('/') + kFileName);
    if (!found.isEmpty())
        return found;
    return QFileInfo(kDebianFile).isFile() ? kDebianFile : QString();
}

std::optional<VgaFace> VgaFace::load(const QString& path)
{
    WholeFile::Contents file = WholeFile::read(path, kMaxFileSize);
    if (file.status != WholeFile::Status::Read)
        return std::nullopt;
    const std::optional<TrueTypeFont> font = TrueTypeFont::parse(std::move(file.bytes));
    if (!font || font->unitsPerEm() % Height != 0)
        return std::nullopt;
    return VgaFace(*font);
}

VgaFace::VgaFace(const TrueTypeFont& font)
{
    const double pixel = double(font.unitsPerEm()) / Height;
    for (int code = 0; code < 256; ++code) {
        // NUL draws blank, as in the document; the face maps U+0000 to nothing.
        if (code == 0)
            continue;
        const auto outline = font.outline(Cp437::toUnicode(uchar(code)).unicode());
        if (!outline) {
            m_glyphs[code] = kBox;
            continue;
        }
        for (int y = 0; y < Height; ++y)
            m_glyphs[code][y] = rowBits(*outline, font.ascent() - (y + 0.5) * pixel, pixel);
    }
    m_glyphs[Missing] = kBox;
}
