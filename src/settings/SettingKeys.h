#pragma once

#include "SettingKey.h"

#include <array>

// Every setting the program keeps. Nothing else reads or writes a store.
namespace SettingKeys {

// Settings.ini: values that belong to this copy of the program.
inline constexpr SettingKey TextColour{SettingStore::ProgramIni, "Custom Colors", "text"};
inline constexpr SettingKey BackgroundColour{SettingStore::ProgramIni, "Custom Colors",
                                             "background"};
inline constexpr SettingKey FontName{SettingStore::ProgramIni, "Custom Font", "Font Name"};
inline constexpr SettingKey FontSize{SettingStore::ProgramIni, "Custom Font", "Font Size"};
// Palette keys 2 to 11.
inline constexpr SettingKey CustomCharacter{SettingStore::ProgramIni, "Custom Characters",
                                            "Custom%1"};

// The per-user store: values that belong to the user.
inline constexpr SettingKey LinkAllowed{SettingStore::PerUser, "Settings", "linkallowed"};
inline constexpr SettingKey TimesOpened{SettingStore::PerUser, "Times Ran", "opened"};
// Recent files 0 (newest) to 5.
inline constexpr SettingKey RecentFile{SettingStore::PerUser, "MRUFiles", "%1"};
// "yes" wraps lines wider than the window; anything else shows them whole.
inline constexpr SettingKey WordWrap{SettingStore::PerUser, "Settings", "wordwrap"};
// The document's zoom in percent: 50, 100, 150, 200, 300 or 400.
inline constexpr SettingKey Zoom{SettingStore::PerUser, "Settings", "zoom"};

inline constexpr std::array<SettingKey, 10> All = {
    TextColour,  BackgroundColour, FontName,   FontSize, CustomCharacter,
    LinkAllowed, TimesOpened,      RecentFile, WordWrap, Zoom,
};

} // namespace SettingKeys
