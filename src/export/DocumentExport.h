#pragma once

#include "VgaFace.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <optional>

class AnsiCanvas;
class CellRows;
class QIODevice;

// A document's display text, or ANSI art's canvas, written in another form: a PNG picture
// drawn with the VGA face, a PDF document or an SVG picture whose glyphs are the face's pixels
// as vector shapes (see PdfWriter and SvgWriter: rasterised at one device pixel per unit they
// are the PNG picture at the same scale), a web page, or UTF-8 text with the characters that
// Copy gives. The picture is streamed into the device a few rows at a time, so that its size never
// has to fit in memory; a window can follow it and stop it through Progress.
class DocumentExport
{
public:
    enum class Format
    {
        Png,
        Html,
        Text,
        Pdf,
        Svg,
    };

    struct Options
    {
        Format format = Format::Png;
        // The picture's cells: 8 or 9 pixels wide, every pixel `scale` (1 to 4) pixels square.
        // A PDF page or an SVG picture is as many units wide and high as the PNG picture is
        // pixels at the same scale.
        int columns = 8;
        int scale = 1;
        // The document's colours as 0xRRGGBB; the document window's own are black on white.
        // ANSI art is drawn in its own colours.
        quint32 text = 0x000000;
        quint32 background = 0xFFFFFF;
        // The web page's title.
        QString title;
    };

    // How a long export is followed: `report` is called now and then with the rows done and
    // the rows in all (from the exporting thread), and the export stops, writing nothing more,
    // as soon as `cancel` is true.
    struct Progress
    {
        std::function<void(qint64 done, qint64 total)> report;
        const std::atomic<bool>* cancel = nullptr;
    };

    struct Result
    {
        QByteArray bytes;
        QString error; // "" when the bytes were made; else why not, as a sentence
    };

    static constexpr int MaxScale = 4;

    // The VGA face is read from `facePath` when the first picture is made.
    explicit DocumentExport(QString facePath);

    // "png", "html", "txt", "pdf", "svg": the file name suffix, which also names the format.
    static QString suffix(Format format);
    static std::optional<Format> formatNamed(const QString& name);

    // Writes the export into `sink`: "" when all of it was written, else why not, as a
    // sentence (a cancelled export says so). What was written of a failed export is to be
    // thrown away.
    QString write(const QString& display, const Options& options, QIODevice& sink,
                  const Progress& progress);
    QString write(const AnsiCanvas& canvas, const Options& options, QIODevice& sink,
                  const Progress& progress);

    // The whole export in memory, for small documents and thumbnails.
    Result render(const QString& display, const Options& options);
    Result render(const AnsiCanvas& canvas, const Options& options);

    // The sentence of a cancelled export.
    static QString cancelled();

private:
    const VgaFace* face();
    QString writeVector(CellRows& rows, const Options& options, QIODevice& sink,
                        const Progress& progress);
    template <typename Picture>
    QString stream(const Picture& picture, int depth, const QList<quint32>& palette,
                   QIODevice& sink, const Progress& progress);

    QString m_facePath;
    bool m_faceRead = false;
    std::optional<VgaFace> m_face;
};
