// Prints how long Copy and Paste of the whole document take for documents of 1 to 50 MB, how
// long finding every match takes in 100,000 lines, and how long the program takes to start
// with an empty store and with a store of 20,000 recent files. Each must grow with the text or
// the useful keys only.

#include "BenchArt.h"
#include "BenchHome.h"
#include "app/MDIForm1.h"
#include "documents/DocumentFormat.h"
#include "documents/LinkFinder.h"
#include "ui/DocumentEditor.h"
#include "ui/FindBar.h"
#include "ui/Form1.h"
#include "ui/NfoDocument.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <cstdio>

namespace {

double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void copyAndPaste(MDIForm1& window, int megabytes)
{
    const int lines = megabytes * 1024 * 1024 / 82;
    window.form1()->setText(denseArt(lines));
    QElapsedTimer timer;
    timer.start();
    window.mnuselall->trigger();
    window.mnucopy->trigger();
    const double copyMs = elapsedMs(timer);
    timer.restart();
    window.mnupaste->trigger();
    const double pasteMs = elapsedMs(timer);
    std::printf("%4d MB  copy %8.1f ms  paste %8.1f ms  (%s)\n", megabytes, copyMs, pasteMs,
                window.form1()->txtvimb->codeCount() == 2 * lines * 82 ? "checked" : "WRONG");
    std::fflush(stdout);
}

void findAll(MDIForm1& window)
{
    window.form1()->setText(denseArt(100000));
    FindBar* bar = window.form1()->findbar;
    window.mnufind->trigger();
    QElapsedTimer timer;
    timer.start();
    // Two glyphs of the art, every 16th cell: half a million matches.
    bar->txtfind->setText(QStringLiteral("\u2554\u2550"));
    std::printf("Find all matches in 100,000 lines: %8.1f ms, %lld matches\n", elapsedMs(timer),
                static_cast<long long>(bar->matches().size()));
    timer.restart();
    bar->chkcase->setChecked(true);
    std::printf("  and again, matching case:        %8.1f ms\n", elapsedMs(timer));
}

void linkSearch()
{
    // What finding the links adds to opening: the search over the display text alone, beside
    // the whole opening of the same file.
    const QByteArray bytes = denseArt(100000);
    const QString display = DocumentFormat::open(bytes).display;
    QElapsedTimer timer;
    timer.start();
    const auto links = LinkFinder::find(display);
    const double searchMs = elapsedMs(timer);
    NfoDocument document;
    timer.restart();
    document.open(bytes);
    const double openMs = elapsedMs(timer);
    std::printf("Links in 100,000 lines: %.1f ms of %.1f ms opening (%.1f %%), %lld found\n",
                searchMs, openMs, 100.0 * searchMs / openMs, static_cast<long long>(links.size()));
}

double startUpMs(QtDialogs& dialogs, const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    MDIForm1 window(benchServices(dialogs, folder));
    window.startUp(QString());
    window.show();
    QApplication::processEvents();
    return elapsedMs(timer);
}

void storeRecentFiles(int count)
{
    QSettings store(QStringLiteral("Quilra"), QStringLiteral("Quilra"));
    store.beginGroup(QStringLiteral("MRUFiles"));
    for (int n = 0; n < count; ++n)
        store.setValue(QString::number(n), QStringLiteral("/stored/%1.nfo").arg(n % 7));
}

} // namespace

int main(int argc, char* argv[])
{
    const BenchHome home;
    QApplication app(argc, argv);
    QtDialogs dialogs;
    const QString folder = QDir::tempPath();

    std::printf("Select All, Copy and Paste of the whole document:\n");
    {
        MDIForm1 window(benchServices(dialogs, folder));
        window.startUp(QString());
        for (const int megabytes : {1, 10, 50})
            copyAndPaste(window, megabytes);
        findAll(window);
    }
    linkSearch();

    std::printf("Start-up to the first shown window:\n");
    startUpMs(dialogs, folder); // the first start pays for fonts and plugins
    std::printf("  empty store                %8.1f ms\n", startUpMs(dialogs, folder));
    storeRecentFiles(20000);
    std::printf("  20,000 recent-file entries %8.1f ms\n", startUpMs(dialogs, folder));
    return 0;
}
