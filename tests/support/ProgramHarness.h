#pragma once

#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "app/MDIForm1.h"

#include <QDir>
#include <memory>

// The main window as the program makes it, against the test's own stores, with its start-up
// run. `programDirectory` defaults to the test's program folder.
inline std::unique_ptr<MDIForm1> startProgram(ScriptedDialogs& dialogs,
                                              const QString& argumentText = QString(),
                                              const QString& programDirectory = QString())
{
    const QString folder = programDirectory.isEmpty()
                               ? TestEnvironment::instance().programDirectory()
                               : programDirectory;
    auto window = std::make_unique<MDIForm1>(
        Services{dialogs, ProgramSettings(QDir(folder).filePath(QStringLiteral("Settings.ini"))),
                 UserSettings(), folder});
    window->startUp(argumentText);
    return window;
}

// The same with its own scripted dialogs, for one line at the top of a test:
//     auto&& [dialogs, window] = StartedProgram();
struct StartedProgram
{
    explicit StartedProgram(const QString& argumentText = QString(),
                            const QString& programDirectory = QString())
        : window(startProgram(dialogs, argumentText, programDirectory))
    {
    }
    ScriptedDialogs dialogs;
    std::unique_ptr<MDIForm1> window;
};

// Shows the widget and waits until it is on screen: QVERIFY(shown(window.get())).
inline bool shown(QWidget* widget)
{
    widget->show();
    return QTest::qWaitForWindowExposed(widget);
}
