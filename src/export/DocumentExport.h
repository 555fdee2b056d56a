#pragma once

#include "VgaFace.h"

#include <QByteArray>
#include <QString>
#include <optional>

// A document's display text written in another form: a PNG picture drawn with the VGA face, a
// web page, or UTF-8 text with the characters that Copy gives.
class DocumentExport
{
public:
    enum class Format
    {
        Png,
        Html,
        Text,
    };

    struct Options
    {
        Format format = Format::Png;
        // The picture's cells: 8 or 9 pixels wide, every pixel `scale` (1 to 4) pixels square.
        int columns = 8;
        int scale = 1;
        // The document's colours as 0xRRGGBB; the document window's own are black on white.
        quint32 text = 0x000000;
        quint32 background = 0xFFFFFF;
        // The web page's title.
        QString title;
    };

    struct Result
    {
        QByteArray bytes;
        QString error; // "" when the bytes were made; else why not, as a sentence
    };

    static constexpr int MaxScale = 4;

    // The VGA face is read from `facePath` when the first picture is made.
    explicit DocumentExport(QString facePath);

    // "png", "html", "txt": the file name suffix, which also names the format.
    static QString suffix(Format format);
    static std::optional<Format> formatNamed(const QString& name);

    Result render(const QString& display, const Options& options);

private:
    Result picture(const QString& display, const Options& options);

    QString m_facePath;
    bool m_faceRead = false;
    std::optional<VgaFace> m_face;
};
