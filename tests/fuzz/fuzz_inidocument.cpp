#include "FuzzInput.h"
#include "settings/IniDocument.h"

#include <QList>

namespace {

// The lines of an INI text: split at LF, one CR before it dropped, no line after a last LF.
QList<QByteArray> linesOf(const QByteArray& text)
{
    QList<QByteArray> lines = text.isEmpty() ? QList<QByteArray>() : text.split('\n');
    if (text.endsWith('\n'))
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

// Input: section NUL key NUL value NUL the file. Setting the key changes one line, inserts one,
// or appends a section and its key; every other line is kept, and the key reads back the value.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray file = fuzzBytes(data, size);
    const QByteArray section = nextPart(file), key = nextPart(file), value = nextPart(file);
    if (!IniDocument::isSectionName(section) || !IniDocument::isKeyName(key) ||
        !IniDocument::isStorable(value))
        return 0;
    IniDocument doc = IniDocument::parse(file);
    doc.setValue(section, key, value);
    const QList<QByteArray> before = linesOf(file), after = linesOf(doc.serialize());
    qsizetype same = 0, sameEnd = 0;
    while (same < before.size() && same < after.size() && before[same] == after[same])
        ++same;
    while (sameEnd < before.size() - same && sameEnd < after.size() - same &&
           before[before.size() - 1 - sameEnd] == after[after.size() - 1 - sameEnd])
        ++sameEnd;
    const qsizetype removed = before.size() - same - sameEnd, added = after.size() - same - sameEnd;
    require(removed <= 1 && (added <= 1 || (added == 2 && removed == 0 && sameEnd == 0)),
            "only the key's line (and its new section) changed");
    require(doc.value(section, key) == value, "the key reads back the value written");
    return 0;
}
