#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace kelvora {

// Colours as the settings hold them. The core has no QtGui, so a colour is a quint32
// in the form 0x00BBGGRR (red in the low byte); the GUI turns it into a QColor with
// red(), green() and blue().
//
// A colour text is one of
//   - a name of the standard colour set, in any letter case: "clBlue", "clmoneygreen";
//   - a decimal number: "16711680" is blue;
//   - "$" and up to eight hexadecimal digits read as 00BBGGRR: "$00BBFFFF" is blue BB,
//     green FF, red FF.
// Spaces around the text are ignored. Anything else, and any value above 0x00FFFFFF
// (negative numbers included), is not a colour: nullopt.
std::optional<quint32> parseColourText(const QString& text);

// The name when the colour has one ("clLime"), else "$" and eight upper-case
// hexadecimal digits ("$00BBFFFF").
QString colourText(quint32 colour);

constexpr int red(quint32 colour) { return static_cast<int>(colour & 0xFFu); }
constexpr int green(quint32 colour) { return static_cast<int>((colour >> 8) & 0xFFu); }
constexpr int blue(quint32 colour) { return static_cast<int>((colour >> 16) & 0xFFu); }
// Components outside 0..255 are cut to their low byte.
constexpr quint32 colourFromRgb(int r, int g, int b)
{
    return (static_cast<quint32>(r) & 0xFFu) | ((static_cast<quint32>(g) & 0xFFu) << 8)
           | ((static_cast<quint32>(b) & 0xFFu) << 16);
}

} // namespace kelvora
