#include "FuzzInput.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QClipboard>
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
    window = new Form1;
    return 0;
}

// Every byte string set into the real document window gives back every byte; so does its copy
// pasted at the end, twice over.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    window->setText(bytes);
    require(window->text() == bytes, "the document window gives back the bytes it was given");
    DocumentEditor* editor = window->txtvimb;
    editor->selectAll();
    QGuiApplication::clipboard()->setMimeData(editor->selectionMimeData());
    editor->moveCursor(QTextCursor::End);
    editor->paste();
    // The mark of the encoding, if any, stands only once before the text.
    const FileEncoding encoding = window->encoding();
    const qsizetype mark =
        encoding.byteOrderMark ? TextEncoding::byteOrderMark(encoding.kind).size() : 0;
    require(window->text() == bytes + bytes.mid(mark), "a copy pasted at the end doubles the text");
    return 0;
}
