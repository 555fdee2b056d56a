#pragma once

#include "Dialogs.h"
#include "settings/ProgramSettings.h"
#include "settings/UserSettings.h"

// What the windows need from outside: the modal dialogs and the two settings stores.
struct Services
{
    Dialogs& dialogs;
    ProgramSettings programSettings;
    UserSettings userSettings;
};
