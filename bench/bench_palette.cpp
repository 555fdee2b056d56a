// Prints how long a press of a palette key takes on documents of 80 columns of dense box
// drawing: the code appended at the end, the caret and view back at the top, and the window
// painted again. Also a key typed into the same document, which checks for the greeting phrase.
//
//   quilra_bench_palette

#include "BenchArt.h"
#include "BenchHome.h"
#include "app/MDIForm1.h"
#include "palette/Form2.h"
#include "ui/DocumentEditor.h"
#include "ui/Form1.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPresses = 25;

// Milliseconds for one action, the events it posts and a full repaint of the document's view.
template <class Action> double timed(QWidget* view, Action action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QApplication::processEvents();
    view->repaint();
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Figures
{
    double median;
    double worst;
};

Figures summary(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return {times.at(times.size() / 2), times.back()};
}

int runOne(int lines)
{
    QTemporaryDir folder;
    QtDialogs dialogs;
    MDIForm1 window(benchServices(dialogs, folder.path()));
    window.startUp(QString());
    window.show();
    const QByteArray art = denseArt(lines);
    window.form1()->setText(art);
    window.mnucustom->trigger();
    Form2* palette = window.existingPalette();
    QApplication::processEvents();

    DocumentEditor* editor = window.form1()->txtvimb;
    QWidget* view = editor->viewport();
    std::vector<double> presses;
    for (int i = 0; i < kPresses; ++i)
        presses.push_back(timed(view, [palette] { palette->Command1.at(16)->click(); }));

    editor->setFocus();
    std::vector<double> typed;
    for (int i = 0; i < kPresses; ++i)
        typed.push_back(timed(view, [editor] { QTest::keyClick(editor, Qt::Key_X); }));

    const Figures press = summary(presses);
    const Figures type = summary(typed);
    std::printf("%8d lines  palette key: median %7.3f ms, worst %7.3f ms   typed key: median "
                "%7.3f ms, worst %7.3f ms\n",
                lines, press.median, press.worst, type.median, type.worst);
    // The presses went to the end, the typed keys to the start, where the caret was left.
    const QByteArray expected =
        QByteArray(kPresses, 'x') + art + QByteArray(kPresses, static_cast<char>(0xB0));
    return window.form1()->text() == expected ? 0 : 2;
}

} // namespace

int main(int argc, char* argv[])
{
    const BenchHome home;
    QApplication app(argc, argv);
    std::printf("A palette key pressed %d times on generated NFO documents (80 columns of box "
                "drawing), repaint included:\n",
                kPresses);
    for (int lines : {1000, 10000, 100000}) {
        std::fflush(stdout);
        if (const int result = runOne(lines); result != 0)
            return result;
    }
    return 0;
}
