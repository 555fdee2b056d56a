#pragma once

#include "AnsiArt.h"
#include "AnsiCanvas.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

// A file's ANSI art as a document window uses it: the canvas to draw (each cell's code and
// colours, VgaColours::rgb for the colours), the drawn characters that Find searches and the
// cell each of them is in, a note for the status bar when the art was cut, and the same art
// with iCE colours switched. The file's bytes are kept as they are, for Save and Show Codes.
class AnsiDocument
{
public:
    // Nothing for a plain file. `iceColours` overrides what the SAUCE record asks for.
    static std::optional<AnsiDocument> open(const QByteArray& fileBytes,
                                            std::optional<bool> iceColours = std::nullopt);

    const QByteArray& bytes() const { return m_bytes; }
    const AnsiArt::Settings& settings() const { return m_settings; }
    const AnsiCanvas& canvas() const { return m_canvas; }
    // The drawn characters, a line a row, without the blanks that end a row.
    const QString& text() const { return m_text; }
    // The cell (column, row) of a position in text().
    QPoint cellAt(qsizetype position) const;
    // "" unless the art drew beyond the canvas's rows, then a sentence that says so.
    QString note() const;
    // The art drawn again with blink as a bright background, or not.
    AnsiDocument withIceColours(bool on) const;

private:
    AnsiDocument(QByteArray bytes, const AnsiArt::Settings& settings);

    QByteArray m_bytes;
    AnsiArt::Settings m_settings;
    AnsiCanvas m_canvas;
    QString m_text;
    std::vector<qsizetype> m_lineStarts;
};
