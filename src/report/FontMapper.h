#pragma once

#include "report/FontSpec.h"

#include <QFont>
#include <QString>

namespace kelvora::report {

// Templates name the fonts of the desktop they were drawn on ("Arial", "Tahoma").
// This picks the installed family that prints closest: a metric-compatible clone
// when there is one (Liberation, then the URW fonts), else DejaVu.
class FontMapper
{
public:
    static QString installedFamily(const QString& requested);
    // The font of a spec at its point size, for any paint device.
    static QFont font(const FontSpec& spec);
};

} // namespace kelvora::report
