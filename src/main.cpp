#include "app/CommandLine.h"
#include "app/MDIForm1.h"
#include "app/ProductInfo.h"
#include "app/QtDialogs.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductInfo::Title);
    QApplication::setOrganizationName(ProductInfo::Title);

    QtDialogs dialogs;
    MDIForm1 window(
        Services{dialogs, ProgramSettings(QCoreApplication::applicationDirPath()), UserSettings()});
    QObject::connect(&window, &MDIForm1::exitRequested, &app, &QCoreApplication::quit);
    window.startUp(CommandLine::argumentText(QCoreApplication::arguments()));
    window.show();
    return QApplication::exec();
}
