#pragma once

#include <QString>

// Where a setting lives: Settings.ini beside the program, or the per-user store.
enum class SettingStore
{
    ProgramIni,
    PerUser,
};

// One row of the table of settings. A key that stands for a numbered family ("Custom2" to
// "Custom11", "0" to "5") holds "%1" where the number goes.
struct SettingKey
{
    SettingStore store;
    const char* section;
    const char* key;

    // The key's name; for a family, the name of member `index`.
    QString name(int index = -1) const
    {
        const QString pattern = QString::fromLatin1(key);
        return index < 0 ? pattern : pattern.arg(index);
    }
};
