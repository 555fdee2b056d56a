// The least a viewer of NFO files does, as a program of its own: start, read the file, map
// each byte through a 256-entry table, call setPlainText once in a text box of the document's
// size and font, show it. With QUILRA_REPORT_SHOWN set it prints "shown" when the text has
// painted, as Quilra does, so that the two are timed alike from outside.
//
//   quilra_bench_bare FILE

#include "documents/Cp437.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <cstdio>

namespace {

class ShownReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_told) {
            m_told = true;
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_told = false;
};

QString cp437Text(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll();
    QChar table[256];
    for (int code = 0; code < 256; ++code)
        table[code] = code == '\n' ? QLatin1Char('\n') : Cp437::toUnicode(uchar(code));
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = table[uchar(bytes.at(i))];
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QPlainTextEdit edit;
    QFont font(QStringLiteral("Px IBM VGA8"));
    font.setPixelSize(16);
    edit.setFont(font);
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    edit.resize(981, 560);
    ShownReporter reporter;
    if (qEnvironmentVariableIsSet("QUILRA_REPORT_SHOWN"))
        edit.viewport()->installEventFilter(&reporter);
    if (argc > 1)
        edit.setPlainText(cp437Text(QString::fromLocal8Bit(argv[1])));
    edit.show();
    return QApplication::exec();
}
