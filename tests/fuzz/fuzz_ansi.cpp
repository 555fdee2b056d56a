#include "FuzzInput.h"
#include "ansi/AnsiInterpreter.h"

// Any bytes are drawn without a crash: the canvas keeps the width it was given, stays within
// its row limit, and its text has a line for each row, as wide as the canvas at most.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    AnsiArt::Settings settings = AnsiArt::detect(bytes).value_or(AnsiArt::Settings());
    settings.iceColours = settings.iceColours || size % 2 == 1;
    const AnsiCanvas canvas = AnsiInterpreter::interpret(bytes, settings);
    require(canvas.width() == settings.width, "the canvas keeps its width");
    require(canvas.rows() <= canvas.maxRows(), "rows within the limit");
    const QList<QString> lines = canvas.lines();
    require(lines.size() == canvas.rows(), "a line for each row");
    for (const QString& line : lines)
        require(line.size() <= canvas.width(), "no line wider than the canvas");
    return 0;
}
