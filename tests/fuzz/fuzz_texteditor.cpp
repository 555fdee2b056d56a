#include "FuzzInput.h"
#include "documents/SauceRecord.h"
#include "settings/Config.h"
#include "ui/DocumentAppearance.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"
#include "ui/NfoDocument.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTextCursor>

namespace {
Form1* window = nullptr;
}

// One application on the offscreen platform and one document window for the whole run; both
// live until the process ends.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_texteditor";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    auto* config = new Config(
        ProgramSettings(QDir::temp().filePath(QStringLiteral("fuzz_texteditor-Settings.ini"))),
        UserSettings());
    window = new Form1(*new NfoDocument, *new DocumentAppearance(*config));
    return 0;
}

// Every byte string set into the real document window gives back every byte; so does its copy
// pasted at the end, twice over, but for a SAUCE record at the end: that is no part of the text,
// so Copy leaves it out and it stays once, at the very end.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    window->setText(bytes);
    require(window->text() == bytes, "the document window gives back the bytes it was given");
    // ANSI art is read as drawn: nothing is pasted into it.
    if (window->document().isDrawnArt())
        return 0;
    DocumentEditor* editor = window->txtvimb;
    editor->selectAll();
    QGuiApplication::clipboard()->setMimeData(editor->selectionMimeData());
    editor->moveCursor(QTextCursor::End);
    editor->paste();
    // The mark of the encoding, if any, stands only once before the text.
    const FileEncoding encoding = window->encoding();
    const qsizetype mark =
        encoding.byteOrderMark ? TextEncoding::byteOrderMark(encoding.kind).size() : 0;
    const qsizetype trailer = SauceRecord::trailerLength(bytes);
    const QByteArray text = bytes.first(bytes.size() - trailer);
    require(window->text() == text + text.mid(mark) + bytes.last(trailer),
            "a copy pasted at the end doubles the text and keeps the SAUCE record once");
    return 0;
}
