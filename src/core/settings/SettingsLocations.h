#pragma once

#include <QString>

namespace kelvora {

// Where Settings finds its two stores, and the program folder some fallbacks name.
struct SettingsLocations
{
    QString settingsFile;  // the shared INI file, sections Detail and Font
    QString settingsKey;   // the per-user INI file standing in for the settings key
    QString programFolder; // with a trailing "/"
};

} // namespace kelvora
