// Prints how long a document of one line of 10 million characters takes to open and show, how
// much processor time the program then uses while it sits idle (it should be none), and how
// long Replace All takes for a million matches. An argument, "line" or "replace", runs one
// part alone.

#include "BenchHome.h"
#include "app/MDIForm1.h"
#include "ui/DocumentEditor.h"
#include "ui/FindBar.h"
#include "ui/Form1.h"
#include "ui/NfoDocument.h"
#include "ui/QtDialogs.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double cpuMs()
{
    return 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
}

void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The timers that run in the text box and its parts.
int editorTimers(DocumentEditor* editor)
{
    auto* dispatcher = QAbstractEventDispatcher::instance();
    qsizetype count = dispatcher->registeredTimers(editor).size();
    for (QObject* part : editor->findChildren<QObject*>())
        count += dispatcher->registeredTimers(part).size();
    return static_cast<int>(count);
}

void longLine(MDIForm1& window)
{
    // Art characters and words, as a line of a real file that never ends would hold.
    const QByteArray cell = QByteArrayLiteral("\xB0\xB1\xB2\xDB words ");
    QByteArray line;
    while (line.size() < 10'000'000)
        line += cell;
    line.truncate(10'000'000);
    window.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    window.form1()->setText(line);
    QApplication::processEvents();
    std::printf("Open and show one line of 10,000,000 characters: %8.1f ms\n", elapsedMs(timer));
    DocumentEditor* editor = window.form1()->txtvimb;
    editor->setFocus();
    runEventLoop(500);
    const double before = cpuMs();
    timer.restart();
    runEventLoop(3000);
    std::printf("  then idle for %.0f ms: %8.1f ms of processor time, %d timers in the text box\n",
                elapsedMs(timer), cpuMs() - before, editorTimers(editor));
    std::fflush(stdout);
}

void replaceAll(MDIForm1& window)
{
    // 100,000 lines of 80 characters, each with ten matches.
    QByteArray line;
    for (int i = 0; i < 10; ++i)
        line += QByteArrayLiteral("\xB0\xB1      ");
    line += "\r\n";
    window.show();
    window.form1()->setText(line.repeated(100'000));
    FindBar* bar = window.form1()->findbar;
    window.mnureplace->trigger();
    bar->txtfind->setText(QStringLiteral("\u2591\u2592"));
    bar->txtreplace->setText(QStringLiteral("\u2588"));
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    bar->cmdreplaceall->click();
    QApplication::processEvents();
    const double ms = elapsedMs(timer);
    const NfoDocument& document = window.document();
    const bool right =
        document.codeCount() == 100'000 * 72 && document.bytes().count("\xDB      ") == 1'000'000;
    std::printf("Replace All of 1,000,000 matches: %8.1f ms (%s)\n", ms,
                right ? "checked" : "WRONG");
}

} // namespace

int main(int argc, char* argv[])
{
    const BenchHome home;
    QApplication app(argc, argv);
    QtDialogs dialogs;
    MDIForm1 window(benchServices(dialogs, QDir::tempPath()));
    window.startUp(QString());
    // "line" or "replace" runs that part alone, as for a profiler.
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (only != QLatin1String("replace"))
        longLine(window);
    if (only != QLatin1String("line"))
        replaceAll(window);
    return 0;
}
