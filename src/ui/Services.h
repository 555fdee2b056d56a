#pragma once

#include "Dialogs.h"
#include "settings/ProgramSettings.h"
#include "settings/UserSettings.h"

// What the windows need from outside: the modal dialogs, the two settings stores and the
// folder of the templates.
struct Services
{
    Dialogs& dialogs;
    ProgramSettings programSettings;
    UserSettings userSettings;
    QString templateDirectory;
};
