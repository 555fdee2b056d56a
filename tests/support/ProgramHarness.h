#pragma once

#include "ScriptedDialogs.h"
#include "TestEnvironment.h"
#include "app/MDIForm1.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <memory>

// The main window as the program makes it, against the test's own stores, with its start-up
// run.
inline std::unique_ptr<MDIForm1> startProgram(ScriptedDialogs& dialogs,
                                              const QString& argumentText = QString())
{
    const TestEnvironment& environment = TestEnvironment::instance();
    auto window =
        std::make_unique<MDIForm1>(Services{dialogs, ProgramSettings(environment.iniPath()),
                                            UserSettings(), environment.programDirectory()});
    window->startUp(argumentText);
    return window;
}

// The same with its own scripted dialogs, for one line at the top of a test:
//     auto&& [dialogs, window] = StartedProgram();
struct StartedProgram
{
    explicit StartedProgram(const QString& argumentText = QString())
        : window(startProgram(dialogs, argumentText))
    {
    }
    ScriptedDialogs dialogs;
    std::unique_ptr<MDIForm1> window;
};

// Runs the menu item and gives the open window of that kind (one closed before may still
// await deletion), or nullptr.
template <class Window> Window* openThrough(MDIForm1* main, QAction* item)
{
    item->trigger();
    for (Window* window : main->findChildren<Window*>())
        if (!window->isClosing())
            return window;
    return nullptr;
}

// Drags the data onto the widget and drops it there, as a user does.
inline void dropOn(QWidget* target, QMimeData* data)
{
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}
