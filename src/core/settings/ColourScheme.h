#pragma once

#include <QtGlobal>

namespace kelvora {

class Settings;

// The five colours every window is painted with, read once from the held
// settings. Colours are 0x00BBGGRR as in ColourText; a setting that is no
// colour gives the colour of its default.
struct ColourScheme
{
    quint32 bandStart = 0x00FF0000; // Grad1Str: bands and buttons start here
    quint32 bandEnd = 0x0000FF00;   // Grad2Str: ... and end here
    quint32 input = 0x00BBFFFF;     // Grad3Str: grid columns and input boxes
    quint32 oddRow = 0x00FF9191;    // Grad4Str: odd grid rows
    quint32 highlight = 0x0000FF00; // StartColStr: the current row and column

    static ColourScheme fromSettings(const Settings& settings);

    bool operator==(const ColourScheme&) const = default;
};

} // namespace kelvora
