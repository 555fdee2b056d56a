#include "FuzzInput.h"
#include "documents/DocumentCodec.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {
QPlainTextEdit* editor = nullptr;
}

// One application on the offscreen platform and one editor for the whole run; both live until
// the process ends.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_texteditor";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    editor = new QPlainTextEdit;
    return 0;
}

// Every byte string set into a real text widget and read back from its document gives every byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    editor->setPlainText(DocumentCodec::toDisplay(bytes));
    require(DocumentCodec::fromDisplay(editor->document()->toRawText()) == bytes,
            "the widget gives back the bytes it was given");
    return 0;
}
