#include "app/CommandLine.h"
#include "app/CommandLineTool.h"
#include "app/MDIForm1.h"
#include "product/ProductInfo.h"
#include "product/Translations.h"
#include "settings/ProgramFolders.h"
#include "ui/ProgramStyle.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Work without a window (--export, --help, --version) is done before any window exists.
    if (CommandLineTool::handles(CommandLineTool::arguments(argc, argv)))
        return CommandLineTool::main(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductInfo::Title);
    QApplication::setOrganizationName(ProductInfo::Title);
    // The desktop's style, whose standard icons are read when first drawn: building the main
    // window then loads no image.
    QApplication::setStyle(new ProgramStyle);

    const ProgramFolders folders = ProgramFolders::forRunningProgram();
    Translations::install(app, folders.translationDirectory());
    QtDialogs dialogs;
    MDIForm1 window(Services{dialogs, ProgramSettings(folders.settingsFile()), UserSettings(),
                             folders.templateDirectory()});
    QObject::connect(&window, &MDIForm1::exitRequested, &app, &QCoreApplication::quit);
    // For the start-up benchmark, which times whole processes until the file shows.
    if (qEnvironmentVariableIsSet("QUILRA_REPORT_SHOWN"))
        QObject::connect(&window, &MDIForm1::documentShown, [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
        });
    window.startUp(CommandLine::argumentText(QCoreApplication::arguments()));
    window.show();
    return QApplication::exec();
}
