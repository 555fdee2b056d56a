// Prints how long the generator's preview takes to follow a key typed into its form, with the
// shipped templates: the NFO made anew, shown, and the preview painted again, against the 16.7 ms
// of one frame at 60 Hz. Keys go into a one-line field and into the summary, on both tabs.
//
//   quilra_bench_preview

#include "BenchHome.h"
#include "app/MDIForm1.h"
#include "generator/frmmovie.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kKeys = 200;
constexpr double kFrameMs = 1000.0 / 60.0;

// Milliseconds for each of the keys typed into the field, up to the preview painted.
std::vector<double> typeInto(QWidget* field, QWidget* preview)
{
    std::vector<double> times;
    for (int i = 0; i < kKeys; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(field, i % 6 == 5 ? Qt::Key_Space : Qt::Key_A);
        QApplication::processEvents();
        preview->repaint();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times;
}

// The 99th percentile decides, so that one key delayed by another program on a busy machine
// does not.
void report(const char* what, const std::vector<double>& times)
{
    const double high = times.at(times.size() * 99 / 100);
    std::printf("%-22s median %6.3f ms, 99th percentile %6.3f ms, worst %6.3f ms  (%s one "
                "frame)\n",
                what, times.at(times.size() / 2), high, times.back(),
                high < kFrameMs ? "within" : "NOT within");
}

} // namespace

int main(int argc, char* argv[])
{
    BenchHome home;
    QApplication app(argc, argv);
    QTemporaryDir folder;
    for (const char* name : {"/movietemplate.nfo", "/applicationtemplate.nfo"})
        QFile::copy(QStringLiteral(QUILRA_TEMPLATES_DIR) + QLatin1String(name),
                    folder.path() + QLatin1String(name));
    QtDialogs dialogs;
    MDIForm1 window(benchServices(dialogs, folder.path()));
    window.startUp(QString());
    window.show();
    window.mnuauto->trigger();
    frmmovie* form = window.existingGenerator();
    QApplication::processEvents();
    QWidget* preview = form->txtpreview->viewport();

    report("movie title", typeInto(form->txttitle, preview));
    report("movie summary", typeInto(form->txtsummary, preview));
    form->XTab1->setCurrentIndex(frmmovie::ApplicationTab);
    report("application title", typeInto(form->txtapptitle, preview));
    report("application summary", typeInto(form->txtsummary2, preview));
    return 0;
}
